#include "LoanTerms.h"

#include "Exceptions.h"
#include "NumberText.h"

namespace Calc {

int PaymentCount(const LoanTerms& terms) {
    const int n = NumberText::StrToInt(terms.srok0);
    // The field takes digits only; a negative count can only come from a pasted or edited
    // text, and a schedule of fewer than no payments does not exist.
    if (n < 0)
        throw EConvertError(
            QStringLiteral("'%1' is not a valid number of payments").arg(terms.srok0));
    return n;
}

} // namespace Calc
