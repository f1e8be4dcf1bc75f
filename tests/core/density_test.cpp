#include "pages/density.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "pages/density_layout.h"
#include "support/fixture_paths.h"
#include "support/recording_dialog.h"
#include "support/temp_data_dir.h"

namespace chemeng {
namespace {

namespace Ctl = DensityCtl;
using Messages = std::vector<std::string>;

std::string trimRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A Density page on its own recording dialog, initialised as on first show.
struct DensityPage {
    explicit DensityPage(const std::filesystem::path& dataDir) : page(dialog, dataDir) {
        dialog.attach(page);
        page.onInitDialog();
    }

    // Chooses a compound by its listed name in whichever combo holds it.
    void pick(const std::string& name) {
        for (int combo : {Ctl::GroupAtoD, Ctl::GroupEtoH, Ctl::GroupItoL, Ctl::GroupMtoQ,
                          Ctl::GroupRtoX, Ctl::MiscNames}) {
            const auto& items = dialog.items(combo);
            for (std::size_t i = 0; i < items.size(); ++i) {
                if (trimRight(items[i]) == name) {
                    dialog.choose(combo, static_cast<int>(i));
                    return;
                }
            }
        }
        ADD_FAILURE() << "no compound " << name;
    }

    test::RecordingDialog dialog{densityLayout()};
    Density page;
};

const std::filesystem::path kData = test::fixtureDir("density");

std::vector<std::vector<std::string>> readGolden(const char* name) {
    std::ifstream in(test::fixtureDir("golden") / name);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
        fields.resize(5);  // an empty message leaves no last field
        rows.push_back(fields);
    }
    return rows;
}

int unitRadio(const std::string& unit) {
    return unit == "C" ? Ctl::Celsius : unit == "F" ? Ctl::Fahrenheit : Ctl::Kelvin;
}

TEST(DensityPage, GoldenCases) {
    const auto rows = readGolden("density.tsv");
    ASSERT_GE(rows.size(), 20u);
    for (const auto& row : rows) {
        const std::string& compound = row[0];
        SCOPED_TRACE(compound + " " + row[1] + " '" + row[2] + "'");
        DensityPage p(kData);
        if (compound != "-") p.pick(compound);
        p.dialog.click(unitRadio(row[1]));
        p.dialog.type(Ctl::Temperature, row[2]);
        p.dialog.takeMessages();
        p.dialog.click(Ctl::Ok);
        EXPECT_EQ(p.dialog.windowText(Ctl::Density), row[3]);
        EXPECT_EQ(p.dialog.takeMessages(), row[4].empty() ? Messages{} : Messages{row[4]});
    }
}

TEST(DensityPage, StartsInCelsiusWithNothingShown) {
    DensityPage p(kData);
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_TRUE(p.dialog.isChecked(Ctl::Celsius));
    EXPECT_FALSE(p.dialog.isChecked(Ctl::Fahrenheit));
    EXPECT_FALSE(p.dialog.isChecked(Ctl::Kelvin));
    EXPECT_EQ(p.dialog.windowText(Ctl::Name), "");
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "0");
    EXPECT_EQ(p.dialog.items(Ctl::MainFormulas).size(), 7u);
    EXPECT_EQ(p.dialog.items(Ctl::MiscFormulas), (Messages{"HCl", "NH3", "X9"}));
}

TEST(DensityPage, MainCompoundShowsItsCoefficientsAndClearsTheInput) {
    DensityPage p(kData);
    p.dialog.choose(Ctl::MainFormulas, 1);
    p.dialog.type(Ctl::Temperature, "300");
    p.dialog.click(Ctl::Kelvin);
    p.dialog.click(Ctl::Ok);
    ASSERT_EQ(p.dialog.windowText(Ctl::Density), "0.935");

    p.dialog.choose(Ctl::MainFormulas, 0);
    EXPECT_EQ(p.dialog.windowText(Ctl::Name), "BENZENE");
    EXPECT_EQ(p.dialog.windowText(Ctl::Formula), "C6H6");
    EXPECT_EQ(p.dialog.windowText(Ctl::MolecularWeight), "78.114");
    EXPECT_EQ(p.dialog.windowText(Ctl::A), "0.3009");
    EXPECT_EQ(p.dialog.windowText(Ctl::B), "0.2677");
    EXPECT_EQ(p.dialog.windowText(Ctl::Tmin), "278.68");
    EXPECT_EQ(p.dialog.windowText(Ctl::Temperature), "");
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "");  // 0.935 was another compound's
    EXPECT_TRUE(p.dialog.isChecked(Ctl::Kelvin));      // the unit stays as clicked
    EXPECT_TRUE(p.dialog.messages().empty());
}

// A result answers the unit it was computed in; another unit empties it.
TEST(DensityPage, ChoosingAnotherUnitEmptiesTheResult) {
    DensityPage p(kData);
    p.pick("TESTLIQUID");
    p.dialog.click(Ctl::Kelvin);
    p.dialog.type(Ctl::Temperature, "300");
    p.dialog.click(Ctl::Ok);
    ASSERT_EQ(p.dialog.windowText(Ctl::Density), "0.935");
    p.dialog.click(Ctl::Celsius);
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "");
    EXPECT_EQ(p.dialog.windowText(Ctl::Temperature), "300");
    EXPECT_TRUE(p.dialog.messages().empty());
}

TEST(DensityPage, MiscellaneousCompoundShowsTheTabulatedDensityAndLocksTheInputs) {
    DensityPage p(kData);
    p.dialog.choose(Ctl::MainFormulas, 1);  // TEST LIQUID, in °C
    p.dialog.chooseText(Ctl::MiscFormulas, "NH3");
    EXPECT_EQ(p.dialog.windowText(Ctl::Name), "AMMONIA                    ");
    EXPECT_EQ(p.dialog.windowText(Ctl::MolecularWeight), "17.031");
    EXPECT_EQ(p.dialog.windowText(Ctl::Temperature), "240");
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "0.68");
    for (int edit : {Ctl::A, Ctl::B, Ctl::Tmin}) EXPECT_EQ(p.dialog.windowText(edit), "") << edit;
    for (int edit : {Ctl::A, Ctl::B, Ctl::Tmin, Ctl::Temperature})
        EXPECT_TRUE(p.dialog.isReadOnly(edit)) << edit;
    EXPECT_TRUE(p.dialog.isChecked(Ctl::Kelvin));
    EXPECT_FALSE(p.dialog.isChecked(Ctl::Celsius));
    EXPECT_FALSE(p.dialog.isChecked(Ctl::Fahrenheit));

    EXPECT_TRUE(p.dialog.pressEnter());  // consumed, computes nothing
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "0.68");

    // Back to a main compound: unlocked and emptied, still in kelvin.
    p.dialog.choose(Ctl::MainFormulas, 1);
    for (int edit : {Ctl::A, Ctl::B, Ctl::Temperature})
        EXPECT_FALSE(p.dialog.isReadOnly(edit)) << edit;
    EXPECT_TRUE(p.dialog.isReadOnly(Ctl::Tmin));
    EXPECT_EQ(p.dialog.windowText(Ctl::Temperature), "");
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "");
    p.dialog.type(Ctl::Temperature, "300");
    p.dialog.click(Ctl::Ok);
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "0.935");
}

// The coefficients of the compound shown before a Miscellaneous one are
// still held; they must not be applied to the Miscellaneous compound (whose
// 300 K lies inside TEST LIQUID's range).
TEST(DensityPage, ComputeOnAMiscellaneousCompoundNeverUsesThePreviousCoefficients) {
    DensityPage p(kData);
    p.pick("TESTLIQUID");
    p.pick("BROKEN DENSITY");
    EXPECT_EQ(p.dialog.windowText(Ctl::Temperature), "300");
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "0");  // its tabulated "1e999" is no number
    p.dialog.click(Ctl::Ok);
    EXPECT_EQ(p.dialog.takeMessages(), Messages{"No Data Available for this compound"});
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "");  // refused: nothing to show
}

TEST(DensityPage, EnterComputesOnlyWhileCoefficientAIsShown) {
    DensityPage p(kData);
    p.dialog.type(Ctl::Temperature, "25");
    EXPECT_TRUE(p.dialog.pressEnter());
    EXPECT_TRUE(p.dialog.messages().empty());

    p.pick("UNFITTED");  // a main compound without coefficients
    p.dialog.type(Ctl::Temperature, "25");
    EXPECT_TRUE(p.dialog.pressEnter());
    EXPECT_TRUE(p.dialog.messages().empty());

    p.pick("BENZENE");
    p.dialog.type(Ctl::Temperature, "25");
    EXPECT_TRUE(p.dialog.pressEnter());
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "0.87");
}

TEST(DensityPage, AMissingTemperatureRefreshesTheFieldsAndEmptiesTheResult) {
    DensityPage p(kData);
    p.pick("TESTLIQUID");
    p.dialog.click(Ctl::Kelvin);
    p.dialog.type(Ctl::Temperature, "300");
    p.dialog.click(Ctl::Ok);
    p.dialog.type(Ctl::A, "9");
    p.dialog.type(Ctl::Temperature, "");
    p.dialog.click(Ctl::Ok);
    EXPECT_EQ(p.dialog.takeMessages(), Messages{"Input Temperature"});
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "");
    EXPECT_EQ(p.dialog.windowText(Ctl::A), "0.3");  // typed coefficients never count
}

TEST(DensityPage, AResultThatCannotBeShownEmptiesTheField) {
    DensityPage p(kData);
    p.pick("NEGATIVEB");
    p.dialog.click(Ctl::Kelvin);
    p.dialog.type(Ctl::Temperature, "600");  // T = Tc: B^0 = 1 even for a negative B
    p.dialog.click(Ctl::Ok);
    ASSERT_EQ(p.dialog.windowText(Ctl::Density), "0.3");
    p.dialog.type(Ctl::Temperature, "300");
    p.dialog.click(Ctl::Ok);
    EXPECT_EQ(p.dialog.takeMessages(), Messages{"Result out of range"});
    EXPECT_EQ(p.dialog.windowText(Ctl::Density), "");  // 0.3 was the answer for 600 K
    EXPECT_EQ(p.dialog.windowText(Ctl::Temperature), "300");
}

TEST(DensityPage, ReportsEachMissingFileOnceAndKeepsWhatWasLoaded) {
    test::TempDataDir dir;
    {
        DensityPage p(dir.path());
        EXPECT_EQ(p.dialog.messages(), Messages{"Error opening Density.txt"});
        EXPECT_EQ(p.dialog.itemCount(Ctl::MainFormulas), 0);
    }
    std::ifstream density(kData / "Density.txt", std::ios::binary);
    dir.write("Density.txt", std::string(std::istreambuf_iterator<char>(density), {}));
    DensityPage p(dir.path());
    EXPECT_EQ(p.dialog.messages(), Messages{"Error opening PhysProp.txt"});
    EXPECT_EQ(p.dialog.itemCount(Ctl::MainFormulas), 7);
    EXPECT_EQ(p.dialog.itemCount(Ctl::MiscNames), 0);
}

}  // namespace
}  // namespace chemeng
