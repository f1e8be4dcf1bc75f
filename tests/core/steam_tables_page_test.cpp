#include "pages/steam_tables_page.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "pages/steam_tables_layout.h"
#include "support/fixture_paths.h"
#include "support/recording_dialog.h"
#include "support/temp_data_dir.h"

namespace chemeng {
namespace {

namespace C = SteamTablesCtl;
using test::RecordingDialog;

const std::vector<int> kPropertyRadios{C::TemperatureChoice, C::PressureChoice, C::EnthalpyChoice,
                                       C::EnergyChoice,      C::VolumeChoice,   C::QualityChoice};
const std::vector<int> kEdits{C::Temperature,    C::Pressure,       C::Quality,
                              C::LiquidEnthalpy, C::VapourEnthalpy, C::MixtureEnthalpy,
                              C::LiquidEnergy,   C::VapourEnergy,   C::MixtureEnergy,
                              C::LiquidVolume,   C::VapourVolume,   C::MixtureVolume};

// The page as the sheet builds it, on the five-row fixture table (or another
// data directory), after it was first shown.
struct SteamPage {
    explicit SteamPage(const std::filesystem::path& dataDir = test::fixtureDir("steam"))
        : page(dialog, dataDir) {
        dialog.attach(page);
        page.onInitDialog();
    }

    std::set<int> checkedProperties() const {
        std::set<int> checked;
        for (int radio : kPropertyRadios)
            if (dialog.isChecked(radio)) checked.insert(radio);
        return checked;
    }
    std::set<int> unlockedEdits() const {
        std::set<int> unlocked;
        for (int edit : kEdits)
            if (!dialog.isReadOnly(edit)) unlocked.insert(edit);
        return unlocked;
    }
    void clicks(const std::vector<int>& ids) {
        for (int id : ids) dialog.click(id);
    }

    RecordingDialog dialog{steamTablesLayout()};
    CSteamTables page;
};

TEST(SteamTablesPage, StartsInSaturationModeWithTemperatureAndAmericanUnits) {
    SteamPage p;
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.page.saturationTable().rowCount(), 5);
    EXPECT_TRUE(p.dialog.isChecked(C::SaturationMode));
    EXPECT_FALSE(p.dialog.isChecked(C::SuperheatedMode));
    EXPECT_EQ(p.checkedProperties(), std::set<int>{C::TemperatureChoice});
    EXPECT_EQ(p.unlockedEdits(), std::set<int>{C::Temperature});
    for (int radio : {C::Celsius, C::KPa, C::American}) EXPECT_TRUE(p.dialog.isChecked(radio));
    for (int radio : {C::Fahrenheit, C::Kelvin, C::Bar, C::Psia, C::SI})
        EXPECT_FALSE(p.dialog.isChecked(radio));
}

TEST(SteamTablesPage, MissingSaturationTableIsReportedAndLookUpsAreOutOfRange) {
    test::TempDataDir empty;
    SteamPage p(empty.path());
    EXPECT_EQ(p.dialog.takeMessages(), std::vector<std::string>{"Error opening sat.txt"});
    p.clicks({C::EnthalpyChoice});
    p.dialog.type(C::LiquidEnthalpy, "100");
    p.dialog.pressEnter();
    EXPECT_EQ(p.dialog.takeMessages(), std::vector<std::string>{"Out of Range"});
}

// Refresh's selection rules: a sequence of clicks from the initial state and
// what the user then sees.
TEST(SteamTablesPage, SelectionRules) {
    struct Case {
        const char* name;
        std::vector<int> clicks;
        std::set<int> checked;
        std::set<int> unlocked;
        std::optional<PairCode> pairCode;  // superheated cases only
        std::vector<std::string> messages;
    };
    const int sup = C::SuperheatedMode;
    const int sat = C::SaturationMode;
    const std::vector<Case> cases{
        {"T and P",
         {sup, C::TemperatureChoice, C::PressureChoice},
         {C::TemperatureChoice, C::PressureChoice},
         {C::Temperature, C::Pressure},
         PairCode::TP,
         {}},
        {"T and v",
         {sup, C::TemperatureChoice, C::VolumeChoice},
         {C::TemperatureChoice, C::VolumeChoice},
         {C::Temperature, C::VapourVolume},
         PairCode::TV,
         {}},
        {"T and h",
         {sup, C::EnthalpyChoice, C::TemperatureChoice},
         {C::TemperatureChoice, C::EnthalpyChoice},
         {C::Temperature, C::VapourEnthalpy},
         PairCode::TH,
         {}},
        {"P and v",
         {sup, C::PressureChoice, C::VolumeChoice},
         {C::PressureChoice, C::VolumeChoice},
         {C::Pressure, C::VapourVolume},
         PairCode::PV,
         {}},
        {"P and h",
         {sup, C::PressureChoice, C::EnthalpyChoice},
         {C::PressureChoice, C::EnthalpyChoice},
         {C::Pressure, C::VapourEnthalpy},
         PairCode::PH,
         {}},
        {"a third property clears the choice",
         {sup, C::TemperatureChoice, C::PressureChoice, C::EnthalpyChoice},
         {},
         {},
         PairCode::Incomplete,
         {"Select Only Two Properties"}},
        {"after the third, temperature alone",
         {sup, C::TemperatureChoice, C::PressureChoice, C::EnthalpyChoice, C::TemperatureChoice},
         {C::TemperatureChoice},
         {C::Temperature},
         PairCode::Incomplete,
         {"Select Only Two Properties"}},
        {"enthalpy holds against volume",
         {sup, C::EnthalpyChoice, C::VolumeChoice},
         {C::EnthalpyChoice},
         {C::VapourEnthalpy},
         PairCode::Incomplete,
         {}},
        {"enthalpy replaces volume",
         {sup, C::VolumeChoice, C::EnthalpyChoice},
         {C::EnthalpyChoice},
         {C::VapourEnthalpy},
         PairCode::Incomplete,
         {}},
        {"internal energy and quality are not superheated inputs",
         {sup, C::TemperatureChoice, C::EnergyChoice, C::QualityChoice},
         {C::TemperatureChoice},
         {C::Temperature},
         PairCode::Incomplete,
         {}},
        {"a second click turns a property off",
         {sup, C::TemperatureChoice, C::TemperatureChoice},
         {},
         {},
         PairCode::Incomplete,
         {}},
        {"saturation: temperature with quality",
         {sat, C::QualityChoice},
         {C::TemperatureChoice, C::QualityChoice},
         {C::Temperature, C::Quality},
         std::nullopt,
         {}},
        {"saturation: enthalpy turns quality off",
         {sat, C::QualityChoice, C::EnthalpyChoice},
         {C::EnthalpyChoice},
         {C::LiquidEnthalpy},
         std::nullopt,
         {}},
        {"saturation: quality does not come back",
         {sat, C::QualityChoice, C::EnthalpyChoice, C::TemperatureChoice},
         {C::TemperatureChoice},
         {C::Temperature},
         std::nullopt,
         {}},
        {"saturation: temperature off, quality stays",
         {sat, C::QualityChoice, C::TemperatureChoice},
         {C::QualityChoice},
         {C::Quality},
         std::nullopt,
         {}},
        {"saturation: pressure with quality",
         {sat, C::PressureChoice, C::QualityChoice},
         {C::PressureChoice, C::QualityChoice},
         {C::Pressure, C::Quality},
         std::nullopt,
         {}},
        {"saturation: internal energy typed as liquid",
         {sat, C::EnergyChoice},
         {C::EnergyChoice},
         {C::LiquidEnergy},
         std::nullopt,
         {}},
        {"saturation: volume typed as vapour",
         {sat, C::VolumeChoice},
         {C::VolumeChoice},
         {C::VapourVolume},
         std::nullopt,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SteamPage p;
        p.clicks(c.clicks);
        EXPECT_EQ(p.checkedProperties(), c.checked);
        EXPECT_EQ(p.unlockedEdits(), c.unlocked);
        if (c.pairCode) {
            EXPECT_EQ(p.page.pairCode(), *c.pairCode);
        }
        EXPECT_EQ(p.dialog.messages(), c.messages);
        const bool superheated = c.clicks.front() == sup;
        EXPECT_EQ(p.dialog.isChecked(C::SuperheatedMode), superheated);
        EXPECT_EQ(p.dialog.isChecked(C::SaturationMode), !superheated);
    }
}

// All radios form one group: a click takes every check mark, Refresh puts the
// state's checks back.
TEST(SteamTablesPage, UnitRadiosStoreTheUnitAndRefreshRestoresEveryCheck) {
    SteamPage p;
    p.clicks({C::Fahrenheit, C::Psia, C::SI});
    EXPECT_EQ(p.page.units().temperature, TemperatureUnit::Fahrenheit);
    EXPECT_EQ(p.page.units().pressure, PressureUnit::Psia);
    EXPECT_EQ(p.page.units().system, UnitSystem::SI);
    for (int radio : {C::Fahrenheit, C::Psia, C::SI, C::SaturationMode, C::TemperatureChoice})
        EXPECT_TRUE(p.dialog.isChecked(radio)) << radio;
    for (int radio : {C::Celsius, C::Kelvin, C::KPa, C::Atm, C::American, C::SuperheatedMode})
        EXPECT_FALSE(p.dialog.isChecked(radio)) << radio;
}

TEST(SteamTablesPage, ClearEmptiesTheTextsAndKeepsSelectionAndUnits) {
    SteamPage p;
    p.clicks({C::Kelvin, C::EnthalpyChoice});
    p.dialog.type(C::LiquidEnthalpy, "180.2");
    p.dialog.click(C::Ok);
    ASSERT_EQ(p.dialog.windowText(C::Temperature), "373.160");
    p.dialog.click(C::Clear);
    for (int edit : kEdits) EXPECT_EQ(p.dialog.windowText(edit), "") << edit;
    EXPECT_EQ(p.page.saturationChoice(), SaturationChoice::Enthalpy);
    EXPECT_EQ(p.page.units().temperature, TemperatureUnit::Kelvin);
    EXPECT_NE(p.page.results().liquidVolume, 0.0);
}

TEST(SteamTablesPage, ModeSwitchEmptiesResultSlotsAndTheShownResults) {
    SteamPage p;
    p.clicks({C::EnthalpyChoice});
    p.dialog.type(C::LiquidEnthalpy, "180.2");
    p.dialog.pressEnter();
    const std::string shown = p.dialog.windowText(C::VapourEnthalpy);
    ASSERT_FALSE(shown.empty());
    p.dialog.click(C::SuperheatedMode);
    EXPECT_EQ(p.page.results().vapourEnthalpy, 0.0);
    EXPECT_EQ(p.page.results().temperature, 0.0);
    EXPECT_EQ(p.dialog.windowText(C::VapourEnthalpy), "");
}

TEST(SteamTablesPage, TurningQualityOffEmptiesItsText) {
    SteamPage p;
    p.clicks({C::QualityChoice});
    p.dialog.type(C::Quality, "50");
    p.page.Compute();  // reads the Quality edit, then stops on the empty temperature
    EXPECT_EQ(p.dialog.takeMessages(), std::vector<std::string>{"Input Temperature"});
    EXPECT_EQ(p.page.texts().quality, "50");
    p.dialog.click(C::QualityChoice);
    EXPECT_EQ(p.page.texts().quality, "");
    EXPECT_FALSE(p.page.qualityChosen());
    p.dialog.click(C::Clear);
    EXPECT_EQ(p.dialog.windowText(C::Quality), "");
}

// The tabulated states, found by a liquid enthalpy, a liquid internal energy or
// a vapour volume, in the page's units.
TEST(SteamTablesPage, TableLookUpShowsTheNearestRow) {
    struct Case {
        const char* name;
        std::vector<int> clicks;
        int edit;
        std::string typed;
        std::vector<std::pair<int, std::string>> shown;
    };
    const std::vector<Case> cases{
        {"American enthalpy: 100 Btu/lb is 232.6 kJ/kg, nearest 323.15 K",
         {C::EnthalpyChoice},
         C::LiquidEnthalpy,
         "100",
         {{C::LiquidEnthalpy, "100.000"},
          {C::Temperature, "50.000"},
          {C::Pressure, "12.353"},
          {C::VapourEnthalpy, "1114.054"},  // 2591.29 kJ/kg
          {C::LiquidVolume, "0.016"},
          {C::VapourVolume, "192.633"},  // 12.0257 m³/kg
          {C::LiquidEnergy, "89.996"},
          {C::MixtureEnthalpy, ""}}},
        {"SI enthalpy, °F: the 373.16 K row",
         {C::SI, C::Fahrenheit, C::EnthalpyChoice},
         C::LiquidEnthalpy,
         "400",
         {{C::Temperature, "212.018"},
          {C::LiquidEnthalpy, "400.000"},
          {C::VapourEnthalpy, "2675.570"},
          {C::LiquidEnergy, "419.060"},
          {C::VapourEnergy, "2506.020"}}},
        {"SI internal energy in atm",
         {C::SI, C::Atm, C::EnergyChoice},
         C::LiquidEnergy,
         "600",
         {{C::LiquidEnergy, "600.000"},
          {C::LiquidEnthalpy, "632.180"},
          {C::Temperature, "150.000"},
          {C::Pressure, "4.701"}}},
        {"SI vapour volume, the last row",
         {C::SI, C::Kelvin, C::VolumeChoice},
         C::VapourVolume,
         "0.127222",
         {{C::VapourVolume, "0.127"}, {C::Temperature, "473.150"}, {C::LiquidVolume, "0.001"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SteamPage p;
        p.clicks(c.clicks);
        p.dialog.type(c.edit, c.typed);
        p.dialog.click(C::Ok);
        EXPECT_TRUE(p.dialog.messages().empty());
        for (const auto& [edit, text] : c.shown) EXPECT_EQ(p.dialog.windowText(edit), text) << edit;
    }
}

TEST(SteamTablesPage, TableLookUpMessagesEmptyTheResults) {
    struct Case {
        int choice;
        int edit;
        std::string typed;
        std::string message;
    };
    const std::vector<Case> cases{
        {C::EnthalpyChoice, C::LiquidEnthalpy, "", "Input Liquid Enthalpy"},
        {C::EnergyChoice, C::LiquidEnergy, "", "Input Liquide Energy"},
        {C::VolumeChoice, C::VapourVolume, "", "Input Vapor Volume"},
        {C::EnthalpyChoice, C::LiquidEnthalpy, "852.27", "Out of Range"},  // the last row
        {C::VolumeChoice, C::VapourVolume, "206", "Out of Range"},
        {C::EnergyChoice, C::LiquidEnergy, "nan", "Liquid Internal Energy: 'nan' is not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message + " " + c.typed);
        SteamPage p;
        p.clicks({C::SI, c.choice});
        p.dialog.type(c.edit, c.typed);
        p.dialog.setWindowText(C::MixtureVolume, "from other inputs");
        p.dialog.pressEnter();
        EXPECT_EQ(p.dialog.messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(p.dialog.windowText(C::MixtureVolume), "");
        EXPECT_EQ(p.dialog.windowText(c.edit), c.typed);
    }
}

}  // namespace
}  // namespace chemeng
