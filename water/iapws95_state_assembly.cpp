#include "water/iapws95_state_assembly.h"

#include <cmath>
#include <limits>

#include "water/iapws95_constants.h"
#include "water/melting_sublimation.h"
#include "water/surface_tension.h"
#include "water/transport_properties.h"

namespace chemeng::water {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTc = iapws95::kCriticalTemperature_K;
constexpr double kPc = iapws95::kCriticalPressure_kPa;
constexpr double kRhoC = iapws95::kCriticalDensity_kgm3;

PhaseProperties nanProperties() {
    return {kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN,
            kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
}

PhaseProperties withTransport(const Iapws95Point& point) {
    PhaseProperties out = iapws95Properties(point);
    const TransportProperties transport = transportProperties(point);
    out.viscosity_Pas = transport.viscosity_Pas;
    out.kinematicViscosity_m2s = transport.kinematicViscosity_m2s;
    out.thermalConductivity_WmK = transport.thermalConductivity_WmK;
    out.prandtl = transport.prandtl;
    return out;
}

}  // namespace

Status iapws95RangeStatus(double t_K, double p_kPa) {
    if (!std::isfinite(t_K) || !std::isfinite(p_kPa)) return Status::NoSolution;
    // A solved state on a limit carries the rounding of its iteration.
    if (t_K > kHighestTemperature_K * (1.0 + 1e-12)) return Status::AboveMaximumTemperature;
    if (p_kPa > kHighestPressure_kPa * (1.0 + 1e-9)) return Status::AboveMaximumPressure;
    if (!isStableFluid(t_K, p_kPa)) return Status::BelowMinimumTemperature;
    return Status::Ok;
}

WaterState failedState(Status status) {
    WaterState out;
    out.status = status;
    out.quality = kNaN;
    out.mixture = nanProperties();
    out.liquid = nanProperties();
    out.vapour = nanProperties();
    out.surfaceTension_Nm = kNaN;
    return out;
}

WaterState singlePhaseState(const Iapws95Point& point, bool liquidSide) {
    const double t = point.t_K();
    const double p = point.p_kPa();
    const Status range = iapws95RangeStatus(t, p);
    if (range != Status::Ok) return failedState(range);
    WaterState out = failedState(Status::Ok);
    out.mixture = withTransport(point);
    if (t >= kTc) {
        out.phase = p >= kPc ? Phase::Supercritical : Phase::Vapour;
    } else {
        out.phase = liquidSide ? Phase::Liquid : Phase::Vapour;
    }
    out.quality = out.phase == Phase::Liquid ? 0.0 : out.phase == Phase::Vapour ? 1.0 : kNaN;
    return out;
}

WaterState twoPhaseState(const Saturation& sat, double quality) {
    if (sat.status != Status::Ok) return failedState(sat.status);
    const double tau = kTc / sat.t_K;
    WaterState out = failedState(Status::Ok);
    out.phase = Phase::TwoPhase;
    out.quality = quality;
    out.liquid = withTransport(evaluateIapws95(sat.rhoLiquid_kgm3 / kRhoC, tau));
    out.vapour = withTransport(evaluateIapws95(sat.rhoVapour_kgm3 / kRhoC, tau));
    out.liquid.p_kPa = sat.p_kPa;
    out.vapour.p_kPa = sat.p_kPa;
    const auto mix = [quality](double liquid, double vapour) {
        return liquid + quality * (vapour - liquid);
    };
    PhaseProperties& m = out.mixture;
    m.t_K = sat.t_K;
    m.p_kPa = sat.p_kPa;
    m.v_m3kg = mix(out.liquid.v_m3kg, out.vapour.v_m3kg);
    m.rho_kgm3 = 1.0 / m.v_m3kg;
    m.u_kJkg = mix(out.liquid.u_kJkg, out.vapour.u_kJkg);
    m.h_kJkg = mix(out.liquid.h_kJkg, out.vapour.h_kJkg);
    m.s_kJkgK = mix(out.liquid.s_kJkgK, out.vapour.s_kJkgK);
    out.surfaceTension_Nm = surfaceTension_Nm(sat.t_K);
    return out;
}

}  // namespace chemeng::water
