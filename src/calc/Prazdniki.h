#pragma once

#include <QDate>
#include <QList>

namespace Calc {

// The built-in non-working holidays of 2013 to 2026 (holidays and the days off moved onto working
// days). There are none before 2013 or after 2026: a payment date outside those years is never
// moved for a holiday.
QList<QDate> Prazdniki();

// Whether the date is one of the built-in holidays.
bool IsPrazdnik(QDate date);

} // namespace Calc
