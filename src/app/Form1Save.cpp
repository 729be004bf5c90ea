// Saving the loan shown in the window as its record file.
#include "TForm1.h"

void TForm1::BSaveClick(QObject* /*sender*/) {}
