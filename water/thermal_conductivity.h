#pragma once

namespace chemeng::water {

// Thermal conductivity of water, IAPWS R15-11 (2011), for scientific use:
// λ = λ* (λ̄0(T̄) λ̄1(T̄, ρ̄) + λ̄2), λ* = 1e-3 W/(m·K).
//
// The release is valid for stable fluid states from the melting curve to
// 1173.15 K up to 100 MPa (narrower at higher pressure, down to 348 K at
// 1000 MPa) and extrapolates smoothly beyond; the caller decides the range.

// λ̄0 λ̄1 times λ* in W/(m·K) at T (K) and ρ (kg/m³).
double thermalConductivityBackground_WmK(double t_K, double rho_kgm3);

// The critical enhancement λ* λ̄2 in W/(m·K) from IAPWS-95's cp and cv in
// kJ/(kg·K), the full viscosity in Pa·s and the correlation length ξ in nm
// (critical_enhancement.h).
double thermalConductivityEnhancement_WmK(double t_K, double rho_kgm3, double cp_kJkgK,
                                          double cv_kJkgK, double viscosity_Pas, double xi_nm);

// The full thermal conductivity in W/(m·K) at T (K), ρ (kg/m³), with every
// input of the enhancement from IAPWS-95 and the IAPWS 2008 viscosity.
double thermalConductivity_WmK(double t_K, double rho_kgm3);

}  // namespace chemeng::water
