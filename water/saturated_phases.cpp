#include "water/saturated_phases.h"

#include "water/energies_at.h"
#include "water/iapws95_constants.h"

namespace chemeng {

namespace {

using namespace iapws95;

// Both phases at T from the densities the saturation working numbers hold.
void fillPhases(SaturatedPhases& answer, const SaturationState& state) {
    const double rhoVapour = state.reducedVapourDensity() * kCriticalDensity_kgm3;
    const double rhoLiquid = state.reducedLiquidDensity() * kCriticalDensity_kgm3;
    const Energies vapour = EnergiesAt(answer.t_K, rhoVapour);
    const Energies liquid = EnergiesAt(answer.t_K, rhoLiquid);
    answer.vapour = {vapour.h_kJkg, vapour.u_kJkg, 1.0 / rhoVapour};
    answer.liquid = {liquid.h_kJkg, liquid.u_kJkg, 1.0 / rhoLiquid};
}

}  // namespace

SaturatedPhases saturatedPhasesAtTemperature(double t_K) {
    SaturatedPhases answer;
    SaturationState state;
    answer.t_K = t_K;
    answer.status = state.SaturationAtTemperature(t_K * kInverseCriticalTemperature_perK);
    if (answer.status != SaturationStatus::InRange) return answer;
    answer.p_kPa = state.reducedPressure() * kCriticalPressure_kPa;
    fillPhases(answer, state);
    return answer;
}

SaturatedPhases saturatedPhasesAtPressure(double p_kPa) {
    SaturatedPhases answer;
    SaturationState state;
    answer.p_kPa = p_kPa;
    state.setReducedPressure(p_kPa * kInverseCriticalPressure_perkPa);
    answer.status = state.SaturationAtPressure();
    if (answer.status != SaturationStatus::InRange) return answer;
    answer.t_K = state.reducedSaturationTemperature() * kCriticalTemperature_K;
    fillPhases(answer, state);
    return answer;
}

}  // namespace chemeng
