#pragma once

// Properties of one phase at one state, as the IF97 region equations give
// them, in the release's units (K, MPa, m³/kg, kJ/kg, kJ/(kg·K), m/s).

namespace chemeng::water::if97 {

struct Properties {
    double t_K = 0.0;
    double p_MPa = 0.0;
    double v_m3kg = 0.0;
    double u_kJkg = 0.0;
    double h_kJkg = 0.0;
    double s_kJkgK = 0.0;
    double cp_kJkgK = 0.0;
    double cv_kJkgK = 0.0;
    double w_ms = 0.0;
    // (∂v/∂T) at constant p in m³/(kg·K): the Joule-Thomson coefficient and
    // the two-variable inversions need it.
    double dvdT_m3kgK = 0.0;
};

// Derivatives of a dimensionless Gibbs energy γ(π, τ) with π = p/p*, τ = T*/T.
struct GibbsDerivatives {
    double g = 0.0;
    double gp = 0.0;
    double gpp = 0.0;
    double gt = 0.0;
    double gtt = 0.0;
    double gpt = 0.0;
};

// The properties of a Gibbs-form region (1, 2 and 5; R7-97(2012) Tables 3,
// 12 and 39) from γ and its derivatives at (p, T).
Properties gibbsProperties(double p_MPa, double t_K, double pi, double tau,
                           const GibbsDerivatives& g);

}  // namespace chemeng::water::if97
