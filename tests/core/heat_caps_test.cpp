#include "pages/heat_caps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/radio_groups.h"
#include "heat_capacity_page_driver.h"
#include "pages/heat_caps_layout.h"
#include "support/fixture_paths.h"
#include "support/temp_data_dir.h"

namespace chemeng {
namespace {

using test::FixedLine;
using test::TempDataDir;
namespace Ctl = HeatCapsCtl;
using V = std::vector<std::string>;

struct Page : test::HeatCapacityPageDriver<CHeatCaps> {
    explicit Page(const std::filesystem::path& dir = test::fixtureDir("heat_caps"))
        : HeatCapacityPageDriver(heatCapsLayout(), dir) {}
    V gasShown() const {
        return {text(Ctl::GasA), text(Ctl::GasB),    text(Ctl::GasC),
                text(Ctl::GasD), text(Ctl::GasTmin), text(Ctl::GasTmax)};
    }
    V liquidShown() const {
        return {text(Ctl::LiquidA), text(Ctl::LiquidB), text(Ctl::LiquidC), text(Ctl::LiquidTmin),
                text(Ctl::LiquidTmax)};
    }
};
const V kGasZero(6, "0");
const V kLiquidZero(5, "0");

TEST(HeatCapsPage, ComputesTheGoldenCases) {
    const auto rows = test::readGolden(test::fixtureDir("golden") / "heat_caps.tsv", 6);
    ASSERT_GE(rows.size(), 10u);
    for (const V& c : rows) {
        SCOPED_TRACE(c[0] + " " + c[1] + " " + c[2] + " " + c[3]);
        Page p;
        ASSERT_TRUE(p.dialog.messages().empty());
        p.phase(c[1][0]);
        ASSERT_TRUE(p.choose(c[0]));
        p.unit(c[2][0]);
        EXPECT_EQ(p.compute(c[3]), test::messageList(c[5]));
        EXPECT_EQ(p.result(), c[4]);
    }
}

TEST(HeatCapsPage, ShowsOnlyTheChosenPhaseAndSwitchesOnTheSameCompound) {
    Page p;
    ASSERT_TRUE(p.choose("BENZENE"));
    EXPECT_EQ(p.text(Ctl::Name), "BENZENE");
    EXPECT_EQ(p.text(Ctl::Formula), "C6H6");
    EXPECT_EQ(p.text(Ctl::MolecularWeight), "78.11");
    EXPECT_EQ(p.gasShown(), (V{"-6", "0.05", "2e-05", "4e-09", "298", "1000"}));
    EXPECT_EQ(p.liquidShown(), kLiquidZero);
    ASSERT_TRUE(p.compute("25").empty());
    EXPECT_EQ(p.result(), "10.791");

    // A switch keeps the compound and the typed temperature; the gas result
    // does not answer the liquid.
    p.phase('L');
    EXPECT_EQ(p.gasShown(), kGasZero);
    EXPECT_EQ(p.liquidShown(), (V{"62.55", "0.234", "-1e-05", "279", "350"}));
    EXPECT_EQ(p.text(Ctl::Name), "BENZENE");
    EXPECT_EQ(p.text(Ctl::Temperature), "25");
    EXPECT_EQ(p.result(), "");

    // Chosen while liquid: only the liquid values, then Gas brings the others.
    ASSERT_TRUE(p.choose("ETHYLACETATE"));  // blanks of the name dropped; 4.8Y and N350 read
    EXPECT_EQ(p.liquidShown(), (V{"155.94", "0.05", "4.8", "190", "350"}));
    EXPECT_EQ(p.gasShown(), kGasZero);
    p.phase('G');
    EXPECT_EQ(p.gasShown(), (V{"0", "0", "0", "0", "298", "1000"}));
    EXPECT_EQ(p.liquidShown(), kLiquidZero);

    // Miscellaneous rows keep their blanks and carry their own gas range.
    ASSERT_TRUE(p.dialog.chooseText(Ctl::MiscFormulas, "NH3"));
    EXPECT_EQ(p.text(Ctl::Name), "AMMONIA         ");
    EXPECT_EQ(p.gasShown(), (V{"27.31", "0.02383", "1.707e-05", "-1.185e-08", "273", "1500"}));
    p.phase('L');
    EXPECT_EQ(p.liquidShown(), (V{"20", "0.5", "0", "200", "300"}));

    // The formula list goes by position.
    p.dialog.doubleClick(Ctl::MainFormulas, 1);
    EXPECT_EQ(p.text(Ctl::Name), "CARBONMONOXIDE");
    p.phase('G');
    EXPECT_EQ(p.text(Ctl::GasTmin), "273");  // CO and CO2 have the wide range here
    EXPECT_EQ(p.text(Ctl::GasTmax), "3800");
    EXPECT_TRUE(p.dialog.messages().empty());
}

TEST(HeatCapsPage, PhaseSwitchWithNoCompoundChosenShowsZerosAndRefusesToCompute) {
    Page p;
    for (char phase : {'L', 'G', 'L'}) {
        SCOPED_TRACE(phase);
        p.phase(phase);
        EXPECT_EQ(p.gasShown(), kGasZero);
        EXPECT_EQ(p.liquidShown(), kLiquidZero);
        EXPECT_EQ(p.text(Ctl::Name), "");
        EXPECT_EQ(p.compute("300"), V{"This compound doesn't have the result"});
        EXPECT_EQ(p.result(), "");
    }
}

// A blank line of the main file is a compound without a name. Gas shows the
// range every main row gets; a switch to liquid has no name to look up, but
// the gas values must still leave the page.
TEST(HeatCapsPage, SwitchingToLiquidOnANamelessRowClearsTheGasValues) {
    TempDataDir dir;
    dir.write("Cpgas.txt", "\n");
    dir.write("Cpliq.txt", FixedLine().at(47, "20").at(86, "200").at(94, "300").str() + "\n");
    for (const char* file : {"HCG.txt", "HCL.txt"}) dir.write(file, "");
    Page p(dir.path());
    p.dialog.choose(Ctl::MainFormulas, 0);
    EXPECT_EQ(p.gasShown(), (V{"0", "0", "0", "0", "298", "1000"}));
    p.phase('L');
    EXPECT_EQ(p.gasShown(), kGasZero);
    EXPECT_EQ(p.liquidShown(), kLiquidZero);
    p.dialog.choose(Ctl::MainFormulas, 0);  // chosen while liquid, it shows its liquid data
    EXPECT_EQ(p.liquidShown(), (V{"20", "0", "0", "200", "300"}));
}

TEST(HeatCapsPage, PhaseAndUnitRadiosAreIndependentGroups) {
    Page p;
    const auto checks = [&] {
        V on;
        for (int id : std::initializer_list<int>{Ctl::Gas, Ctl::Liquid, Ctl::Celsius,
                                                 Ctl::Fahrenheit, Ctl::Kelvin})
            on.push_back(p.dialog.isChecked(id) ? "x" : "-");
        return on;
    };
    EXPECT_EQ(checks(), (V{"x", "-", "x", "-", "-"}));
    p.phase('L');
    EXPECT_EQ(checks(), (V{"-", "x", "x", "-", "-"}));
    p.unit('K');
    EXPECT_EQ(checks(), (V{"-", "x", "-", "-", "x"}));
    p.phase('G');
    EXPECT_EQ(checks(), (V{"x", "-", "-", "-", "x"}));
    p.unit('F');
    EXPECT_EQ(checks(), (V{"x", "-", "-", "x", "-"}));

    const PageLayout& layout = heatCapsLayout();
    EXPECT_EQ(radioGroupOf(layout, Ctl::Liquid), (std::vector<int>{Ctl::Gas, Ctl::Liquid}));
    EXPECT_EQ(radioGroupOf(layout, Ctl::Kelvin),
              (std::vector<int>{Ctl::Celsius, Ctl::Fahrenheit, Ctl::Kelvin}));
}

// A result stands beside the inputs it answers: a refused computation, and
// another compound, phase or unit, empty it. Only "No Data" still computes.
TEST(HeatCapsPage, MessagesEmptyTheResultExceptNoDataWhichComputesZero) {
    Page p;
    ASSERT_TRUE(p.choose("METHANE"));
    const auto computed = [&p] {
        EXPECT_TRUE(p.compute("25").empty());
        return p.result() == "50.65";
    };
    ASSERT_TRUE(computed());
    EXPECT_EQ(p.compute(""), V{"Input Temperature"});
    EXPECT_EQ(p.result(), "");
    ASSERT_TRUE(computed());
    EXPECT_EQ(p.compute("25 C"), V{"Temperature: '25 C' is not a number"});
    EXPECT_EQ(p.result(), "");
    ASSERT_TRUE(computed());
    EXPECT_EQ(p.compute("2000"), V{"Out of Range"});
    EXPECT_EQ(p.result(), "");
    ASSERT_TRUE(computed());
    p.unit('F');
    EXPECT_EQ(p.result(), "");
    EXPECT_EQ(p.text(Ctl::Temperature), "25");  // the typed text stays
    p.unit('C');
    ASSERT_TRUE(computed());
    p.phase('L');
    EXPECT_EQ(p.result(), "");
    EXPECT_EQ(p.compute("300"), V{"This compound doesn't have the result"});
    EXPECT_EQ(p.result(), "");
    p.phase('G');
    ASSERT_TRUE(computed());
    p.phase('L');
    ASSERT_TRUE(p.choose("HUGE"));  // liquid a = 1e300
    EXPECT_EQ(p.result(), "");
    EXPECT_EQ(p.compute("27"), V{"Result out of range"});
    EXPECT_EQ(p.result(), "");

    ASSERT_TRUE(p.choose("NODATA"));
    EXPECT_EQ(p.compute("27"), V{"No Data Available for this compound"});
    EXPECT_EQ(p.result(), "0");
}

// Cp of a compound with only a = value is value itself, shown in
// thousandths; values the 32-bit rounding step cannot hold are reported and
// the previous result stays.
TEST(HeatCapsPage, RoundsToThousandthsAndRefusesWhatTheStepCannotHold) {
    struct Case {
        const char* a;
        const char* shown;
        const char* message;
    };
    const Case cases[] = {
        {"29.12349", "29.123", ""},
        {"29.12351", "29.124", ""},
        {"-1.2346", "-1.235", ""},
        {"0.0004", "0", ""},
        {"2147483.6", "2147483.6", ""},
        {"-2147483", "-2147483", ""},
        {"2147484", "", "Result out of range"},
        {"-2147484", "", "Result out of range"},
        {"1e300", "", "Result out of range"},
        // A coefficient that reads as non-finite counts as 0: no data.
        {"inf", "0", "No Data Available for this compound"},
        {"nan", "0", "No Data Available for this compound"},
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
        ASSERT_TRUE(p.compute("500").empty());
        ASSERT_EQ(p.result(), "7");
        p.dialog.choose(Ctl::MainFormulas, static_cast<int>(i) + 1);
        EXPECT_EQ(p.compute("500"), test::messageList(cases[i].message));
        EXPECT_EQ(p.result(), cases[i].shown);
    }
}

// A data cell that reads as infinite or not-a-number (an exponent beyond the
// double's range, "nan") counts as 0 in either phase, so no edit ever shows
// "inf" or "nan"; the other coefficients still compute.
TEST(HeatCapsPage, DataCellsThatReadAsNonFiniteCountAsZero) {
    TempDataDir dir;
    dir.write("Cpgas.txt", FixedLine()
                                   .at(3, "X")
                                   .at(11, "ODD")
                                   .at(46, "1e999")
                                   .at(60, "nan")
                                   .at(72, "-1e999")
                                   .at(85, "2e-6")
                                   .str() +
                               "\n");
    dir.write(
        "Cpliq.txt",
        FixedLine().at(47, "10").at(58, "inf").at(72, "2.9e308").at(85, "200").at(94, "400").str() +
            "\n");
    for (const char* file : {"HCG.txt", "HCL.txt"}) dir.write(file, "");
    Page p(dir.path());
    ASSERT_TRUE(p.choose("ODD"));
    p.unit('K');
    EXPECT_EQ(p.gasShown(), (V{"0", "0", "0", "2e-06", "298", "1000"}));
    EXPECT_TRUE(p.compute("500").empty());
    EXPECT_EQ(p.result(), "250");
    p.phase('L');
    EXPECT_EQ(p.liquidShown(), (V{"10", "0", "0", "200", "400"}));
    EXPECT_TRUE(p.compute("300").empty());
    EXPECT_EQ(p.result(), "10");
}

// "nan" and "inf" are no numbers; a number that overflows, or one too large
// for the range, is no temperature of the fit.
TEST(HeatCapsPage, NonFiniteTemperaturesAreRefused) {
    Page p;
    ASSERT_TRUE(p.choose("METHANE"));
    for (char unit : {'C', 'F', 'K'}) {
        p.unit(unit);
        for (const char* typed : {"nan", "-nan", "NaN(1)", "inf", "-inf"}) {
            SCOPED_TRACE(std::string(1, unit) + " " + typed);
            EXPECT_EQ(p.compute(typed),
                      V{"Temperature: '" + std::string(typed) + "' is not a number"});
            EXPECT_EQ(p.result(), "");
        }
        for (const char* typed : {"1e400", "1e308"}) {
            SCOPED_TRACE(std::string(1, unit) + " " + typed);
            EXPECT_EQ(p.compute(typed), V{"Out of Range"});
            EXPECT_EQ(p.result(), "");
        }
    }
}

TEST(HeatCapsPage, EnterComputesAndIsConsumed) {
    Page p;
    p.dialog.type(Ctl::Temperature, "25");
    EXPECT_TRUE(p.dialog.pressEnter());  // no compound needed to run
    EXPECT_EQ(p.dialog.takeMessages(), V{"This compound doesn't have the result"});
    ASSERT_TRUE(p.choose("CARBONDIOXIDE"));
    p.dialog.type(Ctl::Temperature, "0");
    EXPECT_TRUE(p.dialog.pressEnter());
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.result(), "45.671");
}

// Choosing a compound or a phase refreshes every edit; what the user typed
// and has not yet computed must survive that.
TEST(HeatCapsPage, ATypedTemperatureSurvivesChoosingACompoundOrPhase) {
    Page p;
    p.dialog.type(Ctl::Temperature, "25");
    ASSERT_TRUE(p.choose("METHANE"));
    EXPECT_EQ(p.text(Ctl::Temperature), "25");
    p.phase('L');
    p.phase('G');
    EXPECT_EQ(p.text(Ctl::Temperature), "25");
    p.dialog.click(Ctl::Ok);
    EXPECT_EQ(p.result(), "50.65");
}

TEST(HeatCapsPage, AMissingFirstFileIsReportedAndThePageStaysUsable) {
    TempDataDir empty;
    Page p(empty.path());
    EXPECT_EQ(p.dialog.messages(), V{"Error opening Cpgas.txt"});
    EXPECT_EQ(p.dialog.itemCount(Ctl::MainFormulas), 0);
    EXPECT_EQ(p.dialog.itemCount(Ctl::MiscNames), 0);
    EXPECT_EQ(p.compute("300"), V{"This compound doesn't have the result"});
}

TEST(HeatCapsLayout, HasEveryControlOnceWithItsKind) {
    const PageLayout& layout = heatCapsLayout();
    EXPECT_EQ(layout.caption, "Heat Capacities");
    std::vector<int> ids;
    for (const ControlSpec& c : layout.controls)
        if (c.id != 0) ids.push_back(c.id);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    EXPECT_EQ(ids, (std::vector<int>{1002, 1003, 1004, 1005, 1006, 1007, 1008, 1010, 1012, 1013,
                                     1015, 1016, 1017, 1018, 1020, 1021, 1022, 1023, 1025, 1026,
                                     1027, 1028, 1030, 1044, 1045, 1046, 1047, 1054, 1079, 1094}));
    for (int id :
         std::initializer_list<int>{Ctl::Name, Ctl::Formula, Ctl::GasA, Ctl::GasB, Ctl::GasC,
                                    Ctl::GasD, Ctl::LiquidA, Ctl::LiquidB, Ctl::LiquidC,
                                    Ctl::GasTmin, Ctl::GasTmax, Ctl::LiquidTmin, Ctl::LiquidTmax})
        EXPECT_NE(layout.find(id)->flags & kReadOnly, 0u) << id;
    for (int id : std::initializer_list<int>{Ctl::Temperature, Ctl::MolecularWeight, Ctl::Cp})
        EXPECT_EQ(layout.find(id)->flags & kReadOnly, 0u) << id;
    EXPECT_EQ(layout.find(Ctl::MainFormulas)->flags & kSorted, 0u);
    for (int id :
         std::initializer_list<int>{Ctl::GroupAtoD, Ctl::GroupEtoH, Ctl::GroupItoL, Ctl::GroupMtoQ,
                                    Ctl::GroupRtoX, Ctl::MiscNames, Ctl::MiscFormulas})
        EXPECT_NE(layout.find(id)->flags & kSorted, 0u) << id;
}

}  // namespace
}  // namespace chemeng
