#include "compounds/heat_capacity_correlation.h"

#include "framework/range_bounds.h"

namespace chemeng {

CorrelationResult heatCapacity(Phase phase, const HeatCapacityCoefficients& k, double t_K) {
    if (!withinBounds(t_K, k.tmin_K, k.tmax_K)) return {0.0, CorrelationStatus::OutOfRange};
    const double cp = phase == Phase::Gas ? ((k.d * t_K + k.c) * t_K + k.b) * t_K + k.a
                                          : (k.c * t_K + k.b) * t_K + k.a;
    return {cp, CorrelationStatus::Ok};
}

}  // namespace chemeng
