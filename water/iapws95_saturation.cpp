#include "water/iapws95_saturation.h"

#include <cmath>

#include "water/helmholtz_residual.h"
#include "water/iapws95_constants.h"
#include "water/saturation_auxiliary.h"
#include "water/saturation_equilibrium.h"

namespace chemeng::water {
namespace {

constexpr double kTc = iapws95::kCriticalTemperature_K;
constexpr double kRhoC = iapws95::kCriticalDensity_kgm3;
constexpr double kPc = iapws95::kCriticalPressure_kPa;
constexpr double kRTc = iapws95::kGasConstant_kJkgK * iapws95::kCriticalTemperature_K;
constexpr int kMaxSteps = 40;
// Newton ends once no density or temperature moves by more than this
// relative amount; quadratic convergence leaves the next step far smaller.
// Newton converges quadratically here: after a step of relative size 1e-9
// the error left is of order 1e-18, so that step is the last one.
constexpr double kStepTolerance = 1e-9;
// Close to Tc the two conditions become nearly dependent and rounding holds
// the densities to about 1e-11 relative (1e-9 within millikelvins); once the
// steps stop shrinking below this size the noise floor has been reached.
constexpr double kNoiseFloorStep = 1e-7;

// Converged when the largest relative step is tiny, or small and no longer
// shrinking quadratically.
bool settled(double step, double previousStep) {
    return step <= kStepTolerance || (step <= kNoiseFloorStep && step > 0.25 * previousStep);
}

// Per phase: J = δ(1 + δφʳ_δ) = p τ / (ρc R Tc) and
// K = δφʳ_δ + φʳ + ln δ (the part of g/RT that differs between the phases),
// with their derivatives in δ and τ.
struct PhaseFunctions {
    double J, K, Jd, Kd, Jt, Kt;
};

PhaseFunctions phaseFunctions(double delta, double tau, bool withTau) {
    const HelmholtzValues r = HelmholtzResidual(
        delta, tau, {.phi = true, .d = true, .t = withTau, .dd = true, .dt = withTau});
    PhaseFunctions f{};
    f.J = delta * (1.0 + delta * r.d);
    f.K = delta * r.d + r.phi + std::log(delta);
    f.Jd = 1.0 + 2.0 * delta * r.d + delta * delta * r.dd;
    f.Kd = f.Jd / delta;
    f.Jt = delta * delta * r.dt;
    f.Kt = delta * r.dt + r.t;
    return f;
}

// Within this distance of Tc the double-precision iteration loses digits
// (1e-9 relative at 6 mK, no convergence within 0.1 mK); the
// extended-precision solver of the saturation table takes over.
constexpr double kExtendedPrecisionBand_K = 0.05;

Saturation extendedPrecision(double t_K) {
    const PhaseEquilibrium e = solvePhaseEquilibrium(t_K);
    if (!e.converged) return {.status = Status::NotConverged, .t_K = t_K};
    return {Status::Ok, t_K, e.p_MPa * 1000.0, e.rhoLiquid_kgm3, e.rhoVapour_kgm3};
}

// p(T) near Tc by Newton with the Clapeyron slope dp/dT = Δh / (T Δv),
// each step one extended-precision equilibrium.
Saturation extendedPrecisionAtPressure(double p_kPa, double t_K) {
    for (int iteration = 0; iteration < 30; ++iteration) {
        const PhaseEquilibrium e = solvePhaseEquilibrium(t_K);
        if (!e.converged) break;
        const double p = e.p_MPa * 1000.0;
        const double slope = (e.hVapour_kJkg - e.hLiquid_kJkg) /
                             (t_K * (1.0 / e.rhoVapour_kgm3 - 1.0 / e.rhoLiquid_kgm3));
        double next = t_K - (p - p_kPa) / slope;
        if (!(next < kTc)) next = 0.5 * (t_K + kTc);
        if (std::fabs(next - t_K) <= 1e-13 * t_K || p == p_kPa) {
            return {Status::Ok, t_K, p_kPa, e.rhoLiquid_kgm3, e.rhoVapour_kgm3};
        }
        t_K = next;
    }
    return {.status = Status::NotConverged, .p_kPa = p_kPa};
}

bool finitePositive(double x) {
    return std::isfinite(x) && x > 0.0;
}

Saturation finish(double tau, double dl, double dv, const PhaseFunctions& fv) {
    Saturation out;
    out.t_K = kTc / tau;
    out.p_kPa = kRhoC * kRTc * fv.J / tau;  // the vapour's J is the better conditioned
    out.rhoLiquid_kgm3 = dl * kRhoC;
    out.rhoVapour_kgm3 = dv * kRhoC;
    return out;
}

}  // namespace

Saturation saturationAtTemperature(double t_K) {
    Saturation out;
    out.t_K = t_K;
    if (std::isnan(t_K)) return {.status = Status::InvalidInput};
    if (t_K < kTriplePointTemperature_K) return {.status = Status::BelowMinimumTemperature};
    if (!(t_K < kTc)) return {.status = Status::NotTwoPhase};
    if (t_K > kTc - kExtendedPrecisionBand_K) return extendedPrecision(t_K);
    const double theta = t_K / kTc;
    const double tau = kTc / t_K;
    double dl = SatLiquidDensityAux(theta);
    double dv = SatVapourDensityAux(theta);
    double previousStep = 1.0;
    // Newton on J′ = J″, K′ = K″ in (δ′, δ″).
    for (int iteration = 0; iteration < kMaxSteps; ++iteration) {
        const PhaseFunctions fl = phaseFunctions(dl, tau, false);
        const PhaseFunctions fv = phaseFunctions(dv, tau, false);
        const double dJ = fv.J - fl.J;
        const double dK = fv.K - fl.K;
        const double det = fv.Jd * fl.Kd - fl.Jd * fv.Kd;
        const double stepL = (dK * fv.Jd - dJ * fv.Kd) / det;
        const double stepV = (dK * fl.Jd - dJ * fl.Kd) / det;
        // Keep each density inside its own branch: halve steps that would
        // cross the critical density or leave the positive axis.
        double newL = dl + stepL;
        double newV = dv + stepV;
        if (!(newL > 1.0)) newL = 0.5 * (dl + 1.0);
        if (!(newV > 0.0 && newV < 1.0)) newV = newV <= 0.0 ? 0.5 * dv : 0.5 * (dv + 1.0);
        const double step = std::fmax(std::fabs(newL - dl) / dl, std::fabs(newV - dv) / dv);
        const bool done = settled(step, previousStep);
        const double appliedV = newV - dv;
        previousStep = step;
        dl = newL;
        dv = newV;
        if (!finitePositive(dl) || !finitePositive(dv)) break;
        if (done) {
            // The vapour's J carried along the last (tiny) step to first
            // order: off by about step², far below the rounding of p.
            PhaseFunctions moved = fv;
            moved.J += fv.Jd * appliedV;
            out = finish(tau, dl, dv, moved);
            return out;
        }
    }
    return extendedPrecision(t_K);
}

Saturation saturationAtPressure(double p_kPa) {
    if (std::isnan(p_kPa)) return {.status = Status::InvalidInput};
    if (p_kPa < kTriplePointPressure_kPa) return {.status = Status::BelowMinimumPressure};
    if (!(p_kPa < kPc)) return {.status = Status::NotTwoPhase};

    // Start: the 1992 pressure equation inverted by Newton in θ, then the
    // auxiliary densities there.
    const double pi = p_kPa / kPc;
    const double lnPi = std::log(pi);
    double theta = 0.5 * (1.0 + 273.16 / kTc);
    {
        // Clausius-Clapeyron start, ln π ≈ a (1 − 1/θ) with a ≈ 7.8.
        theta = 1.0 / (1.0 - lnPi / 7.83928);
        if (theta > 0.99999) theta = 0.99999;
        for (int step = 0; step < 30; ++step) {
            const ReducedPressure at = SatPressureAux(theta);
            const double change = (std::log(at.pi) - lnPi) / (at.slope / at.pi);
            double next = theta - change;
            if (next >= 1.0) next = 0.5 * (theta + 1.0);
            if (next <= 0.3) next = 0.5 * (theta + 0.3);
            theta = next;
            if (std::fabs(change) < 1e-10) break;
        }
    }
    double tau = 1.0 / theta;
    double dl = SatLiquidDensityAux(theta);
    double dv = SatVapourDensityAux(theta);
    // Newton on J′ = P τ, J″ = P τ, K′ = K″ in (τ, δ′, δ″) with P = p/(ρc R Tc).
    const double P = p_kPa / (kRhoC * kRTc);
    double previousStep = 1.0;
    for (int iteration = 0; iteration < kMaxSteps; ++iteration) {
        const PhaseFunctions fl = phaseFunctions(dl, tau, true);
        const PhaseFunctions fv = phaseFunctions(dv, tau, true);
        // Rows scaled by P τ so that the vapour equation keeps its weight.
        const double scale = 1.0 / (P * tau);
        const double F1 = (fl.J - P * tau) * scale, F2 = (fv.J - P * tau) * scale, F3 = fl.K - fv.K;
        // Jacobian columns: τ, δ′, δ″.
        const double a11 = (fl.Jt - P) * scale, a12 = fl.Jd * scale, a13 = 0.0;
        const double a21 = (fv.Jt - P) * scale, a22 = 0.0, a23 = fv.Jd * scale;
        const double a31 = fl.Kt - fv.Kt, a32 = fl.Kd, a33 = -fv.Kd;
        // Cramer's rule for the 3 × 3 system A x = −F.
        const double det = a11 * (a22 * a33 - a23 * a32) - a12 * (a21 * a33 - a23 * a31) +
                           a13 * (a21 * a32 - a22 * a31);
        const auto solve = [&](double b1, double b2, double b3, int column) {
            double m11 = a11, m12 = a12, m13 = a13, m21 = a21, m22 = a22, m23 = a23, m31 = a31,
                   m32 = a32, m33 = a33;
            if (column == 0) m11 = b1, m21 = b2, m31 = b3;
            if (column == 1) m12 = b1, m22 = b2, m32 = b3;
            if (column == 2) m13 = b1, m23 = b2, m33 = b3;
            return (m11 * (m22 * m33 - m23 * m32) - m12 * (m21 * m33 - m23 * m31) +
                    m13 * (m21 * m32 - m22 * m31)) /
                   det;
        };
        const double stepT = solve(-F1, -F2, -F3, 0);
        const double stepL = solve(-F1, -F2, -F3, 1);
        const double stepV = solve(-F1, -F2, -F3, 2);
        double newT = tau + stepT;
        double newL = dl + stepL;
        double newV = dv + stepV;
        if (!(newT > 1.0)) newT = 0.5 * (tau + 1.0);
        if (!(newL > 1.0)) newL = 0.5 * (dl + 1.0);
        if (!(newV > 0.0 && newV < 1.0)) newV = newV <= 0.0 ? 0.5 * dv : 0.5 * (dv + 1.0);
        const double step =
            std::fmax(std::fabs(newT - tau) / tau,
                      std::fmax(std::fabs(newL - dl) / dl, std::fabs(newV - dv) / dv));
        const bool done = settled(step, previousStep);
        previousStep = step;
        tau = newT;
        dl = newL;
        dv = newV;
        if (!finitePositive(dl) || !finitePositive(dv) || !finitePositive(tau)) break;
        if (done) {
            if (kTc / tau > kTc - kExtendedPrecisionBand_K) {
                return extendedPrecisionAtPressure(p_kPa, kTc / tau);
            }
            Saturation out = finish(tau, dl, dv, fv);
            out.p_kPa = p_kPa;
            return out;
        }
    }
    return extendedPrecisionAtPressure(p_kPa, std::fmin(kTc / tau, kTc - 1e-6));
}

}  // namespace chemeng::water
