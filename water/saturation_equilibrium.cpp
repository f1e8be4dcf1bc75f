#include "water/saturation_equilibrium.h"

#include <cmath>

#include "water/helmholtz_ideal.h"
#include "water/helmholtz_residual.h"
#include "water/iapws95_constants.h"
#include "water/saturation_auxiliary.h"

namespace chemeng {
namespace {

using Real = long double;

constexpr int kMaxIterations = 60;
// Newton stops once both residuals are this small, well inside the tolerance.
constexpr Real kTargetResidual = 1e-14L;

// With φʳ and its δ derivatives at one phase:
//   J = δ (1 + δ φʳ_δ) = p / (ρc R T),  K = δ φʳ_δ + φʳ + ln δ = g / (RT) − 1 − (φ° − ln δ),
// so equal J and equal K mean equal pressure and equal Gibbs energy.
struct PhaseFunctions {
    Real J;
    Real K;
    Real dJ;
    Real dK;
};

PhaseFunctions phaseFunctions(Real delta, Real tau) {
    const HelmholtzParts<Real> r =
        HelmholtzResidual(delta, tau, HelmholtzSelection{.phi = true, .d = true, .dd = true});
    PhaseFunctions f;
    f.J = delta * (1 + delta * r.d);
    f.K = delta * r.d + r.phi + std::log(delta);
    f.dJ = 1 + 2 * delta * r.d + delta * delta * r.dd;
    f.dK = f.dJ / delta;
    return f;
}

struct PhaseEnergies {
    Real u_kJkg;
    Real h_kJkg;
};

PhaseEnergies energies(Real delta, Real tau, Real RT) {
    const HelmholtzParts<Real> ideal = HelmholtzIdeal(delta, tau, HelmholtzSelection{.t = true});
    const HelmholtzParts<Real> residual =
        HelmholtzResidual(delta, tau, HelmholtzSelection{.d = true, .t = true});
    const Real uOverRT = tau * (ideal.t + residual.t);
    return {uOverRT * RT, (1 + uOverRT + delta * residual.d) * RT};
}

}  // namespace

PhaseEquilibrium solvePhaseEquilibrium(double T_K) {
    PhaseEquilibrium out;
    out.T_K = T_K;
    const double theta = T_K / iapws95::kCriticalTemperature_K;
    if (!(theta > 0.0 && theta < 1.0)) return out;

    const Real tau = static_cast<Real>(iapws95::kCriticalTemperature_K) / static_cast<Real>(T_K);
    Real liquid = static_cast<Real>(SatLiquidDensityAux(theta));
    Real vapour = static_cast<Real>(SatVapourDensityAux(theta));

    // Newton's method converges in a few steps; near the triple point the
    // liquid's J is only known to about 1e-11 relative (rounding in the sum of
    // large terms), so the iteration also ends when it stops improving, and
    // the best state seen is kept.
    PhaseFunctions fl = phaseFunctions(liquid, tau);
    PhaseFunctions fv = phaseFunctions(vapour, tau);
    const auto residual = [](const PhaseFunctions& l, const PhaseFunctions& v) {
        return std::fmax(std::fabs(v.J - l.J) / v.J, std::fabs(v.K - l.K));
    };
    struct Candidate {
        Real liquid, vapour, residual;
        PhaseFunctions fl, fv;
    };
    Candidate best{liquid, vapour, residual(fl, fv), fl, fv};
    int iteration = 0;
    int stalled = 0;
    for (; iteration < kMaxIterations && best.residual > kTargetResidual && stalled < 3;
         ++iteration) {
        const Real dJ = fv.J - fl.J;
        const Real dK = fv.K - fl.K;
        const Real det = fv.dJ * fl.dK - fl.dJ * fv.dK;
        liquid += (dK * fv.dJ - dJ * fv.dK) / det;
        vapour += (dK * fl.dJ - dJ * fl.dK) / det;
        if (!(liquid > vapour && vapour > 0)) break;
        fl = phaseFunctions(liquid, tau);
        fv = phaseFunctions(vapour, tau);
        const Real r = residual(fl, fv);
        if (r < best.residual) {
            best = {liquid, vapour, r, fl, fv};
            stalled = 0;
        } else {
            ++stalled;
        }
    }
    out.iterations = iteration;
    liquid = best.liquid;
    vapour = best.vapour;
    fl = best.fl;
    fv = best.fv;
    if (!(liquid > vapour && vapour > 0)) return out;

    const Real R = static_cast<Real>(iapws95::kGasConstant_kJkgK);
    const Real RT = R * static_cast<Real>(T_K);
    const Real rhoC = static_cast<Real>(iapws95::kCriticalDensity_kgm3);
    // p = ρc R T J; the vapour's J is the better conditioned of the two.
    const Real pVapour_kPa = rhoC * RT * fv.J;
    const Real pLiquid_kPa = rhoC * RT * fl.J;
    const PhaseEnergies el = energies(liquid, tau, RT);
    const PhaseEnergies ev = energies(vapour, tau, RT);

    out.p_MPa = static_cast<double>(pVapour_kPa / 1000);
    out.rhoLiquid_kgm3 = static_cast<double>(liquid * rhoC);
    out.rhoVapour_kgm3 = static_cast<double>(vapour * rhoC);
    out.hLiquid_kJkg = static_cast<double>(el.h_kJkg);
    out.hVapour_kJkg = static_cast<double>(ev.h_kJkg);
    out.uLiquid_kJkg = static_cast<double>(el.u_kJkg);
    out.uVapour_kJkg = static_cast<double>(ev.u_kJkg);
    out.pressureMismatch = static_cast<double>(std::fabs(pLiquid_kPa - pVapour_kPa) / pVapour_kPa);
    out.gibbsMismatch = static_cast<double>(std::fabs(fl.K - fv.K));
    out.converged =
        out.pressureMismatch <= kEquilibriumTolerance && out.gibbsMismatch <= kEquilibriumTolerance;
    return out;
}

}  // namespace chemeng
