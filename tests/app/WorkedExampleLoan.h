#pragma once

#include "ControlHelpers.h"
#include "TForm1.h"

#include <QDate>

// A loan whose schedule builds, typed into the window: 100 000 at 12 % over 12 monthly
// payments, issued 15.01.2020, first payment 15.02.2020, no add-ons.
inline void fillWorkedExampleLoan(TForm1& form) {
    form.ECreditor->setCurrentIndex(7);
    form.ETip->setCurrentIndex(0);
    form.ESummCred->setText(QStringLiteral("100000"));
    form.EProcent0->setText(QStringLiteral("12"));
    form.ESrok0->setText(QStringLiteral("12"));
    form.EDataVydachi->setDate(QDate(2020, 1, 15));
    form.EDataPlateja->setDate(QDate(2020, 2, 15));
    form.EPere->setCurrentIndex(0);
    SetChecked(form.R_30, false);
    SetChecked(form.R_31, false);
}
