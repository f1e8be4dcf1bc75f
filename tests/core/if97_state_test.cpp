// IF97 states from every input pair: the release's first check row through the
// state API, the region and phase of a state, the range statuses, and round
// trips between the pairs in every region and across the two-phase dome.
#include "water/if97_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <utility>
#include <vector>

#include "water/if97_constants.h"
#include "water/if97_region4.h"
#include "water/if97_region_choice.h"

namespace chemeng::water {

std::ostream& operator<<(std::ostream& out, Status status) {
    const char* names[] = {"Ok",
                           "InvalidInput",
                           "BelowMinimumTemperature",
                           "AboveMaximumTemperature",
                           "BelowMinimumPressure",
                           "AboveMaximumPressure",
                           "QualityOutOfRange",
                           "NotTwoPhase",
                           "NoSolution",
                           "NotConverged"};
    return out << names[static_cast<int>(status)];
}

namespace {

using if97::Region;

// R7-97(2012) Table 5, first column: 300 K, 3 MPa.
TEST(If97State, CompressedLiquidAt300KAnd3MPaMatchesTable5) {
    const WaterState s = if97StateTP(300.0, 3000.0);
    ASSERT_EQ(s.status, Status::Ok);
    EXPECT_EQ(s.formulation, Formulation::If97);
    EXPECT_EQ(s.phase, Phase::Liquid);
    EXPECT_EQ(s.quality, 0.0);
    EXPECT_NEAR(s.mixture.v_m3kg, 0.00100215168, 0.5e-11);
    EXPECT_NEAR(s.mixture.h_kJkg, 115.331273, 0.5e-6);
    EXPECT_NEAR(s.mixture.rho_kgm3 * s.mixture.v_m3kg, 1.0, 1e-15);
    EXPECT_EQ(s.mixture.p_kPa, 3000.0);
    EXPECT_EQ(s.mixture.t_K, 300.0);
    // Transport properties and surface tension come from the shared
    // transport code; here they are not given.
    EXPECT_TRUE(std::isnan(s.mixture.viscosity_Pas));
    EXPECT_TRUE(std::isnan(s.mixture.thermalConductivity_WmK));
    EXPECT_TRUE(std::isnan(s.surfaceTension_Nm));
    EXPECT_TRUE(std::isnan(s.liquid.h_kJkg));
}

// The light (T, p) evaluation gives the same v, u, h, s and statuses as the
// full state, in every region.
TEST(If97State, BasicPropertiesAgreeWithTheFullState) {
    for (const auto& [t, p] : std::vector<std::pair<double, double>>{{300.0, 3000.0},
                                                                     {450.0, 20.0},
                                                                     {650.0, 25583.7},
                                                                     {700.0, 30000.0},
                                                                     {1500.0, 30000.0},
                                                                     {272.0, 100.0},
                                                                     {1200.0, 60000.0}}) {
        const WaterState full = if97StateTP(t, p);
        const If97BasicProperties basic = if97BasicPropertiesTP(t, p);
        ASSERT_EQ(basic.status, full.status) << t << ' ' << p;
        if (full.status != Status::Ok) {
            EXPECT_TRUE(std::isnan(basic.h_kJkg));
            continue;
        }
        EXPECT_EQ(basic.phase, full.phase);
        EXPECT_NEAR(basic.v_m3kg, full.mixture.v_m3kg, 1e-14 * full.mixture.v_m3kg);
        EXPECT_NEAR(basic.u_kJkg, full.mixture.u_kJkg, 1e-11 * std::abs(full.mixture.u_kJkg));
        EXPECT_NEAR(basic.h_kJkg, full.mixture.h_kJkg, 1e-11 * std::abs(full.mixture.h_kJkg));
        EXPECT_NEAR(basic.s_kJkgK, full.mixture.s_kJkgK, 1e-11 * std::abs(full.mixture.s_kJkgK));
    }
}

// Derived properties from their definitions: κ = w²/(p v) and μ_JT from a
// finite difference of T along an isenthalp.
TEST(If97State, JouleThomsonAndIsentropicExponentFollowTheirDefinitions) {
    for (const auto& [t, p] : std::vector<std::pair<double, double>>{
             {300.0, 3000.0}, {700.0, 3.5}, {650.0, 25583.7}, {1500.0, 30000.0}}) {
        const WaterState s = if97StateTP(t, p);
        ASSERT_EQ(s.status, Status::Ok);
        const PhaseProperties& m = s.mixture;
        EXPECT_NEAR(m.isentropicExponent, m.w_ms * m.w_ms / (1e3 * m.p_kPa * m.v_m3kg),
                    1e-12 * m.isentropicExponent);
        const double dp = 1e-4 * p;
        const double up = if97StatePH(p + dp, m.h_kJkg).mixture.t_K;
        const double down = if97StatePH(p - dp, m.h_kJkg).mixture.t_K;
        EXPECT_NEAR(m.jouleThomson_KperkPa, (up - down) / (2.0 * dp),
                    1e-5 * std::abs(m.jouleThomson_KperkPa) + 1e-9)
            << t << ' ' << p;
    }
}

struct RegionCase {
    double t_K;
    double p_MPa;
    Region region;
    Phase phase;
};

// Points of R7-97 Fig. 1 on both sides of every boundary; a boundary belongs
// to the lower-numbered region.
TEST(If97State, RegionAndPhaseOfATemperatureAndPressure) {
    const RegionCase cases[] = {
        {300.0, 3.0, Region::One, Phase::Liquid},
        {300.0, 0.0035, Region::Two, Phase::Vapour},
        {373.0, 0.101325, Region::One, Phase::Liquid},
        {374.0, 0.101325, Region::Two, Phase::Vapour},
        {623.15, 50.0, Region::One, Phase::Liquid},
        {623.16, 50.0, Region::Three, Phase::Liquid},
        {630.0, 20.0, Region::Three, Phase::Liquid},
        {640.0, 17.5, Region::Two, Phase::Vapour},
        {645.0, 20.5, Region::Three, Phase::Vapour},
        {650.0, 25.5837018, Region::Three, Phase::Supercritical},
        {650.0, 21.0, Region::Three, Phase::Vapour},
        {700.0, 30.0, Region::Two, Phase::Supercritical},
        {800.0, 90.0, Region::Three, Phase::Supercritical},
        {900.0, 100.0, Region::Two, Phase::Supercritical},
        {1073.15, 50.0, Region::Two, Phase::Supercritical},
        {1073.16, 50.0, Region::Five, Phase::Supercritical},
        {1500.0, 0.5, Region::Five, Phase::Vapour},
        {2273.15, 50.0, Region::Five, Phase::Supercritical},
    };
    for (const RegionCase& c : cases) {
        const if97::RegionChoice where = if97::regionTP(c.p_MPa, c.t_K);
        ASSERT_EQ(where.status, Status::Ok) << c.t_K << ' ' << c.p_MPa;
        EXPECT_EQ(where.region, c.region) << c.t_K << ' ' << c.p_MPa;
        const WaterState s = if97StateTP(c.t_K, 1e3 * c.p_MPa);
        EXPECT_EQ(s.phase, c.phase) << c.t_K << ' ' << c.p_MPa;
        EXPECT_TRUE(s.phase == Phase::Supercritical ? std::isnan(s.quality)
                                                    : s.quality == (s.phase == Phase::Vapour))
            << c.t_K << ' ' << c.p_MPa;
    }
}

enum class Pair { TP, PH, PS, HS, TX, PX };

struct StatusCase {
    Pair pair;
    double a;
    double b;
    Status status;
};

WaterState stateOf(Pair pair, double a, double b) {
    switch (pair) {
        case Pair::TP:
            return if97StateTP(a, b);
        case Pair::PH:
            return if97StatePH(a, b);
        case Pair::PS:
            return if97StatePS(a, b);
        case Pair::HS:
            return if97StateHS(a, b);
        case Pair::TX:
            return if97StateTX(a, b);
        case Pair::PX:
            break;
    }
    return if97StatePX(a, b);
}

// Every limit of the range reported by name, never extrapolated, and just
// inside each limit a state.
TEST(If97State, RangeLimitsAreReportedByName) {
    const double nan = std::nan("");
    const StatusCase cases[] = {
        {Pair::TP, 273.14, 1000.0, Status::BelowMinimumTemperature},
        {Pair::TP, 273.15, 1000.0, Status::Ok},
        {Pair::TP, 2273.16, 1000.0, Status::AboveMaximumTemperature},
        {Pair::TP, 2273.15, 50000.0, Status::Ok},
        {Pair::TP, 500.0, 100000.1, Status::AboveMaximumPressure},
        {Pair::TP, 500.0, 100000.0, Status::Ok},
        {Pair::TP, 1100.0, 50000.1, Status::AboveMaximumPressure},
        {Pair::TP, 1073.15, 100000.0, Status::Ok},
        {Pair::TP, 300.0, 1e-6, Status::Ok},
        {Pair::TP, nan, 100.0, Status::InvalidInput},
        {Pair::TP, 300.0, 0.0, Status::InvalidInput},
        {Pair::TP, 300.0, -1.0, Status::InvalidInput},
        {Pair::TP, INFINITY, 100.0, Status::InvalidInput},
        {Pair::PH, 1000.0, -10.0, Status::BelowMinimumTemperature},
        {Pair::PH, 0.5, 2400.0, Status::BelowMinimumTemperature},
        {Pair::PH, 1000.0, 8000.0, Status::AboveMaximumTemperature},
        {Pair::PH, 60000.0, 5000.0, Status::AboveMaximumTemperature},
        {Pair::PH, 100000.1, 1000.0, Status::AboveMaximumPressure},
        {Pair::PH, 0.0, 1000.0, Status::InvalidInput},
        {Pair::PH, 1000.0, nan, Status::InvalidInput},
        {Pair::PS, 1000.0, -0.1, Status::BelowMinimumTemperature},
        {Pair::PS, 1000.0, 13.0, Status::AboveMaximumTemperature},
        {Pair::PS, 100000.1, 1.0, Status::AboveMaximumPressure},
        {Pair::PS, -5.0, 1.0, Status::InvalidInput},
        {Pair::HS, -100.0, 0.5, Status::BelowMinimumTemperature},
        {Pair::HS, 2000.0, 3.0, Status::AboveMaximumPressure},
        {Pair::HS, 9000.0, 9.0, Status::AboveMaximumTemperature},
        {Pair::HS, nan, 1.0, Status::InvalidInput},
        {Pair::TX, 273.0, 0.5, Status::BelowMinimumTemperature},
        {Pair::TX, 647.2, 0.5, Status::NotTwoPhase},
        {Pair::TX, 400.0, 1.01, Status::QualityOutOfRange},
        {Pair::TX, 400.0, -0.01, Status::QualityOutOfRange},
        {Pair::TX, 647.096, 0.5, Status::Ok},
        {Pair::PX, 0.6, 0.5, Status::BelowMinimumPressure},
        {Pair::PX, 22064.1, 0.5, Status::NotTwoPhase},
        {Pair::PX, 1000.0, 2.0, Status::QualityOutOfRange},
        {Pair::PX, 0.0, 0.5, Status::InvalidInput},
        {Pair::PX, 0.6113, 0.0, Status::Ok},
    };
    for (const StatusCase& c : cases) {
        const WaterState s = stateOf(c.pair, c.a, c.b);
        EXPECT_EQ(s.status, c.status) << static_cast<int>(c.pair) << ' ' << c.a << ' ' << c.b;
        EXPECT_EQ(s.formulation, Formulation::If97);
        if (c.status != Status::Ok) {
            EXPECT_TRUE(std::isnan(s.mixture.h_kJkg)) << "no properties beyond a limit";
        }
    }
}

// A grid over the single-phase range (T from 273.15 K to 2273.15 K, p from
// 1 kPa to the pressure limit), keeping clear of the saturation line where a
// state from (p, h) or (p, s) is by definition two-phase at a hair's distance.
std::vector<std::pair<double, double>> singlePhaseGrid() {
    std::vector<std::pair<double, double>> grid;
    for (double t = 273.15; t <= 2273.15; t += (t < 1073.15 ? 13.7 : 97.3)) {
        for (double p = 1e-3; p <= 100.0; p *= 1.7) {
            if (t > 1073.15 && p > 50.0) continue;
            if (t < 647.096) {
                const double ps = if97::saturationPressure(t);
                if (std::abs(p - ps) < 0.01 * ps) continue;
            }
            grid.emplace_back(t, p);
        }
    }
    return grid;
}

TEST(If97State, PairsInvertTheTemperatureAndPressureStateEverywhere) {
    const auto grid = singlePhaseGrid();
    ASSERT_GT(grid.size(), 500u);
    for (const auto& [t, p] : grid) {
        const WaterState ref = if97StateTP(t, 1e3 * p);
        ASSERT_EQ(ref.status, Status::Ok) << t << ' ' << p;
        const double h = ref.mixture.h_kJkg;
        const double s = ref.mixture.s_kJkgK;
        const WaterState ph = if97StatePH(1e3 * p, h);
        ASSERT_EQ(ph.status, Status::Ok) << "ph " << t << ' ' << p;
        EXPECT_NEAR(ph.mixture.t_K, t, 1e-9 * t) << "ph " << t << ' ' << p;
        EXPECT_NEAR(ph.mixture.v_m3kg, ref.mixture.v_m3kg, 1e-8 * ref.mixture.v_m3kg);
        EXPECT_EQ(ph.phase, ref.phase) << "ph " << t << ' ' << p;
        const WaterState ps = if97StatePS(1e3 * p, s);
        ASSERT_EQ(ps.status, Status::Ok) << "ps " << t << ' ' << p;
        EXPECT_NEAR(ps.mixture.t_K, t, 1e-9 * t) << "ps " << t << ' ' << p;
        const WaterState hs = if97StateHS(h, s);
        ASSERT_EQ(hs.status, Status::Ok) << "hs " << t << ' ' << p;
        EXPECT_NEAR(hs.mixture.t_K, t, 1e-9 * t) << "hs " << t << ' ' << p;
        // p of a cold liquid hangs on h at rounding level: 1e-12 kJ/kg in h is
        // 1e-6 kPa in p at v = 0.001 m³/kg.
        EXPECT_NEAR(hs.mixture.p_kPa, 1e3 * p, 1e-8 * 1e3 * p + 1e-3) << "hs " << t << ' ' << p;
    }
}

// Across the dome, from 273.15 K to just below the critical point: the state
// named by (T, x) is found again from (p, x), (p, h), (p, s) and (h, s).
TEST(If97State, TwoPhaseStatesAgreeFromEveryPair) {
    for (double t = 273.15; t < 647.0; t += 11.3) {
        for (double x : {0.0, 0.25, 0.9, 1.0}) {
            const WaterState ref = if97StateTX(t, x);
            ASSERT_EQ(ref.status, Status::Ok) << t;
            EXPECT_EQ(ref.phase, Phase::TwoPhase);
            const double p = ref.mixture.p_kPa;
            const double h = ref.mixture.h_kJkg;
            const double s = ref.mixture.s_kJkgK;
            EXPECT_NEAR(ref.liquid.p_kPa, p, 1e-9 * p);
            EXPECT_NEAR(ref.vapour.p_kPa, p, 1e-9 * p);
            const WaterState px = if97StatePX(p, x);
            EXPECT_NEAR(px.mixture.t_K, t, 1e-9 * t) << t << ' ' << x;
            EXPECT_NEAR(px.mixture.h_kJkg, h, 1e-8 * std::abs(h) + 1e-9);
            if (x > 0.0 && x < 1.0) {
                const WaterState ph = if97StatePH(p, h);
                EXPECT_EQ(ph.phase, Phase::TwoPhase) << t << ' ' << x;
                EXPECT_NEAR(ph.quality, x, 1e-9) << t << ' ' << x;
                const WaterState ps = if97StatePS(p, s);
                EXPECT_NEAR(ps.quality, x, 1e-9) << t << ' ' << x;
                const WaterState hs = if97StateHS(h, s);
                ASSERT_EQ(hs.status, Status::Ok) << t << ' ' << x;
                EXPECT_NEAR(hs.mixture.t_K, t, 1e-8 * t) << t << ' ' << x;
                EXPECT_NEAR(hs.quality, x, 1e-7) << t << ' ' << x;
            }
        }
    }
}

// Over a box wider than the range (p from 0.1 Pa to 200 MPa, h from −100 to
// 8000 kJ/kg, s from −1 to 14 kJ/(kg·K)), every pair gives either a state that
// reproduces it or the name of a range limit: never an iteration that failed.
TEST(If97State, EveryPairInAWideBoxGivesAStateOrARangeLimit) {
    const auto rangeLimit = [](Status s) {
        return s == Status::BelowMinimumTemperature || s == Status::AboveMaximumTemperature ||
               s == Status::AboveMaximumPressure;
    };
    int states = 0;
    for (double lp = -4.0; lp <= 5.3; lp += 0.093) {
        const double p = std::pow(10.0, lp);
        for (double a = 0.0; a <= 1.0; a += 0.0173) {
            const double h = -100.0 + 8100.0 * a;
            const double s = -1.0 + 15.0 * a;
            const WaterState ph = if97StatePH(p, h);
            const WaterState ps = if97StatePS(p, s);
            const double sOfH = -1.0 + 15.0 * (1.0 - a);
            const WaterState hs = if97StateHS(h, sOfH);
            for (const auto& [state, what] : {std::pair{&ph, "ph"}, {&ps, "ps"}, {&hs, "hs"}}) {
                EXPECT_TRUE(state->status == Status::Ok || rangeLimit(state->status))
                    << what << " p=" << p << " h=" << h << " s=" << s << ' ' << state->status;
            }
            if (ph.status == Status::Ok) {
                ++states;
                EXPECT_NEAR(ph.mixture.h_kJkg, h, 1e-9 * std::max(1.0, std::abs(h)));
            }
            if (ps.status == Status::Ok) {
                ++states;
                EXPECT_NEAR(ps.mixture.s_kJkgK, s, 1e-9 * std::max(1.0, std::abs(s)));
            }
            if (hs.status == Status::Ok) {
                ++states;
                EXPECT_NEAR(hs.mixture.h_kJkg, h, 1e-8 * std::max(1.0, std::abs(h)));
                EXPECT_NEAR(hs.mixture.s_kJkgK, sOfH, 1e-8 * std::max(1.0, std::abs(sOfH)));
            }
        }
    }
    EXPECT_GT(states, 3000);
}

}  // namespace
}  // namespace chemeng::water
