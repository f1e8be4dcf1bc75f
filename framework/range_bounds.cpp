#include "framework/range_bounds.h"

#include <cmath>

namespace chemeng {

namespace {
constexpr double kRelativeTolerance = 1e-12;
}  // namespace

bool withinBounds(double value, double low, double high) {
    return std::isfinite(value) && value >= low - std::fabs(low) * kRelativeTolerance &&
           value <= high + std::fabs(high) * kRelativeTolerance;
}

}  // namespace chemeng
