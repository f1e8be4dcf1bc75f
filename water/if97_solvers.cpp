#include "water/if97_solvers.h"

#include <cmath>
#include <limits>

#include "water/if97_constants.h"
#include "water/if97_region1.h"
#include "water/if97_region2.h"
#include "water/if97_region3_volume.h"
#include "water/if97_region4.h"
#include "water/if97_region5.h"

namespace chemeng::water::if97 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// A Newton step this small (relative) leaves an error in the inputs of the
// order of its square; the state is then taken as solved.
constexpr double kStepTolerance = 1e-11;
constexpr int kMaxIterations = 40;

// Moves a full set of properties along the isobar by a small dT to first
// order: dh = cp dT, ds = cp/T dT, dv = (∂v/∂T)_p dT, du = dh − p dv.
void shiftTemperature(Properties& q, double dt) {
    const double dv = q.dvdT_m3kgK * dt;
    const double dh = q.cp_kJkgK * dt;
    q.s_kJkgK += dh / q.t_K;
    q.h_kJkg += dh;
    q.u_kJkg += dh - 1e3 * q.p_MPa * dv;
    q.v_m3kg += dv;
    q.t_K += dt;
}

// Newton on one temperature for one target property whose derivative in T at
// constant p is `slope(props)`. The first steps use only h, s and cp; once a
// step is below 0.1 K the full properties follow at the next T, and when the
// remaining step is below 1e-4 K it is applied to first order (its square,
// the error left, is then below 1e-8 K times cp'/cp).
template <typename Value, typename Slope>
Solved solveTemperature(Region region, double p_MPa, double target, double t0_K, double tLow_K,
                        double tHigh_K, Value value, Slope slope) {
    double t = std::fmin(std::fmax(t0_K, tLow_K), tHigh_K);
    Detail detail = Detail::Thermal;
    Solved out;
    for (int k = 0; k < kMaxIterations; ++k) {
        out.props = gibbsRegion(region, p_MPa, t, detail);
        const double dt = (target - value(out.props)) / slope(out.props);
        if (!std::isfinite(dt)) break;
        if (detail == Detail::Full && std::abs(dt) <= 1e-4) {
            shiftTemperature(out.props, dt);
            out.converged = true;
            break;
        }
        if (std::abs(dt) <= 0.1) detail = Detail::Full;
        double next = t + dt;
        // Stay inside the region: halve the way to a bound instead of crossing it.
        if (next < tLow_K) next = 0.5 * (t + tLow_K);
        if (next > tHigh_K) next = 0.5 * (t + tHigh_K);
        t = next;
    }
    out.rho_kgm3 = 1.0 / out.props.v_m3kg;
    return out;
}

// Region 3 moved by a small (dρ, dT) to first order, as the last Newton step:
// its error is of the order of the step squared.
void shiftRegion3(const Region3Properties& r, double drho, double dt, Solved& out) {
    Properties& q = out.props;
    q = r.props;
    q.p_MPa += r.dpdrho * drho + r.dpdT * dt;
    q.h_kJkg += r.dhdrho * drho + r.dhdT * dt;
    q.s_kJkgK += r.dsdrho * drho + r.dsdT * dt;
    q.t_K += dt;
    out.rho_kgm3 = r.rho_kgm3 + drho;
    q.v_m3kg = 1.0 / out.rho_kgm3;
    q.u_kJkg = q.h_kJkg - 1e3 * q.p_MPa * q.v_m3kg;
    out.converged = true;
}

// A Newton step in region 3 this small (relative in ρ, in K for T) is taken
// to first order instead of with another evaluation.
constexpr double kRegion3LastStep = 1e-7;

// Solves a 2×2 linear system a·x = r by Cramer's rule.
bool solve2(double a11, double a12, double a21, double a22, double r1, double r2, double& x1,
            double& x2) {
    const double det = a11 * a22 - a12 * a21;
    if (!(std::abs(det) > 0.0) || !std::isfinite(det)) return false;
    x1 = (r1 * a22 - a12 * r2) / det;
    x2 = (a11 * r2 - a21 * r1) / det;
    return std::isfinite(x1) && std::isfinite(x2);
}

Properties saturatedLiquid(double t_K) {
    const double p = saturationPressure(t_K);
    return t_K <= kT13_K ? region1(p, t_K) : region3AtPT(p, t_K, Side::SaturatedLiquid).props;
}

Properties saturatedVapour(double t_K) {
    const double p = saturationPressure(t_K);
    return t_K <= kT13_K ? region2(p, t_K) : region3AtPT(p, t_K, Side::SaturatedVapour).props;
}

}  // namespace

Properties gibbsRegion(Region region, double p_MPa, double t_K, Detail detail) {
    switch (region) {
        case Region::One:
            return region1(p_MPa, t_K, detail);
        case Region::Two:
            return region2(p_MPa, t_K, detail);
        case Region::Five:
            return region5(p_MPa, t_K, detail);
        case Region::Three:
        case Region::Four:
            break;
    }
    Properties none;
    none.v_m3kg = kNaN;
    return none;
}

Solved solveGibbsTemperatureForH(Region region, double p_MPa, double h_kJkg, double t0_K,
                                 double tLow_K, double tHigh_K) {
    return solveTemperature(
        region, p_MPa, h_kJkg, t0_K, tLow_K, tHigh_K, [](const Properties& p) { return p.h_kJkg; },
        [](const Properties& p) { return p.cp_kJkgK; });
}

Solved solveGibbsTemperatureForS(Region region, double p_MPa, double s_kJkgK, double t0_K,
                                 double tLow_K, double tHigh_K) {
    return solveTemperature(
        region, p_MPa, s_kJkgK, t0_K, tLow_K, tHigh_K,
        [](const Properties& p) { return p.s_kJkgK; },
        [](const Properties& p) { return p.cp_kJkgK / p.t_K; });
}

Solved solveGibbsPTForHS(Region region, double h_kJkg, double s_kJkgK, double p0_MPa, double t0_K) {
    double p = p0_MPa;
    double t = t0_K;
    Solved out;
    for (int k = 0; k < kMaxIterations; ++k) {
        out.props = gibbsRegion(region, p, t);
        const Properties& q = out.props;
        // dh = cp dT + (v − T ∂v/∂T) dp, ds = cp/T dT − ∂v/∂T dp; v·dp in
        // m³/kg·MPa is 10³ kJ/kg.
        double dt = 0.0;
        double dp = 0.0;
        if (!solve2(q.cp_kJkgK, 1e3 * (q.v_m3kg - t * q.dvdT_m3kgK), q.cp_kJkgK / t,
                    -1e3 * q.dvdT_m3kgK, h_kJkg - q.h_kJkg, s_kJkgK - q.s_kJkgK, dt, dp)) {
            break;
        }
        // In cold liquid h and s hardly depend on p, so p is settled when the
        // residuals reach rounding level even if its step is not yet small.
        const bool atRounding = std::abs(h_kJkg - q.h_kJkg) <= 1e-10 * (std::abs(h_kJkg) + 1.0) &&
                                std::abs(s_kJkgK - q.s_kJkgK) <= 1e-12 * (std::abs(s_kJkgK) + 1.0);
        if (std::abs(dt) <= kStepTolerance * t &&
            (std::abs(dp) <= kStepTolerance * p || atRounding)) {
            out.converged = true;
            break;
        }
        // Damped so that p stays positive and T within a fifth of itself.
        double scale = 1.0;
        if (p + dp <= 0.0) scale = 0.5 * p / std::abs(dp);
        if (std::abs(dt) * scale > 0.2 * t) scale = 0.2 * t / std::abs(dt);
        p += scale * dp;
        t += scale * dt;
    }
    out.rho_kgm3 = 1.0 / out.props.v_m3kg;
    return out;
}

Solved region3AtPT(double p_MPa, double t_K, Side side) {
    const double rho0 = 1.0 / region3VolumePT(p_MPa, t_K, side);
    double rho = rho0;
    Solved out;
    for (int k = 0; k < kMaxIterations; ++k) {
        const Region3Properties r = region3(rho, t_K);
        const double drho = (p_MPa - r.props.p_MPa) / r.dpdrho;
        if (!(r.dpdrho > 0.0) || !std::isfinite(drho) || std::abs(rho + drho - rho0) > 0.3 * rho0) {
            break;
        }
        if (std::abs(drho) <= kRegion3LastStep * rho) {
            shiftRegion3(r, drho, 0.0, out);
            return out;
        }
        rho += drho;
    }
    out.props = region3(rho0, t_K).props;
    out.rho_kgm3 = rho0;
    return out;
}

Solved solveRegion3(Region3Pair pair, double first, double second, double rho0_kgm3, double t0_K) {
    double rho = rho0_kgm3;
    double t = t0_K;
    Solved out;
    for (int k = 0; k < kMaxIterations; ++k) {
        const Region3Properties r = region3(rho, t);
        out.props = r.props;
        out.rho_kgm3 = rho;
        const Properties& q = r.props;
        double drho = 0.0;
        double dt = 0.0;
        bool ok = false;
        switch (pair) {
            case Region3Pair::PH:
                ok = solve2(r.dpdrho, r.dpdT, r.dhdrho, r.dhdT, first - q.p_MPa, second - q.h_kJkg,
                            drho, dt);
                break;
            case Region3Pair::PS:
                ok = solve2(r.dpdrho, r.dpdT, r.dsdrho, r.dsdT, first - q.p_MPa, second - q.s_kJkgK,
                            drho, dt);
                break;
            case Region3Pair::HS:
                ok = solve2(r.dhdrho, r.dhdT, r.dsdrho, r.dsdT, first - q.h_kJkg,
                            second - q.s_kJkgK, drho, dt);
                break;
        }
        if (!ok) break;
        if (std::abs(drho) <= kRegion3LastStep * rho && std::abs(dt) <= kRegion3LastStep) {
            shiftRegion3(r, drho, dt, out);
            break;
        }
        // Damped so that ρ and T move by at most a fifth of themselves.
        double scale = 1.0;
        if (std::abs(drho) > 0.2 * rho) scale = 0.2 * rho / std::abs(drho);
        if (std::abs(dt) * scale > 0.2 * t) scale = 0.2 * t / std::abs(dt);
        rho += scale * drho;
        t += scale * dt;
    }
    return out;
}

SaturatedPhases saturatedPhases(double p_MPa, double t_K) {
    SaturatedPhases out;
    if (t_K <= kT13_K) {
        out.liquid = region1(p_MPa, t_K);
        out.vapour = region2(p_MPa, t_K);
        out.converged = true;
        return out;
    }
    const Solved liquid = region3AtPT(p_MPa, t_K, Side::SaturatedLiquid);
    const Solved vapour = region3AtPT(p_MPa, t_K, Side::SaturatedVapour);
    out.liquid = liquid.props;
    out.vapour = vapour.props;
    out.converged = liquid.converged && vapour.converged;
    return out;
}

double twoPhaseTemperatureHS(double h_kJkg, double s_kJkgK) {
    // A two-phase state at T with entropy s has quality x = (s − s')/(s'' − s')
    // and enthalpy h' + x (h'' − h'); the root of f(T) = h − that enthalpy is
    // the state's temperature. Where s'(T) ≤ s ≤ s''(T), f falls with T (at
    // constant s the mixture's enthalpy grows by v dp); above the root's T, s
    // leaves that band (the dome narrows towards the critical point), and
    // such a T counts as too high. Regula falsi (Illinois) in the band,
    // bisection where a trial fell outside it.
    struct Trial {
        bool inBand;
        double f;
    };
    const auto trial = [&](double t) {
        const Properties l = saturatedLiquid(t);
        const Properties v = saturatedVapour(t);
        if (!(s_kJkgK >= l.s_kJkgK && s_kJkgK <= v.s_kJkgK && v.s_kJkgK > l.s_kJkgK)) {
            return Trial{false, 0.0};
        }
        const double x = (s_kJkgK - l.s_kJkgK) / (v.s_kJkgK - l.s_kJkgK);
        return Trial{true, h_kJkg - l.h_kJkg - x * (v.h_kJkg - l.h_kJkg)};
    };
    // The bracket starts a hair below 273.15 K so that a state on the
    // 273.15 K line is found despite rounding; such a root is put back on it.
    double a = kTmin_K - 1e-6;
    double b = kTc_K;
    const Trial low = trial(a);
    if (!low.inBand || low.f < 0.0) return kNaN;
    double fa = low.f;
    double fb = 0.0;
    bool fbKnown = false;
    int side = 0;
    for (int k = 0; k < 200; ++k) {
        const double c = fbKnown ? (a * fb - b * fa) / (fb - fa) : 0.5 * (a + b);
        if (b - a < 1e-11 * c) return std::fmax(c, kTmin_K);
        const Trial tc = trial(c);
        if (!tc.inBand || tc.f < 0.0) {
            b = c;
            fbKnown = tc.inBand;
            fb = tc.f;
            if (fbKnown && side == 1) fa *= 0.5;
            side = 1;
        } else {
            if (tc.f == 0.0) return std::fmax(c, kTmin_K);
            a = c;
            fa = tc.f;
            if (fbKnown && side == -1) fb *= 0.5;
            side = -1;
        }
    }
    return kNaN;
}

}  // namespace chemeng::water::if97
