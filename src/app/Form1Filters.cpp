// Input filters of the number fields and the rate spinners of the main window.
#include "TForm1.h"

void TForm1::SrokKeyPress(QObject* /*sender*/, QChar& /*key*/) {}
void TForm1::EProcentRiska0KeyPress(QObject* /*sender*/, QChar& /*key*/) {}
void TForm1::SummKeyPress(QObject* /*sender*/, QChar& /*key*/) {}
void TForm1::SMemoKeyPress(QObject* /*sender*/, QChar& /*key*/) {}
void TForm1::UDProcent0_10_0000Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent0_01_0000Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent0_00_1000Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent0_00_0100Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent0_00_0010Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent0_00_0001Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcentRiska0_10_0000Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcentRiska0_01_0000Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcentRiska0_00_1000Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcentRiska0_00_0100Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcentRiska0_00_0010Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcentRiska0_00_0001Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent1_10_0000Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent1_01_0000Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent1_00_1000Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent1_00_0100Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent1_00_0010Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
void TForm1::UDProcent1_00_0001Click(QObject* /*sender*/, UpDownDirection /*direction*/) {}
