#include "pages/phys_props.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "pages/phys_props_layout.h"
#include "support/fixture_paths.h"
#include "support/recording_dialog.h"
#include "support/temp_data_dir.h"

namespace chemeng {
namespace {

using test::FixedLine;
using test::TempDataDir;
namespace Ctl = PhysPropsCtl;

// The thirteen displays, in the column order of the golden table.
constexpr std::array kDisplays{
    Ctl::Name,
    Ctl::Formula,
    Ctl::MolecularWeight,
    Ctl::FreezingPoint,
    Ctl::BoilingPoint,
    Ctl::CriticalTemperature,
    Ctl::CriticalPressure,
    Ctl::CriticalVolume,
    Ctl::CriticalDensity,
    Ctl::CriticalCompressibility,
    Ctl::AcentricFactor,
    Ctl::EnthalpyOfFormation,
    Ctl::EnthalpyOfVaporization,
};
constexpr std::array kGroups{Ctl::GroupAtoD, Ctl::GroupEtoH, Ctl::GroupItoL, Ctl::GroupMtoQ,
                             Ctl::GroupRtoX};

// The page on a data directory, initialised as when its tab first shows.
struct OpenedPage {
    explicit OpenedPage(const std::filesystem::path& dataDir) : page(dialog, dataDir) {
        dialog.attach(page);
        page.onInitDialog();
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> texts;
        for (int id : kDisplays) texts.push_back(dialog.windowText(id));
        return texts;
    }
    test::RecordingDialog dialog{physPropsLayout()};
    CPhysProps page;
};

// Main compounds for Critical.txt, Hfgas.txt and Hvap.txt at their columns.
struct MainRow {
    std::string name, molecularWeight, criticalVolume, enthalpyOfVaporization;
};
void writeMainFiles(const TempDataDir& dir, const std::vector<MainRow>& rows) {
    std::string critical, hfgas, hvap;
    for (const MainRow& r : rows) {
        critical += FixedLine()
                        .at(3, "F")
                        .at(11, r.name)
                        .at(39, r.molecularWeight)
                        .at(78, r.criticalVolume)
                        .str() +
                    "\n";
        hfgas += FixedLine().at(84, "-1.0").str() + "\n";
        hvap += FixedLine().at(46, r.enthalpyOfVaporization).str() + "\n";
    }
    dir.write("Critical.txt", critical);
    dir.write("Hfgas.txt", hfgas);
    dir.write("Hvap.txt", hvap);
}

std::string unquote(const std::string& cell) {
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        return cell.substr(1, cell.size() - 2);
    return cell;
}

TEST(PhysPropsPage, ShowsTheGoldenValuesThroughEveryRoute) {
    OpenedPage p(test::fixtureDir("phys_props"));
    ASSERT_TRUE(p.dialog.messages().empty());

    std::ifstream golden(test::fixtureDir("golden") / "phys_props.tsv");
    ASSERT_TRUE(golden.is_open());
    std::string line;
    int cases = 0;
    bool header = true;
    while (std::getline(golden, line)) {
        if (line.empty() || line.front() == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> cells;
        std::stringstream split(line);
        for (std::string cell; std::getline(split, cell, '\t');) cells.push_back(unquote(cell));
        ASSERT_GE(cells.size(), 2 + kDisplays.size()) << line;
        const std::string& route = cells[0];
        const std::string& choice = cells[1];
        SCOPED_TRACE(route + " " + choice);

        // Each case starts from blank displays so nothing is left from the last one.
        for (int id : kDisplays) p.dialog.setWindowText(id, "?");
        if (route == "group") {
            bool found = false;
            for (int group : kGroups) found = found || p.dialog.chooseText(group, choice);
            ASSERT_TRUE(found);
        } else if (route == "misc") {
            ASSERT_TRUE(p.dialog.chooseText(Ctl::MiscNames, choice));
        } else if (route == "formula-row") {
            p.dialog.choose(Ctl::MainFormulas, std::stoi(choice));
        } else if (route == "misc-formula") {
            ASSERT_TRUE(p.dialog.chooseText(Ctl::MiscFormulas, choice));
        } else {
            FAIL() << "unknown route " << route;
        }
        const std::vector<std::string> expected(cells.begin() + 2,
                                                cells.begin() + 2 + kDisplays.size());
        EXPECT_EQ(p.shown(), expected);
        ++cases;
    }
    EXPECT_GE(cases, 4);
    EXPECT_TRUE(p.dialog.messages().empty());
}

TEST(PhysPropsPage, StartsWithEmptyDisplaysAndFilledPicker) {
    OpenedPage p(test::fixtureDir("phys_props"));
    EXPECT_EQ(p.shown(), std::vector<std::string>(kDisplays.size()));
    using V = std::vector<std::string>;
    EXPECT_EQ(p.dialog.items(Ctl::GroupAtoD), (V{"ACETONE", "ACETONE", "BENZENE"}));
    EXPECT_EQ(p.dialog.items(Ctl::GroupEtoH), (V{"ETHANOL", "ETHYLACETATE"}));
    EXPECT_EQ(p.dialog.items(Ctl::GroupRtoX), (V{"WATER"}));
    EXPECT_EQ(p.dialog.items(Ctl::MainFormulas),
              (V{"C3H6O", "H2O", "C4H8O2", "C6H6", "C3H6O", "C2H6O"}));
    EXPECT_EQ(p.dialog.items(Ctl::MiscFormulas), (V{"CO2", "NH3"}));
    EXPECT_EQ(p.dialog.currentText(Ctl::GroupAtoD), "ACETONE");
    EXPECT_EQ(p.dialog.currentText(Ctl::MiscNames), "AMMONIA                    ");
}

TEST(PhysPropsPage, EqualNamesShowTheFirstRowAndDoubleClickShowsByPosition) {
    OpenedPage p(test::fixtureDir("phys_props"));
    p.dialog.choose(Ctl::GroupAtoD, 1);  // the second ACETONE item
    EXPECT_EQ(p.dialog.windowText(Ctl::MolecularWeight), "58.08");
    p.dialog.doubleClick(Ctl::MainFormulas, 4);  // the row of that second ACETONE
    EXPECT_EQ(p.dialog.windowText(Ctl::MolecularWeight), "99.99");
}

TEST(PhysPropsPage, EnterIsConsumedAndChangesNothing) {
    OpenedPage p(test::fixtureDir("phys_props"));
    EXPECT_TRUE(p.dialog.pressEnter());  // before any choice
    EXPECT_EQ(p.shown(), std::vector<std::string>(kDisplays.size()));

    ASSERT_TRUE(p.dialog.chooseText(Ctl::GroupRtoX, "WATER"));
    p.dialog.type(Ctl::MolecularWeight, "123");  // typing is allowed but never used
    const auto before = p.shown();
    EXPECT_TRUE(p.dialog.pressEnter());
    EXPECT_EQ(p.shown(), before);
    EXPECT_TRUE(p.dialog.messages().empty());

    ASSERT_TRUE(p.dialog.chooseText(Ctl::GroupRtoX, "WATER"));  // a choice overwrites it
    EXPECT_EQ(p.dialog.windowText(Ctl::MolecularWeight), "18.015");
}

// The two worked values never show "inf", "nan" or a cut-off number.
TEST(PhysPropsPage, WorkedValuesAreThreeDecimalsOrEmpty) {
    struct Case {
        const char* molecularWeight;
        const char* criticalVolume;
        const char* enthalpyOfVaporization;
        const char* density;
        const char* vaporization;
    };
    const Case cases[] = {
        {"58.08", "209", "29.1", "0.278", "29.100"},
        {"18.015", "56", "", "0.322", "0.000"},  // blank enthalpy of vaporization
        {"", "209", "abc", "0.000", "0.000"},    // missing weight; text without a number
        {"58.08", "", "-0.5", "", "-0.500"},     // missing volume: no density at all
        {"58.08", "0", "0", "", "0.000"},
        {"0", "0", "inf", "", ""},      // 0/0 and an infinite enthalpy
        {"inf", "209", "nan", "", ""},  // texts the number reader takes as non-finite
        {"58.08", "-0", "1e400", "", ""},
        // Renderings longer than 15 characters are shown whole, not cut short.
        {"1e12", "1", "1e12", "1000000000000.000", "1000000000000.000"},
        {"-1e11", "1", "-1e11", "-100000000000.000", "-100000000000.000"},
    };
    TempDataDir dir;
    std::vector<MainRow> rows;
    for (const Case& c : cases) {
        rows.push_back({"R" + std::to_string(rows.size()), c.molecularWeight, c.criticalVolume,
                        c.enthalpyOfVaporization});
    }
    writeMainFiles(dir, rows);
    OpenedPage p(dir.path());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(rows[i].name);
        p.dialog.choose(Ctl::MainFormulas, static_cast<int>(i));
        EXPECT_EQ(p.dialog.windowText(Ctl::CriticalDensity), cases[i].density);
        EXPECT_EQ(p.dialog.windowText(Ctl::EnthalpyOfVaporization), cases[i].vaporization);
    }
}

TEST(PhysPropsPage, AVeryLargeValueIsShownWhole) {
    TempDataDir dir;
    writeMainFiles(dir, {{"BIG", "1e300", "1", "1e300"}});
    OpenedPage p(dir.path());
    p.dialog.choose(Ctl::MainFormulas, 0);
    for (int id : {Ctl::CriticalDensity, Ctl::EnthalpyOfVaporization}) {
        const std::string shown = p.dialog.windowText(id);
        EXPECT_EQ(shown.size(), 305u);  // 301 integer digits, the point, three decimals
        EXPECT_EQ(shown.substr(0, 17), "10000000000000000");
        EXPECT_EQ(shown.substr(shown.size() - 4), ".000");
    }
}

// Miscellaneous rows are told from main rows by the number of main rows
// loaded, so they show their own enthalpy of vaporization both with a short
// main list and with the full 700 rows.
TEST(PhysPropsPage, MiscellaneousRowsShowTheirEnthalpyOfVaporizationAsWritten) {
    for (const int mainRows : {1, 700}) {
        SCOPED_TRACE(mainRows);
        TempDataDir dir;
        writeMainFiles(dir, std::vector<MainRow>(static_cast<std::size_t>(mainRows),
                                                 {"MAIN", "10", "20", "29.1"}));
        dir.write("otherDat.txt", " 23.3 \n");
        dir.write("PhysProps.txt", FixedLine()
                                       .at(0, "NH3")
                                       .at(15, "AMMONIA")
                                       .at(96, "17.031")
                                       .at(148, "72.5")
                                       .at(199, "-45.9")
                                       .str());
        OpenedPage p(dir.path());
        ASSERT_EQ(p.dialog.itemCount(Ctl::MainFormulas), mainRows);

        ASSERT_TRUE(p.dialog.chooseText(Ctl::MiscFormulas, "NH3"));
        EXPECT_EQ(p.dialog.windowText(Ctl::EnthalpyOfVaporization), " 23.3 ");
        EXPECT_EQ(p.dialog.windowText(Ctl::EnthalpyOfFormation), "-45.9");
        EXPECT_EQ(p.dialog.windowText(Ctl::CriticalDensity), "0.235");

        p.dialog.choose(Ctl::MainFormulas, mainRows - 1);
        EXPECT_EQ(p.dialog.windowText(Ctl::EnthalpyOfVaporization), "29.100");
    }
}

TEST(PhysPropsPage, AMissingFileIsReportedOnceAndThePageStaysUsable) {
    TempDataDir dir;
    writeMainFiles(dir, {{"ACETONE", "58.08", "209", "29.1"}});
    dir.write("otherDat.txt", " 23.3 \n");  // PhysProps.txt is missing
    OpenedPage p(dir.path());
    EXPECT_EQ(p.dialog.messages(), std::vector<std::string>{"Error opening PhysProp.txt"});
    ASSERT_TRUE(p.dialog.chooseText(Ctl::GroupAtoD, "ACETONE"));
    EXPECT_EQ(p.dialog.windowText(Ctl::CriticalDensity), "0.278");

    TempDataDir empty;
    OpenedPage none(empty.path());
    EXPECT_EQ(none.dialog.messages(), std::vector<std::string>{"Error opening Critical.txt"});
    for (int id : kGroups) EXPECT_EQ(none.dialog.itemCount(id), 0);
    EXPECT_EQ(none.dialog.itemCount(Ctl::MainFormulas), 0);
}

TEST(PhysPropsLayout, HasEveryControlOnce) {
    const PageLayout& layout = physPropsLayout();
    EXPECT_EQ(layout.caption, "Physical Properties");
    for (int id : kDisplays) EXPECT_NE(layout.find(id), nullptr) << id;
    for (int id : kGroups) EXPECT_NE(layout.find(id), nullptr) << id;
    for (int id : {Ctl::MiscNames, Ctl::MainFormulas, Ctl::MiscFormulas, Ctl::CompoundsHeading})
        EXPECT_NE(layout.find(id), nullptr) << id;
    std::vector<int> ids;
    for (const ControlSpec& c : layout.controls)
        if (c.id != 0) ids.push_back(c.id);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    // Sorted lists except the main formula list, whose item k is row k.
    EXPECT_EQ(layout.find(Ctl::MainFormulas)->flags & kSorted, 0u);
    EXPECT_NE(layout.find(Ctl::MiscFormulas)->flags & kSorted, 0u);
    for (int id : kGroups) EXPECT_NE(layout.find(id)->flags & kSorted, 0u);
}

}  // namespace
}  // namespace chemeng
