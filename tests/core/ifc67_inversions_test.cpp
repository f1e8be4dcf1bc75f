// Iterative inversions of the English-unit IFC-67 formulation: saturation
// temperature, qualities, the single-phase search and the subregion-3 volume
// with its memory and its record of failures.
#include "water/ifc67_inversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "water/ifc67_formulation.h"

namespace chemeng {
namespace {

using Failures = std::vector<Subregion3Failure>;

// A context whose record of failed subregion-3 searches the tests read.
struct Recorder {
    Ifc67Context context;
    const Failures& failures() const { return context.failures(); }
};

TEST(KFunctionTemperature, QuotedCheckValues) {
    Ifc67Context c;
    EXPECT_NEAR(KFunctionTemperature(14.696, c), 212.000, 0.0005);
    EXPECT_NEAR(KFunctionTemperature(100.0, c), 327.82, 0.005);
    EXPECT_NEAR(KFunctionTemperature(1000.0, c), 544.58, 0.005);
    EXPECT_NEAR(KFunctionTemperature(0.08865, c), 32.017, 0.0005);
    EXPECT_NEAR(KFunctionTemperature(3208.23474, c), 705.47, 0.005);
    EXPECT_FALSE(c.formulationError());
}

// The result meets the residual tolerance of its pressure band on the way
// back through the K-function, across the whole saturation line.
TEST(KFunctionTemperature, RoundTripsTheKFunction) {
    Ifc67Context c;
    for (double p = 0.08865; p < 3208.23474; p *= 1.37) {
        const double t = KFunctionTemperature(p, c);
        const double tolerance = p > 2700.0 ? 2e-9 : 2e-6;
        EXPECT_NEAR(KFunction(t, c), p, p * tolerance) << p;
    }
    for (const double p : {2700.5, 3000.0, 3200.5, 3208.0, 3208.23474}) {
        EXPECT_NEAR(KFunction(KFunctionTemperature(p, c), c), p, p * 2e-9) << p;
    }
    EXPECT_FALSE(c.formulationError());
}

TEST(KFunctionTemperature, OutsideTheSaturationLineGivesZeroAndRaisesTheFlag) {
    for (const double p : {3208.3, 0.08864, 0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        Ifc67Context c;
        EXPECT_EQ(KFunctionTemperature(p, c), 0.0) << p;
        EXPECT_TRUE(c.formulationError()) << p;
    }
}

TEST(QualityAtTemperature, ClampsToZeroAndHundredAndInterpolatesBetween) {
    Ifc67Context c;
    const auto v = PropertyKind::Volume;
    // Saturated volumes at 212 °F: 0.01672 and 26.80 ft³/lb.
    EXPECT_NEAR(QualityAtTemperature(212.0, 13.4, v, c), 49.97, 0.005);
    EXPECT_EQ(QualityAtTemperature(212.0, 30.0, v, c), 100.0);
    EXPECT_EQ(QualityAtTemperature(212.0, 0.01, v, c), 0.0);
    EXPECT_EQ(QualityAtTemperature(705.48, 0.01, v, c), 100.0);  // above the critical point
    EXPECT_FALSE(c.formulationError());
}

// The quality of a mixture built by SteamProperty comes back, with both
// phases from subregions 1 and 2 and, near the critical point, from 3.
TEST(QualityAtTemperature, RecoversTheQualityOfAMixture) {
    for (const double t : {100.0, 400.0, 650.0, 690.0}) {
        for (const auto kind : {PropertyKind::Enthalpy, PropertyKind::Volume}) {
            Ifc67Context c;
            const double p = KFunction(t, c);
            const double y = SteamProperty(p, t, 30.0, kind, c);
            EXPECT_NEAR(QualityAtTemperature(t, y, kind, c), 30.0, 1e-9) << t;
            EXPECT_FALSE(c.formulationError()) << t;
        }
    }
}

TEST(QualityAtPressure, RecoversTheQualityOfAMixture) {
    for (const double p : {1.0, 100.0, 1000.0, 2500.0, 3100.0}) {
        for (const auto kind : {PropertyKind::Enthalpy, PropertyKind::Volume}) {
            Ifc67Context c;
            const double t = KFunctionTemperature(p, c);
            const double y = SteamProperty(p, t, 70.0, kind, c);
            EXPECT_NEAR(QualityAtPressure(p, y, kind, c), 70.0, 1e-9) << p;
            EXPECT_EQ(QualityAtPressure(p, y * 1.5, kind, c), 100.0) << p;
            EXPECT_EQ(QualityAtPressure(p, SteamProperty(p, t, 0.0, kind, c) * 0.9, kind, c), 0.0)
                << p;
            EXPECT_FALSE(c.formulationError()) << p;
        }
    }
}

// Above the critical pressure there is no mixture: the state is liquid below
// the value at 705.47 °F and vapour above it.
TEST(QualityAtPressure, AboveTheCriticalPressureGivesOnlyZeroOrHundred) {
    Ifc67Context c;
    const double hCritical = SteamProperty(4000.0, 705.47, 0.0, PropertyKind::Enthalpy, c);
    for (const double h : {600.0, hCritical - 1.0, hCritical + 1.0, 1000.0, 1400.0}) {
        c.startSolve();
        const double x = QualityAtPressure(4000.0, h, PropertyKind::Enthalpy, c);
        EXPECT_EQ(x, h < hCritical ? 0.0 : 100.0) << h;
    }
}

TEST(SinglePhaseSearch, AMixtureGivesTheSaturationValueWithoutSearching) {
    Ifc67Context c;
    // A trial point would clear the memory flags; none runs.
    c.volumeMemory().liquidValid = true;
    EXPECT_EQ(SinglePhaseSearch(14.696, 5.0, 37.0, PropertyKind::Volume,
                                SearchMode::TemperatureAtPressure, c),
              KFunctionTemperature(14.696, c));
    EXPECT_EQ(SinglePhaseSearch(500.0, 5.0, 37.0, PropertyKind::Volume,
                                SearchMode::PressureAtTemperature, c),
              KFunction(500.0, c));
    EXPECT_EQ(SinglePhaseSearch(4000.0, 5.0, 37.0, PropertyKind::Volume,
                                SearchMode::TemperatureAtPressure, c),
              705.47);
    EXPECT_EQ(SinglePhaseSearch(800.0, 5.0, 37.0, PropertyKind::Volume,
                                SearchMode::PressureAtTemperature, c),
              3208.23474);
    EXPECT_TRUE(c.volumeMemory().liquidValid);
    EXPECT_FALSE(c.formulationError());
}

TEST(SinglePhaseSearch, FindsTheSuperheatedTemperatureOfAVolume) {
    Ifc67Context c;
    const double t = SinglePhaseSearch(14.696, 29.0, 100.0, PropertyKind::Volume,
                                       SearchMode::TemperatureAtPressure, c);
    EXPECT_GT(t, 212.0);
    EXPECT_LT(t, 1600.0);
    EXPECT_NEAR(Subregion2Property(14.696, t, PropertyKind::Volume, c), 29.0, 29.0 * 1e-5);
    EXPECT_FALSE(c.formulationError());
}

struct GridState {
    double p;
    double t;
    double x;
};

// Liquid and vapour states from 1 to 5000 psia, subregions 1, 2 and 3.
const std::vector<GridState>& gridStates() {
    static const std::vector<GridState> states = [] {
        std::vector<GridState> s;
        Ifc67Context c;
        for (const double p : {1.0, 14.696, 100.0, 500.0, 1000.0, 2000.0, 2900.0, 3150.0}) {
            const double tSat = KFunctionTemperature(p, c);
            for (const double t : {tSat - 60.0, tSat - 10.0}) {
                if (t > 40.0) {
                    s.push_back({p, t, 0.0});
                }
            }
            for (const double t : {tSat + 10.0, tSat + 100.0, 1000.0, 1500.0}) {
                s.push_back({p, t, 100.0});
            }
        }
        // Above the critical pressure.
        for (const double t : {500.0, 680.0}) {
            s.push_back({5000.0, t, 0.0});
        }
        for (const double t : {760.0, 900.0, 1300.0}) {
            s.push_back({5000.0, t, 100.0});
        }
        return s;
    }();
    return states;
}

// Each search lands where SteamProperty gives the target back within the
// search tolerance (1e-5 of the value), close to the state the target came from.
TEST(SinglePhaseSearch, RoundTripsSteamPropertyForTheTemperature) {
    for (const auto& s : gridStates()) {
        for (const auto kind : {PropertyKind::Enthalpy, PropertyKind::Volume}) {
            Recorder r;
            const double y = SteamProperty(s.p, s.t, s.x, kind, r.context);
            const double t =
                SinglePhaseSearch(s.p, y, s.x, kind, SearchMode::TemperatureAtPressure, r.context);
            r.context.volumeMemory().clearFlags();
            const double back = SteamProperty(s.p, t, s.x, kind, r.context);
            const std::string where = std::to_string(s.p) + " psia " + std::to_string(s.t) +
                                      " F x=" + std::to_string(s.x) +
                                      (kind == PropertyKind::Volume ? " v" : " h");
            EXPECT_NEAR(back, y, std::abs(y) * 1e-5) << where;
            EXPECT_NEAR(t, s.t, 0.05 * (kind == PropertyKind::Volume && s.x == 0.0 ? 20 : 1))
                << where;
            EXPECT_FALSE(r.context.formulationError()) << where;
            EXPECT_TRUE(r.failures().empty()) << where;
        }
    }
}

// The pressure search brackets vapour between 0.08865 psia and the saturation
// pressure (the critical pressure above 705.47 °F), so the grid's vapour states
// above 3208 psia are not looked for. Nor is a compressed liquid's enthalpy:
// it rises with pressure, hardly at all, where the search expects a property
// that falls with it.
TEST(SinglePhaseSearch, RoundTripsSteamPropertyForThePressure) {
    for (const auto& s : gridStates()) {
        if (s.x == 100.0 && s.p > 3208.23474) {
            continue;
        }
        for (const auto kind : {PropertyKind::Enthalpy, PropertyKind::Volume}) {
            if (s.x == 0.0 && kind == PropertyKind::Enthalpy) {
                continue;
            }
            Recorder r;
            const double y = SteamProperty(s.p, s.t, s.x, kind, r.context);
            const double p =
                SinglePhaseSearch(s.t, y, s.x, kind, SearchMode::PressureAtTemperature, r.context);
            r.context.volumeMemory().clearFlags();
            const double back = SteamProperty(p, s.t, s.x, kind, r.context);
            const std::string where = std::to_string(s.p) + " psia " + std::to_string(s.t) +
                                      " F x=" + std::to_string(s.x) +
                                      (kind == PropertyKind::Volume ? " v" : " h");
            EXPECT_NEAR(back, y, std::abs(y) * 1e-5) << where;
            // A vapour volume pins the pressure; a vapour enthalpy (nearly
            // ideal gas) and a liquid volume hardly depend on it.
            if (s.x == 100.0 && kind == PropertyKind::Volume) {
                EXPECT_NEAR(p, s.p, s.p * 2e-5) << where;
            }
            EXPECT_FALSE(r.context.formulationError()) << where;
            EXPECT_TRUE(r.failures().empty()) << where;
        }
    }
}

// Superheated steam at 1000 psia above 662 °F: the search never asks for a
// liquid-side subregion-3 volume, so no message appears.
TEST(SinglePhaseSearch, SuperheatedSteamAt1000PsiaNeedsNoSubregion3Liquid) {
    Recorder r;
    const double t = SinglePhaseSearch(1000.0, 1400.0, 100.0, PropertyKind::Enthalpy,
                                       SearchMode::TemperatureAtPressure, r.context);
    EXPECT_GT(t, 662.0);
    EXPECT_NEAR(SteamProperty(1000.0, t, 100.0, PropertyKind::Enthalpy, r.context), 1400.0,
                1400.0 * 1e-5);
    EXPECT_TRUE(r.failures().empty());
    EXPECT_FALSE(r.context.formulationError());
}

TEST(SinglePhaseSearch, ATargetThatCannotBeReachedGivesZeroAndRaisesTheFlag) {
    struct Case {
        const char* what;
        double a;
        double y;
        double x;
        SearchMode mode;
    };
    const Case cases[] = {
        {"vapour volume beyond 1600 F", 14.696, 1.0e6, 100.0, SearchMode::TemperatureAtPressure},
        {"liquid enthalpy above saturation", 100.0, 1000.0, 0.0, SearchMode::TemperatureAtPressure},
        {"zero target", 100.0, 0.0, 100.0, SearchMode::TemperatureAtPressure},
        {"infinite target", 400.0, std::numeric_limits<double>::infinity(), 100.0,
         SearchMode::PressureAtTemperature},
    };
    for (const auto& c : cases) {
        Ifc67Context context;
        EXPECT_EQ(SinglePhaseSearch(c.a, c.y, c.x, PropertyKind::Volume, c.mode, context), 0.0)
            << c.what;
        EXPECT_TRUE(context.formulationError()) << c.what;
    }
}

TEST(Subregion3Volume, ASecondRequestOnTheSameSideReturnsTheFirstAnswer) {
    Ifc67Context c;
    const double liquid = Subregion3Volume(3000.0, 680.0, 0.0, c);
    EXPECT_NEAR(liquid, 0.02885344132, 0.02885344132 * 5e-5);
    EXPECT_TRUE(c.volumeMemory().liquidValid);
    EXPECT_EQ(c.volumeMemory().liquidVolume_ft3lb, liquid);

    // Another (p, T) on the liquid side: the remembered volume, unchanged.
    EXPECT_EQ(Subregion3Volume(4000.0, 720.0, 0.0, c), liquid);
    // Even an out-of-range pressure: the memory is consulted first.
    EXPECT_EQ(Subregion3Volume(1000.0, 720.0, 0.0, c), liquid);

    // The vapour side has its own memory.
    const double vapour = Subregion3Volume(3000.0, 700.0, 100.0, c);
    EXPECT_NEAR(vapour, 0.09816731929, 0.09816731929 * 5e-5);
    EXPECT_EQ(Subregion3Volume(5000.0, 800.0, 100.0, c), vapour);
    EXPECT_EQ(Subregion3Volume(5000.0, 800.0, 0.0, c), liquid);

    // Cleared flags: a fresh search.
    c.volumeMemory().clearFlags();
    EXPECT_NEAR(Subregion3Volume(4000.0, 720.0, 0.0, c), 0.03281369556, 0.03281369556 * 5e-5);
    EXPECT_NEAR(Subregion3Volume(5000.0, 800.0, 100.0, c), 0.05906662394, 0.05906662394 * 5e-5);
    EXPECT_FALSE(c.formulationError());
}

// Between 705 and 705.47 °F the search always runs (from a straight-line start)
// and still leaves its answer in the memory.
TEST(Subregion3Volume, TheCriticalBandDoesNotConsultTheMemory) {
    Ifc67Context c;
    c.volumeMemory().liquidVolume_ft3lb = 0.03;
    c.volumeMemory().liquidValid = true;
    const double v = Subregion3Volume(3300.0, 705.2, 0.0, c);
    EXPECT_NE(v, 0.03);
    EXPECT_NEAR(Subregion3Property(v, 705.2, PropertyKind::Volume, c), 3300.0, 3300.0 * 1e-5);
    EXPECT_EQ(c.volumeMemory().liquidVolume_ft3lb, v);
    EXPECT_FALSE(c.formulationError());
}

TEST(Subregion3Volume, PressureOutsideTheSubregionIsReported) {
    for (const double p : {2002.77, 6000.1}) {
        Recorder r;
        EXPECT_EQ(Subregion3Volume(p, 700.0, 100.0, r.context), 0.0) << p;
        EXPECT_TRUE(r.context.formulationError()) << p;
        EXPECT_EQ(r.failures(), Failures{Subregion3Failure::PressureOutOfRange}) << p;
        EXPECT_FALSE(r.context.volumeMemory().vapourValid) << p;
    }
}

// Liquid side at 1000 °F and 2100 psia: the root lies beyond the upper volume
// limit, the search sticks at the limit and gives up after 100 trial points.
TEST(Subregion3Volume, NoConvergenceIsReported) {
    Recorder r;
    EXPECT_EQ(Subregion3Volume(2100.0, 1000.0, 0.0, r.context), 0.0);
    EXPECT_TRUE(r.context.formulationError());
    EXPECT_EQ(r.failures(), Failures{Subregion3Failure::NotConverged});
    EXPECT_FALSE(r.context.volumeMemory().liquidValid);
}

// Once the flag is up, a search that has to iterate gives 0 after its first
// evaluation, silently, and remembers nothing.
TEST(Subregion3Volume, ARaisedFlagStopsTheSearchSilently) {
    Recorder r;
    r.context.raiseFormulationError();
    EXPECT_EQ(Subregion3Volume(3000.0, 680.0, 0.0, r.context), 0.0);
    EXPECT_TRUE(r.failures().empty());
    EXPECT_FALSE(r.context.volumeMemory().liquidValid);

    // A temperature outside subregion 3 fails the same way at its first evaluation.
    Recorder low;
    EXPECT_EQ(Subregion3Volume(3000.0, 600.0, 100.0, low.context), 0.0);
    EXPECT_TRUE(low.context.formulationError());
    EXPECT_TRUE(low.failures().empty());
}

TEST(Ifc67Context, StartSolveClearsTheFlagAndTheMemory) {
    Ifc67Context c;
    c.raiseFormulationError();
    c.volumeMemory().liquidValid = true;
    c.volumeMemory().vapourValid = true;
    c.startSolve();
    EXPECT_FALSE(c.formulationError());
    EXPECT_FALSE(c.volumeMemory().liquidValid);
    EXPECT_FALSE(c.volumeMemory().vapourValid);
}

}  // namespace
}  // namespace chemeng
