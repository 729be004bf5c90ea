// Schedule handlers of the main window: building, clearing and editing the payment schedule.
#include "TForm1.h"

void TForm1::BBGrafClick(QObject* /*sender*/) {}
void TForm1::GrafikClear(QObject* /*sender*/) {}
void TForm1::GrafikClearFull(QObject* /*sender*/) {}
void TForm1::ClearGrafikClick(QObject* /*sender*/) {}
void TForm1::GrafikSelectCell(QObject* /*sender*/, int /*col*/, int /*row*/, bool& /*canSelect*/) {}
void TForm1::GrafikMouseUp(QObject* /*sender*/, Qt::MouseButton /*button*/,
                           Qt::KeyboardModifiers /*shift*/, int /*x*/, int /*y*/) {}
void TForm1::DosPlatGetEditText(QObject* /*sender*/, int /*col*/, int /*row*/, QString& /*value*/) {
}
void TForm1::DosPlatSelectCell(QObject* /*sender*/, int /*col*/, int /*row*/, bool& /*canSelect*/) {
}
void TForm1::AddDosPlatClick(QObject* /*sender*/) {}
void TForm1::ClearDosPlatClick(QObject* /*sender*/) {}
void TForm1::ZapolnitSummu(QObject* /*sender*/) {}
