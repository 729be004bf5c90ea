#pragma once

#include "LoanTerms.h"

class StringGrid;

namespace Calc {

// The opening amounts of a schedule: b0, the amount to be repaid (the loan amount, plus the
// insurance premium and the SMS package price when they are included in the loan), and p0, the
// first payment: the annuity of b0 rounded to kopecks, or b0 / n unrounded for a rate of 0.
struct Opening {
    long double b0 = 0;
    long double p0 = 0;
};
Opening GrafikOpening(const LoanTerms& terms);

// The SMS share added to every payment: the package price / n + 0.005 rounded to kopecks (so a
// share that is not a whole number of kopecks goes up to the next one); 0 when the package is
// included in the loan.
long double SmsShare(const LoanTerms& terms);

// Interest on the balance for the period from d0 to d1 at an annual rate in percent.
// With a 360-day year: rate / 100 / 360 * balance * days. Otherwise by calendar months: in the
// same month number (the years are not compared) rate / 100 / L * balance * (d1 - d0), with
// L = 366 only when both years are leap years; from one month into the next the rest of d0's
// month at d0's year length plus d1's days at d1's year length; across a longer gap the
// rest of d0's month plus one February of d0's year plus d1's days.
long double PeriodInterest(long double rate, long double balance, QDate d0, QDate d1, bool year360);

// Computes the amounts of the schedule whose numbers and dates GrafikDates wrote into grafik
// (the amounts and add-on columns of a previous schedule are replaced, emptied or dropped):
// every row's payment, principal, interest and remaining debt (columns 2-5), the insurance and
// SMS columns 7 and 8 paid on top of the loan, the two-decimal form of every amount and the
// totals row "Итого:". Rows below the one at which the debt is paid off are dropped. Column 6
// holds the user's interest corrections, which are added to the interest of their rows.
// Every early-payment row (no number) pays the sum of the dosPlat entry it was made from, and
// the payment is recalculated on the row after it; a regular row pays its own payment, also on
// the date of an early payment.
// A text that is not a number or date raises EConvertError and a failing operation a
// floating-point error; the grid then keeps what was written up to that point.
void GrafikCalc(const LoanTerms& terms, StringGrid& grafik, const StringGrid& dosPlat);

// The two-decimal form of an amount text: "12,5" becomes "12,50" and "12" becomes "12,00";
// empty and other texts stay as they are.
QString TwoDecimals(const QString& text);

} // namespace Calc
