#pragma once

#include "water/saturation_state.h"
#include "water/steam_phase_values.h"

namespace chemeng {

// Saturated liquid and vapour at one point of the saturation line: the
// temperature and pressure from the IAPWS 1992 auxiliary equations, the
// densities from the same release, u and h from IAPWS-95 at those densities.
struct SaturatedPhases {
    SaturationStatus status = SaturationStatus::OutOfRange;
    double t_K = 0.0;
    double p_kPa = 0.0;
    SteamPhaseValues liquid;
    SteamPhaseValues vapour;
};

// At temperature T (K). In range from 253.15 K up to, not including, the
// critical temperature 647.096 K (a value within 1e-12 relative of either end
// is that end); outside it the status is OutOfRange and the phase values are
// not filled.
SaturatedPhases saturatedPhasesAtTemperature(double t_K);

// At pressure p (kPa). In range from 0.12545844 kPa up to, not including, the
// critical pressure 22064 kPa (ends as above); outside it the status is
// OutOfRange and the phase values are not filled.
SaturatedPhases saturatedPhasesAtPressure(double p_kPa);

}  // namespace chemeng
