#include "water/viscosity.h"

#include <array>
#include <cmath>

#include "water/critical_enhancement.h"
#include "water/iapws95_constants.h"
#include "water/iapws95_properties.h"

namespace chemeng::water {
namespace {

constexpr double kTc = iapws95::kCriticalTemperature_K;
constexpr double kRhoC = iapws95::kCriticalDensity_kgm3;
constexpr double kMuStar_Pas = 1.0e-6;

// IAPWS R12-08 Table 1: H_i of the dilute-gas part, dimensionless.
constexpr std::array<double, 4> kH{1.67752, 2.20462, 0.6366564, -0.241605};
static_assert(kH.size() == 4, "R12-08 Table 1: four coefficients");

// IAPWS R12-08 Table 2: H_ij, i = 0 … 5 (powers of 1/T̄ − 1) by rows,
// j = 0 … 6 (powers of ρ̄ − 1) by columns; entries the table leaves empty are 0.
constexpr std::array<std::array<double, 7>, 6> kHij{{
    {5.20094e-1, 2.22531e-1, -2.81378e-1, 1.61913e-1, -3.25372e-2, 0.0, 0.0},
    {8.50895e-2, 9.99115e-1, -9.06851e-1, 2.57399e-1, 0.0, 0.0, 0.0},
    {-1.08374, 1.88797, -7.72479e-1, 0.0, 0.0, 0.0, 0.0},
    {-2.89555e-1, 1.26613, -4.89837e-1, 0.0, 6.98452e-2, 0.0, -4.35673e-3},
    {0.0, 0.0, -2.57040e-1, 0.0, 0.0, 8.72102e-3, 0.0},
    {0.0, 1.20573e-1, 0.0, 0.0, 0.0, 0.0, -5.93264e-4},
}};
static_assert(kHij.size() == 6 && kHij[0].size() == 7, "R12-08 Table 2: 6 × 7");

// IAPWS R12-08 Table 3: x_μ, q_C⁻¹ = 1.9 nm, q_D⁻¹ = 1.1 nm, and the ξ at
// which Eq. (15) hands over to Eq. (16).
constexpr double kXMu = 0.068;
constexpr double kQc_perNm = 1.0 / 1.9;
constexpr double kQd_perNm = 1.0 / 1.1;
constexpr double kXiSwitch_nm = 0.3817016416;

}  // namespace

double viscosityBackground_Pas(double t_K, double rho_kgm3) {
    const double tr = t_K / kTc;
    const double rr = rho_kgm3 / kRhoC;
    const double inv = 1.0 / tr;
    const double mu0 =
        100.0 * std::sqrt(tr) / (kH[0] + inv * (kH[1] + inv * (kH[2] + inv * kH[3])));
    const double x = inv - 1.0;
    const double y = rr - 1.0;
    double sum = 0.0;
    double xi = 1.0;
    for (const auto& row : kHij) {
        double inner = 0.0;
        for (auto it = row.rbegin(); it != row.rend(); ++it) inner = inner * y + *it;
        sum += xi * inner;
        xi *= x;
    }
    return kMuStar_Pas * mu0 * std::exp(rr * sum);
}

double viscosityEnhancement(double xi_nm) {
    if (!(xi_nm > 0.0)) return 1.0;
    const double qc = kQc_perNm * xi_nm;
    const double qd = kQd_perNm * xi_nm;
    double Y = 0.0;
    if (xi_nm <= kXiSwitch_nm) {
        // Eq. (15), the short-range expansion.
        Y = 0.2 * qc * std::pow(qd, 5) * (1.0 - qc + qc * qc - 765.0 / 504.0 * qd * qd);
    } else {
        // Eq. (16).
        const double psiD = std::acos(1.0 / std::sqrt(1.0 + qd * qd));
        const double w = std::sqrt(std::fabs((qc - 1.0) / (qc + 1.0))) * std::tan(0.5 * psiD);
        const double L = qc > 1.0 ? std::log((1.0 + w) / (1.0 - w)) : 2.0 * std::atan(std::fabs(w));
        Y = std::sin(3.0 * psiD) / 12.0 - std::sin(2.0 * psiD) / (4.0 * qc) +
            (1.0 - 1.25 * qc * qc) * std::sin(psiD) / (qc * qc) -
            ((1.0 - 1.5 * qc * qc) * psiD - std::pow(std::fabs(qc * qc - 1.0), 1.5) * L) /
                (qc * qc * qc);
    }
    return std::exp(kXMu * Y);
}

double viscosity_Pas(double t_K, double rho_kgm3) {
    const Iapws95Point point = evaluateIapws95Pressure(rho_kgm3 / kRhoC, kTc / t_K);
    const double xi = correlationLength_nm(t_K, rho_kgm3, point.dpdrho_T());
    return viscosityBackground_Pas(t_K, rho_kgm3) * viscosityEnhancement(xi);
}

}  // namespace chemeng::water
