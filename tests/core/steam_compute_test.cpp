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

// American units by default: 100 °C is 373.15 K; energies in Btu/lb,
// volumes in ft³/lb (v'' = 1.6718 m³/kg is 26.78 ft³/lb, h'' 1150.3 Btu/lb).
TEST(SteamCompute, SaturationAtTemperatureInAmericanUnits) {
    SteamPage p;
    p.type(C::Temperature, "100");
    p.dialog.click(C::Ok);
    EXPECT_NEAR(p.number(C::VapourVolume), 26.78, 0.02);
    EXPECT_NEAR(p.number(C::VapourEnthalpy), 1150.3, 0.1);
    EXPECT_EQ(p.dialog.windowText(C::Pressure), "101.418");  // kPa, as at 373.15 K
    EXPECT_EQ(p.dialog.windowText(C::Temperature), "100.000");
}

// The saturated liquid is IAPWS-95's at every temperature: u from EnergiesAt
// at the saturation density, h = u + pv with the saturation pressure; u = 0
// at the triple point (the reference state of IAPWS-95) and h = pv = 0.000612
// kJ/kg there. IAPWS-95 gives h' = 104.829 kJ/kg at 25 °C (Wagner & Pruß
// 2002, Table 13.1: 104.83).
TEST(SteamCompute, SaturatedLiquidIsIapws95AtEveryTemperature) {
    SteamPage p;
    p.clicks({C::SI});
    p.type(C::Temperature, "25");
    p.dialog.click(C::Ok);
    EXPECT_EQ(p.dialog.windowText(C::LiquidEnthalpy), "104.830");

    p.clicks({C::Kelvin});
    p.type(C::Temperature, "273.16");
    p.dialog.click(C::Ok);
    EXPECT_EQ(p.dialog.windowText(C::LiquidEnergy), "0.000");
    EXPECT_NEAR(p.page.results().liquidEnthalpy, 0.000612, 0.0001);

    // Across the band where the enthalpy once equalled the energy: every
    // shown value is IAPWS-95's, and h' rises smoothly (about 4.2 kJ/kg per K).
    double previous = 0.0;
    for (double t = 275.0; t <= 305.0; t += 0.5) {
        SCOPED_TRACE(t);
        p.type(C::Temperature, std::to_string(t));
        p.dialog.click(C::Ok);
        const SteamResults& r = p.page.results();
        EXPECT_NEAR(r.liquidEnergy, EnergiesAt(t, 1.0 / r.liquidVolume).u_kJkg, 1e-9);
        EXPECT_NEAR(r.liquidEnthalpy, r.liquidEnergy + r.pressure * r.liquidVolume, 1e-9);
        if (t > 275.0) {
            EXPECT_NEAR(p.number(C::LiquidEnthalpy) - previous, 2.09, 0.02);
        }
        previous = p.number(C::LiquidEnthalpy);
    }
}

// °C and °F are T + 273.15 and (T − 32) × 5/9 + 273.15 on every path, there
// and back: 100 °C and 212 °F boil at IAPWS-95's 101.418 kPa, and 101.325
// kPa boils at 99.974 °C (373.124 K).
TEST(SteamCompute, CelsiusAndFahrenheitAreTheKelvinScaleLess273Point15) {
    struct Case {
        std::vector<int> clicks;
        std::string typed;
        int result;
        std::string shown;
    };
    const std::vector<Case> cases{
        {{}, "100", C::Pressure, "101.418"},
        {{C::Fahrenheit}, "212", C::Pressure, "101.418"},
        {{C::PressureChoice}, "101.325", C::Temperature, "99.974"},
        {{C::PressureChoice, C::Fahrenheit}, "101.325", C::Temperature, "211.954"},
        {{C::PressureChoice, C::Kelvin}, "101.325", C::Temperature, "373.124"},
        // The ends of the saturation line typed in °C and °F are the ends.
        {{}, "-20", C::Temperature, "-20.000"},
        {{C::Fahrenheit}, "-4", C::Temperature, "-4.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SteamPage p;
        p.clicks(c.clicks);
        p.type(c.clicks.empty() || c.clicks.front() != C::PressureChoice ? C::Temperature
                                                                         : C::Pressure,
               c.typed);
        p.dialog.click(C::Ok);
        EXPECT_TRUE(p.dialog.messages().empty()) << p.dialog.messages().front();
        EXPECT_EQ(p.dialog.windowText(c.result), c.shown);
    }
}

// A tabulated row is shown with the same scale: the row at 373.16 K is
// 100.010 °C and 212.018 °F.
TEST(SteamCompute, TabulatedRowInCelsiusAndFahrenheit) {
    for (const auto& [unit, shown] : std::vector<std::pair<int, std::string>>{
             {C::Celsius, "100.010"}, {C::Fahrenheit, "212.018"}}) {
        SteamPage p;
        p.clicks({C::SI, unit, C::EnthalpyChoice});
        p.type(C::LiquidEnthalpy, "419.2");
        p.dialog.click(C::Ok);
        EXPECT_EQ(p.dialog.windowText(C::Temperature), shown);
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

// A quality is a percentage of vapour: a text that is not a number, or a
// number outside 0 to 100, is refused and nothing is shown for it.
TEST(SteamCompute, QualityMustBeAPercentage) {
    struct Case {
        std::string typed;
        std::string message;  // empty: accepted
    };
    const std::vector<Case> cases{
        {"half", "Quality: 'half' is not a number"},
        {"-50", "Quality must be between 0 and 100 %"},
        {"100.5", "Quality must be between 0 and 100 %"},
        {"0", ""},
        {"100", ""},
        {" 12,5 ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SteamPage p;
        p.clicks({C::SI, C::QualityChoice});
        p.type(C::Temperature, "100");
        p.type(C::Quality, c.typed);
        p.dialog.click(C::Ok);
        if (c.message.empty()) {
            EXPECT_TRUE(p.dialog.messages().empty());
            EXPECT_GT(p.number(C::MixtureVolume), 0.0);
        } else {
            EXPECT_EQ(p.dialog.messages(), std::vector<std::string>{c.message});
            expectFilled(p, kMixture, false);
        }
    }
}

TEST(SteamCompute, SaturationMessages) {
    struct Case {
        const char* name;
        std::vector<int> clicks;
        std::vector<std::pair<int, std::string>> typed;
        std::string message;
        bool cleared;  // the results emptied (every refusal does)
    };
    const std::vector<Case> cases{
        {"empty temperature", {}, {}, "Input Temperature", true},
        {"empty pressure", {C::PressureChoice}, {{C::Pressure, ""}}, "Input Pressure", true},
        {"empty quality", {C::QualityChoice}, {{C::Temperature, "100"}}, "Input Quality", true},
        {"below 253.15 K",
         {C::Kelvin},
         {{C::Temperature, "253.1"}},
         "Temperature is out of range for saturation (253.15 K up to 647.096 K)",
         true},
        {"critical temperature",
         {C::Kelvin},
         {{C::Temperature, "647.096"}},
         "Temperature is out of range for saturation (253.15 K up to 647.096 K)",
         true},
        {"not a number", {}, {{C::Temperature, "nan"}}, "Temperature: 'nan' is not a number", true},
        {"a unit typed along",
         {C::PressureChoice},
         {{C::Pressure, "10bar"}},
         "Pressure: '10bar' is not a number",
         true},
        {"critical pressure",
         {C::PressureChoice},
         {{C::Pressure, "22064"}},
         "Pressure is out of range for saturation (0.12545844 kPa up to 22064 kPa)",
         true},
        {"below the lowest pressure",
         {C::PressureChoice},
         {{C::Pressure, "0.125"}},
         "Pressure is out of range for saturation (0.12545844 kPa up to 22064 kPa)",
         true},
        {"no property", {C::TemperatureChoice}, {}, "Select a Property", true},
        {"quality without a property",
         {C::QualityChoice, C::TemperatureChoice},
         {{C::Quality, "5"}},
         "Select Temperature or Pressure with Quality",
         true},
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
        {"(T, P) above 6000 psia",
         {C::TemperatureChoice, C::PressureChoice},
         {{C::Temperature, "300"}, {C::Pressure, "41369"}},
         {"Pressure is out of range"}},
        {"(T, P) above 1600 °F",
         {C::TemperatureChoice, C::PressureChoice},
         {{C::Temperature, "871.12"}, {C::Pressure, "100"}},
         {"Temperature is out of range"}},
        {"(T, P) nan",
         {C::TemperatureChoice, C::PressureChoice},
         {{C::Temperature, "nan"}, {C::Pressure, "100"}},
         {"Temperature: 'nan' is not a number"}},
        {"(T, P) a unit typed along both",
         {C::TemperatureChoice, C::PressureChoice},
         {{C::Temperature, "122F"}, {C::Pressure, "10bar"}},
         {"Temperature: '122F' is not a number", "Pressure: '10bar' is not a number"}},
        {"(T, v) above 1600 °F",
         {C::TemperatureChoice, C::VolumeChoice},
         {{C::Temperature, "900"}, {C::VapourVolume, "1"}},
         {"Temperature is out of range (273.16 K to 1144.26 K)"}},
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
         {"No state of water between 273.16 K and 1144.26 K and between 0.6113 kPa and 41368 kPa "
          "has these two values"}},
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
        p.dialog.setWindowText(C::MixtureVolume, "from other inputs");
        p.dialog.click(C::Ok);
        EXPECT_EQ(p.dialog.messages(), c.messages);
        // A refusal leaves no result of other inputs on screen, and keeps
        // what was typed.
        EXPECT_EQ(p.dialog.windowText(C::MixtureVolume), "");
        for (const auto& [edit, text] : c.typed) EXPECT_EQ(p.dialog.windowText(edit), text);
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

// (T, P) over the formulation's whole range: 540 °C and 10 MPa, a turbine
// inlet, within 0.1 % of IAPWS-95's h = 3476.9 kJ/kg; above the critical
// point the fluid is called supercritical and shown in the Vapor column;
// 0.01 °C typed in °C or °F is the triple point, the lower limit.
TEST(SteamCompute, TemperaturePressureOverTheWholeRange) {
    struct Case {
        std::vector<int> clicks;
        std::string t;
        std::string p;
        std::string word;
        const std::vector<int>* column;
        double h;  // kJ/kg, 0: not checked
    };
    const std::vector<Case> cases{
        {{C::Bar}, "540", "100", "superheated", &kVapour, 3476.9},
        {{C::Kelvin}, "700", "30000", "supercritical", &kVapour, 0.0},
        {{C::Kelvin}, "600", "30000", "subcooled", &kLiquid, 0.0},
        {{}, "0.01", "100", "subcooled", &kLiquid, 0.0},
        {{C::Fahrenheit}, "32.018", "100", "subcooled", &kLiquid, 0.0},
        {{}, "871.11", "41368", "supercritical", &kVapour, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t + ", " + c.p);
        SteamPage p;
        p.clicks({C::SI, C::SuperheatedMode, C::TemperatureChoice, C::PressureChoice});
        p.clicks(c.clicks);
        p.type(C::Temperature, c.t);
        p.type(C::Pressure, c.p);
        p.dialog.click(C::Ok);
        EXPECT_TRUE(p.dialog.messages().empty()) << p.dialog.messages().front();
        EXPECT_EQ(p.dialog.windowText(C::Quality), c.word);
        for (const auto* column : {&kLiquid, &kVapour, &kMixture})
            expectFilled(p, *column, column == c.column);
        if (c.h != 0.0) {
            EXPECT_NEAR(p.number(c.column->front()), c.h, 0.001 * c.h);
        }
    }
}

// 25 °C with h = 109.45 kJ/kg is the compressed liquid at about 5 MPa, not
// a wet state of 0.19 % quality at 3.17 kPa.
TEST(SteamCompute, TemperatureEnthalpyOfACompressedLiquid) {
    SteamPage p;
    p.clicks({C::SI, C::SuperheatedMode, C::TemperatureChoice, C::EnthalpyChoice});
    p.type(C::Temperature, "25");
    p.type(C::VapourEnthalpy, "109.45");
    p.dialog.click(C::Ok);
    EXPECT_TRUE(p.dialog.messages().empty());
    EXPECT_EQ(p.dialog.windowText(C::Quality), "subcooled");
    EXPECT_NEAR(p.number(C::Pressure), 5000.0, 150.0);
    expectFilled(p, kLiquid, true);
    expectFilled(p, kMixture, false);
}

// Results belong to the inputs, units and mode they were computed for: a
// refusal, or a click on a unit, a property or a mode, empties them and
// keeps what was typed.
TEST(SteamCompute, ResultsDoNotOutliveTheirInputs) {
    const std::vector<int> changes{C::Kelvin, C::Bar, C::American, C::QualityChoice,
                                   C::SuperheatedMode};
    for (int change : changes) {
        SCOPED_TRACE(change);
        SteamPage p;
        p.clicks({C::SI});
        p.type(C::Temperature, "100");
        p.dialog.click(C::Ok);
        ASSERT_FALSE(p.dialog.windowText(C::VapourVolume).empty());
        p.dialog.click(change);
        // The temperature stays where it is still an input (superheated mode
        // starts with no property chosen).
        EXPECT_EQ(p.dialog.windowText(C::Temperature),
                  change == C::SuperheatedMode ? "" : "100.000");
        for (int edit : {C::Pressure, C::VapourVolume, C::LiquidEnthalpy, C::VapourEnergy})
            EXPECT_EQ(p.dialog.windowText(edit), "") << edit;
    }

    SteamPage p;
    p.clicks({C::SI, C::SuperheatedMode, C::TemperatureChoice, C::PressureChoice});
    p.type(C::Temperature, "500");
    p.type(C::Pressure, "100");
    p.dialog.click(C::Ok);
    ASSERT_EQ(p.dialog.windowText(C::Quality), "superheated");
    p.type(C::Temperature, "1000");
    p.dialog.click(C::Ok);
    EXPECT_EQ(p.dialog.messages(), std::vector<std::string>{"Temperature is out of range"});
    EXPECT_EQ(p.dialog.windowText(C::Temperature), "1000");
    EXPECT_EQ(p.dialog.windowText(C::Pressure), "100.000");
    for (int edit : {C::Quality, C::VapourVolume, C::VapourEnthalpy, C::VapourEnergy})
        EXPECT_EQ(p.dialog.windowText(edit), "") << edit;
}

}  // namespace
}  // namespace chemeng
