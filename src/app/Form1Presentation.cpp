// Painting of the schedule and early-payment grids, column fitting, status line, mail link.
#include "TForm1.h"

void TForm1::GrafikDrawCell(QObject* /*sender*/, int /*col*/, int /*row*/, const QRect& /*rect*/,
                            QPainter& /*painter*/) {}
void TForm1::DosPlatDrawCell(QObject* /*sender*/, int /*col*/, int /*row*/, const QRect& /*rect*/,
                             QPainter& /*painter*/) {}
void TForm1::AutoSizeCol(TStringGridView* /*grid*/, int /*column*/) {}
void TForm1::StatusDrawPanel(QObject* /*sender*/, int /*panel*/, const QRect& /*rect*/,
                             QPainter& /*painter*/) {}
void TForm1::MailToClick(QObject* /*sender*/) {}
