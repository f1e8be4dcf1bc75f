#pragma once

#include "water/helmholtz_derivatives.h"
#include "water/water_state.h"

namespace chemeng::water {

// IAPWS-95 at one (T, ρ): the Helmholtz derivatives up to second order and
// the properties built from them. Solvers use the partial derivatives with
// respect to δ and τ for their Newton steps; every value is exact to the
// formulation (no phase check: below Tc between the saturated densities
// this is the single-phase Helmholtz surface, not the equilibrium mixture).
struct Iapws95Point {
    double delta = 0.0;
    double tau = 0.0;
    HelmholtzValues ideal;     // φ°, φ°_τ, φ°_ττ (φ°_δ is 1/δ)
    HelmholtzValues residual;  // φʳ, φʳ_δ, φʳ_δδ, φʳ_τ, φʳ_ττ, φʳ_δτ

    double t_K() const;
    double rho_kgm3() const;
    double p_kPa() const;
    double u_kJkg() const;
    double h_kJkg() const;
    double s_kJkgK() const;
    double cv_kJkgK() const;
    double cp_kJkgK() const;
    double w_ms() const;
    double jouleThomson_KperkPa() const;
    // (∂p/∂ρ)_T in kPa m³/kg and (∂p/∂T)_ρ in kPa/K.
    double dpdrho_T() const;
    double dpdT_rho() const;
    // Partial derivatives with respect to δ (at fixed τ) and τ (at fixed δ),
    // in the units of the property.
    double dp_ddelta() const;
    double dp_dtau() const;
    double dh_ddelta() const;
    double dh_dtau() const;
    double ds_ddelta() const;
    double ds_dtau() const;
    double du_ddelta() const;
    double du_dtau() const;
};

// Evaluates φ° and φʳ at reduced density δ > 0 and inverse reduced
// temperature τ > 0. `withEntropy` false skips φ° and φʳ themselves, which
// only the entropy needs.
Iapws95Point evaluateIapws95(double delta, double tau, bool withEntropy = true);

// Only φʳ_δ and φʳ_δδ, for density iterations on the pressure: p and
// (∂p/∂ρ)_T are valid, nothing else is.
Iapws95Point evaluateIapws95Pressure(double delta, double tau);

// Every thermodynamic property of the single phase at T (K) and ρ (kg/m³)
// with ρ > 0: T, p, ρ, v, u, h, s, cp, cv, w, the Joule-Thomson coefficient
// and the isentropic exponent w²ρ/p. Transport fields are left NaN. Inputs
// are not range checked; the state solvers do that.
PhaseProperties iapws95Properties(double t_K, double rho_kgm3);
PhaseProperties iapws95Properties(const Iapws95Point& point);

}  // namespace chemeng::water
