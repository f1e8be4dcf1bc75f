// IFC-67 subregion 2 (superheated vapour) from its reduced Gibbs function
// ζ2(θ, β), in English units.
#include <array>
#include <cmath>

#include "water/ifc67_formulation.h"
#include "water/ifc67_units.h"

namespace chemeng {
namespace {

using namespace ifc67;

// One term B X^z of the subregion-2 sums, with its exponent z and the
// multiple z·b (held to thirteen digits) that its temperature derivative needs.
struct PowerTerm {
    double coefficient;
    int exponent;
    double exponentTimesB;
};

// The 1967 IFC Formulation for Industrial Use, subregion 2 (dimensionless).
constexpr double kI1 = 4.260321148;
constexpr double kB = 0.76333333333;  // X = exp(b (1 - θ))
constexpr double kB0 = 1.683599274e1;
// B01 to B05 (index 0 holds B01).
constexpr std::array<double, 5> kB0Lambda = {
    2.856067796e1, -5.438923329e1, 4.330662834e-1, -6.547711697e-1, 8.565182058e-2,
};
static_assert(kB0Lambda.size() == 5);

// Bμλ with exponents zμλ for μ = 1 … 5: β^μ Σ Bμλ X^zμλ.
struct Row {
    std::array<PowerTerm, 3> terms;
    int count;
};
constexpr std::array<Row, 5> kPowerRows = {{
    {{{{6.670375918e-2, 13, 9.923333333333}, {1.388983801, 3, 2.29}, {}}}, 2},
    {{{{8.390104328e-2, 18, 13.74},
       {2.614670893e-2, 2, 1.526666666667},
       {-3.373439453e-2, 1, 0.76333333333}}},
     3},
    {{{{4.520918904e-1, 18, 13.74}, {1.069036614e-1, 10, 7.633333333333}, {}}}, 2},
    {{{{-5.975336707e-1, 25, 19.08333333333}, {-8.847535804e-2, 14, 10.68666666667}, {}}}, 2},
    {{{{5.958051609e-1, 32, 24.42666666667},
       {-5.159303373e-1, 28, 21.37333333333},
       {2.075021122e-1, 24, 18.32}}},
     3},
}};
static_assert(kPowerRows.size() == 5);

// Bμλ X^zμλ over β^(2-μ) + Σ bμλ X^xμλ for μ = 6, 7, 8.
struct FractionRow {
    int mu;
    std::array<PowerTerm, 2> numerator;
    std::array<PowerTerm, 2> denominator;
    int denominatorCount;
};
constexpr std::array<FractionRow, 3> kFractionRows = {{
    {6,
     {{{1.190610271e-1, 12, 9.16}, {-9.867174132e-2, 11, 8.396666666667}}},
     {{{4.006073948e-1, 14, 10.68666666667}, {}}},
     1},
    {7,
     {{{1.683998803e-1, 24, 18.32}, {-5.809438001e-2, 18, 13.74}}},
     {{{8.636081627e-2, 19, 14.50333333333}, {}}},
     1},
    {8,
     {{{6.552390126e-3, 24, 18.32}, {5.710218649e-4, 14, 10.68666666667}}},
     {{{-8.532322921e-1, 54, 41.22}, {3.460208861e-1, 27, 20.61}}},
     2},
}};
static_assert(kFractionRows.size() == 3);

// B90 to B96 of the term β (β/β_L)^10 Σ B9ν X^ν, with the multiples ν·b.
constexpr std::array<PowerTerm, 7> kB9 = {{
    {1.936587558e2, 0, 0.0},
    {-1.388522425e3, 1, 0.76333333333},
    {4.126607219e3, 2, 1.526666666667},
    {-6.508211677e3, 3, 2.29},
    {5.745984054e3, 4, 3.053333333333},
    {-2.693088365e3, 5, 3.816666666667},
    {5.235718623e2, 6, 4.58},
}};
static_assert(kB9.size() == 7);

// L-function slope dβ_L/dθ = L1 + 2 L2 θ.
constexpr double kL1 = -34.17061978;
constexpr double k2L2 = 38.62761414;

constexpr double kMinPressure_psia = 0.08865;
constexpr double kMaxPressure_psia = 6000.0;
constexpr double kMinTemperature_F = -200.0;
constexpr double kMaxTemperature_F = 1600.0;

double integerPower(double base, int exponent) {
    double result = 1.0;
    double factor = base;
    for (int n = exponent; n > 0; n >>= 1) {
        if ((n & 1) != 0) {
            result *= factor;
        }
        factor *= factor;
    }
    return result;
}

}  // namespace

double Subregion2Property(double p_psia, double t_F, PropertyKind kind, Ifc67Context& context) {
    if (!(p_psia >= kMinPressure_psia && p_psia <= kMaxPressure_psia) ||
        !(t_F >= kMinTemperature_F && t_F <= kMaxTemperature_F)) {
        context.raiseFormulationError();
        return 0.0;
    }
    const double theta = reducedTemperature(t_F);
    const double beta = reducedPressure(p_psia);
    const double x = std::exp(kB * (1.0 - theta));
    const double betaL = LFunction(t_F) / kCriticalPressure_psia;
    const double betaLPrime = kL1 + k2L2 * theta;
    const double ratio = beta / betaL;
    const double ratio2 = ratio * ratio;
    const double ratio4 = ratio2 * ratio2;
    const double r = ratio4 * ratio4 * ratio2;  // (β/β_L)^10

    // Sums over the power rows: Σ β^μ Σ B X^z with the weights each property needs.
    double volumeSum = 0.0;    // Σ μ β^(μ-1) N_μ
    double enthalpySum = 0.0;  // Σ β^μ Σ B (1 + z b θ) X^z
    double entropySum = 0.0;   // Σ β^μ Σ z b B X^z
    double betaPowMinus1 = 1.0;
    for (std::size_t i = 0; i < kPowerRows.size(); ++i) {
        const auto& row = kPowerRows[i];
        const double mu = static_cast<double>(i + 1);
        double n = 0.0;
        double nh = 0.0;
        double ns = 0.0;
        for (int k = 0; k < row.count; ++k) {
            const PowerTerm& t = row.terms[static_cast<std::size_t>(k)];
            const double bx = t.coefficient * integerPower(x, t.exponent);
            n += bx;
            nh += bx * (1.0 + t.exponentTimesB * theta);
            ns += bx * t.exponentTimesB;
        }
        volumeSum += mu * betaPowMinus1 * n;
        const double betaPow = betaPowMinus1 * beta;
        enthalpySum += betaPow * nh;
        entropySum += betaPow * ns;
        betaPowMinus1 = betaPow;
    }

    double volumeFractions = 0.0;
    double enthalpyFractions = 0.0;
    double entropyFractions = 0.0;
    for (const auto& row : kFractionRows) {
        double n = 0.0;
        double nh = 0.0;
        double ns = 0.0;
        double sb = 0.0;                                  // S_μ b = Σ x b bμλ X^x
        double d = integerPower(1.0 / beta, row.mu - 2);  // β^(2-μ)
        for (const auto& t : row.numerator) {
            const double bx = t.coefficient * integerPower(x, t.exponent);
            n += bx;
            nh += bx * (1.0 + t.exponentTimesB * theta);
            ns += bx * t.exponentTimesB;
        }
        for (int k = 0; k < row.denominatorCount; ++k) {
            const PowerTerm& t = row.denominator[static_cast<std::size_t>(k)];
            const double bx = t.coefficient * integerPower(x, t.exponent);
            d += bx;
            sb += bx * t.exponentTimesB;
        }
        const double betaPow1MinusMu = integerPower(1.0 / beta, row.mu - 1);
        volumeFractions += (row.mu - 2) * betaPow1MinusMu * n / (d * d);
        enthalpyFractions += (nh - theta * n * sb / d) / d;
        entropyFractions += (ns - n * sb / d) / d;
    }

    double b9 = 0.0;
    double b9Nu = 0.0;  // Σ ν b B9ν X^ν
    double xPow = 1.0;
    for (const auto& t : kB9) {
        const double bx = t.coefficient * xPow;
        b9 += bx;
        b9Nu += t.exponentTimesB * bx;
        xPow *= x;
    }
    const double lSlope = 10.0 * betaLPrime / betaL;

    switch (kind) {
        case PropertyKind::Volume: {
            const double chi = kI1 * theta / beta - volumeSum - volumeFractions + 11.0 * r * b9;
            return kReducingVolume_ft3lb * chi;
        }
        case PropertyKind::Enthalpy: {
            // Σ (λ - 2) B0λ θ^(λ-1), λ = 1 … 5.
            double sum = 0.0;
            for (int lambda = 5; lambda >= 1; --lambda) {
                sum = sum * theta + (lambda - 2) * kB0Lambda[static_cast<std::size_t>(lambda - 1)];
            }
            const double eps = kB0 * theta - sum - enthalpySum - enthalpyFractions +
                               beta * r * ((1.0 + theta * lSlope) * b9 + theta * b9Nu);
            return kEnthalpyScale_Btulb * eps;
        }
        case PropertyKind::Entropy: {
            // Σ (λ - 1) B0λ θ^(λ-2), λ = 2 … 5.
            double sum = 0.0;
            for (int lambda = 5; lambda >= 2; --lambda) {
                sum = sum * theta + (lambda - 1) * kB0Lambda[static_cast<std::size_t>(lambda - 1)];
            }
            const double sigma = -kI1 * std::log(beta) + kB0 * std::log(theta) - sum - entropySum -
                                 entropyFractions + beta * r * (lSlope * b9 + b9Nu);
            return kEntropyScale_BtulbR * sigma;
        }
    }
    return 0.0;
}

}  // namespace chemeng
