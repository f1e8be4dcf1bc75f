#include "water/saturation_state.h"

#include <cmath>

#include "water/saturation_auxiliary.h"

namespace chemeng {
namespace {

// The inversions converge in a handful of steps over the whole range; the
// limit only guards against a loop that would never end.
constexpr int kMaxNewtonSteps = 200;

struct Inversion {
    double theta;
    bool converged;
};

// Newton iteration in 1/θ on ln π for a reduced-pressure law π(θ), from θ,
// until the relative pressure residual is below tolerance.
template <typename PressureLaw>
Inversion invertPressureLaw(PressureLaw law, double targetPi, double theta, double tolerance) {
    const double lnTarget = std::log(targetPi);
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const ReducedPressure at = law(theta);
        if (std::fabs(at.pi - targetPi) / targetPi < tolerance) return {theta, true};
        theta = 1.0 /
                ((lnTarget - std::log(at.pi)) / (-theta * theta * at.slope / at.pi) + 1.0 / theta);
        if (theta >= 1.0) theta = SaturationState::kInversionCap;
    }
    return {theta, false};
}

// Start of the inversion of the 1992 pressure equation: a fit of θ in the
// decimal logarithm of the pressure, kept inside the liquid-water range.
double inversionStart(double lnPi) {
    const double f = lnPi * 2.302585 + 7.1226152;
    const double theta = (((3e-05 * f + 0.0003837) * f + 0.00368) * f + 0.042887) * f + 0.57602;
    if (theta < 0.422) return 0.422;
    if (theta > 0.9996) return 0.9996;
    return theta;
}

}  // namespace

SaturationStatus SaturationState::SaturationAtTemperature(double theta) {
    if (std::isnan(theta) || theta < kLowestTheta) {
        m_reducedPressure = 1e-8;
        setDensities(0.0, 0.0);
        return SaturationStatus::OutOfRange;
    }
    if (theta >= 1.0) {
        m_reducedPressure = 1.0;
        setDensities(1.0, 1.0);
        return SaturationStatus::OutOfRange;
    }
    m_reducedPressure = SatPressureAux(theta).pi;
    if (theta > kNearCriticalSwitch) {
        setDensities(NearCriticalLiquidDensity(theta), NearCriticalVapourDensity(theta));
        m_reducedPressure = NearCriticalPressure(theta).pi;
    } else {
        setDensities(SatLiquidDensityAux(theta), SatVapourDensityAux(theta));
    }
    return SaturationStatus::InRange;
}

SaturationStatus SaturationState::SaturationAtPressure() {
    const double pi = m_reducedPressure;
    if (std::isnan(pi) || pi < kLowestPi) {
        m_reducedSaturationTemperature = 1e-8;
        setDensities(0.0, 0.0);
        return SaturationStatus::OutOfRange;
    }
    if (pi >= 1.0) {
        m_reducedSaturationTemperature = 1.0;
        setDensities(1.0, 1.0);
        return SaturationStatus::OutOfRange;
    }
    Inversion found = invertPressureLaw(SatPressureAux, pi, inversionStart(std::log(pi)), 1e-7);
    if (found.converged && found.theta >= kNearCriticalSwitch) {
        found = invertPressureLaw(NearCriticalPressure, pi, found.theta, 1e-10);
        setDensities(NearCriticalLiquidDensity(found.theta),
                     NearCriticalVapourDensity(found.theta));
    } else {
        setDensities(SatLiquidDensityAux(found.theta), SatVapourDensityAux(found.theta));
    }
    m_reducedSaturationTemperature = found.theta;
    if (found.theta > kNearCriticalDensitySwitch) {
        setDensities(NearCriticalLiquidDensity(found.theta),
                     NearCriticalVapourDensity(found.theta));
    }
    return found.converged ? SaturationStatus::InRange : SaturationStatus::NotConverged;
}

}  // namespace chemeng
