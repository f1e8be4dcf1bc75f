#include "pages/enthalpies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/number_format.h"
#include "framework/radio_groups.h"
#include "heat_capacity_page_driver.h"
#include "pages/enthalpies_layout.h"
#include "pages/heat_caps.h"
#include "pages/heat_caps_layout.h"
#include "support/fixture_paths.h"
#include "support/temp_data_dir.h"

namespace chemeng {
namespace {

using test::FixedLine;
using test::TempDataDir;
namespace Ctl = EnthalpiesCtl;
using V = std::vector<std::string>;

struct Page : test::HeatCapacityPageDriver<CEnthalpies> {
    explicit Page(const std::filesystem::path& dir = test::fixtureDir("heat_caps"))
        : HeatCapacityPageDriver(enthalpiesLayout(), dir) {}
    V compute2(const std::string& t, const std::string& tr) { return compute(t, &tr); }
    V gasShown() const {
        return {text(Ctl::GasA1), text(Ctl::GasA2),   text(Ctl::GasA3),
                text(Ctl::GasA4), text(Ctl::GasTmin), text(Ctl::GasTmax)};
    }
    V liquidShown() const {
        return {text(Ctl::LiquidA1), text(Ctl::LiquidA2), text(Ctl::LiquidA3),
                text(Ctl::LiquidTmin), text(Ctl::LiquidTmax)};
    }
};
struct HeatCapsPage : test::HeatCapacityPageDriver<CHeatCaps> {
    HeatCapsPage() : HeatCapacityPageDriver(heatCapsLayout(), test::fixtureDir("heat_caps")) {}
};

TEST(EnthalpiesPage, ComputesTheGoldenCases) {
    const auto rows = test::readGolden(test::fixtureDir("golden") / "enthalpies.tsv", 7);
    ASSERT_GE(rows.size(), 10u);
    for (const V& c : rows) {
        SCOPED_TRACE(c[0] + " " + c[1] + " " + c[2] + " " + c[3] + " " + c[4]);
        Page p;
        ASSERT_TRUE(p.dialog.messages().empty());
        p.phase(c[1][0]);
        ASSERT_TRUE(p.choose(c[0]));
        p.unit(c[2][0]);
        EXPECT_EQ(p.compute2(c[3], c[4]), test::messageList(c[6]));
        EXPECT_EQ(p.result(), c[5]);
    }
}

TEST(EnthalpiesPage, ShowsTheIntegratedCoefficientsOfTheChosenPhase) {
    Page p;
    ASSERT_TRUE(p.choose("BENZENE"));  // a -6, b 0.05, c 2e-5, d 4e-9; liquid c -1e-5
    EXPECT_EQ(p.gasShown(), (V{"-6", "0.025", "6.6667e-06", "1e-09", "298", "1000"}));
    EXPECT_EQ(p.liquidShown(), (V{"0", "0", "0", "0", "0"}));
    p.phase('L');
    EXPECT_EQ(p.liquidShown(), (V{"62.55", "0.117", "-3.3333e-06", "279", "350"}));
    EXPECT_EQ(p.gasShown(), V(6, "0"));
    p.phase('G');
    EXPECT_EQ(p.gasShown(), (V{"-6", "0.025", "6.6667e-06", "1e-09", "298", "1000"}));
    EXPECT_EQ(p.liquidShown(), V(5, "0"));

    ASSERT_TRUE(p.choose("CARBONMONOXIDE"));  // no wide range on this page
    EXPECT_EQ(p.text(Ctl::GasTmin), "298");
    EXPECT_EQ(p.text(Ctl::GasTmax), "1000");
}

// A3 is c/3 rounded up, not to nearest, to a multiple of 1e-10.
TEST(EnthalpiesPage, ThirdCoefficientIsRoundedUpToATenthOfANano) {
    struct Case {
        double c;
        const char* a3;
    };
    const Case cases[] = {
        {2.0e-5, "6.6667e-06"},
        {-1.0e-5, "-3.3333e-06"},
        {1.0e-5, "3.3334e-06"},
        {3.0e-5, "1e-05"},
        {0.0, "0"},
        {-1.0e-11, "0"},  // rounds up to zero, shown without a sign
        // Where c * 1e10/3 overflows (|c| beyond about 5e298), c/3 itself
        // rather than "inf".
        {1.0e300, "3.33333333333333e+299"},
        {-1.7e308, "-5.66666666666667e+307"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.c);
        EXPECT_EQ(formatGeneral(shownEnthalpyCoefficients({0.0, 0.0, c.c, 0.0, 0.0, 0.0}).a3),
                  c.a3);
    }
    const EnthalpyCoefficients k = shownEnthalpyCoefficients({30.0, 0.05, 0.0, 4.0e-9, 0.0, 0.0});
    EXPECT_EQ(k.a1, 30.0);
    EXPECT_EQ(k.a2, 0.025);
    EXPECT_EQ(formatGeneral(k.a4), "1e-09");
}

// The points where the two pages differ, each run on both pages with the same
// data and inputs. A case may first compute PHOSGENE (gas, a = 30) at 400 K
// from 298 K: that result must not linger beside the next compound's (a
// refused computation shows an empty result).
TEST(EnthalpiesPage, DiffersFromHeatCapacitiesWhereItShould) {
    struct Case {
        const char* point;
        bool primed;
        const char* compound;
        char phase;
        char unit;
        const char* t;
        const char* tr;
        const char* heatCapsMessage;
        const char* heatCapsShown;
        const char* enthalpiesMessage;
        const char* enthalpiesShown;
    };
    const Case cases[] = {
        // Both pages take 0 °C as 273.15 K: the 298 K bound is 24.85 °C on each.
        {"°C to kelvin: +273.15 on both", false, "PHOSGENE", 'G', 'C', "24.85", "25", "", "30", "",
         "-4.5"},
        {"gas range of CO", false, "CARBONMONOXIDE", 'G', 'C', "0", "25", "", "30.292",
         "Out of Range", ""},
        {"gas range of CO2", false, "CARBONDIOXIDE", 'G', 'K', "273", "298", "", "45.666",
         "Out of Range", ""},
        {"gas phase with no range", true, "NORANGE         ", 'G', 'K', "300", "298",
         "This compound doesn't have the result", "", "Out of Range", ""},
        {"liquid: coefficients tested before the range", false, "NODATA", 'L', 'K', "500", "298",
         "Out of Range", "", "No Data Available for this compound", ""},
        {"liquid, all coefficients 0", true, "NODATA", 'L', 'K', "300", "298",
         "No Data Available for this compound", "0", "No Data Available for this compound", ""},
        {"reference temperature required", false, "METHANE", 'G', 'K', "300", "", "", "50.749",
         "Input Temperature", ""},
        {"result", false, "PHOSGENE", 'G', 'K', "400", "298", "", "30", "", "3060"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point);
        HeatCapsPage heatCaps;
        Page enthalpies;
        if (c.primed) {
            ASSERT_TRUE(heatCaps.choose("PHOSGENE"));
            heatCaps.unit('K');
            ASSERT_TRUE(heatCaps.compute("400").empty());
            ASSERT_TRUE(enthalpies.choose("PHOSGENE"));
            enthalpies.unit('K');
            ASSERT_TRUE(enthalpies.compute2("400", "298").empty());
        }
        heatCaps.phase(c.phase);
        ASSERT_TRUE(heatCaps.choose(c.compound));
        heatCaps.unit(c.unit);
        EXPECT_EQ(heatCaps.compute(c.t), test::messageList(c.heatCapsMessage));
        EXPECT_EQ(heatCaps.result(), c.heatCapsShown);

        enthalpies.phase(c.phase);
        ASSERT_TRUE(enthalpies.choose(c.compound));
        enthalpies.unit(c.unit);
        EXPECT_EQ(enthalpies.compute2(c.t, c.tr), test::messageList(c.enthalpiesMessage));
        EXPECT_EQ(enthalpies.result(), c.enthalpiesShown);
    }
}

// H of a compound with only a = value, from 298 K to 299 K, is value itself.
TEST(EnthalpiesPage, RoundsToThousandthsAndRefusesWhatTheStepCannotHold) {
    struct Case {
        const char* a;
        const char* shown;
        const char* message;
    };
    const Case cases[] = {
        {"-1.2344", "-1.234", ""},
        {"-1.2346", "-1.235", ""},
        {"1234.5671", "1234.567", ""},
        {"-2147483", "-2147483", ""},
        {"2147484", "", "Result out of range"},
        {"1e20", "", "Result out of range"},
    };
    TempDataDir dir;
    std::string cpgas = FixedLine().at(11, "SEVEN").at(46, "7").str() + "\n";
    for (std::size_t i = 0; i < std::size(cases); ++i)
        cpgas += FixedLine().at(11, "R" + std::to_string(i)).at(46, cases[i].a).str() + "\n";
    dir.write("Cpgas.txt", cpgas);
    for (const char* file : {"Cpliq.txt", "HCG.txt", "HCL.txt"}) dir.write(file, "");
    Page p(dir.path());
    ASSERT_TRUE(p.dialog.messages().empty());
    p.unit('K');
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].a);
        p.dialog.choose(Ctl::MainFormulas, 0);
        ASSERT_TRUE(p.compute2("299", "298").empty());
        ASSERT_EQ(p.result(), "7");
        p.dialog.choose(Ctl::MainFormulas, static_cast<int>(i) + 1);
        EXPECT_EQ(p.compute2("299", "298"), test::messageList(cases[i].message));
        EXPECT_EQ(p.result(), cases[i].shown);
    }
}

// Neither temperature may reach the formula unless it is a finite number:
// "nan" and "inf" are no numbers, 1e400 no finite temperature. A finite
// reference far out of range still may, and a result that overflows is
// reported rather than shown.
TEST(EnthalpiesPage, TemperaturesThatAreNoFiniteNumberAreRefused) {
    struct Case {
        char phase;
        const char* t;
        const char* tr;
        const char* message;
    };
    const Case cases[] = {
        {'G', "nan", "298", "Temperature: 'nan' is not a number"},
        {'G', "400", "nan", "Reference Temperature: 'nan' is not a number"},
        {'G', "inf", "298", "Temperature: 'inf' is not a number"},
        {'G', "400", "-inf", "Reference Temperature: '-inf' is not a number"},
        {'G', "400", "1e400", "Out of Range"},
        {'L', "nan", "298", "Temperature: 'nan' is not a number"},
        {'L', "300", "inf", "Reference Temperature: 'inf' is not a number"},
        {'L', "300", "-1e400", "Out of Range"},
        {'G', "400", "1e100", "Result out of range"},
        {'L', "300", "1e200", "Result out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.phase) + " " + c.t + " " + c.tr);
        Page p;
        p.phase(c.phase);
        ASSERT_TRUE(p.choose("PHOSGENE"));  // a = 30 for both phases
        p.unit('K');
        EXPECT_EQ(p.compute2(c.t, c.tr), V{c.message});
        EXPECT_EQ(p.result(), "");
    }
}

TEST(EnthalpiesPage, PhaseSwitchWithNoCompoundChosenAndIndependentRadios) {
    Page p;
    p.unit('K');
    p.phase('L');
    EXPECT_TRUE(p.dialog.isChecked(Ctl::Kelvin));
    EXPECT_FALSE(p.dialog.isChecked(Ctl::Gas));
    EXPECT_EQ(p.liquidShown(), V(5, "0"));
    EXPECT_EQ(p.compute2("300", "298"), V{"This compound doesn't have the result"});
    p.phase('G');
    EXPECT_TRUE(p.dialog.isChecked(Ctl::Kelvin));
    EXPECT_TRUE(p.dialog.isChecked(Ctl::Gas));
    EXPECT_EQ(p.gasShown(), V(6, "0"));
    EXPECT_EQ(p.compute2("300", "298"), V{"Out of Range"});
    EXPECT_EQ(p.compute2("0", "298"), V{"No Data Available for this compound"});
    EXPECT_EQ(p.result(), "0");

    const PageLayout& layout = enthalpiesLayout();
    EXPECT_EQ(radioGroupOf(layout, Ctl::Gas), (std::vector<int>{Ctl::Gas, Ctl::Liquid}));
    EXPECT_EQ(radioGroupOf(layout, Ctl::Celsius),
              (std::vector<int>{Ctl::Celsius, Ctl::Fahrenheit, Ctl::Kelvin}));
}

TEST(EnthalpiesPage, EnterComputesAndTypedTemperaturesSurviveAChoice) {
    Page p;
    p.dialog.type(Ctl::Temperature, "400");
    p.dialog.type(Ctl::ReferenceTemperature, "298");
    p.unit('K');
    ASSERT_TRUE(p.choose("PHOSGENE"));
    p.phase('L');
    p.phase('G');
    EXPECT_EQ(p.text(Ctl::Temperature), "400");
    EXPECT_EQ(p.text(Ctl::ReferenceTemperature), "298");
    EXPECT_TRUE(p.dialog.pressEnter());
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.result(), "3060");
}

TEST(EnthalpiesLayout, HasEveryControlOnceWithItsKind) {
    const PageLayout& layout = enthalpiesLayout();
    EXPECT_EQ(layout.caption, "Enthalpies");
    std::vector<int> ids;
    for (const ControlSpec& c : layout.controls)
        if (c.id != 0) ids.push_back(c.id);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    EXPECT_EQ(ids,
              (std::vector<int>{1002, 1003, 1004, 1005, 1006, 1007, 1008, 1010, 1012, 1013, 1015,
                                1016, 1017, 1018, 1020, 1021, 1022, 1023, 1024, 1025, 1026, 1027,
                                1028, 1030, 1044, 1045, 1046, 1047, 1054, 1079, 1094}));
    for (int id : std::initializer_list<int>{Ctl::Temperature, Ctl::ReferenceTemperature, Ctl::H})
        EXPECT_EQ(layout.find(id)->flags & kReadOnly, 0u) << id;
    for (int id :
         std::initializer_list<int>{Ctl::GasA1, Ctl::GasA4, Ctl::LiquidA3, Ctl::LiquidTmax})
        EXPECT_NE(layout.find(id)->flags & kReadOnly, 0u) << id;
    EXPECT_EQ(layout.find(Ctl::MainFormulas)->flags & kSorted, 0u);
    EXPECT_NE(layout.find(Ctl::MiscFormulas)->flags & kSorted, 0u);
}

}  // namespace
}  // namespace chemeng
