#pragma once

// Iterative refinements on top of the IF97 backward equations. The backward
// equations meet their forward equations only to within the releases'
// tolerances (tens of millikelvin); a state computed from (p, h), (p, s) or
// (h, s) should reproduce its inputs, so each starts from its backward
// equation and polishes with Newton steps on the forward (basic) equation
// until the inputs are met to about 1e-11 relative. Inputs and outputs in
// the release's units (MPa, K, kg/m³, kJ/kg, kJ/(kg·K)).

#include "water/if97_properties.h"
#include "water/if97_region3.h"
#include "water/if97_region3_volume.h"

namespace chemeng::water::if97 {

enum class Region { One, Two, Three, Four, Five };

// The forward equation of a Gibbs-form region (1, 2 or 5) at (p, T).
Properties gibbsRegion(Region region, double p_MPa, double t_K, Detail detail = Detail::Full);

// Properties with a flag saying whether the iteration met its tolerance.
struct Solved {
    Properties props;
    double rho_kgm3 = 0.0;
    bool converged = false;
};

// T at given p such that h (or s) of a Gibbs-form region has the target
// value, from the start value t0 and kept within [tLow, tHigh].
Solved solveGibbsTemperatureForH(Region region, double p_MPa, double h_kJkg, double t0_K,
                                 double tLow_K, double tHigh_K);
Solved solveGibbsTemperatureForS(Region region, double p_MPa, double s_kJkgK, double t0_K,
                                 double tLow_K, double tHigh_K);

// (p, T) of a Gibbs-form region with given h and s.
Solved solveGibbsPTForHS(Region region, double h_kJkg, double s_kJkgK, double p0_MPa, double t0_K);

// Region 3 at (p, T): ρ from the v(p,T) equations of SR5-05, then Newton on
// p(ρ, T) of the basic equation. Where that cannot converge (at the critical
// point dp/dρ vanishes) the backward volume stands, which the release holds
// consistent with the basic equation.
Solved region3AtPT(double p_MPa, double t_K, Side side = Side::FromTemperature);

enum class Region3Pair { PH, PS, HS };

// Region 3 with (ρ, T) solved for a pair of p, h, s, from start values.
Solved solveRegion3(Region3Pair pair, double first, double second, double rho0_kgm3, double t0_K);

// The two saturated phases at (p, T) on the saturation line (p = ps(T)):
// regions 1 and 2 up to 623.15 K, region 3 above.
struct SaturatedPhases {
    Properties liquid;
    Properties vapour;
    bool converged = false;
};
SaturatedPhases saturatedPhases(double p_MPa, double t_K);

// The saturation temperature of a two-phase state of given h and s: the root
// of h − h'(T) − T (s − s'(T)) = 0, which falls monotonically with T. NaN when
// no root lies between 273.15 K and the critical point.
double twoPhaseTemperatureHS(double h_kJkg, double s_kJkgK);

}  // namespace chemeng::water::if97
