#include "water/thermal_conductivity.h"

#include <array>
#include <cmath>
#include <numbers>

#include "water/critical_enhancement.h"
#include "water/iapws95_constants.h"
#include "water/iapws95_properties.h"
#include "water/viscosity.h"

namespace chemeng::water {
namespace {

constexpr double kTc = iapws95::kCriticalTemperature_K;
constexpr double kRhoC = iapws95::kCriticalDensity_kgm3;
constexpr double kR = iapws95::kGasConstant_kJkgK;  // R15-11 reduces cp with the IAPWS-95 R
constexpr double kLambdaStar_WmK = 1.0e-3;
constexpr double kMuStar_Pas = 1.0e-6;

// IAPWS R15-11 Table 1: L_k of the dilute-gas part, dimensionless.
constexpr std::array<double, 5> kL{2.443221e-3, 1.323095e-2, 6.770357e-3, -3.454586e-3,
                                   4.096266e-4};
static_assert(kL.size() == 5, "R15-11 Table 1: five coefficients");

// IAPWS R15-11 Table 2: L_ij, i = 0 … 4 (powers of 1/T̄ − 1) by rows,
// j = 0 … 5 (powers of ρ̄ − 1) by columns.
constexpr std::array<std::array<double, 6>, 5> kLij{{
    {1.60397357, -0.646013523, 0.111443906, 0.102997357, -0.0504123634, 0.00609859258},
    {2.33771842, -2.78843778, 1.53616167, -0.463045512, 0.0832827019, -0.00719201245},
    {2.19650529, -4.54580785, 3.55777244, -1.40944978, 0.275418278, -0.0205938816},
    {-1.21051378, 1.60812989, -0.621178141, 0.0716373224, 0.0, 0.0},
    {-2.7203370, 4.57586331, -3.18369245, 1.1168348, -0.19268305, 0.012913842},
}};
static_assert(kLij.size() == 5 && kLij[0].size() == 6, "R15-11 Table 2: 5 × 6");

// IAPWS R15-11 Table 3: Λ, q_D⁻¹ = 0.40 nm; Z = 0 below y = 1.2e-7.
constexpr double kLambda = 177.8514;
constexpr double kQd_perNm = 1.0 / 0.40;
constexpr double kSmallestY = 1.2e-7;

}  // namespace

double thermalConductivityBackground_WmK(double t_K, double rho_kgm3) {
    const double tr = t_K / kTc;
    const double rr = rho_kgm3 / kRhoC;
    const double inv = 1.0 / tr;
    double sum0 = 0.0;
    for (auto it = kL.rbegin(); it != kL.rend(); ++it) sum0 = sum0 * inv + *it;
    const double lambda0 = std::sqrt(tr) / sum0;
    const double x = inv - 1.0;
    const double y = rr - 1.0;
    double sum = 0.0;
    double xi = 1.0;
    for (const auto& row : kLij) {
        double inner = 0.0;
        for (auto it = row.rbegin(); it != row.rend(); ++it) inner = inner * y + *it;
        sum += xi * inner;
        xi *= x;
    }
    return kLambdaStar_WmK * lambda0 * std::exp(rr * sum);
}

double thermalConductivityEnhancement_WmK(double t_K, double rho_kgm3, double cp_kJkgK,
                                          double cv_kJkgK, double viscosity_Pas, double xi_nm) {
    const double y = kQd_perNm * xi_nm;
    if (!(y >= kSmallestY)) return 0.0;
    const double rr = rho_kgm3 / kRhoC;
    const double kappa = cp_kJkgK / cv_kJkgK;
    const double Z = 2.0 / (std::numbers::pi * y) *
                     (((1.0 - 1.0 / kappa) * std::atan(y) + y / kappa) -
                      (1.0 - std::exp(-1.0 / (1.0 / y + y * y / (3.0 * rr * rr)))));
    const double lambda2 =
        kLambda * rr * (cp_kJkgK / kR) * (t_K / kTc) / (viscosity_Pas / kMuStar_Pas) * Z;
    return kLambdaStar_WmK * lambda2;
}

double thermalConductivity_WmK(double t_K, double rho_kgm3) {
    const Iapws95Point point = evaluateIapws95(rho_kgm3 / kRhoC, kTc / t_K, false);
    const double xi = correlationLength_nm(t_K, rho_kgm3, point.dpdrho_T());
    const double mu = viscosityBackground_Pas(t_K, rho_kgm3) * viscosityEnhancement(xi);
    return thermalConductivityBackground_WmK(t_K, rho_kgm3) +
           thermalConductivityEnhancement_WmK(t_K, rho_kgm3, point.cp_kJkgK(), point.cv_kJkgK(), mu,
                                              xi);
}

}  // namespace chemeng::water
