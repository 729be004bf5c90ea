#include "LoanTerms.h"

#include "Exceptions.h"
#include "NumberText.h"

#include <algorithm>
#include <limits>

namespace Calc {

bool PaymentCountAboveLimit(const QString& srok0) {
    if (srok0.isEmpty())
        return false;
    long long value = 0;
    for (QChar c : srok0) {
        if (c < u'0' || c > u'9')
            return false;
        value = std::min(value * 10 + (c.unicode() - u'0'), MaxPaymentCount + 1LL);
    }
    return value > MaxPaymentCount;
}

int PaymentCount(const LoanTerms& terms) {
    const int n = NumberText::StrToInt(terms.srok0);
    // The field takes digits only; a negative count can only come from a pasted or edited
    // text, and a schedule of fewer than no payments does not exist. Nor can the schedule
    // number more rows than a grid can count.
    if (n < 0 || n > std::numeric_limits<int>::max() / 2)
        throw EConvertError(
            QStringLiteral("'%1' is not a valid number of payments").arg(terms.srok0));
    return n;
}

} // namespace Calc
