// IFC-67 subregion 1 (compressed liquid) from its reduced Gibbs function
// ζ1(θ, β), in English units.
#include <array>
#include <cmath>

#include "water/ifc67_formulation.h"
#include "water/ifc67_units.h"

namespace chemeng {
namespace {

using namespace ifc67;

// The 1967 IFC Formulation for Industrial Use, subregion 1: constants A0 to
// A22 of the reduced Gibbs function (dimensionless).
constexpr std::array<double, 23> kA = {
    6.824687741e3,  -5.422063673e2,  -2.096666205e4,  3.941286787e4,  -6.733277739e4,
    9.902381028e4,  -1.093911774e5,  8.590841667e4,   -4.511168742e4, 1.418138926e4,
    -2.017271113e3, 7.982692717,     -2.616571843e-2, 1.522411790e-3, 2.284279054e-2,
    2.421647003e2,  1.269716088e-10, 2.074838328e-7,  2.174020350e-8, 1.105710498e-9,
    1.293441934e1,  1.308119072e-5,  6.047626338e-14,
};
static_assert(kA.size() == 23);

// The same publication, subregion 1: auxiliary constants a1 to a12
// (dimensionless), stored from index 1 so that kSmallA[n] is a_n.
constexpr std::array<double, 13> kSmallA = {
    0.0,          8.438375405e-1, 5.362162162e-4, 1.72,      7.342278489e-2, 4.975858870e-2,
    6.5371543e-1, 1.15e-6,        1.5108e-5,      1.4188e-1, 7.002753165,    2.995284926e-4,
    2.04e-1,
};
static_assert(kSmallA.size() == 13);

// Exact fractions of the closed forms, held as rounded decimals.
constexpr double k17over29 = 0.5862069;
constexpr double k17over12 = 1.41666667;
constexpr double k5over12 = 0.41666667;
constexpr double kA3Minus1 = 0.72;
// Products of two published constants, exact.
constexpr double k2a4 = 0.14684556978;
constexpr double k2a5 = 0.0995171774;
constexpr double k10A15 = 2421.647003;
constexpr double k19A16 = 2.4124605672e-9;

constexpr double kMinPressure_psia = 0.08865;
constexpr double kMaxPressure_psia = 6000.0;
constexpr double kMinTemperature_F = 32.018;
constexpr double kMaxTemperature_F = 682.0;

}  // namespace

double Subregion1Property(double p_psia, double t_F, PropertyKind kind, Ifc67Context& context) {
    if (!(p_psia >= kMinPressure_psia && p_psia <= kMaxPressure_psia) ||
        !(t_F >= kMinTemperature_F && t_F <= kMaxTemperature_F)) {
        context.raiseFormulationError();
        return 0.0;
    }
    const auto& a = kSmallA;
    const double theta = reducedTemperature(t_F);
    const double beta = reducedPressure(p_psia);

    const double th2 = theta * theta;
    const double th4 = th2 * th2;
    const double th6 = th4 * th2;
    const double th8 = th4 * th4;
    const double th10 = th8 * th2;
    const double th11 = th10 * theta;
    const double th17 = th11 * th6;
    const double th18 = th17 * theta;
    const double th19 = th18 * theta;
    const double th20 = th10 * th10;
    const double th21 = th20 * theta;

    // Auxiliary functions Y(θ), its derivative Y', and Z(θ, β).
    const double y = 1.0 - a[1] * th2 - a[2] / th6;
    const double yPrime = -2.0 * a[1] * theta + 6.0 * a[2] / (th6 * theta);
    const double z = y + std::sqrt(a[3] * y * y - k2a4 * theta + k2a5 * beta);
    const double zPow = std::pow(z, -5.0 / 17.0);

    const double beta2 = beta * beta;
    const double beta3 = beta2 * beta;
    const double beta4 = beta2 * beta2;
    const double a6t = a[6] - theta;
    const double a6t2 = a6t * a6t;
    const double a6t4 = a6t2 * a6t2;
    const double a6t9 = a6t4 * a6t4 * a6t;
    const double a7t = a[7] + th19;
    const double a8t = a[8] + th11;
    const double a10b = a[10] + beta;
    const double a10b3 = a10b * a10b * a10b;
    const double sumB = kA[17] * beta + kA[18] * beta2 + kA[19] * beta3;
    const double bracketA20 = 1.0 / a10b3 + a[11] * beta;

    switch (kind) {
        case PropertyKind::Volume: {
            const double a6t10 = a6t9 * a6t;
            const double chi = kA[11] * a[5] * zPow + kA[12] + kA[13] * theta + kA[14] * th2 +
                               kA[15] * a6t10 + kA[16] / a7t -
                               (kA[17] + 2.0 * kA[18] * beta + 3.0 * kA[19] * beta2) / a8t -
                               kA[20] * th18 * (a[9] + th2) * (a[11] - 3.0 / (a10b3 * a10b)) +
                               3.0 * kA[21] * (a[12] - theta) * beta2 + 4.0 * kA[22] / th20 * beta3;
            return kReducingVolume_ft3lb * chi;
        }
        case PropertyKind::Enthalpy: {
            // Σ (ν - 2) Aν θ^(ν-1), ν = 1 … 10, by Horner's rule.
            double sum = 0.0;
            for (int nu = 10; nu >= 1; --nu) {
                sum = sum * theta + (nu - 2) * kA[static_cast<std::size_t>(nu)];
            }
            const double eps =
                kA[0] * theta - sum +
                kA[11] *
                    (z * (k17over29 * z - k17over12 * y + k5over12 * theta * yPrime) +
                     a[4] * theta - kA3Minus1 * theta * y * yPrime) *
                    zPow +
                beta * (kA[12] - kA[14] * th2 + kA[15] * (9.0 * theta + a[6]) * a6t9 +
                        kA[16] * (20.0 * th19 + a[7]) / (a7t * a7t)) -
                (12.0 * th11 + a[8]) / (a8t * a8t) * sumB +
                kA[20] * th18 * (17.0 * a[9] + 19.0 * th2) * bracketA20 + kA[21] * a[12] * beta3 +
                21.0 * kA[22] / th20 * beta4;
            return kEnthalpyScale_Btulb * eps;
        }
        case PropertyKind::Entropy: {
            // Σ (ν - 1) Aν θ^(ν-2), ν = 2 … 10, by Horner's rule.
            double sum = 0.0;
            for (int nu = 10; nu >= 2; --nu) {
                sum = sum * theta + (nu - 1) * kA[static_cast<std::size_t>(nu)];
            }
            const double sigma = kA[0] * std::log(theta) - sum +
                                 kA[11] * ((k5over12 * z - kA3Minus1 * y) * yPrime + a[4]) * zPow +
                                 beta * (-kA[13] - 2.0 * kA[14] * theta + k10A15 * a6t9 +
                                         k19A16 * th18 / (a7t * a7t)) -
                                 11.0 * th10 / (a8t * a8t) * sumB +
                                 kA[20] * th17 * (18.0 * a[9] + 20.0 * th2) * bracketA20 +
                                 kA[21] * beta3 + 20.0 * kA[22] / th21 * beta4;
            return kEntropyScale_BtulbR * sigma;
        }
    }
    return 0.0;
}

}  // namespace chemeng
