// Compute through the page: saturation from a temperature or a pressure (with
// and without quality) and the superheated pairs, against published steam
// tables, with the display rules of each column.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/text_number.h"
#include "pages/steam_tables_layout.h"
#include "pages/steam_tables_page.h"
#include "support/fixture_paths.h"
#include "support/recording_dialog.h"
#include "water/energies_at.h"
#include "water/saturated_phases.h"

namespace chemeng {
namespace {

namespace C = SteamTablesCtl;

struct SteamPage {
    SteamPage() : page(dialog, test::fixtureDir("steam")) {
        dialog.attach(page);
        page.onInitDialog();
    }
    double number(int edit) const { return parseLeadingNumber(dialog.windowText(edit)); }
    void clicks(const std::vector<int>& ids) {
        for (int id : ids) dialog.click(id);
    }
    void type(int edit, const std::string& text) { dialog.type(edit, text); }

    test::RecordingDialog dialog{steamTablesLayout()};
    CSteamTables page;
};

const std::vector<int> kLiquid{C::LiquidEnthalpy, C::LiquidEnergy, C::LiquidVolume};
const std::vector<int> kVapour{C::VapourEnthalpy, C::VapourEnergy, C::VapourVolume};
const std::vector<int> kMixture{C::MixtureEnthalpy, C::MixtureEnergy, C::MixtureVolume};

void expectFilled(const SteamPage& p, const std::vector<int>& edits, bool filled) {
    for (int edit : edits) EXPECT_EQ(p.dialog.windowText(edit).empty(), !filled) << edit;
}

// Saturation at a temperature against the IAPWS-95 saturation table (Wagner &
// Pruß 2002, Table 13.1): 373.15 K gives p = 101.418 kPa, v' = 0.0010435,
// v'' = 1.6718 m³/kg, h' = 419.17, h'' = 2675.57, u'' = 2506.0 kJ/kg.
TEST(SteamCompute, SaturationAtTemperatureMatchesPublishedTable) {
    SteamPage p;
    p.clicks({C::SI, C::Kelvin});
    p.type(C::Temperature, "373.15");
    p.dialog.pressEnter();
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.dialog.windowText(C::Temperature), "373.150");
    EXPECT_NEAR(p.number(C::Pressure), 101.418, 0.002);
    EXPECT_NEAR(p.number(C::VapourVolume), 1.672, 0.001);
    EXPECT_NEAR(p.number(C::LiquidVolume), 0.001, 0.0005);
    EXPECT_NEAR(p.number(C::VapourEnthalpy), 2675.57, 0.1);
    EXPECT_NEAR(p.number(C::VapourEnergy), 2506.0, 0.1);
    EXPECT_NEAR(p.number(C::LiquidEnthalpy), 419.17, 0.1);
    expectFilled(p, kMixture, false);
    EXPECT_EQ(p.dialog.windowText(C::Quality), "");
}

// American units by default: 100 °C is 373.16 K here; energies in Btu/lb,
// volumes in ft³/lb (v'' = 1.6718 m³/kg is 26.78 ft³/lb, h'' 1150.3 Btu/lb).
TEST(SteamCompute, SaturationAtTemperatureInAmericanUnits) {
    SteamPage p;
    p.type(C::Temperature, "100");
    p.dialog.click(C::Ok);
    EXPECT_NEAR(p.number(C::VapourVolume), 26.78, 0.02);
    EXPECT_NEAR(p.number(C::VapourEnthalpy), 1150.3, 0.1);
    EXPECT_NEAR(p.number(C::Pressure), 101.46, 0.01);  // kPa: 373.16 K
    EXPECT_EQ(p.dialog.windowText(C::Temperature), "100.000");
}

// The saturated liquid near the triple point and between 280 K and 300 K.
TEST(SteamCompute, SaturatedLiquidAdjustmentsBelow300K) {
    struct Case {
        std::string kelvin;
        int kind;  // 0: u = h = 0; 1: h = u = IAPWS u − 1; 2: h = u = IAPWS u; 3: as IAPWS gives
    };
    const std::vector<Case> cases{{"273.16", 0}, {"273.17", 2}, {"280", 2},    {"280.01", 1},
                                  {"290", 1},    {"300", 1},    {"300.01", 3}, {"350", 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kelvin);
        SteamPage p;
        p.clicks({C::SI, C::Kelvin});
        p.type(C::Temperature, c.kelvin);
        p.dialog.click(C::Ok);
        const double u = p.number(C::LiquidEnergy);
        const double h = p.number(C::LiquidEnthalpy);
        const double t = parseLeadingNumber(c.kelvin);
        const double rho = 1.0 / p.page.results().liquidVolume;
        const Energies iapws = EnergiesAt(t, rho);
        switch (c.kind) {
            case 0:
                EXPECT_EQ(p.dialog.windowText(C::LiquidEnergy), "0.000");
                EXPECT_EQ(p.dialog.windowText(C::LiquidEnthalpy), "0.000");
                break;
            case 1:
                EXPECT_NEAR(u, iapws.u_kJkg - 1.0, 0.001);
                EXPECT_EQ(h, u);
                break;
            case 2:
                EXPECT_NEAR(u, iapws.u_kJkg, 0.001);
                EXPECT_EQ(h, u);
                break;
            default:
                EXPECT_NEAR(u, iapws.u_kJkg, 0.001);
                EXPECT_NEAR(h, iapws.h_kJkg, 0.001);
        }
    }
}

// IAPWS-95 table: 101.325 kPa boils at 373.124 K.
TEST(SteamCompute, SaturationAtPressureWithQualityFillsTheMixtureColumn) {
    SteamPage p;
    p.clicks({C::SI, C::Kelvin, C::PressureChoice, C::QualityChoice});
    p.type(C::Pressure, "101.325");
    p.type(C::Quality, "50");
    p.dialog.click(C::Ok);
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_NEAR(p.number(C::Temperature), 373.124, 0.002);
    EXPECT_EQ(p.dialog.windowText(C::Pressure), "101.325");
    EXPECT_EQ(p.dialog.windowText(C::Quality), "50");
    expectFilled(p, kLiquid, false);
    expectFilled(p, kVapour, false);
    // The mean of the two phases (1.6734 and 0.0010435 m³/kg).
    EXPECT_NEAR(p.number(C::MixtureVolume), 0.837, 0.001);
    EXPECT_NEAR(p.number(C::MixtureEnthalpy), (2675.5 + 419.0) / 2, 0.5);
}

TEST(SteamCompute, QualityThatIsNotANumberMixesAsLiquid) {
    SteamPage p;
    p.clicks({C::SI, C::QualityChoice});
    p.type(C::Temperature, "100");
    p.type(C::Quality, "half");
    p.dialog.click(C::Ok);
    EXPECT_NEAR(p.number(C::MixtureVolume), 0.001, 0.0005);
    EXPECT_NEAR(p.number(C::MixtureEnthalpy), 419.2, 0.2);
}

TEST(SteamCompute, SaturationMessages) {
    struct Case {
        const char* name;
        std::vector<int> clicks;
        std::vector<std::pair<int, std::string>> typed;
        std::string message;
        bool cleared;  // all twelve fields emptied
    };
    const std::vector<Case> cases{
        {"empty temperature", {}, {}, "Input Temperature", false},
        {"empty pressure", {C::PressureChoice}, {{C::Pressure, ""}}, "Input Pressure", false},
        {"empty quality", {C::QualityChoice}, {{C::Temperature, "100"}}, "Input Quality", true},
        {"below 253.15 K",
         {C::Kelvin},
         {{C::Temperature, "253.1"}},
         "Temperature is out of range for saturation (253.15 K up to 647.096 K)",
         false},
        {"critical temperature",
         {C::Kelvin},
         {{C::Temperature, "647.096"}},
         "Temperature is out of range for saturation (253.15 K up to 647.096 K)",
         false},
        {"not a number",
         {},
         {{C::Temperature, "nan"}},
         "Temperature is out of range for saturation (253.15 K up to 647.096 K)",
         false},
        {"critical pressure",
         {C::PressureChoice},
         {{C::Pressure, "22064"}},
         "Pressure is out of range for saturation (0.12545844 kPa up to 22064 kPa)",
         false},
        {"below the lowest pressure",
         {C::PressureChoice},
         {{C::Pressure, "0.125"}},
         "Pressure is out of range for saturation (0.12545844 kPa up to 22064 kPa)",
         false},
        {"no property", {C::TemperatureChoice}, {}, "Select a Property", false},
        {"quality without a property",
         {C::QualityChoice, C::TemperatureChoice},
         {{C::Quality, "5"}},
         "Select Temperature or Pressure with Quality",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SteamPage p;
        p.type(C::Temperature, "50");
        p.dialog.click(C::Ok);  // something on screen to keep or clear
        const std::string shownBefore = p.dialog.windowText(C::VapourVolume);
        ASSERT_FALSE(shownBefore.empty());
        p.type(C::Temperature, "");
        p.clicks(c.clicks);
        for (const auto& [edit, text] : c.typed) p.type(edit, text);
        p.dialog.click(C::Ok);
        EXPECT_EQ(p.dialog.messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(p.dialog.windowText(C::VapourVolume), c.cleared ? "" : shownBefore);
    }
}

// The (T, P) solver calls a state saturated when its temperature in °F lies
// within 0.01 % of the saturation temperature at the pressure. A temperature
// typed in K at `fraction` of that band from the saturation temperature at
// 100 kPa (negative: below it).
std::string besideSaturationAt100kPa(double fraction) {
    const double tSat_K = saturatedPhasesAtPressure(100.0).t_K;
    const double tSat_F = (tSat_K - 273.15) * 1.8 + 32.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", tSat_K + fraction * 1e-4 * tSat_F / 1.8);
    return text;
}

// Superheated mode against published steam tables (IAPWS-IF97 / IFC-67
// agree to the digits checked): 200 °C and 100 kPa: v = 2.172 m³/kg,
// h = 2875.3 kJ/kg, u = 2658.0 kJ/kg; 20 °C and 100 kPa: v = 0.001002 m³/kg,
// h = 84.0 kJ/kg.
TEST(SteamCompute, SuperheatedPairsAndTheirColumns) {
    struct Case {
        const char* name;
        std::vector<int> clicks;
        std::vector<std::pair<int, std::string>> typed;
        std::string quality;
        const std::vector<int>* shownColumn;
        std::vector<std::pair<int, double>> expected;
        double tolerance;
    };
    const int sup = C::SuperheatedMode;
    const std::vector<Case> cases{
        {"(T, P) superheated",
         {C::SI, sup, C::TemperatureChoice, C::PressureChoice},
         {{C::Temperature, "200"}, {C::Pressure, "100"}},
         "superheated",
         &kVapour,
         {{C::VapourVolume, 2.172},
          {C::VapourEnthalpy, 2875.3},
          {C::VapourEnergy, 2658.0},
          {C::Temperature, 200.0},
          {C::Pressure, 100.0}},
         0.6},
        {"(T, P) subcooled",
         {C::SI, sup, C::TemperatureChoice, C::PressureChoice},
         {{C::Temperature, "20"}, {C::Pressure, "100"}},
         "subcooled",
         &kLiquid,
         {{C::LiquidVolume, 0.001}, {C::LiquidEnthalpy, 84.0}, {C::LiquidEnergy, 83.9}},
         0.2},
        {"(T, P) saturated at 100 kPa",
         {C::SI, sup, C::TemperatureChoice, C::PressureChoice, C::Kelvin},
         {{C::Temperature, "372.76"}, {C::Pressure, "100"}},
         "saturated",
         &kMixture,
         {{C::MixtureEnthalpy, 2674.9}},  // just above Tsat: the saturated vapour
         0.5},
        // The edges of the saturated band, 3 % inside and outside it on both
        // sides (h' = 417.4, h'' = 2674.9 kJ/kg at 100 kPa).
        {"(T, P) just inside the band above Tsat",
         {C::SI, sup, C::TemperatureChoice, C::PressureChoice, C::Kelvin},
         {{C::Temperature, besideSaturationAt100kPa(0.97)}, {C::Pressure, "100"}},
         "saturated",
         &kMixture,
         {{C::MixtureEnthalpy, 2674.9}},
         0.5},
        {"(T, P) just outside the band above Tsat",
         {C::SI, sup, C::TemperatureChoice, C::PressureChoice, C::Kelvin},
         {{C::Temperature, besideSaturationAt100kPa(1.03)}, {C::Pressure, "100"}},
         "superheated",
         &kVapour,
         {{C::VapourEnthalpy, 2674.9}},
         0.5},
        {"(T, P) just inside the band below Tsat",
         {C::SI, sup, C::TemperatureChoice, C::PressureChoice, C::Kelvin},
         {{C::Temperature, besideSaturationAt100kPa(-0.97)}, {C::Pressure, "100"}},
         "saturated",
         &kMixture,
         {{C::MixtureEnthalpy, 417.4}},
         0.5},
        {"(T, P) just outside the band below Tsat",
         {C::SI, sup, C::TemperatureChoice, C::PressureChoice, C::Kelvin},
         {{C::Temperature, besideSaturationAt100kPa(-1.03)}, {C::Pressure, "100"}},
         "subcooled",
         &kLiquid,
         {{C::LiquidEnthalpy, 417.4}},
         0.5},
        {"(P, v) superheated in American units",
         {sup, C::PressureChoice, C::VolumeChoice},
         {{C::Pressure, "100"}, {C::VapourVolume, "34.796"}},  // 2.1723 m³/kg
         "superheated",
         &kVapour,
         {{C::Temperature, 200.0}, {C::VapourVolume, 34.796}, {C::VapourEnthalpy, 1236.2}},
         0.5},
        {"(P, h) superheated",
         {C::SI, sup, C::PressureChoice, C::EnthalpyChoice},
         {{C::Pressure, "100"}, {C::VapourEnthalpy, "2875.3"}},
         "superheated",
         &kVapour,
         {{C::Temperature, 200.0}, {C::VapourVolume, 2.172}, {C::VapourEnthalpy, 2875.3}},
         0.5},
        {"(T, v) two-phase at 100 °C",
         {C::SI, sup, C::TemperatureChoice, C::VolumeChoice},
         {{C::Temperature, "100"}, {C::VapourVolume, "0.8365"}},
         "",
         &kMixture,
         {{C::MixtureVolume, 0.8365}, {C::Pressure, 101.4}, {C::Quality, 50.0}},
         0.2},
        {"(T, h) two-phase at 100 °C",
         {C::SI, sup, C::TemperatureChoice, C::EnthalpyChoice},
         {{C::Temperature, "100"}, {C::VapourEnthalpy, "1547.3"}},  // halfway from h' to h''
         "",
         &kMixture,
         {{C::MixtureEnthalpy, 1547.3}, {C::Quality, 50.0}, {C::Pressure, 101.4}},
         0.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SteamPage p;
        p.clicks(c.clicks);
        for (const auto& [edit, text] : c.typed) p.type(edit, text);
        p.dialog.click(C::Ok);
        EXPECT_TRUE(p.dialog.messages().empty()) << p.dialog.messages().front();
        if (!c.quality.empty()) {
            EXPECT_EQ(p.dialog.windowText(C::Quality), c.quality);
        }
        for (const auto* column : {&kLiquid, &kVapour, &kMixture})
            expectFilled(p, *column, column == c.shownColumn);
        for (const auto& [edit, value] : c.expected)
            EXPECT_NEAR(p.number(edit), value, c.tolerance * (1.0 + 0.001 * value)) << edit;
    }
}

TEST(SteamCompute, SuperheatedMessagesAndRefusals) {
    struct Case {
        const char* name;
        std::vector<int> pair;
        std::vector<std::pair<int, std::string>> typed;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases{
        {"both empty",
         {C::TemperatureChoice, C::PressureChoice},
         {},
         {"Input Temperature", "Input Pressure"}},
        {"volume empty",
         {C::TemperatureChoice, C::VolumeChoice},
         {{C::Temperature, "200"}},
         {"Input volume"}},
        {"enthalpy empty",
         {C::PressureChoice, C::EnthalpyChoice},
         {{C::Pressure, "100"}},
         {"Input Enthalpy"}},
        {"(T, P) 0 °C is below 273.16 K",
         {C::TemperatureChoice, C::PressureChoice},
         {{C::Temperature, "0"}, {C::Pressure, "100"}},
         {"Temperature is out of range"}},
        {"(T, P) 22000.1 kPa",
         {C::TemperatureChoice, C::PressureChoice},
         {{C::Temperature, "300"}, {C::Pressure, "22000.1"}},
         {"Pressure is out of range"}},
        {"(T, P) nan",
         {C::TemperatureChoice, C::PressureChoice},
         {{C::Temperature, "nan"}, {C::Pressure, "100"}},
         {"Temperature is out of range"}},
        {"(T, v) above 1600 °F",
         {C::TemperatureChoice, C::VolumeChoice},
         {{C::Temperature, "900"}, {C::VapourVolume, "1"}},
         {"Temperature is out of range (273.17 K to 1144.27 K)"}},
        {"(P, h) above 6000 psia",
         {C::PressureChoice, C::EnthalpyChoice},
         {{C::Pressure, "42000"}, {C::VapourEnthalpy, "1000"}},
         {"Pressure is out of range (0.6113 kPa to 41368 kPa)"}},
        {"(T, h) negative enthalpy",
         {C::TemperatureChoice, C::EnthalpyChoice},
         {{C::Temperature, "100"}, {C::VapourEnthalpy, "-5"}},
         {"Enthalpy must be a positive number"}},
        {"(P, h) beyond 1600 °F",
         {C::PressureChoice, C::EnthalpyChoice},
         {{C::Pressure, "100"}, {C::VapourEnthalpy, "9000"}},
         {"State out of range of the steam formulation (273.17 K to 1144.27 K, 0.6113 kPa to 41368 "
          "kPa)"}},
        {"incomplete pair",
         {C::TemperatureChoice},
         {{C::Temperature, "100"}},
         {"Select Two Properties"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SteamPage p;
        p.clicks({C::SI, C::SuperheatedMode});
        p.clicks(c.pair);
        for (const auto& [edit, text] : c.typed) p.type(edit, text);
        p.dialog.setWindowText(C::MixtureVolume, "kept");
        p.dialog.click(C::Ok);
        EXPECT_EQ(p.dialog.messages(), c.messages);
        EXPECT_EQ(p.dialog.windowText(C::MixtureVolume), "kept");
    }
}

// (T, h) of superheated steam: 200 °C and 2875.3 kJ/kg is 100 kPa. The
// enthalpy changes by only about 0.05 kJ/kg per kPa there, hence the band.
TEST(SteamCompute, TemperatureEnthalpyFindsTheSuperheatedPressure) {
    SteamPage p;
    p.clicks({C::SI, C::SuperheatedMode, C::TemperatureChoice, C::EnthalpyChoice});
    p.type(C::Temperature, "200");
    p.type(C::VapourEnthalpy, "2875.3");
    p.dialog.click(C::Ok);
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.dialog.windowText(C::Quality), "superheated");
    EXPECT_NEAR(p.number(C::Pressure), 100.0, 10.0);
    EXPECT_NEAR(p.number(C::VapourVolume), 2.172, 0.25);
}

// (P, v) serves superheated vapour only: a smaller volume empties every field.
TEST(SteamCompute, PressureVolumeBelowSaturatedVapourClearsThePage) {
    SteamPage p;
    p.clicks({C::SI, C::SuperheatedMode, C::PressureChoice, C::VolumeChoice});
    p.type(C::Pressure, "100");
    p.type(C::VapourVolume, "1");
    p.dialog.click(C::Ok);
    EXPECT_EQ(p.dialog.messages(), std::vector<std::string>{"out of range"});
    EXPECT_EQ(p.dialog.windowText(C::Pressure), "");
    EXPECT_EQ(p.dialog.windowText(C::VapourVolume), "");
}

// (P, h) at 1000 psia and 1400 Btu/lb: superheated above 662 °F, no message
// (published: 1000 psia, 800 °F has h = 1388 Btu/lb, 850 °F 1416 Btu/lb).
TEST(SteamCompute, PressureEnthalpyAboveSubregion1Boundary) {
    SteamPage p;
    p.clicks({C::Fahrenheit, C::Psia, C::SuperheatedMode, C::PressureChoice, C::EnthalpyChoice});
    p.type(C::Pressure, "1000");
    p.type(C::VapourEnthalpy, "1400");
    p.dialog.click(C::Ok);
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.dialog.windowText(C::Quality), "superheated");
    EXPECT_GT(p.number(C::Temperature), 800.0);
    EXPECT_LT(p.number(C::Temperature), 850.0);
    EXPECT_EQ(p.dialog.windowText(C::VapourEnthalpy), "1400.000");
}

// Decisions about the Quality field between the modes.
TEST(SteamCompute, PhaseWordDoesNotFollowIntoSaturationMode) {
    SteamPage p;
    p.clicks({C::SI, C::SuperheatedMode, C::TemperatureChoice, C::PressureChoice});
    p.type(C::Temperature, "200");
    p.type(C::Pressure, "100");
    p.dialog.click(C::Ok);
    ASSERT_EQ(p.dialog.windowText(C::Quality), "superheated");
    p.dialog.click(C::SaturationMode);
    EXPECT_EQ(p.dialog.windowText(C::Quality), "");
    p.clicks({C::TemperatureChoice});  // temperature again (the pair toggled it off)
    p.type(C::Temperature, "100");
    p.dialog.click(C::Ok);
    EXPECT_TRUE(p.dialog.messages().empty());
    expectFilled(p, kLiquid, true);
    expectFilled(p, kVapour, true);
    expectFilled(p, kMixture, false);
}

}  // namespace
}  // namespace chemeng
