#pragma once

// IAPWS-IF97 backward equations of regions 1 and 2 (IAPWS R7-97(2012)
// Sec. 5.2 and 6.3): temperature from pressure and enthalpy or entropy,
// without iteration. Inputs in MPa, kJ/kg, kJ/(kg·K); results in K. They agree
// with the forward equations to 25 mK in region 1 and to 10 mK in region 2
// (R7-97 Tables 4 and 17 tolerances); valid in their region only.

namespace chemeng::water::if97 {

enum class Subregion2 { A, B, C };

// The 2b/2c boundary, a quadratic p(h) with its inverse (Eqs. 20 and 21).
double b2bcPressure(double h_kJkg);  // MPa
double b2bcEnthalpy(double p_MPa);   // kJ/kg

// 2a up to 4 MPa; above it 2b on the high-enthalpy side of B2bc (T(p,h)) or
// at s ≥ 5.85 kJ/(kg·K) (T(p,s)), else 2c.
Subregion2 subregion2PH(double p_MPa, double h_kJkg);
Subregion2 subregion2PS(double p_MPa, double s_kJkgK);

double region1TemperaturePH(double p_MPa, double h_kJkg);
double region1TemperaturePS(double p_MPa, double s_kJkgK);
double region2TemperaturePH(double p_MPa, double h_kJkg);
double region2TemperaturePS(double p_MPa, double s_kJkgK);

}  // namespace chemeng::water::if97
