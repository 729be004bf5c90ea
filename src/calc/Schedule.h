#pragma once

#include "LoanTerms.h"

#include <QString>

class StringGrid;

namespace Calc {

// The two status line texts of a built schedule.
struct ScheduleTotals {
    QString debt;        // "Сумма долга: " and the total of all payments
    QString overpayment; // "Переплата: " and the total interest
};

// Builds the schedule of the loan into grafik from the early payments of dosPlat: 7 columns
// (earlier add-on columns go with their cells), the amounts of the previous build emptied, the
// numbers and dates written (GrafikDates), the headers, the amounts and totals computed
// (GrafikCalc). The interest corrections in column 6 stay and are applied.
// Failures propagate (EConvertError, EZeroDivide, ...); the grid keeps what was written.
ScheduleTotals BuildSchedule(const LoanTerms& terms, StringGrid& grafik, const StringGrid& dosPlat);

} // namespace Calc
