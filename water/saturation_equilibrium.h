#pragma once

namespace chemeng {

// A saturation state from IAPWS-95 itself: liquid and vapour at one
// temperature with equal pressure and equal Gibbs energy (the phase-equilibrium
// or Maxwell condition), as the saturation table data file tabulates it.
struct PhaseEquilibrium {
    double T_K = 0.0;
    double p_MPa = 0.0;
    double rhoLiquid_kgm3 = 0.0;
    double rhoVapour_kgm3 = 0.0;
    double hLiquid_kJkg = 0.0;
    double hVapour_kJkg = 0.0;
    double uLiquid_kJkg = 0.0;
    double uVapour_kJkg = 0.0;
    // |p′ − p″| / p″ and |g′ − g″| / (RT) at the answer.
    double pressureMismatch = 0.0;
    double gibbsMismatch = 0.0;
    int iterations = 0;
    // Both mismatches at most kEquilibriumTolerance.
    bool converged = false;
};

inline constexpr double kEquilibriumTolerance = 1e-10;

// Solves the equilibrium at T (K) between 253.15 K and just below 647.096 K by
// Newton's method on the two conditions, started from the 1992 auxiliary
// densities. The Helmholtz function is evaluated in extended precision so that
// the steep liquid pressure still meets the tolerance near the triple point.
PhaseEquilibrium solvePhaseEquilibrium(double T_K);

}  // namespace chemeng
