#include "framework/result_rounding.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace chemeng {

std::optional<double> roundToThousandths(double value) {
    const double step = std::floor(value * 1000.0 + 0.5);
    if (!std::isfinite(step)) return std::nullopt;
    if (step < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        step > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<double>(static_cast<std::int32_t>(step)) * 0.001;
}

}  // namespace chemeng
