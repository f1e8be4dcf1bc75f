// IFC-67 subregion 3 (near the critical point) from its reduced Helmholtz
// function ψ3(χ, θ), in English units. The group of terms in
// w = (1 - θ)/(1 - θ1), θ1 = 623.15/647.3, is what the formulation calls
// subregion 4; it applies on the liquid side below the critical temperature.
#include <array>
#include <cmath>

#include "water/ifc67_formulation.h"
#include "water/ifc67_units.h"

namespace chemeng {
namespace {

using namespace ifc67;

// The 1967 IFC Formulation for Industrial Use, subregion 3 (dimensionless).
// Each group (θ - 1)^i [Ci1 χ + Σ Ciν χ^(1-ν) + Ci,last ln χ]: the χ
// coefficient, the coefficients of χ^-1, χ^-2, …, and the ln χ coefficient.
struct ChiGroup {
    double linear;
    std::array<double, 10> inverse;  // χ^-1 … χ^-10
    int inverseCount;
    double logarithm;
};
constexpr double kC00 = -6.8399;
constexpr std::array<ChiGroup, 4> kGroups = {{
    // i = 0: C01, C02 … C011, C012
    {-1.7226042e-2,
     {-7.77175039, 4.20460752, -2.76807038, 2.10419707, -1.14649588, 2.23138085e-1, 1.16250363e-1,
      -8.20900544e-2, 1.94129239e-2, -1.69470576e-3},
     10,
     -4.311577033},
    // i = 1: C11, C12 … C16, C17
    {7.08636085e-1,
     {1.23679455e1, -1.20389004e1, 5.40437422, -9.93865043e-1, 6.27523182e-2},
     5,
     -7.74743016},
    // i = 2: C21, C22 … C27, C28
    {-4.29885092,
     {4.31430538e1, -1.41619313e1, 4.04172459, 1.55546326, -1.66568935, 3.24881158e-1},
     6,
     2.93655325e1},
    // i = 3: C31, C32 … C39, C310
    {7.94841842e-6,
     {8.08859747e1, -8.36153380e1, 3.58636517e1, 7.51895954, -1.26160640e1, 1.09717462, 2.12145492,
      -5.46529566e-1},
     8,
     8.32875413},
}};
static_assert(kGroups.size() == 4);

// (C40 + C41 χ^-5) θ^-23 (θ - 1) and C50 θ ln θ.
constexpr double kC40 = 2.75971776e-6;
constexpr double kC41 = -5.09073985e-4;
constexpr double kC50 = 2.10636332e2;
// χ^6 Σ C6ν θ^-(ν+2), ν = 0 … 4.
constexpr std::array<double, 5> kC6 = {
    5.528935335e-2, -2.336365955e-1, 3.697071420e-1, -2.596415470e-1, 6.828087013e-2,
};
static_assert(kC6.size() == 5);
// Σ C7ν (θ - 1)^(ν+1), ν = 0 … 8.
constexpr std::array<double, 9> kC7 = {
    -2.571600553e2, -1.518783715e2, 2.220723208e1,  -1.802039570e2, 2.357096220e3,
    -1.462335698e4, 4.542916630e4,  -7.053556432e4, 4.381571428e4,
};
static_assert(kC7.size() == 9);
// w³ Σ D3ν χ^-ν + w⁴ Σ D4ν χ^-ν (ν = 0 … 4) + w^32 Σ D5ν χ^ν (ν = 0 … 2).
constexpr std::array<double, 5> kD3 = {
    -1.717616747, 3.526389875, -2.690899373, 9.070982605e-1, -1.138791156e-1,
};
constexpr std::array<double, 5> kD4 = {
    1.301023613, -2.642777743, 1.996765362, -6.661557013e-1, 8.270860589e-2,
};
constexpr std::array<double, 3> kD5 = {3.426663535e-4, -1.236521258e-3, 1.155018309e-3};
static_assert(kD3.size() == 5 && kD4.size() == 5 && kD5.size() == 3);

// 1/(1 - θ1) with θ1 = 623.15 K / 647.3 K.
constexpr double kWFactor = 26.80331262939956;

constexpr double kMinVolume_ft3lb = 0.0207;
constexpr double kMaxVolume_ft3lb = 0.143;
constexpr double kMinTemperature_F = 636.0;
constexpr double kMaxTemperature_F = 1124.45;

// A group G(χ) and its derivative G'(χ).
struct GroupValue {
    double value;
    double slope;
};

GroupValue evaluateGroup(const ChiGroup& group, double chi, double invChi, double lnChi) {
    GroupValue g{group.linear * chi + group.logarithm * lnChi,
                 group.linear + group.logarithm * invChi};
    double power = 1.0;
    for (int k = 0; k < group.inverseCount; ++k) {
        const double c = group.inverse[static_cast<std::size_t>(k)];
        power *= invChi;  // χ^-(k+1)
        g.value += c * power;
        g.slope -= static_cast<double>(k + 1) * c * power * invChi;
    }
    return g;
}

}  // namespace

double Subregion3Property(double v_ft3lb, double t_F, PropertyKind kind, Ifc67Context& context) {
    if (!(v_ft3lb >= kMinVolume_ft3lb && v_ft3lb <= kMaxVolume_ft3lb) ||
        !(t_F >= kMinTemperature_F && t_F <= kMaxTemperature_F)) {
        context.raiseFormulationError();
        return 0.0;
    }
    const double theta = reducedTemperature(t_F);
    const double chi = v_ft3lb * kInverseReducingVolume_lbft3;
    const double invChi = 1.0 / chi;
    const double lnChi = std::log(chi);
    const double lnTheta = std::log(theta);
    const double q = theta - 1.0;

    // ψ = G0 + q G1 + q² G2 + q³ G3 + …, with its χ and θ derivatives.
    const GroupValue g0 = evaluateGroup(kGroups[0], chi, invChi, lnChi);
    const GroupValue g1 = evaluateGroup(kGroups[1], chi, invChi, lnChi);
    const GroupValue g2 = evaluateGroup(kGroups[2], chi, invChi, lnChi);
    const GroupValue g3 = evaluateGroup(kGroups[3], chi, invChi, lnChi);
    double psi = kC00 + g0.value + q * (g1.value + q * (g2.value + q * g3.value));
    double psiChi = g0.slope + q * (g1.slope + q * (g2.slope + q * g3.slope));
    double psiTheta = g1.value + q * (2.0 * g2.value + q * 3.0 * g3.value);

    const double invTheta = 1.0 / theta;
    const double invTheta2 = invTheta * invTheta;
    const double invTheta4 = invTheta2 * invTheta2;
    const double invTheta8 = invTheta4 * invTheta4;
    const double invTheta16 = invTheta8 * invTheta8;
    const double invTheta23 = invTheta16 * invTheta4 * invTheta2 * invTheta;
    const double invChi2 = invChi * invChi;
    const double invChi5 = invChi2 * invChi2 * invChi;
    const double c4 = kC40 + kC41 * invChi5;
    psi += c4 * invTheta23 * q;
    psiChi -= 5.0 * kC41 * invChi5 * invChi * invTheta23 * q;
    psiTheta += c4 * invTheta23 * invTheta * (23.0 - 22.0 * theta);

    psi += kC50 * theta * lnTheta;
    psiTheta += kC50 * (1.0 + lnTheta);

    const double chi2 = chi * chi;
    const double chi5 = chi2 * chi2 * chi;
    const double chi6 = chi5 * chi;
    double c6 = 0.0;
    double c6Theta = 0.0;
    double thetaPow = invTheta2;  // θ^-(ν+2)
    for (std::size_t nu = 0; nu < kC6.size(); ++nu) {
        c6 += kC6[nu] * thetaPow;
        c6Theta -= static_cast<double>(nu + 2) * kC6[nu] * thetaPow * invTheta;
        thetaPow *= invTheta;
    }
    psi += chi6 * c6;
    psiChi += 6.0 * chi5 * c6;
    psiTheta += chi6 * c6Theta;

    double qPow = 1.0;  // q^ν
    for (std::size_t nu = 0; nu < kC7.size(); ++nu) {
        psiTheta += static_cast<double>(nu + 1) * kC7[nu] * qPow;
        qPow *= q;
        psi += kC7[nu] * qPow;
    }

    // The liquid-side group vanishes at and above the critical temperature and volume.
    if (theta < 1.0 && chi < 1.0) {
        const double w = (1.0 - theta) * kWFactor;
        const double w2 = w * w;
        const double w3 = w2 * w;
        const double w4 = w2 * w2;
        const double w8 = w4 * w4;
        const double w16 = w8 * w8;
        const double w31 = w16 * w8 * w4 * w3;
        const double w32 = w31 * w;
        double d3 = 0.0, d3Chi = 0.0, d4 = 0.0, d4Chi = 0.0;
        double chiPow = 1.0;  // χ^-ν
        for (std::size_t nu = 0; nu < kD3.size(); ++nu) {
            d3 += kD3[nu] * chiPow;
            d4 += kD4[nu] * chiPow;
            d3Chi -= static_cast<double>(nu) * kD3[nu] * chiPow * invChi;
            d4Chi -= static_cast<double>(nu) * kD4[nu] * chiPow * invChi;
            chiPow *= invChi;
        }
        const double d5 = kD5[0] + chi * (kD5[1] + chi * kD5[2]);
        const double d5Chi = kD5[1] + 2.0 * chi * kD5[2];
        psi += w3 * d3 + w4 * d4 + w32 * d5;
        psiChi += w3 * d3Chi + w4 * d4Chi + w32 * d5Chi;
        psiTheta -= (3.0 * w2 * d3 + 4.0 * w3 * d4 + 32.0 * w31 * d5) * kWFactor;
    }

    switch (kind) {
        case PropertyKind::Volume:
            return kCriticalPressure_psia * -psiChi;
        case PropertyKind::Enthalpy:
            return kEnthalpyScale_Btulb * (psi - theta * psiTheta - chi * psiChi);
        case PropertyKind::Entropy:
            return kEntropyScale_BtulbR * -psiTheta;
    }
    return 0.0;
}

}  // namespace chemeng
