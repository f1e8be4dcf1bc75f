#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "correlations.h"
#include "least_squares.h"

namespace chemeng::datagen {
namespace {

TEST(CompoundDataFits, LeastSquaresRecoversAnExactCubicAndMinimaxLowersTheWorstError) {
    std::vector<double> t, y;
    for (double x = 298.0; x <= 1000.0; x += 1.0) {
        t.push_back(x);
        y.push_back(-47.26 + 0.5427 * x - 3.96e-4 * x * x + 1.118e-7 * x * x * x);
    }
    const std::vector<double> c = fitPolynomialRelative(t, y, 3);
    EXPECT_NEAR(c[0], -47.26, 1e-6);
    EXPECT_NEAR(c[3], 1.118e-7, 1e-15);

    // A curve a quadratic cannot follow: minimax must not be worse than least
    // squares in the largest relative deviation, and here it is clearly better.
    std::vector<double> yq;
    for (double x : t) yq.push_back(100.0 + 1e4 / (1100.0 - x));
    const auto worst = [&](const std::vector<double>& k) {
        return maxRelativeDeviation(t, yq, [&](double x) { return evaluatePolynomial(k, x); });
    };
    const double lsq = worst(fitPolynomialRelative(t, yq, 2));
    const double minimax = worst(fitPolynomialMinimax(t, yq, 2));
    EXPECT_LT(minimax, 0.8 * lsq);
}

TEST(CompoundDataFits, RackettFitIsExactForDippr105WithExponentTwoSevenths) {
    // Perry 105 with C4 = 2/7 is the Rackett form: A = C1 MW 1e-6 / C2, B = C2.
    const std::array<double, 4> c{1941.5, 0.22309, 408.0, 2.0 / 7.0};
    const double mw = 30.026;
    std::vector<double> t, rho;
    for (int i = 0; i < 100; ++i) {
        t.push_back(181.15 + i * (408.0 - 181.15) / 100);
        rho.push_back(dippr105(c, t.back()) * mw * 1e-6);
    }
    for (const auto& fit : {fitRackett(t, rho, 408.0), fitRackettMinimax(t, rho, 408.0)}) {
        EXPECT_NEAR(fit.a, 1941.5 * mw * 1e-6 / 0.22309, 1e-9);
        EXPECT_NEAR(fit.b, 0.22309, 1e-9);
    }
}

TEST(CompoundDataFits, AntoineFitRecoversPublishedConstants) {
    // Benzene (Poling): log10(p/mmHg) = 6.86033 - 1184.24/(t + 217.572).
    std::vector<double> t, p;
    for (double x = 7.0; x <= 104.0; x += 0.5) {
        t.push_back(x);
        p.push_back(antoineMmHg(6.86033, 1184.24, 217.572, x));
    }
    const AntoineCoefficients fit = fitAntoine(t, p);
    EXPECT_NEAR(fit.a, 6.86033, 1e-4);
    EXPECT_NEAR(fit.b, 1184.24, 0.1);
    EXPECT_NEAR(fit.c, 217.572, 0.01);
}

}  // namespace
}  // namespace chemeng::datagen
