#include "compounds/antoine.h"

#include <cmath>

#include "framework/range_bounds.h"
#include "framework/temperature_unit.h"

namespace chemeng {

CorrelationResult antoineVaporPressure(const AntoineCoefficients& k, double t_K) {
    // The range is compared in kelvin: a bound and a temperature typed in °C
    // then go through the same addition and meet exactly, and the tolerance
    // for other units scales with the absolute temperature.
    if (!withinBounds(t_K, k.tmin_C + kZeroCelsius_K, k.tmax_C + kZeroCelsius_K))
        return {0.0, CorrelationStatus::OutOfRange};
    const double t = k.scale == AntoineScale::Kelvin ? t_K : t_K - kZeroCelsius_K;
    const double denominator = t + k.c;
    if (denominator == 0.0) return {0.0, CorrelationStatus::NotFinite};
    const double p_mmHg = std::pow(10.0, k.a - k.b / denominator);
    if (!std::isfinite(p_mmHg)) return {0.0, CorrelationStatus::NotFinite};
    return {p_mmHg, CorrelationStatus::Ok};
}

}  // namespace chemeng
