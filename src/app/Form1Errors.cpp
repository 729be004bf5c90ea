// The window's error hook: the report of every failure that no handler caught.
#include "TForm1.h"

void TForm1::Error(QObject* /*sender*/, std::exception_ptr /*error*/) {}
