#pragma once

#include <limits>

namespace chemeng {

// Specific enthalpy, internal energy and volume of one phase of water (or of
// a liquid-vapour mixture) in kJ/kg, kJ/kg and m³/kg. NaN where a state has
// no such phase.
struct SteamPhaseValues {
    double h_kJkg = std::numeric_limits<double>::quiet_NaN();
    double u_kJkg = std::numeric_limits<double>::quiet_NaN();
    double v_m3kg = std::numeric_limits<double>::quiet_NaN();
};

}  // namespace chemeng
