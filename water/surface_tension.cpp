#include "water/surface_tension.h"

#include <cmath>
#include <limits>

#include "water/iapws95_constants.h"

namespace chemeng::water {
namespace {

// IAPWS R1-76(2014): B = 235.8 mN/m, b = −0.625, μ = 1.256, Tc = 647.096 K.
constexpr double kB_Nm = 235.8e-3;
constexpr double kb = -0.625;
constexpr double kMu = 1.256;
constexpr double kLowest_K = 248.15;

}  // namespace

double surfaceTension_Nm(double t_K) {
    if (!(t_K >= kLowest_K && t_K <= iapws95::kCriticalTemperature_K)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double tau = 1.0 - t_K / iapws95::kCriticalTemperature_K;
    return kB_Nm * std::pow(tau, kMu) * (1.0 + kb * tau);
}

}  // namespace chemeng::water
