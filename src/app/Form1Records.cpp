// Saving, clearing and the record catalogue: placeholders until those commands are built.
#include "TForm1.h"

void TForm1::BSaveClick(QObject* /*sender*/) {}
void TForm1::BClearDataClick(QObject* /*sender*/) {}
void TForm1::ListMouseUp(QObject* /*sender*/, Qt::MouseButton /*button*/,
                         Qt::KeyboardModifiers /*shift*/, int /*x*/, int /*y*/) {}
void TForm1::ListMouseActivate(QObject* /*sender*/, Qt::MouseButton /*button*/) {}
void TForm1::HideCredClick(QObject* /*sender*/) {}
void TForm1::DelRecClick(QObject* /*sender*/) {}
