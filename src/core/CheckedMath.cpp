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

} // namespace Checked
