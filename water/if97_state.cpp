#include "water/if97_state.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "water/if97_b23.h"
#include "water/if97_backward_hs_region1_2.h"
#include "water/if97_backward_hs_region3.h"
#include "water/if97_backward_region1_2.h"
#include "water/if97_backward_region3.h"
#include "water/if97_constants.h"
#include "water/if97_region4.h"
#include "water/if97_region_choice.h"
#include "water/if97_solvers.h"

namespace chemeng::water {
namespace {

using if97::Properties;
using if97::Region;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Slack on the inner limits of a region for the polishing iterations: where
// two regions meet, their equations differ by the releases' continuity
// tolerances, so a state chosen for one region may solve a hair beyond it.
constexpr double kSlack_K = 1.0;

PhaseProperties unknownPhase() {
    PhaseProperties p;
    p.t_K = p.p_kPa = p.rho_kgm3 = p.v_m3kg = p.u_kJkg = p.h_kJkg = p.s_kJkgK = kNaN;
    p.cp_kJkgK = p.cv_kJkgK = p.w_ms = p.jouleThomson_KperkPa = p.isentropicExponent = kNaN;
    p.viscosity_Pas = p.kinematicViscosity_m2s = p.thermalConductivity_WmK = p.prandtl = kNaN;
    return p;
}

PhaseProperties toPhase(const Properties& q) {
    PhaseProperties p = unknownPhase();
    p.t_K = q.t_K;
    p.p_kPa = 1e3 * q.p_MPa;
    p.v_m3kg = q.v_m3kg;
    p.rho_kgm3 = 1.0 / q.v_m3kg;
    p.u_kJkg = q.u_kJkg;
    p.h_kJkg = q.h_kJkg;
    p.s_kJkgK = q.s_kJkgK;
    p.cp_kJkgK = q.cp_kJkgK;
    p.cv_kJkgK = q.cv_kJkgK;
    p.w_ms = q.w_ms;
    // μ_JT = (T (∂v/∂T)_p − v)/cp: m³/kg over kJ/(kg·K) is K/kPa.
    p.jouleThomson_KperkPa = (q.t_K * q.dvdT_m3kgK - q.v_m3kg) / q.cp_kJkgK;
    // κ = w²/(p v) = −(v/p)(∂p/∂v)_s, with p in Pa.
    p.isentropicExponent = q.w_ms * q.w_ms / (1e6 * q.p_MPa * q.v_m3kg);
    return p;
}

WaterState emptyState(Status status) {
    WaterState state;
    state.status = status;
    state.formulation = Formulation::If97;
    state.quality = kNaN;
    state.mixture = unknownPhase();
    state.liquid = unknownPhase();
    state.vapour = unknownPhase();
    state.surfaceTension_Nm = kNaN;
    return state;
}

Phase singlePhase(double p_MPa, double t_K) {
    if (t_K > if97::kTc_K) return p_MPa > if97::kPc_MPa ? Phase::Supercritical : Phase::Vapour;
    if (p_MPa > if97::kPc_MPa) return Phase::Liquid;
    return p_MPa >= if97::saturationPressure(t_K) ? Phase::Liquid : Phase::Vapour;
}

// A single-phase state; its range is checked on the solved (p, T).
WaterState singleState(const Properties& q, bool converged) {
    if (!converged || !std::isfinite(q.h_kJkg)) return emptyState(Status::NotConverged);
    WaterState state = emptyState(Status::Ok);
    state.phase = singlePhase(q.p_MPa, q.t_K);
    state.quality = state.phase == Phase::Liquid ? 0.0 : state.phase == Phase::Vapour ? 1.0 : kNaN;
    state.mixture = toPhase(q);
    return state;
}

// Range of a state solved from (h, s), whose p and T are known only now; a
// state on a limit may come out of the iteration a rounding error beyond it.
Status rangeOf(double p_MPa, double t_K) {
    constexpr double kRounding = 1e-10;
    if (!(p_MPa > 0.0)) return Status::NoSolution;
    if (t_K < if97::kTmin_K * (1.0 - kRounding)) return Status::BelowMinimumTemperature;
    if (t_K > if97::kTmax_K * (1.0 + kRounding)) return Status::AboveMaximumTemperature;
    if (p_MPa > if97::kPmax_MPa * (1.0 + kRounding) ||
        (t_K > if97::kT25_K * (1.0 + kRounding) && p_MPa > if97::kP5max_MPa * (1.0 + kRounding))) {
        return Status::AboveMaximumPressure;
    }
    return Status::Ok;
}

WaterState twoPhaseState(double p_MPa, double t_K, double quality) {
    const if97::SaturatedPhases sat = if97::saturatedPhases(p_MPa, t_K);
    if (!std::isfinite(sat.liquid.h_kJkg) || !std::isfinite(sat.vapour.h_kJkg)) {
        return emptyState(Status::NotConverged);
    }
    WaterState state = emptyState(Status::Ok);
    state.phase = Phase::TwoPhase;
    state.quality = quality;
    state.liquid = toPhase(sat.liquid);
    state.vapour = toPhase(sat.vapour);
    PhaseProperties& m = state.mixture;
    const auto mix = [quality](double liquid, double vapour) {
        return liquid + quality * (vapour - liquid);
    };
    m.t_K = t_K;
    m.p_kPa = 1e3 * p_MPa;
    m.v_m3kg = mix(sat.liquid.v_m3kg, sat.vapour.v_m3kg);
    m.rho_kgm3 = 1.0 / m.v_m3kg;
    m.u_kJkg = mix(sat.liquid.u_kJkg, sat.vapour.u_kJkg);
    m.h_kJkg = mix(sat.liquid.h_kJkg, sat.vapour.h_kJkg);
    m.s_kJkgK = mix(sat.liquid.s_kJkgK, sat.vapour.s_kJkgK);
    return state;
}

// Two-phase at p < pc with the quality from a property of the mixture; a
// value a hair outside the saturated pair (the region-3 boundary equations
// are approximations) is held to the line.
template <typename Of>
WaterState twoPhaseFrom(double p_MPa, double target, Of of) {
    const double t = if97::saturationTemperature(p_MPa);
    const if97::SaturatedPhases sat = if97::saturatedPhases(p_MPa, t);
    const double x = (target - of(sat.liquid)) / (of(sat.vapour) - of(sat.liquid));
    return twoPhaseState(p_MPa, t, std::clamp(x, 0.0, 1.0));
}

// Region 5 from (h, s), which has no backward equations: steam there is
// nearly an ideal gas, so T follows from h at 1 MPa and p from s by
// s(p) = s(1 MPa) − R ln(p/1 MPa); Newton on both from there.
if97::Solved region5HS(double h_kJkg, double s_kJkgK) {
    const auto t = if97::solveGibbsTemperatureForH(Region::Five, 1.0, h_kJkg, 1500.0,
                                                   if97::kT25_K - 100.0, 2.0 * if97::kTmax_K);
    const double p0 = std::exp((t.props.s_kJkgK - s_kJkgK) / if97::kR_kJkgK);
    return if97::solveGibbsPTForHS(Region::Five, h_kJkg, s_kJkgK, p0, t.props.t_K);
}

}  // namespace

WaterState if97StateTP(double t_K, double p_kPa) {
    const double p = 1e-3 * p_kPa;
    const if97::RegionChoice where = if97::regionTP(p, t_K);
    if (where.status != Status::Ok) return emptyState(where.status);
    if (where.region == Region::Three) {
        const if97::Solved r = if97::region3AtPT(p, t_K);
        // The backward volume stands where Newton cannot converge.
        return singleState(r.props, true);
    }
    return singleState(if97::gibbsRegion(where.region, p, t_K), true);
}

If97BasicProperties if97BasicPropertiesTP(double t_K, double p_kPa) {
    const double p = 1e-3 * p_kPa;
    If97BasicProperties out;
    const if97::RegionChoice where = if97::regionTP(p, t_K);
    out.status = where.status;
    if (where.status != Status::Ok) {
        out.v_m3kg = out.u_kJkg = out.h_kJkg = out.s_kJkgK = kNaN;
        return out;
    }
    const Properties q = where.region == Region::Three
                             ? if97::region3AtPT(p, t_K).props
                             : if97::gibbsRegion(where.region, p, t_K, if97::Detail::Basic);
    out.phase = singlePhase(p, t_K);
    out.v_m3kg = q.v_m3kg;
    out.u_kJkg = q.u_kJkg;
    out.h_kJkg = q.h_kJkg;
    out.s_kJkgK = q.s_kJkgK;
    return out;
}

WaterState if97StatePH(double p_kPa, double h_kJkg) {
    const double p = 1e-3 * p_kPa;
    const if97::RegionChoice where = if97::regionPH(p, h_kJkg);
    if (where.status != Status::Ok) return emptyState(where.status);
    switch (where.region) {
        case Region::One: {
            const double t0 = if97::region1TemperaturePH(p, h_kJkg);
            const auto r = if97::solveGibbsTemperatureForH(Region::One, p, h_kJkg, t0,
                                                           if97::kTmin_K, if97::kT13_K + kSlack_K);
            return singleState(r.props, r.converged);
        }
        case Region::Two: {
            const double t0 = if97::region2TemperaturePH(p, h_kJkg);
            const auto r = if97::solveGibbsTemperatureForH(
                Region::Two, p, h_kJkg, t0, if97::kTmin_K - kSlack_K, if97::kT25_K + kSlack_K);
            return singleState(r.props, r.converged);
        }
        case Region::Five: {
            const auto r = if97::solveGibbsTemperatureForH(Region::Five, p, h_kJkg, 1500.0,
                                                           if97::kT25_K - kSlack_K, if97::kTmax_K);
            return singleState(r.props, r.converged);
        }
        case Region::Three: {
            const double rho0 = 1.0 / if97::region3VolumePH(p, h_kJkg);
            const double t0 = if97::region3TemperaturePH(p, h_kJkg);
            const auto r = if97::solveRegion3(if97::Region3Pair::PH, p, h_kJkg, rho0, t0);
            return singleState(r.props, r.converged);
        }
        case Region::Four:
            break;
    }
    return twoPhaseFrom(p, h_kJkg, [](const Properties& q) { return q.h_kJkg; });
}

WaterState if97StatePS(double p_kPa, double s_kJkgK) {
    const double p = 1e-3 * p_kPa;
    const if97::RegionChoice where = if97::regionPS(p, s_kJkgK);
    if (where.status != Status::Ok) return emptyState(where.status);
    switch (where.region) {
        case Region::One: {
            const double t0 = if97::region1TemperaturePS(p, s_kJkgK);
            const auto r = if97::solveGibbsTemperatureForS(Region::One, p, s_kJkgK, t0,
                                                           if97::kTmin_K, if97::kT13_K + kSlack_K);
            return singleState(r.props, r.converged);
        }
        case Region::Two: {
            const double t0 = if97::region2TemperaturePS(p, s_kJkgK);
            const auto r = if97::solveGibbsTemperatureForS(
                Region::Two, p, s_kJkgK, t0, if97::kTmin_K - kSlack_K, if97::kT25_K + kSlack_K);
            return singleState(r.props, r.converged);
        }
        case Region::Five: {
            const auto r = if97::solveGibbsTemperatureForS(Region::Five, p, s_kJkgK, 1500.0,
                                                           if97::kT25_K - kSlack_K, if97::kTmax_K);
            return singleState(r.props, r.converged);
        }
        case Region::Three: {
            const double rho0 = 1.0 / if97::region3VolumePS(p, s_kJkgK);
            const double t0 = if97::region3TemperaturePS(p, s_kJkgK);
            const auto r = if97::solveRegion3(if97::Region3Pair::PS, p, s_kJkgK, rho0, t0);
            return singleState(r.props, r.converged);
        }
        case Region::Four:
            break;
    }
    return twoPhaseFrom(p, s_kJkgK, [](const Properties& q) { return q.s_kJkgK; });
}

WaterState if97StateHS(double h_kJkg, double s_kJkgK) {
    const if97::RegionChoice where = if97::regionHS(h_kJkg, s_kJkgK);
    if (where.status != Status::Ok) return emptyState(where.status);
    if97::Solved r;
    switch (where.region) {
        case Region::One: {
            const double p0 = if97::region1PressureHS(h_kJkg, s_kJkgK);
            const double t0 = if97::region1TemperaturePH(p0, h_kJkg);
            r = if97::solveGibbsPTForHS(Region::One, h_kJkg, s_kJkgK, p0, t0);
            break;
        }
        case Region::Two:
        case Region::Five: {
            const double p0 = if97::region2PressureHS(h_kJkg, s_kJkgK);
            const double t0 = if97::region2TemperaturePH(p0, h_kJkg);
            r = if97::solveGibbsPTForHS(Region::Two, h_kJkg, s_kJkgK, p0, t0);
            if (!r.converged || r.props.t_K > if97::kT25_K) r = region5HS(h_kJkg, s_kJkgK);
            break;
        }
        case Region::Three: {
            const double p0 = if97::region3PressureHS(h_kJkg, s_kJkgK);
            const double rho0 = 1.0 / if97::region3VolumePH(p0, h_kJkg);
            const double t0 = if97::region3TemperaturePH(p0, h_kJkg);
            r = if97::solveRegion3(if97::Region3Pair::HS, h_kJkg, s_kJkgK, rho0, t0);
            break;
        }
        case Region::Four: {
            const double t = if97::twoPhaseTemperatureHS(h_kJkg, s_kJkgK);
            if (!std::isfinite(t)) {
                // No saturation temperature in range: the pair lies below the
                // 273.15 K line or names no state.
                return emptyState(s_kJkgK < 9.155759395 ? Status::BelowMinimumTemperature
                                                        : Status::NoSolution);
            }
            const double p = if97::saturationPressure(t);
            const if97::SaturatedPhases sat = if97::saturatedPhases(p, t);
            const double x = (h_kJkg - sat.liquid.h_kJkg) / (sat.vapour.h_kJkg - sat.liquid.h_kJkg);
            return twoPhaseState(p, t, std::clamp(x, 0.0, 1.0));
        }
    }
    const Status range = rangeOf(r.props.p_MPa, r.props.t_K);
    if (r.converged && range == Status::Ok) return singleState(r.props, true);
    // A pair beyond the range often cannot be solved in the region it was
    // placed in. Above the 100 MPa isobar h exceeds h(100 MPa, s); an entropy
    // below every state at 100 MPa lies below 273.15 K; otherwise where the
    // iteration stopped names the limit crossed.
    const WaterState top = if97StatePS(1e3 * if97::kPmax_MPa, s_kJkgK);
    if (top.status == Status::Ok && h_kJkg > top.mixture.h_kJkg) {
        return emptyState(Status::AboveMaximumPressure);
    }
    if (top.status == Status::BelowMinimumTemperature) return emptyState(top.status);
    if (range != Status::Ok) return emptyState(range);
    return emptyState(Status::NotConverged);
}

WaterState if97StateTX(double t_K, double quality) {
    if (!std::isfinite(t_K) || t_K <= 0.0 || !std::isfinite(quality)) {
        return emptyState(Status::InvalidInput);
    }
    if (t_K < if97::kTmin_K) return emptyState(Status::BelowMinimumTemperature);
    if (t_K > if97::kTc_K) return emptyState(Status::NotTwoPhase);
    if (quality < 0.0 || quality > 1.0) return emptyState(Status::QualityOutOfRange);
    return twoPhaseState(if97::saturationPressure(t_K), t_K, quality);
}

WaterState if97StatePX(double p_kPa, double quality) {
    const double p = 1e-3 * p_kPa;
    if (!std::isfinite(p) || p <= 0.0 || !std::isfinite(quality)) {
        return emptyState(Status::InvalidInput);
    }
    if (p < if97::kPsatTmin_MPa * (1.0 - 1e-12)) return emptyState(Status::BelowMinimumPressure);
    if (p > if97::kPc_MPa) return emptyState(Status::NotTwoPhase);
    if (quality < 0.0 || quality > 1.0) return emptyState(Status::QualityOutOfRange);
    return twoPhaseState(p, if97::saturationTemperature(p), quality);
}

}  // namespace chemeng::water
