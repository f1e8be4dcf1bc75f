#include "water/iapws95_density.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "water/iapws95_constants.h"
#include "water/iapws95_saturation.h"
#include "water/safeguarded_newton.h"
#include "water/saturation_auxiliary.h"

namespace chemeng::water {
namespace {

constexpr double kTc = iapws95::kCriticalTemperature_K;
constexpr double kRhoC = iapws95::kCriticalDensity_kgm3;
constexpr double kR = iapws95::kGasConstant_kJkgK;
// Above every stable state of the range (about 1250 kg/m³ at 1000 MPa and
// the melting temperature); IAPWS-95 is still monotone in p there.
constexpr double kHighestDensity_kgm3 = 1500.0;
// The 1992 equations agree with IAPWS-95's phase equilibrium to better than
// 1e-4 in pressure and density over the whole line; closer than this margin
// to the auxiliary saturation pressure, or this close to Tc, the exact
// equilibrium decides.
constexpr double kAuxiliaryPressureMargin = 2e-3;
constexpr double kAuxiliaryDensityMargin = 2e-3;
constexpr double kNearCriticalBand_K = 0.5;
constexpr double kExactDensityMargin = 1e-7;
constexpr double kRelativeTolerance = 1e-14;
// Below Tc p(ρ) is monotone and of one curvature on each branch, so Newton
// inside the bracket needs no progress test (a bisection into a wide bracket
// costs more); above Tc the isotherms inflect near ρc, where plain Newton
// can cycle, and the test stays; so it does within this band below Tc, where
// the branches bend towards their spinodals.
constexpr int kMaxEvaluations = 100;
constexpr double kCurvatureBand_K = 20.0;

SaturationBounds auxiliaryBounds(double t_K) {
    const double theta = t_K / kTc;
    SaturationBounds b;
    b.p_kPa = SatPressureAux(theta).pi * iapws95::kCriticalPressure_kPa;
    b.rhoLiquid_kgm3 = SatLiquidDensityAux(theta) * kRhoC;
    b.rhoVapour_kgm3 = SatVapourDensityAux(theta) * kRhoC;
    return b;
}

SaturationBounds exactBounds(double t_K) {
    const Saturation sat = saturationAtTemperature(t_K);
    if (sat.status != Status::Ok) return auxiliaryBounds(t_K);
    return {true, sat.p_kPa, sat.rhoLiquid_kgm3, sat.rhoVapour_kgm3};
}

// Liquid: Newton on p(δ) − p in δ. Vapour and fluid: on ln p(δ) − ln p in
// ln δ, nearly linear for a gas.
DensityResult solve(double t_K, double p_kPa, Branch branch, double lo_kgm3, double hi_kgm3,
                    double guess_kgm3) {
    const double tau = kTc / t_K;
    DensityResult out;
    out.branch = branch;
    RootResult root;
    if (branch == Branch::Liquid) {
        const double scale = 1.0 / p_kPa;
        root = safeguardedNewton(
            [&](double delta) {
                const Iapws95Point pt = evaluateIapws95Pressure(delta, tau);
                return std::pair{(pt.p_kPa() - p_kPa) * scale, pt.dp_ddelta() * scale};
            },
            lo_kgm3 / kRhoC, hi_kgm3 / kRhoC, guess_kgm3 / kRhoC,
            kRelativeTolerance * hi_kgm3 / kRhoC, kMaxEvaluations, t_K > kTc - kCurvatureBand_K);
        out.point = evaluateIapws95(root.x, tau);
    } else {
        const double lnP = std::log(p_kPa);
        root = safeguardedNewton(
            [&](double lnDelta) {
                const double delta = std::exp(lnDelta);
                const Iapws95Point pt = evaluateIapws95Pressure(delta, tau);
                const double p = pt.p_kPa();
                if (!(p > 0.0)) return std::pair{-1.0, 1.0};  // unphysical: look higher
                return std::pair{std::log(p) - lnP, pt.dp_ddelta() * delta / p};
            },
            std::log(lo_kgm3 / kRhoC), std::log(hi_kgm3 / kRhoC), std::log(guess_kgm3 / kRhoC),
            kRelativeTolerance, kMaxEvaluations,
            branch == Branch::Fluid || t_K > kTc - kCurvatureBand_K);
        out.point = evaluateIapws95(std::exp(root.x), tau);
    }
    // Matched when p agrees to 1e-9 or, for stiff liquid at low pressure,
    // when the mismatch is worth less than 1e-12 of the density.
    const double mismatch = std::fabs(out.point.p_kPa() - p_kPa);
    const bool matched =
        mismatch <= 1e-9 * p_kPa || mismatch <= 1e-12 * out.point.rho_kgm3() * out.point.dpdrho_T();
    if (!root.converged) {
        out.status = Status::NotConverged;
    } else if (!matched) {
        // Pinned to the dense end of the interval: p lies beyond it.
        out.status = out.point.p_kPa() < p_kPa ? Status::AboveMaximumPressure : Status::NoSolution;
    }
    return out;
}

double idealGasDensity(double t_K, double p_kPa) {
    return p_kPa / (kR * t_K);
}

}  // namespace

namespace {

DensityResult solveWithBounds(double t_K, double p_kPa, Branch branch, const SaturationBounds& b,
                              double guess_kgm3) {
    // Even exact bounds get a hair of metastable extension, so that a state
    // on the saturation line itself, rounded to either side, is still found.
    const double margin = b.exact ? kExactDensityMargin : kAuxiliaryDensityMargin;
    if (branch == Branch::Liquid) {
        const double lo = b.rhoLiquid_kgm3 * (1.0 - margin);
        const double guess = guess_kgm3 > 0.0 ? guess_kgm3 : b.rhoLiquid_kgm3;
        return solve(t_K, p_kPa, branch, lo, kHighestDensity_kgm3, guess);
    }
    const double hi = b.rhoVapour_kgm3 * (1.0 + margin);
    const double ideal = idealGasDensity(t_K, p_kPa);
    const double guess = guess_kgm3 > 0.0 ? guess_kgm3 : std::min(ideal, 0.999 * hi);
    return solve(t_K, p_kPa, branch, std::min(0.1 * ideal, 0.5 * hi), hi, guess);
}

// Auxiliary bounds unless p is close to their saturation pressure or T close
// to Tc.
SaturationBounds boundsFor(double t_K, double p_kPa) {
    const SaturationBounds b = auxiliaryBounds(t_K);
    if (t_K > kTc - kNearCriticalBand_K ||
        std::fabs(p_kPa / b.p_kPa - 1.0) < kAuxiliaryPressureMargin) {
        return exactBounds(t_K);
    }
    return b;
}

}  // namespace

DensityResult densityInInterval(double t_K, double p_kPa, Branch branch, double lo_kgm3,
                                double hi_kgm3, double guess_kgm3) {
    if (!(lo_kgm3 > 0.0)) lo_kgm3 = std::min(0.1 * idealGasDensity(t_K, p_kPa), 0.5 * hi_kgm3);
    const double guess = guess_kgm3 > 0.0           ? guess_kgm3
                         : branch == Branch::Liquid ? lo_kgm3
                                                    : hi_kgm3;
    return solve(t_K, p_kPa, branch, lo_kgm3, hi_kgm3, guess);
}

DensityResult densityOnBranch(double t_K, double p_kPa, Branch branch, double guess_kgm3) {
    if (branch == Branch::Fluid || !(t_K < kTc)) {
        const double ideal = idealGasDensity(t_K, p_kPa);
        const double lo = std::min(0.1 * ideal, 0.5 * kHighestDensity_kgm3);
        const double guess =
            guess_kgm3 > 0.0 ? guess_kgm3 : std::min(ideal, 0.9 * kHighestDensity_kgm3);
        return solve(t_K, p_kPa, Branch::Fluid, lo, kHighestDensity_kgm3, guess);
    }
    return solveWithBounds(t_K, p_kPa, branch, boundsFor(t_K, p_kPa), guess_kgm3);
}

DensityResult densityAtTP(double t_K, double p_kPa, double guess_kgm3) {
    if (!(t_K < kTc)) return densityOnBranch(t_K, p_kPa, Branch::Fluid, guess_kgm3);
    const SaturationBounds b = boundsFor(t_K, p_kPa);
    const Branch branch = p_kPa >= b.p_kPa ? Branch::Liquid : Branch::Vapour;
    return solveWithBounds(t_K, p_kPa, branch, b, guess_kgm3);
}

}  // namespace chemeng::water
