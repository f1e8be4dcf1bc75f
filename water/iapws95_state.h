#pragma once

#include "water/water_state.h"

namespace chemeng::water {

// States of water and steam by IAPWS-95 (IAPWS R6-95(2018)) from any of the
// pairs below, with transport properties (IAPWS 2008 viscosity and 2011
// thermal conductivity, both with their critical enhancement) and the
// surface tension (IAPWS 2014) on and inside the saturation dome.
//
// Units: T in K, p in kPa, ρ in kg/m³, u and h in kJ/kg, s in kJ/(kg·K),
// quality x as a vapour mass fraction 0 … 1.
//
// Range: the stable fluid from the melting and sublimation curves (IAPWS
// R14-08(2011); no state below 251.165 K) to 1273.15 K, at pressures up to
// 1000 MPa; two-phase states from the triple point (273.16 K, 0.611655 kPa)
// to the critical point. A state outside returns the status naming the limit
// crossed (and NaN values); nothing is extrapolated. Input that is not
// finite, or a T, p or ρ not above 0, gives InvalidInput.
//
// Every call is independent: no shared state, safe from any thread.
// Single-phase answers reproduce their inputs to about 1e-12 relative.

// Directly at T and ρ: single phase outside the saturated densities, the
// equilibrium mixture between them.
WaterState stateTRho(double t_K, double rho_kgm3);

// On the saturation line p = psat(T) exactly, the saturated liquid.
WaterState stateTP(double t_K, double p_kPa);

WaterState statePH(double p_kPa, double h_kJkg);
WaterState statePS(double p_kPa, double s_kJkgK);
WaterState stateHS(double h_kJkg, double s_kJkgK);

// Two-phase states: T from 273.16 K to below Tc, p from the triple-point
// pressure to below pc. T ≥ Tc or p ≥ pc gives NotTwoPhase.
WaterState stateTX(double t_K, double quality);
WaterState statePX(double p_kPa, double quality);

// Along an isotherm h first falls with density and then rises again (in hot
// compressed liquid and supercritical fluid), so one h can name two states at
// one T: `Lower` picks the one at the lower density (vapour, the two-phase
// mixture, or expanded liquid/fluid), `Higher` the compressed one.
enum class DensityRoot { Lower, Higher };
WaterState stateTH(double t_K, double h_kJkg, DensityRoot root = DensityRoot::Lower);

// Entropy falls with density along every isotherm of the range except in
// liquid colder than about 277 K (the density maximum); there the state
// nearest the saturated liquid is returned.
WaterState stateTS(double t_K, double s_kJkgK);

WaterState statePRho(double p_kPa, double rho_kgm3);
WaterState stateURho(double u_kJkg, double rho_kgm3);

}  // namespace chemeng::water
