#include "CheckedMath.h"

namespace Checked {

void raiseZeroDivide() {
    throw EZeroDivide(QStringLiteral("Floating point division by zero"));
}
void raiseInvalidOp() {
    throw EInvalidOp(QStringLiteral("Invalid floating point operation"));
}
void raiseOverflow() {
    throw EOverflow(QStringLiteral("Floating point overflow"));
}

long double powInt(long double x, long long n) {
    if (n < 0)
        return div(1.0L, powInt(x, -n));
    long double r = 1.0L;
    for (long long i = 0; i < n; ++i)
        r = mul(r, x);
    return r;
}

} // namespace Checked
