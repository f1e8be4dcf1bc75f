#include "cli/range_points.h"

#include <cmath>

#include "framework/number_format.h"

namespace chemeng::cli {

namespace {
constexpr double kMaxPoints = 100000;
}

std::vector<std::string> rangePoints(double from, double to, double step, std::string& error) {
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step) || step == 0.0) {
        error = "--from, --to and --step must be finite numbers and the step not zero";
        return {};
    }
    const double intervals = (to - from) / step;
    if (intervals < -1e-6) {
        error = "--step must lead from --from towards --to";
        return {};
    }
    if (intervals + 1 > kMaxPoints) {
        error = "the range has more than 100000 points";
        return {};
    }
    const auto count = static_cast<long>(std::floor(intervals + 1e-6)) + 1;
    std::vector<std::string> points;
    for (long i = 0; i < count; ++i) {
        // Multiply rather than accumulate, so the last point is not off by
        // the sum of the rounding errors.
        const double value = from + static_cast<double>(i) * step;
        points.push_back(formatGeneral(std::abs(value) < 1e-12 * std::abs(step) ? 0.0 : value));
    }
    return points;
}

}  // namespace chemeng::cli
