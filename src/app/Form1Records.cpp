// Clearing the form.
#include "LoanFieldControls.h"
#include "TForm1.h"

void TForm1::BClearDataClick(QObject* sender) {
    EName->setText(QString());
    ClearData(sender);
}

// The cleared values are what the user sees after start-up: the rate reads "0,00", the amount,
// deviation and correction fields are empty and the periodicity is monthly (the table of loan
// fields holds each field's cleared value). The option buttons react as they do to a click:
// unticking Sunday unticks Saturday, and choosing "Нет" resets and disables the insurance and
// SMS amounts. Selecting list items runs no reaction.
void TForm1::ClearData(QObject* sender) {
    for (const Storage::LoanField& field : Storage::LoanFields)
        ClearLoanField(*this, field.field);

    ClearDosPlatClick(sender);
    GrafikClearFull(sender);
    BSave->setEnabled(false);
}
