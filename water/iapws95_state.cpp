#include "water/iapws95_state.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "water/helmholtz_residual.h"
#include "water/iapws95_constants.h"
#include "water/iapws95_density.h"
#include "water/iapws95_properties.h"
#include "water/iapws95_saturation.h"
#include "water/iapws95_state_assembly.h"
#include "water/melting_sublimation.h"
#include "water/safeguarded_newton.h"
#include "water/saturation_auxiliary.h"

namespace chemeng::water {
namespace {

constexpr double kTc = iapws95::kCriticalTemperature_K;
constexpr double kPc = iapws95::kCriticalPressure_kPa;
constexpr double kRhoC = iapws95::kCriticalDensity_kgm3;
// Temperature search interval of the solvers, a little wider than the range
// so that a state just outside it is found and then reported as such.
constexpr double kLowestSearchTemperature_K = 250.0;
constexpr double kHighestSearchTemperature_K = 1300.0;
constexpr double kHighestDensity_kgm3 = 1500.0;
// Relative: a few units in the last place, for the near-critical isobars
// where cp is 1e5 kJ/(kg K) and the value criterion below cannot be met.
constexpr double kTemperatureTolerance = 1e-15;
// Iterations on h, s, u or p end once the target is met to this relative
// amount, about the rounding of the property itself. (A step criterion in T
// alone would leave ρ 1e-8 off near the critical point, where (∂ρ/∂T)_p is
// huge, or would never be met there.)
constexpr double kValueTolerance = 3e-14;
constexpr double kDensityTolerance = 1e-14;  // in ln δ or relative δ

// A solved state before transport properties: a single-phase point or a
// two-phase mixture.
struct Solved {
    Status status = Status::Ok;
    bool twoPhase = false;
    Saturation sat;
    double quality = 0.0;
    Iapws95Point point;
    bool liquidSide = false;

    double h() const {
        if (!twoPhase) return point.h_kJkg();
        return mixOf([](const Iapws95Point& p) { return p.h_kJkg(); });
    }
    double s() const {
        if (!twoPhase) return point.s_kJkgK();
        return mixOf([](const Iapws95Point& p) { return p.s_kJkgK(); });
    }
    double v() const {
        if (!twoPhase) return 1.0 / point.rho_kgm3();
        return (1.0 - quality) / sat.rhoLiquid_kgm3 + quality / sat.rhoVapour_kgm3;
    }
    template <typename F>
    double mixOf(F f) const {
        const double tau = kTc / sat.t_K;
        const double liquid = f(evaluateIapws95(sat.rhoLiquid_kgm3 / kRhoC, tau));
        const double vapour = f(evaluateIapws95(sat.rhoVapour_kgm3 / kRhoC, tau));
        return liquid + quality * (vapour - liquid);
    }
};

Solved failed(Status status) {
    Solved out;
    out.status = status;
    return out;
}

Solved single(const Iapws95Point& point, bool liquidSide) {
    Solved out;
    out.point = point;
    out.liquidSide = liquidSide;
    return out;
}

Solved mixture(const Saturation& sat, double quality) {
    Solved out;
    out.status = sat.status;
    out.twoPhase = true;
    out.sat = sat;
    out.quality = quality;
    return out;
}

WaterState finish(const Solved& solved) {
    if (solved.status != Status::Ok) return failedState(solved.status);
    if (solved.twoPhase) return twoPhaseState(solved.sat, solved.quality);
    return singlePhaseState(solved.point, solved.liquidSide);
}

bool positiveFinite(double x) {
    return std::isfinite(x) && x > 0.0;
}

// Saturated-phase values at a converged saturation.
struct SaturatedPhases {
    Iapws95Point liquid;
    Iapws95Point vapour;
};
SaturatedPhases saturatedPhases(const Saturation& sat) {
    const double tau = kTc / sat.t_K;
    return {evaluateIapws95(sat.rhoLiquid_kgm3 / kRhoC, tau),
            evaluateIapws95(sat.rhoVapour_kgm3 / kRhoC, tau)};
}

// ---- p with h or s: Newton in T along the isobar ----------------------------

enum class Caloric { Enthalpy, Entropy };

double caloricValue(const Iapws95Point& p, Caloric c) {
    return c == Caloric::Enthalpy ? p.h_kJkg() : p.s_kJkgK();
}
// (∂h/∂T)_p = cp, (∂s/∂T)_p = cp / T.
double caloricSlope(const Iapws95Point& p, Caloric c) {
    return c == Caloric::Enthalpy ? p.cp_kJkgK() : p.cp_kJkgK() / p.t_K();
}

// rhoLo, rhoHi: the density interval of the branch when a saturation at p
// gives one (liquid colder than Ts is denser than ρ′(Ts), vapour hotter
// than Ts thinner than ρ″(Ts)); 0 when unknown.
Solved solveAlongIsobar(double p_kPa, double target, Caloric caloric, Branch branch, double tLo,
                        double tHi, double tGuess, double rhoLo = 0.0, double rhoHi = 0.0,
                        double valueTolerance = kValueTolerance) {
    double rhoGuess = 0.0;
    const auto densityAt = [&](double t) {
        Branch b = branch;
        if (b == Branch::Fluid && t < kTc) b = Branch::Liquid;  // above pc, below Tc
        if (b == Branch::Liquid && !(t < kTc)) b = Branch::Fluid;
        DensityResult d;
        d.status = Status::NoSolution;
        // Vapour heated past Tc at p < pc stays thinner than ρ″(Ts): the
        // interval still holds.
        if (rhoHi > 0.0 && (b == branch || branch == Branch::Vapour)) {
            d = densityInInterval(t, p_kPa, b, rhoLo, rhoHi, rhoGuess);
        }
        if (d.status != Status::Ok) d = densityOnBranch(t, p_kPa, b, rhoGuess);
        d.branch = b;
        return d;
    };
    Status innerStatus = Status::Ok;
    Iapws95Point last;
    double lastT = 0.0;
    bool lastLiquid = branch == Branch::Liquid;
    const RootResult root = safeguardedNewton(
        [&](double t) {
            const DensityResult d = densityAt(t);
            if (d.status != Status::Ok) {
                innerStatus = d.status;
                // No vapour at this p means T is below its saturation
                // temperature: look higher.
                if (d.branch == Branch::Vapour) return std::pair{-1.0, std::nan("")};
                return std::pair{std::nan(""), 1.0};
            }
            innerStatus = Status::Ok;
            rhoGuess = d.point.rho_kgm3();
            last = d.point;
            lastT = t;
            lastLiquid = d.branch == Branch::Liquid;
            return std::pair{caloricValue(d.point, caloric) - target,
                             caloricSlope(d.point, caloric)};
        },
        tLo, tHi, tGuess, kTemperatureTolerance * tHi, 100, true,
        valueTolerance * std::max(1.0, std::fabs(target)));
    if (innerStatus != Status::Ok) {
        return failed(branch == Branch::Vapour ? Status::BelowMinimumTemperature : innerStatus);
    }
    if (!root.converged) return failed(Status::NotConverged);
    // Ended on a step rather than on the value: the answer lies one (tiny)
    // step beyond the last evaluation.
    if (root.x != lastT) {
        const DensityResult d = densityAt(root.x);
        if (d.status == Status::Ok) {
            last = d.point;
            lastLiquid = d.branch == Branch::Liquid;
        }
    }
    // A root pinned to the end of the interval means none inside it.
    const double residual = caloricValue(last, caloric) - target;
    if (std::fabs(residual) > 1e-6 * std::max(1.0, std::fabs(target))) {
        return failed(residual > 0.0 ? Status::BelowMinimumTemperature
                                     : Status::AboveMaximumTemperature);
    }
    return single(last, lastLiquid);
}

// Newton in (δ, τ) on two of p, h, s at once, one IAPWS-95 evaluation per
// step, from (t0, rho0). Steps that would move δ by more than half or τ by a
// fifth are shortened. False when it does not converge within a few steps.
enum class Quantity { Pressure, Enthalpy, Entropy };

double valueOf(const Iapws95Point& pt, Quantity q) {
    return q == Quantity::Pressure   ? pt.p_kPa()
           : q == Quantity::Enthalpy ? pt.h_kJkg()
                                     : pt.s_kJkgK();
}
std::pair<double, double> gradientOf(const Iapws95Point& pt, Quantity q) {
    if (q == Quantity::Pressure) return {pt.dp_ddelta(), pt.dp_dtau()};
    if (q == Quantity::Enthalpy) return {pt.dh_ddelta(), pt.dh_dtau()};
    return {pt.ds_ddelta(), pt.ds_dtau()};
}

bool newtonTwo(Quantity qa, double a, Quantity qb, double b, double t0, double rho0,
               Iapws95Point& out) {
    double delta = rho0 / kRhoC;
    double tau = kTc / t0;
    const bool entropy = qa == Quantity::Entropy || qb == Quantity::Entropy;
    for (int iteration = 0; iteration < 16; ++iteration) {
        if (!(delta > 0.0 && tau > 0.0)) return false;
        const Iapws95Point pt = evaluateIapws95(delta, tau, entropy);
        const double f1 = valueOf(pt, qa) - a;
        const double f2 = valueOf(pt, qb) - b;
        const auto [a11, a12] = gradientOf(pt, qa);
        const auto [a21, a22] = gradientOf(pt, qb);
        const double det = a11 * a22 - a12 * a21;
        double dDelta = -(f1 * a22 - f2 * a12) / det;
        double dTau = -(a11 * f2 - a21 * f1) / det;
        if (!std::isfinite(dDelta) || !std::isfinite(dTau)) return false;
        const double scale =
            std::min({1.0, 0.5 * delta / std::fabs(dDelta), 0.2 * tau / std::fabs(dTau)});
        delta += scale * dDelta;
        tau += scale * dTau;
        // Quadratic convergence: after a step this small the error left is
        // of order 1e-20.
        if (scale == 1.0 && std::max(std::fabs(dDelta) / delta, std::fabs(dTau) / tau) <= 1e-10) {
            out = evaluateIapws95(delta, tau);
            return true;
        }
    }
    return false;
}

// A Newton answer is kept only on the stable part of its isotherm, inside the
// search range and outside the saturation dome.
bool stableSinglePhase(const Iapws95Point& pt, bool& liquidSide) {
    const double t = pt.t_K();
    const double rho = pt.rho_kgm3();
    if (!(pt.dpdrho_T() > 0.0) || !(t >= kLowestSearchTemperature_K) ||
        !(t <= kHighestSearchTemperature_K)) {
        return false;
    }
    liquidSide = false;
    if (t >= kTc) return true;
    const double theta = t / kTc;
    const double liquid = SatLiquidDensityAux(theta) * kRhoC;
    const double vapour = SatVapourDensityAux(theta) * kRhoC;
    if (t < kTc - 1.0 && rho > liquid * (1.0 + 1e-3)) return liquidSide = true;
    if (t < kTc - 1.0 && rho < vapour * (1.0 - 1e-3)) return true;
    const Saturation sat = saturationAtTemperature(t);
    if (sat.status != Status::Ok) return false;
    liquidSide = rho >= sat.rhoLiquid_kgm3;
    return liquidSide || rho <= sat.rhoVapour_kgm3;
}

// Fast path of (p, h) and (p, s), on the branch the saturated values (or
// p ≥ pc) pointed to; the caller falls back to the nested isobar search.
// No saturation is needed to check the answer: with T below Ts(p), p lies
// above psat(T), so a mechanically stable root denser than ρc is the stable
// liquid; with T above Ts(p) a stable root thinner than ρc is the vapour.
bool newtonPressureCaloric(double p_kPa, double target, Caloric caloric, Branch branch, double tSat,
                           double t0, double rho0, Iapws95Point& out) {
    const Quantity q = caloric == Caloric::Enthalpy ? Quantity::Enthalpy : Quantity::Entropy;
    if (!newtonTwo(Quantity::Pressure, p_kPa, q, target, t0, rho0, out)) return false;
    const double t = out.t_K();
    if (!(out.dpdrho_T() > 0.0) || !(t >= kLowestSearchTemperature_K) ||
        !(t <= kHighestSearchTemperature_K)) {
        return false;
    }
    const bool dense = out.rho_kgm3() > kRhoC;
    if (branch == Branch::Liquid) return t <= tSat && dense;
    if (branch == Branch::Fluid) return t >= kTc || dense;
    return t >= tSat && (t >= kTc || !dense);
}

// Starts for (p, h) and (p, s) without a saturated phase to step from
// (above pc, or close to Tc): the rough liquid and ideal-gas models of the
// (h, s) starts below, the more likely one first.
bool newtonPressureCaloricFromModels(double p_kPa, double target, Caloric caloric, Branch branch,
                                     double tSat, Iapws95Point& out) {
    const bool h = caloric == Caloric::Enthalpy;
    const double tLiquid = std::clamp(h ? 273.16 + target / 4.18 : 273.16 * std::exp(target / 4.18),
                                      kLowestSearchTemperature_K, kHighestSearchTemperature_K);
    const double rhoLiquid =
        tLiquid < kTc - 1.0 ? SatLiquidDensityAux(tLiquid / kTc) * kRhoC : 600.0;
    const double tGas = std::clamp(
        h ? 373.15 + (target - 2675.6) / 1.9
          : 373.15 * std::exp((target - 7.354 + 0.46151805 * std::log(p_kPa / 101.42)) / 1.9),
        kLowestSearchTemperature_K, kHighestSearchTemperature_K);
    const double rhoGas = std::min(p_kPa / (0.46151805 * tGas), 900.0);
    const bool liquidFirst = h ? target < 2000.0 : target < 4.4;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const bool liquid = (attempt == 0) == liquidFirst;
        if (newtonPressureCaloric(p_kPa, target, caloric, branch, tSat, liquid ? tLiquid : tGas,
                                  liquid ? rhoLiquid : rhoGas, out)) {
            return true;
        }
    }
    return false;
}

// The nested search along the isobar to a loose tolerance, polished by the
// Newton iteration in (δ, τ); the full-precision search if the polish fails.
Solved searchIsobar(double p_kPa, double target, Caloric caloric, Branch branch, double tLo,
                    double tHi, double tGuess, double tSat, double rhoLo = 0.0,
                    double rhoHi = 0.0) {
    const Solved rough =
        solveAlongIsobar(p_kPa, target, caloric, branch, tLo, tHi, tGuess, rhoLo, rhoHi, 1e-7);
    if (rough.status != Status::Ok) return rough;
    Iapws95Point point;
    if (newtonPressureCaloric(p_kPa, target, caloric, branch, tSat, rough.point.t_K(),
                              rough.point.rho_kgm3(), point)) {
        return single(point, rough.liquidSide);
    }
    return solveAlongIsobar(p_kPa, target, caloric, branch, tLo, tHi, tGuess, rhoLo, rhoHi);
}

Solved solvePressureCaloric(double p_kPa, double target, Caloric caloric) {
    if (!positiveFinite(p_kPa) || !std::isfinite(target)) return failed(Status::InvalidInput);
    if (p_kPa > kHighestPressure_kPa) return failed(Status::AboveMaximumPressure);
    Iapws95Point point;
    if (p_kPa >= kPc) {
        if (newtonPressureCaloricFromModels(p_kPa, target, caloric, Branch::Fluid, kTc, point)) {
            return single(point, point.t_K() < kTc);
        }
        return searchIsobar(p_kPa, target, caloric, Branch::Fluid, kLowestSearchTemperature_K,
                            kHighestSearchTemperature_K, 0.0, kTc);
    }
    if (p_kPa < kTriplePointPressure_kPa) {
        return searchIsobar(p_kPa, target, caloric, Branch::Vapour, kLowestSearchTemperature_K,
                            kHighestSearchTemperature_K, 0.0, 0.0);
    }
    const Saturation sat = saturationAtPressure(p_kPa);
    if (sat.status != Status::Ok) return failed(sat.status);
    const SaturatedPhases phases = saturatedPhases(sat);
    const double liquid = caloricValue(phases.liquid, caloric);
    const double vapour = caloricValue(phases.vapour, caloric);
    // Start of the fast path: one cp-wide step from the saturated phase.
    const bool nearCritical = sat.t_K > kTc - 1.0;
    if (target < liquid) {
        const double cp = phases.liquid.cp_kJkgK();
        const double t0 = caloric == Caloric::Enthalpy
                              ? sat.t_K - (liquid - target) / cp
                              : sat.t_K * std::exp(-(liquid - target) / cp);
        const double tStart = std::max(t0, kLowestSearchTemperature_K);
        if (!nearCritical &&
            newtonPressureCaloric(
                p_kPa, target, caloric, Branch::Liquid, sat.t_K, tStart,
                std::max(SatLiquidDensityAux(tStart / kTc) * kRhoC, sat.rhoLiquid_kgm3), point)) {
            return single(point, true);
        }
        if (newtonPressureCaloricFromModels(p_kPa, target, caloric, Branch::Liquid, sat.t_K,
                                            point)) {
            return single(point, true);
        }
        return searchIsobar(p_kPa, target, caloric, Branch::Liquid, kLowestSearchTemperature_K,
                            sat.t_K, tStart, sat.t_K, sat.rhoLiquid_kgm3 * (1.0 - 1e-7),
                            kHighestDensity_kgm3);
    }
    if (target > vapour) {
        const double cp = phases.vapour.cp_kJkgK();
        const double t0 = caloric == Caloric::Enthalpy ? sat.t_K + (target - vapour) / cp
                                                       : sat.t_K * std::exp((target - vapour) / cp);
        const double tStart = std::min(t0, kHighestSearchTemperature_K);
        if (!nearCritical &&
            newtonPressureCaloric(p_kPa, target, caloric, Branch::Vapour, sat.t_K, tStart,
                                  sat.rhoVapour_kgm3 * sat.t_K / tStart, point)) {
            return single(point, false);
        }
        if (newtonPressureCaloricFromModels(p_kPa, target, caloric, Branch::Vapour, sat.t_K,
                                            point)) {
            return single(point, false);
        }
        return searchIsobar(p_kPa, target, caloric, Branch::Vapour, sat.t_K,
                            kHighestSearchTemperature_K, tStart, sat.t_K, 0.0,
                            sat.rhoVapour_kgm3 * (1.0 + 1e-7));
    }
    return mixture(sat, (target - liquid) / (vapour - liquid));
}

// ---- T with h or s: Newton in density along the isotherm ---------------------

// f(δ) − target with f = h or s, as an increasing function of x = ln δ
// (sign −1 for a decreasing branch).
Solved solveAlongIsotherm(double t_K, double target, Caloric caloric, double rhoLo, double rhoHi,
                          double sign, bool liquidSide) {
    const double tau = kTc / t_K;
    const RootResult root = safeguardedNewton(
        [&](double lnDelta) {
            const double delta = std::exp(lnDelta);
            const Iapws95Point pt = evaluateIapws95(delta, tau, caloric == Caloric::Entropy);
            const double value = caloricValue(pt, caloric) - target;
            const double slope =
                delta * (caloric == Caloric::Enthalpy ? pt.dh_ddelta() : pt.ds_ddelta());
            return std::pair{sign * value, sign * slope};
        },
        std::log(rhoLo / kRhoC), std::log(rhoHi / kRhoC),
        std::log(std::sqrt(rhoLo * rhoHi) / kRhoC), kDensityTolerance);
    const Iapws95Point point = evaluateIapws95(std::exp(root.x), tau);
    const double residual = caloricValue(point, caloric) - target;
    if (!root.converged) return failed(Status::NotConverged);
    if (std::fabs(residual) > 1e-7 * std::max(1.0, std::fabs(target))) {
        return failed(Status::NoSolution);
    }
    return single(point, liquidSide);
}

// Density of the minimum of h along the isotherm, within [lo, hi] kg/m³
// (lo itself when h only rises from there).
double enthalpyMinimumDensity(double t_K, double lo, double hi) {
    const double tau = kTc / t_K;
    const auto slope = [tau](double delta) {
        const HelmholtzValues r = HelmholtzResidual(
            delta, tau, {.d = true, .dd = true, .dt = true, .ddd = true, .ddt = true});
        // ∂h/∂δ / (R Tc) and its δ derivative.
        return std::pair{r.dt + (r.d + delta * r.dd) / tau,
                         r.ddt + (2.0 * r.dd + delta * r.ddd) / tau};
    };
    if (slope(lo / kRhoC).first >= 0.0) return lo;
    if (slope(hi / kRhoC).first <= 0.0) return hi;
    const RootResult root =
        safeguardedNewton(slope, lo / kRhoC, hi / kRhoC, 0.5 * (lo + hi) / kRhoC, 1e-12);
    return root.x * kRhoC;
}

Solved solveTemperatureCaloric(double t_K, double target, Caloric caloric, DensityRoot which) {
    if (!positiveFinite(t_K) || !std::isfinite(target)) return failed(Status::InvalidInput);
    if (t_K > kHighestTemperature_K) return failed(Status::AboveMaximumTemperature);
    if (t_K < kLowestLiquidTemperature_K) return failed(Status::BelowMinimumTemperature);
    const double tinyRho = 1e-10;
    // Entropy falls with density everywhere that matters; enthalpy falls,
    // reaches a minimum and rises again.
    if (!(t_K < kTc)) {
        if (caloric == Caloric::Entropy) {
            return solveAlongIsotherm(t_K, target, caloric, tinyRho, kHighestDensity_kgm3, -1.0,
                                      false);
        }
        const double rhoMin = enthalpyMinimumDensity(t_K, tinyRho, kHighestDensity_kgm3);
        if (which == DensityRoot::Lower) {
            return solveAlongIsotherm(t_K, target, caloric, tinyRho, rhoMin, -1.0, false);
        }
        return solveAlongIsotherm(t_K, target, caloric, rhoMin, kHighestDensity_kgm3, 1.0, false);
    }
    Saturation sat = saturationAtTemperature(t_K);
    if (sat.status == Status::BelowMinimumTemperature) {
        // Supercooled: only compressed liquid (or vapour under the
        // sublimation curve) is stable; the auxiliary densities bound them.
        const double theta = t_K / kTc;
        sat.status = Status::Ok;
        sat.t_K = t_K;
        sat.rhoLiquid_kgm3 = SatLiquidDensityAux(theta) * kRhoC;
        sat.rhoVapour_kgm3 = SatVapourDensityAux(theta) * kRhoC;
        sat.p_kPa = -1.0;  // marks the bounds as approximate
    }
    if (sat.status != Status::Ok) return failed(sat.status);
    const SaturatedPhases phases = saturatedPhases(sat);
    const double liquid = caloricValue(phases.liquid, caloric);
    const double vapour = caloricValue(phases.vapour, caloric);
    const bool exact = sat.p_kPa > 0.0;
    if (caloric == Caloric::Entropy) {
        if (target > vapour) {
            return solveAlongIsotherm(t_K, target, caloric, tinyRho, sat.rhoVapour_kgm3, -1.0,
                                      false);
        }
        if (target < liquid) {
            return solveAlongIsotherm(t_K, target, caloric, sat.rhoLiquid_kgm3,
                                      kHighestDensity_kgm3, -1.0, true);
        }
        if (!exact) return failed(Status::BelowMinimumTemperature);
        return mixture(sat, (target - liquid) / (vapour - liquid));
    }
    const double rhoMin = enthalpyMinimumDensity(t_K, sat.rhoLiquid_kgm3, kHighestDensity_kgm3);
    if (which == DensityRoot::Higher) {
        return solveAlongIsotherm(t_K, target, caloric, rhoMin, kHighestDensity_kgm3, 1.0, true);
    }
    if (target > vapour) {
        return solveAlongIsotherm(t_K, target, caloric, tinyRho, sat.rhoVapour_kgm3, -1.0, false);
    }
    if (target >= liquid) {
        if (!exact) return failed(Status::BelowMinimumTemperature);
        return mixture(sat, (target - liquid) / (vapour - liquid));
    }
    if (rhoMin <= sat.rhoLiquid_kgm3) return failed(Status::NoSolution);
    return solveAlongIsotherm(t_K, target, caloric, sat.rhoLiquid_kgm3, rhoMin, -1.0, true);
}

// ---- density with p or u: Newton in T along the isochore ---------------------

// Quality of a mixture of density ρ on a saturation, from the volumes.
double qualityFromDensity(const Saturation& sat, double rho_kgm3) {
    const double vl = 1.0 / sat.rhoLiquid_kgm3;
    const double vv = 1.0 / sat.rhoVapour_kgm3;
    return (1.0 / rho_kgm3 - vl) / (vv - vl);
}

bool insideDome(const Saturation& sat, double rho_kgm3) {
    return sat.status == Status::Ok && rho_kgm3 > sat.rhoVapour_kgm3 &&
           rho_kgm3 < sat.rhoLiquid_kgm3;
}

enum class IsochoreTarget { Pressure, Energy };

Solved solveAlongIsochore(double rho_kgm3, double target, IsochoreTarget what, double tLo,
                          double tHi, double tStart) {
    const double delta = rho_kgm3 / kRhoC;
    Iapws95Point last;
    const RootResult root = safeguardedNewton(
        [&](double t) {
            last = evaluateIapws95(delta, kTc / t, false);
            if (what == IsochoreTarget::Pressure) {
                return std::pair{last.p_kPa() - target, last.dpdT_rho()};
            }
            return std::pair{last.u_kJkg() - target, last.cv_kJkgK()};
        },
        tLo, tHi, tStart, kTemperatureTolerance * tHi, 100, false,
        kValueTolerance * std::max(1.0, std::fabs(target)));
    const Iapws95Point point = evaluateIapws95(delta, kTc / root.x);
    const double value = what == IsochoreTarget::Pressure ? point.p_kPa() : point.u_kJkg();
    if (!root.converged) return failed(Status::NotConverged);
    if (std::fabs(value - target) > 1e-7 * std::max(1.0, std::fabs(target))) {
        return failed(value > target ? Status::BelowMinimumTemperature
                                     : Status::AboveMaximumTemperature);
    }
    return single(point, rho_kgm3 > kRhoC);
}

Solved solvePressureDensity(double p_kPa, double rho_kgm3) {
    if (!positiveFinite(p_kPa) || !positiveFinite(rho_kgm3)) return failed(Status::InvalidInput);
    if (p_kPa > kHighestPressure_kPa) return failed(Status::AboveMaximumPressure);
    double tLo = kLowestSearchTemperature_K;
    double tHi = kHighestSearchTemperature_K;
    // Newton starts from the saturation temperature (or Tc) and walks away
    // from the dome: below it, at liquid densities, the single-phase surface
    // is unstable and its pressure is no guide.
    double tStart = kTc;
    if (p_kPa < kPc && p_kPa >= kTriplePointPressure_kPa) {
        const Saturation sat = saturationAtPressure(p_kPa);
        if (sat.status != Status::Ok) return failed(sat.status);
        if (insideDome(sat, rho_kgm3)) return mixture(sat, qualityFromDensity(sat, rho_kgm3));
        if (rho_kgm3 >= sat.rhoLiquid_kgm3) {
            tHi = sat.t_K;
        } else {
            tLo = sat.t_K;
        }
        tStart = sat.t_K;
    } else if (p_kPa >= kPc && rho_kgm3 <= kRhoC) {
        tLo = kTc;
    }
    return solveAlongIsochore(rho_kgm3, p_kPa, IsochoreTarget::Pressure, tLo, tHi, tStart);
}

Solved solveEnergyDensity(double u_kJkg, double rho_kgm3) {
    if (!positiveFinite(rho_kgm3) || !std::isfinite(u_kJkg)) return failed(Status::InvalidInput);
    // The single-phase surface first; if its answer lies inside the dome
    // the state is the equilibrium mixture at the same u and ρ instead.
    Solved candidate =
        solveAlongIsochore(rho_kgm3, u_kJkg, IsochoreTarget::Energy, kLowestSearchTemperature_K,
                           kHighestSearchTemperature_K, kTc);
    // A single-phase answer below the range can still hide a mixture (the
    // metastable surface of a wet state may fall below 250 K).
    const bool belowRange = candidate.status == Status::BelowMinimumTemperature;
    if (candidate.status != Status::Ok && !belowRange) return candidate;
    const double t = belowRange ? kTriplePointTemperature_K : candidate.point.t_K();
    double tTop = kTc;  // the mixture is sought below this temperature
    if (t < kTc) {
        const Saturation sat = saturationAtTemperature(std::max(t, kTriplePointTemperature_K));
        if (sat.status != Status::Ok && sat.status != Status::BelowMinimumTemperature) {
            return failed(sat.status);
        }
        if (!insideDome(sat, rho_kgm3)) {
            if (belowRange) return candidate;
            candidate.liquidSide = sat.status == Status::Ok && rho_kgm3 >= sat.rhoLiquid_kgm3;
            return candidate;
        }
    } else {
        return candidate;
    }
    // Mixture: u(T) = u′ + x(T)(u″ − u′) with x from the volumes, increasing in
    // T; a secant-bisection search keeps to the bracket.
    const auto mixtureEnergy = [rho_kgm3](double temperature, Saturation& sat) {
        sat = saturationAtTemperature(temperature);
        if (sat.status != Status::Ok) return std::nan("");
        const SaturatedPhases phases = saturatedPhases(sat);
        const double x = qualityFromDensity(sat, rho_kgm3);
        return phases.liquid.u_kJkg() + x * (phases.vapour.u_kJkg() - phases.liquid.u_kJkg());
    };
    Saturation sat;
    double lo = kTriplePointTemperature_K;
    double hi = tTop - 1e-9;
    const double tolerance = 1e-12 * std::max(1.0, std::fabs(u_kJkg));
    double fHi = mixtureEnergy(hi, sat) - u_kJkg;
    double fLo = mixtureEnergy(lo, sat) - u_kJkg;  // leaves sat at the triple point
    if (std::fabs(fLo) <= tolerance) return mixture(sat, qualityFromDensity(sat, rho_kgm3));
    if (!(fLo <= 0.0)) return failed(Status::BelowMinimumTemperature);
    if (!(fHi >= 0.0)) return failed(Status::NoSolution);
    double x = lo;
    for (int i = 0; i < 100; ++i) {
        // Illinois false position with a bisection guard.
        x = hi - fHi * (hi - lo) / (fHi - fLo);
        if (!(x > lo && x < hi)) x = 0.5 * (lo + hi);
        const double f = mixtureEnergy(x, sat) - u_kJkg;
        if (!std::isfinite(f)) return failed(Status::NotConverged);
        if (std::fabs(f) <= tolerance || hi - lo < 1e-12 * hi) break;
        if ((f < 0.0) == (fLo < 0.0)) {
            lo = x;
            fLo = f;
            fHi *= 0.5;
        } else {
            hi = x;
            fHi = f;
            fLo *= 0.5;
        }
    }
    if (sat.status != Status::Ok) return failed(sat.status);
    return mixture(sat, qualityFromDensity(sat, rho_kgm3));
}

// ---- h and s: Newton in ln p along the isentrope ----------------------------

// Starts for (h, s) by rough models: liquid with cp = 4.18 kJ/(kg K) from the
// triple point; steam as an ideal gas with cp = 1.9 kJ/(kg K) through the
// saturated vapour at 373.15 K (h = 2675.6 kJ/kg, s = 7.354 kJ/(kg K) at
// 101.42 kPa).
bool newtonEnthalpyEntropy(double h, double s, Iapws95Point& out, bool& liquidSide) {
    const double tLiquid = std::clamp(273.16 * std::exp(s / 4.18), 273.16, kTc - 1.0);
    const double rhoLiquid = SatLiquidDensityAux(tLiquid / kTc) * kRhoC;
    const double tGas = std::clamp(373.15 + (h - 2675.6) / 1.9, 280.0, kHighestSearchTemperature_K);
    const double pGas = 101.42 * std::exp((7.354 + 1.9 * std::log(tGas / 373.15) - s) / 0.46151805);
    const double rhoGas = std::min(pGas / (0.46151805 * tGas), 900.0);
    const bool liquidFirst = s < 4.4;  // about the critical entropy
    for (int attempt = 0; attempt < 2; ++attempt) {
        const bool liquid = (attempt == 0) == liquidFirst;
        if (newtonTwo(Quantity::Enthalpy, h, Quantity::Entropy, s, liquid ? tLiquid : tGas,
                      liquid ? rhoLiquid : rhoGas, out) &&
            out.p_kPa() > 0.0 && stableSinglePhase(out, liquidSide)) {
            return true;
        }
    }
    return false;
}

// Wet (h, s): on the saturation line h − T s equals the saturated liquid's
// Gibbs energy g′(T) = h′ − T s′, so T solves f(T) = h − T s − g′(T) = 0 with
// f′(T) = −(s − s′) − v′ dpsat/dT, negative for every wet state; one
// saturation per step. Accepted only with a quality within 0 … 1.
bool wetEnthalpyEntropy(double h, double s, Solved& out) {
    Saturation sat;
    const auto at = [&](double t) {
        sat = saturationAtTemperature(t);
        if (sat.status != Status::Ok) return std::pair{std::nan(""), 1.0};
        const SaturatedPhases ph = saturatedPhases(sat);
        const double sl = ph.liquid.s_kJkgK(), sv = ph.vapour.s_kJkgK();
        const double g = ph.liquid.h_kJkg() - t * sl;
        const double slope = (sv - sl) / (1.0 / sat.rhoVapour_kgm3 - 1.0 / sat.rhoLiquid_kgm3);
        // Negated: increasing through the root.
        return std::pair{-(h - t * s - g), (s - sl) + slope / sat.rhoLiquid_kgm3};
    };
    const RootResult root =
        safeguardedNewton(at, kTriplePointTemperature_K, kTc - 1e-6, 400.0, 1e-13 * kTc, 60, true,
                          kValueTolerance * std::max(1.0, std::fabs(h)));
    if (!root.converged || sat.status != Status::Ok) return false;
    if (sat.t_K != root.x) sat = saturationAtTemperature(root.x);
    if (sat.status != Status::Ok) return false;
    const SaturatedPhases ph = saturatedPhases(sat);
    const double sl = ph.liquid.s_kJkgK(), sv = ph.vapour.s_kJkgK();
    const double x = (s - sl) / (sv - sl);
    if (!(x >= 0.0 && x <= 1.0)) return false;
    const double hMix = ph.liquid.h_kJkg() + x * (ph.vapour.h_kJkg() - ph.liquid.h_kJkg());
    if (std::fabs(hMix - h) > 1e-9 * std::max(1.0, std::fabs(h))) return false;
    out = mixture(sat, x);
    return true;
}

Solved solveEnthalpyEntropy(double h_kJkg, double s_kJkgK) {
    if (!std::isfinite(h_kJkg) || !std::isfinite(s_kJkgK)) return failed(Status::InvalidInput);
    {
        Iapws95Point point;
        bool liquidSide = false;
        if (newtonEnthalpyEntropy(h_kJkg, s_kJkgK, point, liquidSide)) {
            return single(point, liquidSide);
        }
        Solved wet;
        if (wetEnthalpyEntropy(h_kJkg, s_kJkgK, wet)) return wet;
    }
    // Along an isentrope dh = v dp with v > 0: h rises with p, so (h, s)
    // names one state; (∂h/∂ln p)_s = p v.
    Solved last = failed(Status::NoSolution);
    Status lastFailure = Status::Ok;
    const RootResult root = safeguardedNewton(
        [&](double lnP) {
            const double p = std::exp(lnP);
            const Solved at = solvePressureCaloric(p, s_kJkgK, Caloric::Entropy);
            if (at.status != Status::Ok) {
                lastFailure = at.status;
                // Below the range the isentrope's h is too low: go up.
                const bool tooLow = at.status == Status::BelowMinimumTemperature ||
                                    at.status == Status::BelowMinimumPressure;
                return std::pair{tooLow ? -1.0 : 1.0, std::nan("")};
            }
            lastFailure = Status::Ok;
            last = at;
            return std::pair{(at.h() - h_kJkg) / std::max(1.0, std::fabs(h_kJkg)),
                             p * at.v() / std::max(1.0, std::fabs(h_kJkg))};
        },
        std::log(1e-6), std::log(kHighestPressure_kPa * 1.01), std::log(100.0), 1e-14);
    if (last.status != Status::Ok)
        return failed(lastFailure == Status::Ok ? Status::NoSolution : lastFailure);
    if (!root.converged) return failed(Status::NotConverged);
    if (std::fabs(last.h() - h_kJkg) > 1e-8 * std::max(1.0, std::fabs(h_kJkg))) {
        return failed(lastFailure != Status::Ok ? lastFailure : Status::NoSolution);
    }
    return last;
}

}  // namespace

WaterState stateTRho(double t_K, double rho_kgm3) {
    if (!positiveFinite(t_K) || !positiveFinite(rho_kgm3)) return failedState(Status::InvalidInput);
    if (t_K > kHighestTemperature_K) return failedState(Status::AboveMaximumTemperature);
    if (t_K < kLowestLiquidTemperature_K) return failedState(Status::BelowMinimumTemperature);
    const double tau = kTc / t_K;
    if (t_K < kTc) {
        const double theta = t_K / kTc;
        const double liquidAux = SatLiquidDensityAux(theta) * kRhoC;
        const double vapourAux = SatVapourDensityAux(theta) * kRhoC;
        const bool clear =
            t_K < kTc - 0.5 && (rho_kgm3 > liquidAux * 1.002 || rho_kgm3 < vapourAux * 0.998);
        if (!clear) {
            const Saturation sat = saturationAtTemperature(t_K);
            if (sat.status == Status::Ok && insideDome(sat, rho_kgm3)) {
                return twoPhaseState(sat, qualityFromDensity(sat, rho_kgm3));
            }
            if (sat.status == Status::BelowMinimumTemperature && rho_kgm3 > vapourAux &&
                rho_kgm3 < liquidAux) {
                return failedState(Status::BelowMinimumTemperature);
            }
            if (sat.status == Status::Ok) {
                return singlePhaseState(evaluateIapws95(rho_kgm3 / kRhoC, tau),
                                        rho_kgm3 >= sat.rhoLiquid_kgm3);
            }
        }
        return singlePhaseState(evaluateIapws95(rho_kgm3 / kRhoC, tau), rho_kgm3 > kRhoC);
    }
    return singlePhaseState(evaluateIapws95(rho_kgm3 / kRhoC, tau), false);
}

WaterState stateTP(double t_K, double p_kPa) {
    if (!positiveFinite(t_K) || !positiveFinite(p_kPa)) return failedState(Status::InvalidInput);
    const Status range = iapws95RangeStatus(t_K, p_kPa);
    if (range != Status::Ok) return failedState(range);
    const DensityResult d = densityAtTP(t_K, p_kPa);
    if (d.status != Status::Ok) return failedState(d.status);
    return singlePhaseState(d.point, d.branch == Branch::Liquid);
}

WaterState statePH(double p_kPa, double h_kJkg) {
    return finish(solvePressureCaloric(p_kPa, h_kJkg, Caloric::Enthalpy));
}

WaterState statePS(double p_kPa, double s_kJkgK) {
    return finish(solvePressureCaloric(p_kPa, s_kJkgK, Caloric::Entropy));
}

WaterState stateHS(double h_kJkg, double s_kJkgK) {
    return finish(solveEnthalpyEntropy(h_kJkg, s_kJkgK));
}

WaterState stateTX(double t_K, double quality) {
    if (!positiveFinite(t_K) || !std::isfinite(quality)) return failedState(Status::InvalidInput);
    if (quality < 0.0 || quality > 1.0) return failedState(Status::QualityOutOfRange);
    return twoPhaseState(saturationAtTemperature(t_K), quality);
}

WaterState statePX(double p_kPa, double quality) {
    if (!positiveFinite(p_kPa) || !std::isfinite(quality)) return failedState(Status::InvalidInput);
    if (quality < 0.0 || quality > 1.0) return failedState(Status::QualityOutOfRange);
    return twoPhaseState(saturationAtPressure(p_kPa), quality);
}

WaterState stateTH(double t_K, double h_kJkg, DensityRoot root) {
    return finish(solveTemperatureCaloric(t_K, h_kJkg, Caloric::Enthalpy, root));
}

WaterState stateTS(double t_K, double s_kJkgK) {
    return finish(solveTemperatureCaloric(t_K, s_kJkgK, Caloric::Entropy, DensityRoot::Lower));
}

WaterState statePRho(double p_kPa, double rho_kgm3) {
    return finish(solvePressureDensity(p_kPa, rho_kgm3));
}

WaterState stateURho(double u_kJkg, double rho_kgm3) {
    return finish(solveEnergyDensity(u_kJkg, rho_kgm3));
}

}  // namespace chemeng::water
