#include "pages/vapor_pressure.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "pages/vapor_pressure_layout.h"
#include "support/fixture_paths.h"
#include "support/recording_dialog.h"
#include "support/temp_data_dir.h"

namespace chemeng {
namespace {

namespace Ctl = VaporPressureCtl;
using Messages = std::vector<std::string>;

std::string trimRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A Vapor Pressure page on its own recording dialog, initialised as on
// first show.
struct VaporPressurePage {
    explicit VaporPressurePage(const std::filesystem::path& dataDir) : page(dialog, dataDir) {
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

    void computeAt(const std::string& temperature) {
        dialog.type(Ctl::Temperature, temperature);
        dialog.click(Ctl::Ok);
    }

    test::RecordingDialog dialog{vaporPressureLayout()};
    CVPressure page;
};

const std::filesystem::path kData = test::fixtureDir("density");

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

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

TEST(VaporPressurePage, GoldenCases) {
    const auto rows = readGolden("vapor_pressure.tsv");
    ASSERT_GE(rows.size(), 20u);
    for (const auto& row : rows) {
        const std::string& compound = row[0];
        SCOPED_TRACE(compound + " " + row[1] + " '" + row[2] + "'");
        VaporPressurePage p(kData);
        if (compound != "-") p.pick(compound);
        p.dialog.click(unitRadio(row[1]));
        p.dialog.takeMessages();
        p.computeAt(row[2]);
        EXPECT_EQ(p.dialog.windowText(Ctl::Pressure), row[3]);
        EXPECT_EQ(p.dialog.takeMessages(), row[4].empty() ? Messages{} : Messages{row[4]});
    }
}

TEST(VaporPressurePage, ChoosingACompoundShowsItsConstantsAndEmptiesTheLastResult) {
    VaporPressurePage p(kData);
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_TRUE(p.dialog.isChecked(Ctl::Celsius));
    p.pick("WATER");
    p.computeAt("100");
    ASSERT_EQ(p.dialog.windowText(Ctl::Pressure), "760.086");

    p.dialog.choose(Ctl::MainFormulas, 1);
    EXPECT_EQ(p.dialog.windowText(Ctl::Name), "BENZENE");
    EXPECT_EQ(p.dialog.windowText(Ctl::Formula), "C6H6");
    EXPECT_EQ(p.dialog.windowText(Ctl::A), "6.90565");
    EXPECT_EQ(p.dialog.windowText(Ctl::B), "1211.033");
    EXPECT_EQ(p.dialog.windowText(Ctl::C), "220.79");
    EXPECT_EQ(p.dialog.windowText(Ctl::Tmin), "8");
    EXPECT_EQ(p.dialog.windowText(Ctl::Tmax), "103");
    EXPECT_EQ(p.dialog.windowText(Ctl::Temperature), "100");
    EXPECT_EQ(p.dialog.windowText(Ctl::Pressure), "");  // 760.086 was water's

    p.dialog.chooseText(Ctl::MiscFormulas, "NH3");
    EXPECT_EQ(p.dialog.windowText(Ctl::Name), "AMMONIA                    ");
    EXPECT_EQ(p.dialog.windowText(Ctl::C), "-32.98");
    EXPECT_EQ(p.dialog.windowText(Ctl::Tmin), "-83");
    EXPECT_EQ(p.dialog.windowText(Ctl::Tmax), "60");
    EXPECT_TRUE(p.dialog.messages().empty());
}

TEST(VaporPressurePage, EnterComputesWhateverIsSelected) {
    VaporPressurePage p(kData);
    p.dialog.type(Ctl::Temperature, "25");
    EXPECT_TRUE(p.dialog.pressEnter());
    EXPECT_EQ(p.dialog.takeMessages(), Messages{"No Data Available for this compound"});
    p.pick("WATER");
    EXPECT_TRUE(p.dialog.pressEnter());
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.dialog.windowText(Ctl::Pressure), "23.686");
}

// A refused computation, or another unit, empties the result: the old p*
// must not stand beside inputs it does not answer.
TEST(VaporPressurePage, MessagesAndAnotherUnitEmptyThePreviousResult) {
    VaporPressurePage p(kData);
    p.pick("SINGULARTEST");
    const std::pair<const char*, const char*> cases[] = {
        {"-10", "Result out of range"},  // T + C = 0
        {"21", "Out of Range"},
        {"inf", "Temperature: 'inf' is not a number"},
        {"20 °C", "Temperature: '20 °C' is not a number"},
        {"", "Input Temperature"},
    };
    for (auto [temperature, message] : cases) {
        SCOPED_TRACE(temperature);
        p.computeAt("20");
        ASSERT_EQ(p.dialog.windowText(Ctl::Pressure), "9.261");
        p.computeAt(temperature);
        EXPECT_EQ(p.dialog.takeMessages(), Messages{message});
        EXPECT_EQ(p.dialog.windowText(Ctl::Pressure), "");
        EXPECT_EQ(p.dialog.windowText(Ctl::Temperature), temperature);
    }
    p.computeAt("20");
    p.dialog.click(Ctl::Kelvin);
    EXPECT_EQ(p.dialog.windowText(Ctl::Pressure), "");
    EXPECT_TRUE(p.dialog.messages().empty());
}

TEST(VaporPressurePage, WithoutPhysPropsTheMainCompoundsStillWork) {
    test::TempDataDir dir;
    dir.write("Psat.txt", fileText(kData / "Psat.txt"));
    VaporPressurePage p(dir.path());
    EXPECT_EQ(p.dialog.messages(), Messages{"Error opening PhysProp.txt"});
    EXPECT_EQ(p.dialog.itemCount(Ctl::MiscNames), 0);
    EXPECT_EQ(p.dialog.itemCount(Ctl::MiscFormulas), 0);
    EXPECT_EQ(p.dialog.itemCount(Ctl::MainFormulas), 5);
    p.pick("WATER");
    p.dialog.click(Ctl::Kelvin);
    p.dialog.takeMessages();
    p.computeAt("373.15");
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.dialog.windowText(Ctl::Pressure), "760.086");
}

TEST(VaporPressurePage, WithoutPsatNothingCanBeComputed) {
    test::TempDataDir dir;
    dir.write("PhysProps.txt", fileText(kData / "PhysProps.txt"));
    VaporPressurePage p(dir.path());
    EXPECT_EQ(p.dialog.takeMessages(), Messages{"Error opening Psat.txt"});
    EXPECT_EQ(p.dialog.itemCount(Ctl::MiscNames), 0);
    p.computeAt("25");
    EXPECT_EQ(p.dialog.takeMessages(), Messages{"No Data Available for this compound"});
}

}  // namespace
}  // namespace chemeng
