#pragma once

#include "water/iapws95_properties.h"
#include "water/iapws95_saturation.h"
#include "water/water_state.h"

namespace chemeng::water {

// Building a WaterState from a solved IAPWS-95 state: range check, phase,
// transport properties, two-phase mixture. Shared by the pair solvers.

inline constexpr double kHighestTemperature_K = 1273.15;
inline constexpr double kHighestPressure_kPa = 1.0e6;

// Ok, or the limit of the IAPWS-95 range that (T, p) crosses.
Status iapws95RangeStatus(double t_K, double p_kPa);

// A state carrying only a status, every value NaN.
WaterState failedState(Status status);

// Single phase at an evaluated point; `liquidSide` tells a state below Tc
// on the liquid side of the saturation line from one on the vapour side.
WaterState singlePhaseState(const Iapws95Point& point, bool liquidSide);

// Two-phase mixture of quality x (0 … 1) on a converged saturation.
WaterState twoPhaseState(const Saturation& saturation, double quality);

}  // namespace chemeng::water
