#pragma once

#include "Exceptions.h"

#include <cmath>
#include <limits>

// Every amount, rate and factor, and so every result the program shows, is computed in the
// x87 extended format; a build where long double is anything else would give other figures.
static_assert(std::numeric_limits<long double>::is_iec559 &&
                  std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384 &&
                  std::numeric_limits<long double>::min_exponent == -16381,
              "long double must be the 80-bit x87 extended format");

// Extended-precision arithmetic that raises instead of giving infinity or NaN. Amounts, rates
// and factors are long double (x87 extended, 64-bit mantissa), each operation rounded to
// nearest, ties to even. The operands and results are checked explicitly: the floating-point
// status flags are not dependable once the optimiser reorders the code.
namespace Checked {

[[noreturn]] void raiseZeroDivide();
[[noreturn]] void raiseInvalidOp();
[[noreturn]] void raiseOverflow();

// A result that is not finite although its operands were.
inline long double result(long double r) {
    if (std::isnan(r)) [[unlikely]]
        raiseInvalidOp();
    if (std::isinf(r)) [[unlikely]]
        raiseOverflow();
    return r;
}

inline long double add(long double a, long double b) {
    return result(a + b);
}
inline long double sub(long double a, long double b) {
    return result(a - b);
}
inline long double mul(long double a, long double b) {
    return result(a * b);
}

// 0 / 0 is an invalid operation; x / 0 with x != 0 a division by zero.
inline long double div(long double a, long double b) {
    if (b == 0) [[unlikely]] {
        if (a == 0 || std::isnan(a))
            raiseInvalidOp();
        raiseZeroDivide();
    }
    return result(a / b);
}

} // namespace Checked
