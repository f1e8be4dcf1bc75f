#include "water/iapws95_properties.h"

#include <cmath>
#include <limits>

#include "water/helmholtz_ideal.h"
#include "water/helmholtz_residual.h"
#include "water/iapws95_constants.h"

namespace chemeng::water {
namespace {

constexpr double kR = iapws95::kGasConstant_kJkgK;
constexpr double kTc = iapws95::kCriticalTemperature_K;
constexpr double kRhoC = iapws95::kCriticalDensity_kgm3;
constexpr double kRTc = iapws95::kGasConstant_kJkgK * iapws95::kCriticalTemperature_K;

}  // namespace

double Iapws95Point::t_K() const {
    return kTc / tau;
}
double Iapws95Point::rho_kgm3() const {
    return delta * kRhoC;
}
// p = ρ R T (1 + δ φʳ_δ)
double Iapws95Point::p_kPa() const {
    return rho_kgm3() * kR * t_K() * (1.0 + delta * residual.d);
}
// u = R T τ (φ°_τ + φʳ_τ) = R Tc (φ°_τ + φʳ_τ)
double Iapws95Point::u_kJkg() const {
    return kRTc * (ideal.t + residual.t);
}
// h = R T (1 + τ (φ°_τ + φʳ_τ) + δ φʳ_δ)
double Iapws95Point::h_kJkg() const {
    return kR * t_K() * (1.0 + delta * residual.d) + u_kJkg();
}
// s = R (τ (φ°_τ + φʳ_τ) − φ° − φʳ)
double Iapws95Point::s_kJkgK() const {
    return kR * (tau * (ideal.t + residual.t) - ideal.phi - residual.phi);
}
double Iapws95Point::cv_kJkgK() const {
    return -kR * tau * tau * (ideal.tt + residual.tt);
}
double Iapws95Point::cp_kJkgK() const {
    const double a = 1.0 + delta * residual.d - delta * tau * residual.dt;
    const double b = 1.0 + 2.0 * delta * residual.d + delta * delta * residual.dd;
    return cv_kJkgK() + kR * a * a / b;
}
// w² = R T [1 + 2δφʳ_δ + δ²φʳ_δδ − (1 + δφʳ_δ − δτφʳ_δτ)² / (τ² φ_ττ)], R in J/(kg K).
double Iapws95Point::w_ms() const {
    const double a = 1.0 + delta * residual.d - delta * tau * residual.dt;
    const double b = 1.0 + 2.0 * delta * residual.d + delta * delta * residual.dd;
    const double c = tau * tau * (ideal.tt + residual.tt);
    const double w2 = 1000.0 * kR * t_K() * (b - a * a / c);
    return w2 > 0.0 ? std::sqrt(w2) : std::numeric_limits<double>::quiet_NaN();
}
// μ_JT = −(δφʳ_δ + δ²φʳ_δδ + δτφʳ_δτ) / ((1 + δφʳ_δ − δτφʳ_δτ)² − τ²φ_ττ (1 + 2δφʳ_δ + δ²φʳ_δδ)) /
// (Rρ)
double Iapws95Point::jouleThomson_KperkPa() const {
    const double a = 1.0 + delta * residual.d - delta * tau * residual.dt;
    const double b = 1.0 + 2.0 * delta * residual.d + delta * delta * residual.dd;
    const double c = tau * tau * (ideal.tt + residual.tt);
    const double num = delta * residual.d + delta * delta * residual.dd + delta * tau * residual.dt;
    return -num / ((a * a - c * b) * kR * rho_kgm3());
}
double Iapws95Point::dpdrho_T() const {
    return kR * t_K() * (1.0 + 2.0 * delta * residual.d + delta * delta * residual.dd);
}
double Iapws95Point::dpdT_rho() const {
    return rho_kgm3() * kR * (1.0 + delta * residual.d - delta * tau * residual.dt);
}
// p = ρc R Tc δ (1 + δφʳ_δ) / τ
double Iapws95Point::dp_ddelta() const {
    return kRhoC * kRTc / tau * (1.0 + 2.0 * delta * residual.d + delta * delta * residual.dd);
}
double Iapws95Point::dp_dtau() const {
    return kRhoC * kRTc * delta *
           (-(1.0 + delta * residual.d) / (tau * tau) + delta * residual.dt / tau);
}
// h = R Tc (1/τ + φ°_τ + φʳ_τ + δφʳ_δ/τ)
double Iapws95Point::dh_ddelta() const {
    return kRTc * (residual.dt + (residual.d + delta * residual.dd) / tau);
}
double Iapws95Point::dh_dtau() const {
    return kRTc * (-(1.0 + delta * residual.d) / (tau * tau) + ideal.tt + residual.tt +
                   delta * residual.dt / tau);
}
double Iapws95Point::ds_ddelta() const {
    return kR * (tau * residual.dt - 1.0 / delta - residual.d);
}
double Iapws95Point::ds_dtau() const {
    return kR * tau * (ideal.tt + residual.tt);
}
double Iapws95Point::du_ddelta() const {
    return kRTc * residual.dt;
}
double Iapws95Point::du_dtau() const {
    return kRTc * (ideal.tt + residual.tt);
}

Iapws95Point evaluateIapws95(double delta, double tau, bool withEntropy) {
    Iapws95Point point;
    point.delta = delta;
    point.tau = tau;
    point.ideal = HelmholtzIdeal(delta, tau, {.phi = withEntropy, .t = true, .tt = true});
    point.residual = HelmholtzResidual(
        delta, tau, {.phi = withEntropy, .d = true, .t = true, .dd = true, .tt = true, .dt = true});
    return point;
}

Iapws95Point evaluateIapws95Pressure(double delta, double tau) {
    Iapws95Point point;
    point.delta = delta;
    point.tau = tau;
    point.residual = HelmholtzResidual(delta, tau, {.d = true, .dd = true});
    return point;
}

PhaseProperties iapws95Properties(const Iapws95Point& point) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    PhaseProperties out;
    out.t_K = point.t_K();
    out.rho_kgm3 = point.rho_kgm3();
    out.v_m3kg = 1.0 / out.rho_kgm3;
    out.p_kPa = point.p_kPa();
    out.u_kJkg = point.u_kJkg();
    out.h_kJkg = point.h_kJkg();
    out.s_kJkgK = point.s_kJkgK();
    out.cv_kJkgK = point.cv_kJkgK();
    out.cp_kJkgK = point.cp_kJkgK();
    out.w_ms = point.w_ms();
    out.jouleThomson_KperkPa = point.jouleThomson_KperkPa();
    out.isentropicExponent = out.w_ms * out.w_ms * out.rho_kgm3 / (1000.0 * out.p_kPa);
    out.viscosity_Pas = nan;
    out.kinematicViscosity_m2s = nan;
    out.thermalConductivity_WmK = nan;
    out.prandtl = nan;
    return out;
}

PhaseProperties iapws95Properties(double t_K, double rho_kgm3) {
    return iapws95Properties(evaluateIapws95(rho_kgm3 / kRhoC, kTc / t_K));
}

}  // namespace chemeng::water
