#pragma once

// IAPWS-IF97 backward equations of region 3 in p–h and p–s (IAPWS
// SR3-03(2014)): T and v from (p, h) and from (p, s), and the saturation
// pressure on the region-3 part of the saturation line from h or s. Inputs in
// MPa, kJ/kg, kJ/(kg·K); T in K, v in m³/kg, p in MPa. Consistent with the
// basic equation to 25 mK in T and 0.01 % in v; valid in region 3 only
// (psat3: on the saturation line between 623.15 K and the critical point).

namespace chemeng::water::if97 {

// Subregion 3a (liquid-like) lies at or below the critical entropy and at or
// below h3ab(p); 3b above.
constexpr double kSc_kJkgK = 4.41202148223476;
double b3abEnthalpy(double p_MPa);  // Eq. 1, kJ/kg

double region3TemperaturePH(double p_MPa, double h_kJkg);
double region3VolumePH(double p_MPa, double h_kJkg);
double region3TemperaturePS(double p_MPa, double s_kJkgK);
double region3VolumePS(double p_MPa, double s_kJkgK);

// Eqs. 10 and 11: ps on the region-3 boundary, from the saturated-liquid or
// saturated-vapour enthalpy (1670.9 to 2563.6 kJ/kg) or entropy (3.7783 to
// 5.2110 kJ/(kg·K)); they decide whether a state given with p and h or s lies
// in region 3 or in the two-phase region 4.
double saturationPressure3H(double h_kJkg);
double saturationPressure3S(double s_kJkgK);

}  // namespace chemeng::water::if97
