#pragma once

#include "water/water_state.h"

namespace chemeng::water {

// Liquid-vapour equilibrium of IAPWS-95 in double precision: the two phases
// at one temperature with equal pressure and equal Gibbs energy. Faster than
// the extended-precision solver behind the saturation table (a few Newton
// steps from the 1992 auxiliary equations) and agrees with it to about 1e-11.
struct Saturation {
    Status status = Status::Ok;
    double t_K = 0.0;
    double p_kPa = 0.0;
    double rhoLiquid_kgm3 = 0.0;
    double rhoVapour_kgm3 = 0.0;
};

// The triple point of the fluid: IAPWS-95's saturation pressure at 273.16 K
// (the melting and sublimation release gives 0.611657 kPa; IAPWS-95 itself
// 0.611655 kPa).
inline constexpr double kTriplePointTemperature_K = 273.16;
inline constexpr double kTriplePointPressure_kPa = 0.611654771;

// At T (K) from 273.16 K to just below Tc = 647.096 K. Outside:
// BelowMinimumTemperature, NotTwoPhase (T ≥ Tc) or InvalidInput (NaN).
Saturation saturationAtTemperature(double t_K);

// At p (kPa) from the triple-point pressure to just below pc = 22064 kPa.
// Outside: BelowMinimumPressure, NotTwoPhase (p ≥ pc) or InvalidInput.
Saturation saturationAtPressure(double p_kPa);

}  // namespace chemeng::water
