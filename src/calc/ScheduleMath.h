#pragma once

namespace Calc {

// Rounds to hundredths: x times 100 is rounded to a whole number, a product of exactly k + 0.5
// going to the even neighbour, and the result is multiplied by 0.01 (0.125 gives 0.12, 0.375
// gives 0.38). All in extended precision on the binary values, so the extended number nearest
// to 0.005 gives 0: its product with 100 is exactly 0.5.
long double Okruglit(long double x);

// Annuity factor for n payments at an annual rate in percent: with the monthly rate
// r = rate / 12 / 100 and p = (1 + r)^n (binary exponentiation; 1 / (1 + r)^|n| for a negative
// n), the factor is r * p / (p - 1). At rate 0 it is its limit 1 / n, which spreads the debt
// evenly. n = 0 raises EZeroDivide.
long double AnnuitetFactor(int n, long double rate);

} // namespace Calc
