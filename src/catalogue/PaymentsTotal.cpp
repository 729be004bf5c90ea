#include "PaymentsTotal.h"

#include "NumberText.h"
#include "ScheduleMath.h"

namespace Catalogue {

long double SumAmounts(const QStringList& amounts) {
    long double sum = 0;
    for (const QString& amount : amounts)
        sum += NumberText::StrToFloat(amount);
    return sum;
}

QString GroupedTotalText(long double sum) {
    // The amounts carry kopecks; rounding the sum keeps the binary remainders of many
    // additions out of the text, so it always ends in exactly two decimals.
    // Thousands are grouped by an apostrophe.
    return NumberText::FloatToFixed(Calc::Okruglit(sum), 2, true).replace(u' ', u'\'');
}

QString TotalCaption(long double sum) {
    return QStringLiteral("Всего осталось оплатить: ") + GroupedTotalText(sum) +
           QStringLiteral(" руб.");
}

} // namespace Catalogue
