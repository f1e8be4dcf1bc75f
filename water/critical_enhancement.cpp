#include "water/critical_enhancement.h"

#include <cmath>

#include "water/iapws95_constants.h"
#include "water/iapws95_properties.h"

namespace chemeng::water {
namespace {

// IAPWS R12-08 Table 3 and R15-11 Table 3 (identical values): ν, γ, ξ0 (nm),
// Γ0 and the reduced reference temperature.
constexpr double kNu = 0.630;
constexpr double kGamma = 1.239;
constexpr double kXi0_nm = 0.13;
constexpr double kGamma0 = 0.06;
constexpr double kReducedReferenceTemperature = 1.5;

constexpr double kTc = iapws95::kCriticalTemperature_K;
constexpr double kRhoC = iapws95::kCriticalDensity_kgm3;
constexpr double kPc = iapws95::kCriticalPressure_kPa;

}  // namespace

double correlationLength_nm(double t_K, double rho_kgm3, double dpdrho_T) {
    const double delta = rho_kgm3 / kRhoC;
    const double zeta = kPc / kRhoC / dpdrho_T;
    const double tauR = 1.0 / kReducedReferenceTemperature;
    const double dpdrhoRef = evaluateIapws95Pressure(delta, tauR).dpdrho_T();
    const double zetaRef = kPc / kRhoC / dpdrhoRef;
    const double chi = delta * (zeta - zetaRef * kReducedReferenceTemperature * kTc / t_K);
    if (!(chi > 0.0)) return 0.0;
    return kXi0_nm * std::pow(chi / kGamma0, kNu / kGamma);
}

}  // namespace chemeng::water
