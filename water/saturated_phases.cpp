#include "water/saturated_phases.h"

#include <cmath>

#include "water/energies_at.h"
#include "water/iapws95_constants.h"

namespace chemeng {

namespace {

using namespace iapws95;

// The ends of the saturation line. A value typed in another unit arrives a
// rounding step off its end (−20 °C as 253.14999999999998 K): it is the end.
constexpr double kLowestTemperature_K = 253.15;
constexpr double kLowestPressure_kPa = 0.12545844;
constexpr double kEndTolerance = 1e-12;
// The triple point, 273.16 K (0.01 °C).
constexpr double kTriplePoint_K = 273.16;

double onEnd(double value, double end) {
    return std::fabs(value - end) <= end * kEndTolerance ? end : value;
}

// Both phases at T and p from the densities the saturation working numbers
// hold: u from IAPWS-95 at the density, h = u + pv with the saturation
// pressure. (IAPWS-95's own pressure at the auxiliary liquid density is not
// the saturation pressure: the liquid is so stiff that the density's few
// parts in 10⁶ move it by kilopascals, and h through it by 0.01 kJ/kg.)
// The triple-point liquid is the reference state of IAPWS-95: u = 0 there.
void fillPhases(SaturatedPhases& answer, const SaturationState& state) {
    const double rhoVapour = state.reducedVapourDensity() * kCriticalDensity_kgm3;
    const double rhoLiquid = state.reducedLiquidDensity() * kCriticalDensity_kgm3;
    const double uVapour = EnergiesAt(answer.t_K, rhoVapour).u_kJkg;
    const double uLiquid =
        answer.t_K == kTriplePoint_K ? 0.0 : EnergiesAt(answer.t_K, rhoLiquid).u_kJkg;
    answer.vapour = {uVapour + answer.p_kPa / rhoVapour, uVapour, 1.0 / rhoVapour};
    answer.liquid = {uLiquid + answer.p_kPa / rhoLiquid, uLiquid, 1.0 / rhoLiquid};
}

}  // namespace

SaturatedPhases saturatedPhasesAtTemperature(double t_K) {
    SaturatedPhases answer;
    SaturationState state;
    t_K = onEnd(onEnd(onEnd(t_K, kLowestTemperature_K), kCriticalTemperature_K), kTriplePoint_K);
    answer.t_K = t_K;
    // At the lowest temperature θ is taken as the limit itself, which the
    // product 253.15 × (1 / Tc) can miss by a rounding step.
    const double theta = t_K == kLowestTemperature_K ? SaturationState::kLowestTheta
                                                     : t_K * kInverseCriticalTemperature_perK;
    answer.status = state.SaturationAtTemperature(theta);
    if (answer.status != SaturationStatus::InRange) return answer;
    answer.p_kPa = state.reducedPressure() * kCriticalPressure_kPa;
    fillPhases(answer, state);
    return answer;
}

SaturatedPhases saturatedPhasesAtPressure(double p_kPa) {
    SaturatedPhases answer;
    SaturationState state;
    p_kPa = onEnd(onEnd(p_kPa, kLowestPressure_kPa), kCriticalPressure_kPa);
    answer.p_kPa = p_kPa;
    state.setReducedPressure(p_kPa == kLowestPressure_kPa
                                 ? SaturationState::kLowestPi
                                 : p_kPa * kInverseCriticalPressure_perkPa);
    answer.status = state.SaturationAtPressure();
    if (answer.status != SaturationStatus::InRange) return answer;
    answer.t_K = state.reducedSaturationTemperature() * kCriticalTemperature_K;
    fillPhases(answer, state);
    return answer;
}

}  // namespace chemeng
