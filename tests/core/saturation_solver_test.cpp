#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "water/iapws95_constants.h"
#include "water/saturation_auxiliary.h"
#include "water/saturation_state.h"

namespace chemeng {
namespace {

constexpr double kTc = iapws95::kCriticalTemperature_K;
constexpr double kPc = iapws95::kCriticalPressure_kPa;
constexpr double kRhoC = iapws95::kCriticalDensity_kgm3;
constexpr double kNaN() {
    return std::numeric_limits<double>::quiet_NaN();
}

struct TemperatureCase {
    double T_K;
    double p_kPa;
    double rhoLiquid;
    double rhoVapour;
    // Half a unit in the last digit of each printed value.
    double pTolerance;
    double liquidTolerance;
    double vapourTolerance;
};

TEST(SaturationAtTemperature, MatchesPublishedAndCheckedStates) {
    const TemperatureCase cases[] = {
        // IAPWS SR1-86(1992) Table 1: triple point and normal boiling point.
        {273.16, 0.611657, 999.789, 0.00485426, 5e-7, 5e-4, 5e-9},
        {373.1243, 101.325, 958.365, 0.597586, 5e-4, 5e-4, 5e-7},
        // Steam-table check states: 100 °C, the triple point to the digits the
        // page shows.
        {373.15, 101.418, 958.347, 0.5981, 5e-4, 5e-4, 5e-5},
        {273.16, 0.611657, 999.789, 0.0048543, 5e-7, 5e-4, 5e-8},
        // Above the 0.999998 switch the near-critical laws take over.
        {647.095, 22063.73, 327.18, kNaN(), 5e-3, 5e-3, 0},
    };
    for (const TemperatureCase& c : cases) {
        SaturationState state;
        EXPECT_EQ(state.SaturationAtTemperature(c.T_K / kTc), SaturationStatus::InRange);
        EXPECT_NEAR(state.reducedPressure() * kPc, c.p_kPa, c.pTolerance) << c.T_K;
        EXPECT_NEAR(state.reducedLiquidDensity() * kRhoC, c.rhoLiquid, c.liquidTolerance) << c.T_K;
        if (!std::isnan(c.rhoVapour)) {
            EXPECT_NEAR(state.reducedVapourDensity() * kRhoC, c.rhoVapour, c.vapourTolerance)
                << c.T_K;
        }
    }
}

TEST(SaturationAtPressure, MatchesCheckedStates) {
    SaturationState state;
    state.setReducedPressure(101.325 / kPc);
    EXPECT_EQ(state.SaturationAtPressure(), SaturationStatus::InRange);
    EXPECT_NEAR(state.reducedSaturationTemperature() * kTc, 373.124, 5e-4);
    EXPECT_EQ(state.reducedPressure(), 101.325 / kPc);  // π is left as it was

    // Just below the critical pressure: θs between the two switches, so the
    // densities come from the near-critical laws.
    state.setReducedPressure(22063.0 / kPc);
    EXPECT_EQ(state.SaturationAtPressure(), SaturationStatus::InRange);
    EXPECT_NEAR(state.reducedSaturationTemperature(), 0.99999423, 5e-9);
    EXPECT_NEAR(state.reducedLiquidDensity() * kRhoC, 332.0, 0.05);
    EXPECT_NEAR(state.reducedVapourDensity() * kRhoC, 311.9, 0.05);
    EXPECT_EQ(state.reducedLiquidDensity(),
              NearCriticalLiquidDensity(state.reducedSaturationTemperature()));
}

// Outside the range both operations answer with fixed working numbers and
// status 1; non-numbers count as below the range (and must not hang the
// pressure inversion).
TEST(SaturationSolver, OutOfRangeAnswers) {
    const double below = std::nextafter(SaturationState::kLowestTheta, 0.0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double input;
        double pi;      // for the temperature case
        double thetaS;  // for the pressure case
        double density;
    };
    const Case temperatureCases[] = {{below, 1e-8, 0, 0}, {-inf, 1e-8, 0, 0}, {nan, 1e-8, 0, 0},
                                     {1.0, 1, 0, 1},      {1.5, 1, 0, 1},     {inf, 1, 0, 1}};
    for (const Case& c : temperatureCases) {
        SaturationState state;
        EXPECT_EQ(state.SaturationAtTemperature(c.input), SaturationStatus::OutOfRange) << c.input;
        EXPECT_EQ(state.reducedPressure(), c.pi) << c.input;
        EXPECT_EQ(state.reducedLiquidDensity(), c.density) << c.input;
        EXPECT_EQ(state.reducedVapourDensity(), c.density) << c.input;
    }
    const Case pressureCases[] = {{std::nextafter(SaturationState::kLowestPi, 0.0), 0, 1e-8, 0},
                                  {0.0, 0, 1e-8, 0},
                                  {nan, 0, 1e-8, 0},
                                  {1.0, 0, 1, 1},  // 22064 kPa exactly
                                  {30000.0 / kPc, 0, 1, 1},
                                  {inf, 0, 1, 1}};
    for (const Case& c : pressureCases) {
        SaturationState state;
        state.setReducedPressure(c.input);
        EXPECT_EQ(state.SaturationAtPressure(), SaturationStatus::OutOfRange) << c.input;
        EXPECT_EQ(state.reducedSaturationTemperature(), c.thetaS) << c.input;
        EXPECT_EQ(state.reducedLiquidDensity(), c.density) << c.input;
        EXPECT_EQ(state.reducedVapourDensity(), c.density) << c.input;
    }

    // The range ends themselves belong to the range.
    SaturationState edge;
    EXPECT_EQ(edge.SaturationAtTemperature(SaturationState::kLowestTheta),
              SaturationStatus::InRange);
    edge.setReducedPressure(SaturationState::kLowestPi);
    EXPECT_EQ(edge.SaturationAtPressure(), SaturationStatus::InRange);
    EXPECT_GT(edge.reducedLiquidDensity(), 3.0);
}

// SaturationAtPressure inverts SaturationAtTemperature over the whole range,
// denser towards the critical point where the near-critical laws take over.
TEST(SaturationSolver, PressureCaseInvertsTemperatureCase) {
    for (int i = 0; i <= 400; ++i) {
        // θ from the lowest value to 1 − 1e-7, spaced evenly in log(1 − θ).
        const double span = std::log(1.0 - SaturationState::kLowestTheta);
        const double theta = std::fmax(SaturationState::kLowestTheta,
                                       1.0 - std::exp(span + (std::log(1e-7) - span) * i / 400.0));
        SaturationState forward;
        ASSERT_EQ(forward.SaturationAtTemperature(theta), SaturationStatus::InRange) << theta;
        SaturationState back;
        back.setReducedPressure(forward.reducedPressure());
        ASSERT_EQ(back.SaturationAtPressure(), SaturationStatus::InRange) << theta;
        const double thetaS = back.reducedSaturationTemperature();
        EXPECT_NEAR(thetaS, theta, 2e-8) << theta;
        // Between θ = 0.99999 and the 0.999998 switch the temperature case
        // keeps the 1992 densities while the pressure case uses the
        // near-critical laws; elsewhere both use the same equations, and the
        // densities agree as closely as the temperatures do (the inversion
        // stops at 1e-7 in π), scaled by the steep dδ/dθ near the critical point.
        if (theta <= SaturationState::kNearCriticalDensitySwitch - 1e-7 ||
            theta > SaturationState::kNearCriticalSwitch + 1e-7) {
            const double eps = 1e-3 * (1.0 - theta);
            SaturationState above, belowState;
            above.SaturationAtTemperature(theta + eps);
            belowState.SaturationAtTemperature(theta - eps);
            const double liquidSlope =
                (above.reducedLiquidDensity() - belowState.reducedLiquidDensity()) / (2 * eps);
            const double vapourSlope =
                (above.reducedVapourDensity() - belowState.reducedVapourDensity()) / (2 * eps);
            EXPECT_NEAR(back.reducedLiquidDensity(), forward.reducedLiquidDensity(),
                        2e-8 * std::fabs(liquidSlope) + 1e-12)
                << theta;
            EXPECT_NEAR(back.reducedVapourDensity(), forward.reducedVapourDensity(),
                        2e-8 * std::fabs(vapourSlope) + 1e-12)
                << theta;
        }
    }
}

TEST(SaturationAuxiliary, SlopesAreDerivativesOfThePressureLaws) {
    for (const double theta : {0.4, 0.6, 0.9, 0.999, 0.9999985}) {
        const double h = std::fmin(1e-6, 0.01 * (1.0 - theta));
        const double aux = (SatPressureAux(theta + h).pi - SatPressureAux(theta - h).pi) / (2 * h);
        EXPECT_NEAR(SatPressureAux(theta).slope, aux, 1e-6 * std::fabs(aux)) << theta;
        const double near =
            (NearCriticalPressure(theta + h).pi - NearCriticalPressure(theta - h).pi) / (2 * h);
        EXPECT_NEAR(NearCriticalPressure(theta).slope, near, 1e-6 * std::fabs(near)) << theta;
    }
}

}  // namespace
}  // namespace chemeng
