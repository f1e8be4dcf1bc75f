// English-unit IFC-67 evaluations: the check values quoted with the
// formulation's English tables, the range tests and the error flag, the slope
// of the K-function and the mixing rule of SteamProperty.
#include "water/ifc67_formulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace chemeng {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

struct Recorder {
    Ifc67Context context;
};

// Check values to the digits they are quoted with (half a unit of the last).
TEST(Ifc67Formulation, QuotedCheckValues) {
    Ifc67Context c;
    EXPECT_NEAR(KFunction(212.0, c), 14.696, 0.0005);
    EXPECT_NEAR(KFunction(32.018, c), 0.08865, 0.000005);
    EXPECT_NEAR(KFunction(705.47, c), 3208.23474, 0.000005);  // e = 0
    EXPECT_NEAR(KFunction(500.0, c), 680.86, 0.005);
    EXPECT_NEAR(LFunction(662.0), 2398.2, 0.05);
    EXPECT_NEAR(LFunction(705.47), 2845.4, 0.05);
    EXPECT_NEAR(SteamProperty(14.696, 212.0, 0.0, PropertyKind::Volume, c), 0.01672, 0.000005);
    EXPECT_NEAR(SteamProperty(14.696, 212.0, 100.0, PropertyKind::Volume, c), 26.80, 0.005);
    EXPECT_NEAR(SteamProperty(1000.0, 1000.0, 100.0, PropertyKind::Volume, c), 0.8295, 0.00005);
    EXPECT_NEAR(SteamProperty(100.0, 500.0, 100.0, PropertyKind::Volume, c), 5.588, 0.0005);
    EXPECT_FALSE(c.formulationError());
}

struct RangeCase {
    const char* what;
    double (*evaluate)(Ifc67Context&);
};

// Every evaluation outside its range gives 0 and raises the flag; the limits
// themselves are inside (ranges are inclusive).
TEST(Ifc67Formulation, OutOfRangeGivesZeroAndRaisesTheFlag) {
    constexpr auto h = PropertyKind::Enthalpy;
    constexpr auto v = PropertyKind::Volume;
    const RangeCase outside[] = {
        {"K above 705.57 F", [](Ifc67Context& c) { return KFunction(705.58, c); }},
        {"K at absolute zero", [](Ifc67Context& c) { return KFunction(-459.67, c); }},
        {"K NaN", [](Ifc67Context& c) { return KFunction(kNan, c); }},
        {"S1 p low", [](Ifc67Context& c) { return Subregion1Property(0.08864, 100, h, c); }},
        {"S1 p high", [](Ifc67Context& c) { return Subregion1Property(6000.1, 100, h, c); }},
        {"S1 T low", [](Ifc67Context& c) { return Subregion1Property(100, 32.017, v, c); }},
        {"S1 T high", [](Ifc67Context& c) { return Subregion1Property(3000, 682.01, v, c); }},
        {"S1 NaN", [](Ifc67Context& c) { return Subregion1Property(kNan, 100, v, c); }},
        {"S2 p low", [](Ifc67Context& c) { return Subregion2Property(0.08864, 500, v, c); }},
        {"S2 p high", [](Ifc67Context& c) { return Subregion2Property(6000.1, 1000, v, c); }},
        {"S2 T low", [](Ifc67Context& c) { return Subregion2Property(1, -200.1, h, c); }},
        {"S2 T high", [](Ifc67Context& c) { return Subregion2Property(100, 1600.1, h, c); }},
        {"S2 NaN", [](Ifc67Context& c) { return Subregion2Property(100, kNan, h, c); }},
        {"S3 v low", [](Ifc67Context& c) { return Subregion3Property(0.0206, 700, v, c); }},
        {"S3 v high", [](Ifc67Context& c) { return Subregion3Property(0.1431, 700, v, c); }},
        {"S3 T low", [](Ifc67Context& c) { return Subregion3Property(0.06, 635.9, h, c); }},
        {"S3 T high", [](Ifc67Context& c) { return Subregion3Property(0.06, 1124.46, h, c); }},
        {"S3 NaN", [](Ifc67Context& c) { return Subregion3Property(kNan, 700, h, c); }},
    };
    for (const auto& item : outside) {
        Ifc67Context context;
        EXPECT_EQ(item.evaluate(context), 0.0) << item.what;
        EXPECT_TRUE(context.formulationError()) << item.what;
    }
    const RangeCase inside[] = {
        {"K at 705.57 F", [](Ifc67Context& c) { return KFunction(705.57, c); }},
        {"S1 low corner",
         [](Ifc67Context& c) { return Subregion1Property(0.08865, 32.018, v, c); }},
        {"S1 high corner", [](Ifc67Context& c) { return Subregion1Property(6000, 682, v, c); }},
        {"S2 low corner", [](Ifc67Context& c) { return Subregion2Property(0.08865, -200, v, c); }},
        {"S2 high corner", [](Ifc67Context& c) { return Subregion2Property(6000, 1600, v, c); }},
        {"S3 low corner",
         [](Ifc67Context& c) { return Subregion3Property(0.0207, 1124.45, v, c); }},
        {"S3 high corner", [](Ifc67Context& c) { return Subregion3Property(0.143, 636, v, c); }},
    };
    for (const auto& item : inside) {
        Ifc67Context context;
        EXPECT_GT(item.evaluate(context), 0.0) << item.what;
        EXPECT_FALSE(context.formulationError()) << item.what;
    }
}

TEST(Ifc67Formulation, KFunctionLeavesTheSlopeAloneOutOfRange) {
    Ifc67Context context;
    double slope = 123.0;
    EXPECT_EQ(KFunction(705.58, slope, context), 0.0);
    EXPECT_EQ(slope, 123.0);
}

// p_sat = pc exp(A(θ) - e/q). The slope is p_sat dA/dT exactly, plus the
// fixed correction 1e-11 (q - 2e9 e²/q²) in place of the derivative of -e/q;
// dA/dT is checked here by a central difference of ln(p_sat/pc) + e/q.
TEST(Ifc67Formulation, KFunctionSlopeIsTheExponentDerivativePlusTheCorrection) {
    Ifc67Context context;
    auto theta = [](double t) { return (t + 459.67) / 1165.14; };
    auto exponentA = [&](double t) {
        const double e = 1.0 - theta(t);
        return std::log(KFunction(t, context) / 3208.23474) + e / (1.0e9 * e * e + 6.0);
    };
    for (const double t : {32.018, 100.0, 212.0, 400.0, 600.0, 700.0, 705.47}) {
        double slope = 0.0;
        const double p = KFunction(t, slope, context);
        const double e = 1.0 - theta(t);
        const double q = 1.0e9 * e * e + 6.0;
        const double step = 1e-3;
        const double dAdT = (exponentA(t + step) - exponentA(t - step)) / (2 * step);
        const double expected = p * dAdT + 1.0e-11 * (q - 2.0e9 * e * e / (q * q));
        EXPECT_NEAR(slope, expected, std::abs(expected) * 1e-6) << t;
    }
    EXPECT_FALSE(context.formulationError());
}

// A mixture is the quality-weighted mean of the saturated phases at (p, T),
// in every subregion pairing: 1 with 2, and 3 with 3.
TEST(Ifc67Formulation, SteamPropertyWeightsLiquidAndVapourByQuality) {
    struct State {
        double p;
        double t;
    };
    for (const State s : {State{14.696, 212.0}, State{1000.0, 544.58}, State{3000.0, 695.33}}) {
        for (const auto kind :
             {PropertyKind::Entropy, PropertyKind::Enthalpy, PropertyKind::Volume}) {
            Ifc67Context context;
            const double liquid = SteamProperty(s.p, s.t, 0.0, kind, context);
            const double vapour = SteamProperty(s.p, s.t, 100.0, kind, context);
            EXPECT_NE(liquid, vapour);
            EXPECT_NEAR(SteamProperty(s.p, s.t, 50.0, kind, context), (liquid + vapour) / 2,
                        1e-12 * vapour)
                << s.p;
            EXPECT_NEAR(SteamProperty(s.p, s.t, 25.0, kind, context), 0.75 * liquid + 0.25 * vapour,
                        1e-12 * vapour)
                << s.p;
            EXPECT_FALSE(context.formulationError()) << s.p;
        }
    }
}

// SteamProperty routes the vapour to subregion 3 above the L-function
// pressure, and the liquid above 662 °F.
TEST(Ifc67Formulation, SteamPropertyChoosesTheSubregion) {
    Ifc67Context context;
    const auto v = PropertyKind::Volume;
    const auto h = PropertyKind::Enthalpy;
    EXPECT_EQ(SteamProperty(2000.0, 700.0, 100.0, h, context),
              Subregion2Property(2000.0, 700.0, h, context));
    EXPECT_DOUBLE_EQ(SteamProperty(3000.0, 662.0, 0.0, h, context),
                     Subregion1Property(3000.0, 662.0, h, context));

    // 3000 psia at 700 °F is above p_L = 2779.7 psia: subregion 3.
    context.startSolve();
    const double vapourVolume = SteamProperty(3000.0, 700.0, 100.0, v, context);
    EXPECT_NEAR(Subregion3Property(vapourVolume, 700.0, v, context), 3000.0, 3000.0 * 1e-5);
    context.startSolve();
    EXPECT_DOUBLE_EQ(SteamProperty(3000.0, 700.0, 100.0, h, context),
                     Subregion3Property(vapourVolume, 700.0, h, context));

    // 3000 psia at 680 °F, liquid above 662 °F: subregion 3.
    context.startSolve();
    const double liquidVolume = SteamProperty(3000.0, 680.0, 0.0, v, context);
    EXPECT_LT(liquidVolume, 0.03);
    EXPECT_NEAR(Subregion3Property(liquidVolume, 680.0, v, context), 3000.0, 3000.0 * 1e-5);
    EXPECT_FALSE(context.formulationError());
}

// A failed part flows into the weighted result as 0; SteamProperty itself does
// not look at the flag.
TEST(Ifc67Formulation, SteamPropertyCarriesAFailedPartAsZero) {
    Recorder r;
    const double vapour = SteamProperty(14.696, 700.0, 100.0, PropertyKind::Volume, r.context);
    EXPECT_FALSE(r.context.formulationError());
    // The liquid above 662 °F needs subregion 3, which 14.696 psia is outside.
    EXPECT_DOUBLE_EQ(SteamProperty(14.696, 700.0, 50.0, PropertyKind::Volume, r.context),
                     0.5 * vapour);
    EXPECT_TRUE(r.context.formulationError());
    EXPECT_EQ(r.context.failures(),
              std::vector<Subregion3Failure>{Subregion3Failure::PressureOutOfRange});
}

}  // namespace
}  // namespace chemeng
