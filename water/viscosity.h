#pragma once

namespace chemeng::water {

// Dynamic viscosity of water, IAPWS R12-08 (2008), for scientific use:
// μ = μ* μ̄0(T̄) μ̄1(T̄, ρ̄) μ̄2(ξ), μ* = 1e-6 Pa·s.
//
// The release is valid for stable fluid states from the melting curve to
// 1173.15 K up to 300 MPa (narrower at higher pressure, down to 373.15 K at
// 1000 MPa) and extrapolates smoothly beyond; the caller decides the range.

// μ̄0 μ̄1 times μ* in Pa·s at T (K) and ρ (kg/m³): everything but the
// critical enhancement (the industrial form of the release).
double viscosityBackground_Pas(double t_K, double rho_kgm3);

// μ̄2 from the correlation length ξ in nm (critical_enhancement.h); 1 for ξ = 0.
double viscosityEnhancement(double xi_nm);

// The full viscosity in Pa·s at T (K), ρ (kg/m³), with ξ from IAPWS-95.
double viscosity_Pas(double t_K, double rho_kgm3);

}  // namespace chemeng::water
