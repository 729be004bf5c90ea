// Clearing the form; saving and the record catalogue are placeholders until those commands
// are built.
#include "ControlHelpers.h"
#include "TForm1.h"

#include <QDate>

void TForm1::BSaveClick(QObject* /*sender*/) {}

void TForm1::BClearDataClick(QObject* sender) {
    EName->setText(QString());
    ClearData(sender);
}

// The cleared values are what the user sees after start-up: the rate reads "0,00", the amount,
// deviation and correction fields are empty and the periodicity is monthly. The option buttons
// react as they do to a click: unticking Sunday unticks Saturday, and choosing "Нет" resets and
// disables the insurance and SMS amounts. Selecting list items runs no reaction.
void TForm1::ClearData(QObject* sender) {
    EDataVydachi->setDate(QDate::currentDate());
    ECreditor->setCurrentIndex(-1);
    EVidCred->setCurrentIndex(0);
    ETip->setCurrentIndex(0);
    ESummCred->setText(QString());
    EProcent0->setText(QStringLiteral("0,00"));
    ESrok0->setText(QString());
    EDataPlateja->setDate(QDate::currentDate());
    EProcentRiska0->setText(QString());
    EProcent1->setText(QString());
    ESrok1->setText(QString());
    SMemo->setPlainText(QString());
    EPere->setCurrentIndex(0);
    SetChecked(CSubb, false);
    SetChecked(CVosk, false);
    SetChecked(CPraz, false);
    SetChecked(R_30, false);
    SetChecked(R_31, false);
    SetChecked(C360, false);
    SetChecked(StrahNo, true);
    StrahSumm->setText(QStringLiteral("0"));
    StrahCol->setText(QStringLiteral("0"));
    SetChecked(SMSNo, true);
    SMSSumm->setText(QStringLiteral("0"));
    DopSumm->setText(QString());

    ClearDosPlatClick(sender);
    GrafikClearFull(sender);
    BSave->setEnabled(false);
}
void TForm1::ListMouseUp(QObject* /*sender*/, Qt::MouseButton /*button*/,
                         Qt::KeyboardModifiers /*shift*/, int /*x*/, int /*y*/) {}
void TForm1::ListMouseActivate(QObject* /*sender*/, Qt::MouseButton /*button*/) {}
void TForm1::HideCredClick(QObject* /*sender*/) {}
void TForm1::DelRecClick(QObject* /*sender*/) {}
