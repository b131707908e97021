#include "fraction_walk_reference.h"

#include <cmath>
#include <cstddef>

bool FindFractionByWalk(double f, long long& numerator, long long& denominator) {
    long long n = 1;
    long long d = 2;
    // Digit counts kept by hand: formatting the numbers in the loop would
    // dominate the up to ten million rounds.
    std::size_t nDigits = 1;
    std::size_t dDigits = 1;
    long long nNext = 10;
    long long dNext = 10;
    for (;;) {
        const double w = static_cast<double>(n) / static_cast<double>(d);
        if (std::fabs(w - f) * 1e12 < 1 - 1e-7) break;
        const double gap = (f - w) * 1e12;
        if (gap < -1e-7) {
            if (++d == dNext) {
                ++dDigits;
                dNext *= 10;
            }
        } else if (gap > 1e-7) {
            if (++n == nNext) {
                ++nDigits;
                nNext *= 10;
            }
        } else {
            break;
        }
        if (nDigits + dDigits >= 9) return false;
    }
    numerator = n;
    denominator = d;
    return true;
}
