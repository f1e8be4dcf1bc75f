#pragma once

// Constants of the IAPWS-95 formulation (IAPWS R6-95(2018)) and of the 1992
// saturation equations, with the reciprocals the steam code multiplies by.
namespace chemeng::iapws95 {

inline constexpr double kGasConstant_kJkgK = 0.46151805;
inline constexpr double kCriticalTemperature_K = 647.096;
inline constexpr double kCriticalDensity_kgm3 = 322.0;
inline constexpr double kCriticalPressure_kPa = 22064.0;

// θ = T / Tc and δ = ρ / ρc are formed by multiplication with these values.
inline constexpr double kInverseCriticalTemperature_perK = 0.0015453657571674064;
inline constexpr double kInverseCriticalDensity_m3kg = 0.003105590062111801;
inline constexpr double kInverseCriticalPressure_perkPa = 4.532269760696157e-05;

// R × Tc, for callers that work with θ rather than T.
inline constexpr double kGasConstantTimesTc_kJkg = 298.6464840828;

}  // namespace chemeng::iapws95
