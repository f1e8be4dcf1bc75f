#include "compounds/enthalpy_change.h"

#include <cmath>

#include "framework/range_bounds.h"

namespace chemeng {

EnthalpyCoefficients integratedCoefficients(const HeatCapacityCoefficients& cp) {
    return {cp.a, cp.b * 0.5, cp.c / 3.0, cp.d * 0.25, cp.tmin_K, cp.tmax_K};
}

CorrelationResult enthalpyChange(Phase phase, const EnthalpyCoefficients& k, double t_K,
                                 double tr_K) {
    if (!std::isfinite(tr_K) || !withinBounds(t_K, k.tmin_K, k.tmax_K))
        return {0.0, CorrelationStatus::OutOfRange};
    const double t2 = t_K * t_K, t3 = t2 * t_K;
    const double tr2 = tr_K * tr_K, tr3 = tr2 * tr_K;
    if (phase == Phase::Liquid) {
        return {(k.a3 * (t3 - tr3) + k.a2 * (t2 - tr2)) + k.a1 * (t_K - tr_K),
                CorrelationStatus::Ok};
    }
    const double t4 = t3 * t_K, tr4 = tr3 * tr_K;
    return {((k.a4 * (t4 - tr4) + k.a3 * (t3 - tr3)) + k.a2 * (t2 - tr2)) + k.a1 * (t_K - tr_K),
            CorrelationStatus::Ok};
}

}  // namespace chemeng
