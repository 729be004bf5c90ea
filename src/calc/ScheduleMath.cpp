#include "ScheduleMath.h"

#include "CheckedMath.h"

#include <cfenv>
#include <cmath>

namespace Calc {
namespace {

// Nearest whole number, ties to even, independent of the processor's rounding mode. In the
// usual mode (to nearest, ties to even) that is the processor's own rounding to a whole
// number; std::floor would switch the mode back and forth, which stalls the processor and
// made this the costliest step of a schedule build.
long double roundHalfEven(long double x) {
    if (std::fegetround() == FE_TONEAREST) [[likely]]
        return std::rint(x);
    const long double whole = std::floor(x);
    const long double fraction = x - whole; // exact: both lie in the same binade or x is whole
    if (fraction > 0.5L)
        return whole + 1;
    if (fraction < 0.5L)
        return whole;
    return std::fmod(whole, 2.0L) == 0 ? whole : whole + 1;
}

} // namespace

long double Okruglit(long double x) {
    const long double cents = roundHalfEven(Checked::mul(x, 100.0L));
    return Checked::mul(cents, 0.01L);
}

long double AnnuitetFactor(int n, long double rate) {
    if (rate == 0)
        return Checked::div(1.0L, static_cast<long double>(n));
    const long double r = Checked::div(Checked::div(rate, 12.0L), 100.0L);
    long double base = Checked::add(1.0L, r);
    long double p = 1.0L;
    unsigned long long bits = n < 0 ? -static_cast<unsigned long long>(static_cast<long long>(n))
                                    : static_cast<unsigned long long>(n);
    while (bits != 0) {
        if (bits & 1U)
            p = Checked::mul(p, base);
        bits >>= 1U;
        if (bits != 0)
            base = Checked::mul(base, base);
    }
    if (n < 0)
        p = Checked::div(1.0L, p);
    return Checked::div(Checked::mul(r, p), Checked::sub(p, 1.0L));
}

} // namespace Calc
