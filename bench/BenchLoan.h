#pragma once

#include "ControlHelpers.h"
#include "StringGrid.h"
#include "TForm1.h"

#include <QDate>

// The loan of the benchmarks: 3 000 000 at 12,5 % over 360 monthly payments, with insurance
// and an SMS package paid on top of the loan and 10 early payments.
namespace BenchLoan {

constexpr int EarlyPaymentCount = 10;

inline QString earlyDate(int k) {
    // Every third year, on the 1st of a month between two payments on the 15th.
    return QDate(2021 + 3 * k, 1 + k, 1).toString(QStringLiteral("dd.MM.yyyy"));
}

inline void fillEarlyPayments(StringGrid& dosPlat) {
    dosPlat.setRowCount(EarlyPaymentCount + 1);
    for (int k = 0; k < EarlyPaymentCount; ++k)
        dosPlat.setRow(k + 1, {earlyDate(k), QStringLiteral("10000")});
}

// The loan's terms without the early payments.
inline void fillTerms(TForm1& f) {
    f.ECreditor->setCurrentIndex(7);
    f.ETip->setCurrentIndex(0);
    f.ESummCred->setText(QStringLiteral("3000000"));
    f.EProcent0->setText(QStringLiteral("12,5"));
    f.ESrok0->setText(QStringLiteral("360"));
    f.EDataVydachi->setDate(QDate(2020, 1, 15));
    f.EDataPlateja->setDate(QDate(2020, 2, 15));
    f.EPere->setCurrentIndex(0);
    SetChecked(f.R_30, false);
    SetChecked(f.R_31, false);
    SetChecked(f.StrahYesNoKred, true);
    f.StrahSumm->setText(QStringLiteral("30000"));
    f.StrahCol->setText(QStringLiteral("12"));
    SetChecked(f.SMSYesNoKred, true);
    f.SMSSumm->setText(QStringLiteral("3600"));
}

inline void fill(TForm1& f) {
    fillTerms(f);
    fillEarlyPayments(f.DosPlat->grid());
}

} // namespace BenchLoan
