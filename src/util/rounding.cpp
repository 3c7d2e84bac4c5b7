#include "util/rounding.h"

#include <cmath>
#include <limits>

int RoundHalfEven(double value) {
    if (!std::isfinite(value))
        return 0;
    constexpr double limit = std::numeric_limits<int>::max();
    if (value >= limit)
        return std::numeric_limits<int>::max();
    if (value <= -limit)
        return -std::numeric_limits<int>::max();
    const double below = std::floor(value);
    const double fraction = value - below;
    double result = below;
    if (fraction > 0.5)
        result = below + 1;
    else if (fraction == 0.5)
        result = std::fmod(below, 2.0) == 0 ? below : below + 1;
    return static_cast<int>(result);
}
