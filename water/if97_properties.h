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

// How much of a state a caller needs: v, u, h and s; h, s and cp for an
// iteration on T; or everything. Properties not computed are NaN.
enum class Detail { Basic, Thermal, Full };

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
// 12 and 39) from γ and those of its derivatives the detail needs.
Properties gibbsProperties(double p_MPa, double t_K, double pi, double tau,
                           const GibbsDerivatives& g, Detail detail);

// The series terms a detail needs (flags of if97_series.h): v and u need
// γ_π, h γ_τ, s γ, cp γ_ττ, cv, w and ∂v/∂T all of them.
constexpr unsigned seriesNeeds(Detail detail) {
    switch (detail) {
        case Detail::Basic:
            return 1u | 2u | 8u;
        case Detail::Thermal:
            return 1u | 8u | 16u;
        case Detail::Full:
            break;
    }
    return 63u;
}

}  // namespace chemeng::water::if97
