#include "water/saturation_auxiliary.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace chemeng {
namespace {

// IAPWS SR1-86(1992), equations 1, 2 and 3: coefficients a1 … a6 (vapour
// pressure), b1 … b6 (saturated-liquid density), c1 … c6 (saturated-vapour
// density), dimensionless.
constexpr std::array<double, 6> kA{-7.85951783, 1.84408259,  -11.7866497,
                                   22.6807411,  -15.9618719, 1.80122502};
constexpr std::array<double, 6> kB{1.99274064,  1.09965342,  -0.510839303,
                                   -1.75493479, -45.5170352, -6.74694450e5};
constexpr std::array<double, 6> kC{-2.03150240, -2.68302940, -5.38626492,
                                   -17.2991605, -44.7586581, -63.9201063};
static_assert(kA.size() == 6 && kB.size() == 6 && kC.size() == 6, "six terms per equation");

// Exponents of ϑ: b in thirds (1, 2, 5, 16, 43, 110), c in sixths (2, 4, 8, 18, 37, 71).
constexpr std::array<int, 6> kLiquidThirds{1, 2, 5, 16, 43, 110};
constexpr std::array<int, 6> kVapourSixths{2, 4, 8, 18, 37, 71};

// Near-critical laws.
constexpr double kNearCriticalPressureSlope = 7.83928;
constexpr double kNearCriticalLiquidAmplitude = 12.9293;
constexpr double kNearCriticalVapourAmplitude = 12.9987;

double integerPower(double x, int n) {
    double result = 1.0;
    while (n > 0) {
        if (n & 1) result *= x;
        x *= x;
        n >>= 1;
    }
    return result;
}

}  // namespace

ReducedPressure SatPressureAux(double theta) {
    const double v = 1.0 - theta;
    const double r = std::sqrt(v);
    const double v2 = v * v;
    const double v3 = v2 * v;
    const double v6 = v3 * v3;
    // ln π = ϑ (a1 + a2 ϑ^0.5 + a3 ϑ² + a4 ϑ^2.5 + a5 ϑ³ + a6 ϑ^6.5) / θ
    const double lnPi =
        v * (kA[0] + kA[1] * r + kA[2] * v2 + kA[3] * v2 * r + kA[4] * v3 + kA[5] * v6 * r) / theta;
    const double pi = std::exp(lnPi);
    const double slope = -pi *
                         (lnPi + kA[0] + 1.5 * kA[1] * r + 3.0 * kA[2] * v2 + 3.5 * kA[3] * v2 * r +
                          4.0 * kA[4] * v3 + 7.5 * kA[5] * v6 * r) /
                         theta;
    return {pi, slope};
}

double SatLiquidDensityAux(double theta) {
    const double third = std::cbrt(1.0 - theta);
    double sum = 1.0;
    for (std::size_t i = 0; i < kB.size(); ++i)
        sum += kB[i] * integerPower(third, kLiquidThirds[i]);
    return sum;
}

double SatVapourDensityAux(double theta) {
    const double sixth = std::sqrt(std::cbrt(1.0 - theta));
    double sum = 0.0;
    for (std::size_t i = 0; i < kC.size(); ++i)
        sum += kC[i] * integerPower(sixth, kVapourSixths[i]);
    return std::exp(sum);
}

ReducedPressure NearCriticalPressure(double theta) {
    const double pi = std::exp(kNearCriticalPressureSlope * (theta - 1.0) / theta);
    return {pi, kNearCriticalPressureSlope * pi / (theta * theta)};
}

double NearCriticalLiquidDensity(double theta) {
    return 1.0 + kNearCriticalLiquidAmplitude * std::sqrt(1.0 - theta);
}

double NearCriticalVapourDensity(double theta) {
    return 1.0 - kNearCriticalVapourAmplitude * std::sqrt(1.0 - theta);
}

}  // namespace chemeng
