#pragma once

namespace chemeng::water {

// The correlation length ξ shared by the critical enhancements of the
// IAPWS 2008 viscosity and the IAPWS 2011 thermal conductivity:
//   ξ = ξ0 (Δχ̄/Γ0)^(ν/γ),  Δχ̄ = ρ̄ [ζ(T̄, ρ̄) − ζ(T̄R, ρ̄) T̄R/T̄],
// with ζ = (∂ρ̄/∂p̄)_T̄ reduced by ρc = 322 kg/m³ and pc = 22.064 MPa, taken
// from IAPWS-95 at the state and at the reference temperature T̄R = 1.5 at the
// same density. Δχ̄ < 0 gives ξ = 0.
//
// t_K and rho_kgm3 are the state; dpdrho_T the state's (∂p/∂ρ)_T in
// kPa m³/kg (already known to callers that evaluated IAPWS-95 there).
// Returns ξ in nm.
double correlationLength_nm(double t_K, double rho_kgm3, double dpdrho_T);

}  // namespace chemeng::water
