#pragma once

#include <QString>
#include <QStringList>

// The total of the upcoming payments shown under their list.
namespace Catalogue {

// The sum of the payment amounts, each read as a number with the decimal comma; an empty list
// sums to 0. A text that is not a number raises EConvertError.
long double SumAmounts(const QStringList& amounts);

// The sum as the label shows it: rounded to kopecks, two decimals after the comma, the
// roubles grouped by three with apostrophes (0,00; 5'000,00; 1'234'567,89).
QString GroupedTotalText(long double sum);

// "Всего осталось оплатить: <total> руб."
QString TotalCaption(long double sum);

} // namespace Catalogue
