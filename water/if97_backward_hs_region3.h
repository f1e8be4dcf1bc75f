#pragma once

// IAPWS-IF97 equations in h and s of IAPWS SR4-04(2014): the backward
// equation p(h,s) for region 3, the region boundaries as functions of s (and
// of h and s for B23), and the saturation temperature Tsat(h,s) of the
// two-phase region. Inputs in kJ/kg and kJ/(kg·K); p in MPa, h in kJ/kg, T in K.

namespace chemeng::water::if97 {

// Eqs. 1 and 2: 3a for s ≤ s_c, 3b above; consistent with the basic
// equation to 0.01 % of p. Valid in region 3.
double region3PressureHS(double h_kJkg, double s_kJkgK);

// Saturated-liquid enthalpy h'(s): h'1 for 0 ≤ s ≤ s'(623.15 K) = 3.778281340
// (regions 1/4), h'3a for s'(623.15 K) < s ≤ s_c (regions 3a/4).
double saturatedLiquidEnthalpy1(double s_kJkgK);
double saturatedLiquidEnthalpy3a(double s_kJkgK);

// Saturated-vapour enthalpy h''(s): h''2ab for 5.85 ≤ s ≤ s''(273.15 K) =
// 9.155759395 (regions 2a, 2b/4), h''2c3b for s_c ≤ s < 5.85 (regions 2c, 3b/4).
double saturatedVapourEnthalpy2ab(double s_kJkgK);
double saturatedVapourEnthalpy2c3b(double s_kJkgK);

// The boundary between regions 1 and 3 (T = 623.15 K) as h(s), for
// 3.397782955 ≤ s ≤ s'(623.15 K) = 3.778281340 kJ/(kg·K).
double b13Enthalpy(double s_kJkgK);

// The B23 boundary as T(h, s), for 5.048096828 ≤ s ≤ 5.260578707 kJ/(kg·K)
// and 2.563592004e3 ≤ h ≤ 2.812942061e3 kJ/kg.
double b23TemperatureHS(double h_kJkg, double s_kJkgK);

// Eq. 9: the saturation temperature of a two-phase state at s ≥ 5.85
// kJ/(kg·K) (wet steam), without iteration.
double saturationTemperatureHS(double h_kJkg, double s_kJkgK);

}  // namespace chemeng::water::if97
