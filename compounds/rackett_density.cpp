#include "compounds/rackett_density.h"

#include <algorithm>
#include <cmath>

#include "framework/range_bounds.h"

namespace chemeng {

namespace {
constexpr double kRackettExponent = 2.0 / 7.0;
}  // namespace

CorrelationResult rackettDensity(const RackettCoefficients& k, double t_K) {
    if (!(k.tc_K > 0.0)) return {0.0, CorrelationStatus::NoData};
    if (!withinBounds(t_K, k.tmin_K, k.tc_K)) return {0.0, CorrelationStatus::OutOfRange};
    const double t = std::clamp(t_K, k.tmin_K, k.tc_K);
    const double exponent = std::pow(1.0 - t / k.tc_K, kRackettExponent);
    const double rho = k.a_gPerMl * std::pow(k.b, -exponent);
    if (!std::isfinite(rho)) return {0.0, CorrelationStatus::NotFinite};
    return {rho, CorrelationStatus::Ok};
}

}  // namespace chemeng
