#include "water/if97_region4.h"

#include <array>
#include <cmath>

namespace chemeng::water::if97 {
namespace {

// IAPWS R7-97(2012), Table 34: n1 … n10 of the saturation equation, with
// T in K and p in MPa; stored from index 0 (kR4Sat[0] is n1).
constexpr std::array<double, 10> kR4Sat = {
    0.11670521452767e4,  -0.72421316703206e6, -0.17073846940092e2, 0.12020824702470e5,
    -0.32325550322333e7, 0.14915108613530e2,  -0.48232657361591e4, 0.40511340542057e6,
    -0.23855557567849,   0.65017534844798e3,
};
static_assert(kR4Sat.size() == 10);

}  // namespace

double saturationPressure(double t_K) {
    const auto& n = kR4Sat;
    const double theta = t_K + n[8] / (t_K - n[9]);
    const double a = theta * theta + n[0] * theta + n[1];
    const double b = n[2] * theta * theta + n[3] * theta + n[4];
    const double c = n[5] * theta * theta + n[6] * theta + n[7];
    const double x = 2.0 * c / (-b + std::sqrt(b * b - 4.0 * a * c));
    const double x2 = x * x;
    return x2 * x2;
}

double saturationTemperature(double p_MPa) {
    const auto& n = kR4Sat;
    const double beta = std::sqrt(std::sqrt(p_MPa));
    const double beta2 = beta * beta;
    const double e = beta2 + n[2] * beta + n[5];
    const double f = n[0] * beta2 + n[3] * beta + n[6];
    const double g = n[1] * beta2 + n[4] * beta + n[7];
    const double d = 2.0 * g / (-f - std::sqrt(f * f - 4.0 * e * g));
    const double s = n[9] + d;
    return 0.5 * (s - std::sqrt(s * s - 4.0 * (n[8] + n[9] * d)));
}

}  // namespace chemeng::water::if97
