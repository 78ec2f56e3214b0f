// base^n for a whole n >= 0 by squaring: the same doubles in every build
// (pow may differ in the last bit between C libraries) and cheaper.
#pragma once

namespace parvell {

inline double WholePower(double base, int n) {
    // The usual coefficients, by the very multiplications the loop would do
    // (a product with 1 is exact).
    if (n == 1) return base;
    if (n == 2) return base * base;
    if (n == 3) return base * (base * base);
    double result = 1;
    while (n > 0) {
        if (n & 1) result *= base;
        base *= base;
        n >>= 1;
    }
    return result;
}

}  // namespace parvell
