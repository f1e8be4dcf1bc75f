#pragma once

// States of water and steam by the IAPWS Industrial Formulation 1997
// (IAPWS R7-97(2012) with the supplementary backward equations SR2-01,
// SR3-03, SR4-04 and SR5-05): the same inputs, outputs and statuses as the
// IAPWS-95 engine, for work where the industrial standard is the reference.
//
// Units as in water_state.h: T in K, p in kPa, h in kJ/kg, s in kJ/(kg·K),
// quality as a vapour mass fraction from 0 to 1.
//
// Range: 273.15 K ≤ T ≤ 1073.15 K at p ≤ 100 MPa and 1073.15 K < T ≤
// 2273.15 K at p ≤ 50 MPa; any p > 0 (no ice, no lower pressure limit apart
// from the saturation line, which starts at 611.213 Pa). A state outside it
// returns the status of the limit crossed and no properties.
//
// The states given with (p, h), (p, s) or (h, s) start from the backward
// equations and are polished on the basic equations until they reproduce
// their inputs to about 1e-11; the region of a state is chosen exactly as the
// releases prescribe (if97_region_choice.h).
//
// Viscosity, thermal conductivity (and with them the kinematic viscosity and
// Prandtl number) and the surface tension are NaN: they come from the
// transport-property code shared with IAPWS-95.
//
// Functions of their arguments only: no state is kept between calls.

#include "water/water_state.h"

namespace chemeng::water {

WaterState if97StateTP(double t_K, double p_kPa);
WaterState if97StatePH(double p_kPa, double h_kJkg);
WaterState if97StatePS(double p_kPa, double s_kJkgK);
WaterState if97StateHS(double h_kJkg, double s_kJkgK);
// Specific volume, internal energy, enthalpy and entropy at (T, p) alone,
// without the second derivatives that cp, cv and w take: about half the work
// of if97StateTP for calculations that need no more. Same range and statuses;
// the values are NaN unless the status is Ok.
struct If97BasicProperties {
    Status status = Status::Ok;
    Phase phase = Phase::Liquid;
    double v_m3kg = 0.0;
    double u_kJkg = 0.0;
    double h_kJkg = 0.0;
    double s_kJkgK = 0.0;
};
If97BasicProperties if97BasicPropertiesTP(double t_K, double p_kPa);

// On the saturation line, 273.15 K ≤ T ≤ 647.096 K (611.213 Pa ≤ p ≤
// 22.064 MPa), with the quality.
WaterState if97StateTX(double t_K, double quality);
WaterState if97StatePX(double p_kPa, double quality);

}  // namespace chemeng::water
