// The IAPWS-95 state solvers: a steam-table check value, round trips of
// every input pair through the (T, ρ) state it came from, near-critical
// convergence, agreement of two-phase states with the extended-precision
// saturation solver, and the statuses at the limits of the range.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "water/iapws95_properties.h"
#include "water/iapws95_saturation.h"
#include "water/iapws95_state.h"
#include "water/saturation_equilibrium.h"

namespace chemeng::water {
namespace {

constexpr double kTc = 647.096;
constexpr double kRhoC = 322.0;

std::string describe(const WaterState& s) {
    return "T=" + std::to_string(s.mixture.t_K) + " rho=" + std::to_string(s.mixture.rho_kgm3) +
           " status=" + std::to_string(static_cast<int>(s.status));
}

// Steam tables quote this superheated state: 500 °C, 100 bar.
TEST(WaterState, SuperheatedCheckValueAt500CAnd100Bar) {
    const WaterState s = stateTP(773.15, 10000.0);
    ASSERT_EQ(s.status, Status::Ok);
    EXPECT_EQ(s.phase, Phase::Vapour);
    EXPECT_NEAR(s.mixture.h_kJkg, 3375.13, 0.005);
    EXPECT_NEAR(s.mixture.s_kJkgK, 6.59947, 0.000005);
    EXPECT_NEAR(s.mixture.v_m3kg, 0.0328107, 0.00000005);
}

// Every pair solver fed with the properties of a state, as one callable.
struct Pair {
    const char* name;
    std::function<WaterState(const WaterState&)> solve;
};

DensityRoot enthalpyRootOf(const WaterState& s) {
    if (s.phase == Phase::TwoPhase) return DensityRoot::Lower;
    const Iapws95Point p = evaluateIapws95(s.mixture.rho_kgm3 / kRhoC, kTc / s.mixture.t_K);
    return p.dh_ddelta() < 0.0 ? DensityRoot::Lower : DensityRoot::Higher;
}

const std::vector<Pair>& pairs() {
    static const std::vector<Pair> all = {
        {"TP", [](const WaterState& s) { return stateTP(s.mixture.t_K, s.mixture.p_kPa); }},
        {"PH", [](const WaterState& s) { return statePH(s.mixture.p_kPa, s.mixture.h_kJkg); }},
        {"PS", [](const WaterState& s) { return statePS(s.mixture.p_kPa, s.mixture.s_kJkgK); }},
        {"HS", [](const WaterState& s) { return stateHS(s.mixture.h_kJkg, s.mixture.s_kJkgK); }},
        {"TH",
         [](const WaterState& s) {
             return stateTH(s.mixture.t_K, s.mixture.h_kJkg, enthalpyRootOf(s));
         }},
        {"TS", [](const WaterState& s) { return stateTS(s.mixture.t_K, s.mixture.s_kJkgK); }},
        {"PRho",
         [](const WaterState& s) { return statePRho(s.mixture.p_kPa, s.mixture.rho_kgm3); }},
        {"URho",
         [](const WaterState& s) { return stateURho(s.mixture.u_kJkg, s.mixture.rho_kgm3); }},
    };
    return all;
}

// In the wet region at low pressure (∂ρ/∂h)_s is large: h rounded in its
// last digit moves the density of a (h, s) answer by up to about 1e-9. The
// same holds within 0.1 K of the critical point, where the compressibility
// diverges and the (h, s) answer, solved through nested isobars, reaches
// 1.2e-9.
double densityTolerance(const WaterState& reference, const Pair& pair) {
    const bool nearCritical = std::fabs(reference.mixture.t_K - kTc) <= 0.1 &&
                              std::fabs(reference.mixture.rho_kgm3 / kRhoC - 1.0) <= 0.0011;
    const bool wet = reference.phase == Phase::TwoPhase;
    return std::string(pair.name) == "HS" && (wet || nearCritical) ? 1e-8 : 1e-9;
}

void expectRoundTrip(const WaterState& reference, bool includeTP) {
    for (const Pair& pair : pairs()) {
        if (!includeTP && std::string(pair.name) == "TP") continue;
        const WaterState back = pair.solve(reference);
        ASSERT_EQ(back.status, Status::Ok) << pair.name << " from " << describe(reference);
        EXPECT_EQ(back.phase, reference.phase) << pair.name << " from " << describe(reference);
        EXPECT_NEAR(back.mixture.t_K, reference.mixture.t_K, 1e-9 * reference.mixture.t_K)
            << pair.name << " from " << describe(reference);
        EXPECT_NEAR(back.mixture.rho_kgm3, reference.mixture.rho_kgm3,
                    densityTolerance(reference, pair) * reference.mixture.rho_kgm3)
            << pair.name << " from " << describe(reference);
    }
}

// Liquid, vapour and supercritical states over the range: densities
// relative to the saturated ones below Tc, absolute above.
std::vector<WaterState> singlePhaseGrid() {
    std::vector<WaterState> grid;
    for (double t : {285.0, 300.0, 350.0, 400.0, 450.0, 500.0, 550.0, 600.0, 640.0}) {
        const Saturation sat = saturationAtTemperature(t);
        for (double f : {1.0001, 1.005, 1.02, 1.05, 1.1, 1.2}) {
            grid.push_back(stateTRho(t, f * sat.rhoLiquid_kgm3));
        }
        for (double f : {0.9999, 0.9, 0.5, 0.1, 0.001}) {
            grid.push_back(stateTRho(t, f * sat.rhoVapour_kgm3));
        }
    }
    for (double t : {650.0, 700.0, 800.0, 1000.0, 1273.0}) {
        for (double rho : {0.01, 1.0, 30.0, 150.0, 322.0, 500.0, 800.0, 1000.0}) {
            grid.push_back(stateTRho(t, rho));
        }
    }
    // Keep the states inside the range (the densest liquids exceed 1000 MPa).
    std::erase_if(grid, [](const WaterState& s) { return s.status != Status::Ok; });
    return grid;
}

TEST(WaterState, SinglePhasePairsRoundTripToTheirTemperatureAndDensity) {
    const std::vector<WaterState> grid = singlePhaseGrid();
    ASSERT_GT(grid.size(), 100u);
    for (const WaterState& reference : grid) {
        ASSERT_NE(reference.phase, Phase::TwoPhase) << describe(reference);
        expectRoundTrip(reference, true);
    }
}

TEST(WaterState, TwoPhasePairsRoundTripAndMatchTheSaturationSolver) {
    for (double t : {273.16, 300.0, 373.15, 450.0, 550.0, 620.0, 646.0}) {
        const PhaseEquilibrium e = solvePhaseEquilibrium(t);
        ASSERT_TRUE(e.converged);
        for (double x : {0.0, 0.001, 0.3, 0.999, 1.0}) {
            const WaterState s = stateTX(t, x);
            ASSERT_EQ(s.status, Status::Ok);
            EXPECT_EQ(s.phase, Phase::TwoPhase);
            EXPECT_NEAR(s.mixture.p_kPa, e.p_MPa * 1000.0, 1e-9 * e.p_MPa * 1000.0) << t;
            EXPECT_NEAR(s.liquid.rho_kgm3, e.rhoLiquid_kgm3, 1e-9 * e.rhoLiquid_kgm3) << t;
            EXPECT_NEAR(s.vapour.rho_kgm3, e.rhoVapour_kgm3, 1e-9 * e.rhoVapour_kgm3) << t;
            EXPECT_NEAR(s.liquid.h_kJkg, e.hLiquid_kJkg, 1e-9 * std::fabs(e.hVapour_kJkg)) << t;
            EXPECT_NEAR(s.vapour.h_kJkg, e.hVapour_kJkg, 1e-9 * e.hVapour_kJkg) << t;
            EXPECT_FALSE(std::isnan(s.surfaceTension_Nm));

            const WaterState fromP = statePX(s.mixture.p_kPa, x);
            ASSERT_EQ(fromP.status, Status::Ok);
            EXPECT_NEAR(fromP.mixture.t_K, t, 1e-9 * t);
            if (x > 0.0 && x < 1.0) {
                const WaterState fromTRho = stateTRho(t, s.mixture.rho_kgm3);
                EXPECT_EQ(fromTRho.phase, Phase::TwoPhase);
                EXPECT_NEAR(fromTRho.quality, x, 1e-9);
                expectRoundTrip(s, false);
            }
        }
    }
}

// Within 0.1 K and 0.1 % of the critical density: two-phase below Tc,
// supercritical above, every pair converges to the state it came from.
TEST(WaterState, ConvergesNearTheCriticalPoint) {
    for (double dt : {-0.1, -0.03, -0.01, 0.01, 0.03, 0.1}) {
        for (double f : {0.999, 1.0, 1.001}) {
            const WaterState reference = stateTRho(kTc + dt, f * kRhoC);
            ASSERT_EQ(reference.status, Status::Ok) << dt << " " << f;
            EXPECT_EQ(reference.phase, dt < 0.0 ? Phase::TwoPhase : Phase::Supercritical);
            expectRoundTrip(reference, dt > 0.0);
        }
    }
}

TEST(WaterState, NamesPhasesAndFillsEachPart) {
    struct Case {
        double t_K, p_kPa;
        Phase phase;
    };
    const Case cases[] = {
        {300.0, 101.325, Phase::Liquid},        {400.0, 101.325, Phase::Vapour},
        {600.0, 30000.0, Phase::Liquid},        {700.0, 10000.0, Phase::Vapour},
        {700.0, 30000.0, Phase::Supercritical},
    };
    for (const Case& c : cases) {
        const WaterState s = stateTP(c.t_K, c.p_kPa);
        ASSERT_EQ(s.status, Status::Ok);
        EXPECT_EQ(s.phase, c.phase) << c.t_K << " K, " << c.p_kPa << " kPa";
        EXPECT_GT(s.mixture.viscosity_Pas, 0.0);
        EXPECT_GT(s.mixture.thermalConductivity_WmK, 0.0);
        EXPECT_NEAR(s.mixture.kinematicViscosity_m2s * s.mixture.rho_kgm3, s.mixture.viscosity_Pas,
                    1e-15);
        EXPECT_FALSE(std::isnan(s.mixture.jouleThomson_KperkPa));
        EXPECT_TRUE(std::isnan(s.liquid.t_K));
        EXPECT_TRUE(std::isnan(s.surfaceTension_Nm));
    }
    const WaterState wet = stateTX(373.15, 0.25);
    EXPECT_TRUE(std::isnan(wet.mixture.cp_kJkgK));
    EXPECT_TRUE(std::isnan(wet.mixture.jouleThomson_KperkPa));
    EXPECT_NEAR(wet.mixture.h_kJkg, 0.75 * wet.liquid.h_kJkg + 0.25 * wet.vapour.h_kJkg, 1e-9);
    EXPECT_NEAR(wet.surfaceTension_Nm, 58.91e-3, 0.005e-3);  // IAPWS R1-76(2014) Table 1
}

TEST(WaterState, ReportsTheLimitCrossed) {
    const double nan = std::nan("");
    struct Case {
        const char* what;
        WaterState state;
        Status status;
    };
    const Case cases[] = {
        {"T above 1273.15 K", stateTP(1300.0, 100.0), Status::AboveMaximumTemperature},
        {"p above 1000 MPa", stateTP(400.0, 1.1e6), Status::AboveMaximumPressure},
        {"ice Ih", stateTP(260.0, 101.325), Status::BelowMinimumTemperature},
        {"ice VI", stateTP(280.0, 900000.0), Status::BelowMinimumTemperature},
        {"h beyond 1273.15 K", statePH(101.325, 5200.0), Status::AboveMaximumTemperature},
        {"h below the melting point", statePH(101.325, -50.0), Status::BelowMinimumTemperature},
        {"ρ beyond 1000 MPa", stateTRho(300.0, 1300.0), Status::AboveMaximumPressure},
        {"quality above 1", stateTX(300.0, 1.5), Status::QualityOutOfRange},
        {"quality below 0", statePX(100.0, -0.1), Status::QualityOutOfRange},
        {"no saturation above Tc", stateTX(700.0, 0.5), Status::NotTwoPhase},
        {"no saturation above pc", statePX(25000.0, 0.5), Status::NotTwoPhase},
        {"wet below the triple point", stateTX(270.0, 0.5), Status::BelowMinimumTemperature},
        {"saturation below the triple pressure", statePX(0.5, 0.5), Status::BelowMinimumPressure},
        {"NaN", stateTP(nan, 100.0), Status::InvalidInput},
        {"negative density", stateTRho(300.0, -1.0), Status::InvalidInput},
        {"zero pressure", statePS(0.0, 1.0), Status::InvalidInput},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.state.status, c.status) << c.what;
        EXPECT_TRUE(std::isnan(c.state.mixture.t_K)) << c.what;
    }
}

}  // namespace
}  // namespace chemeng::water
