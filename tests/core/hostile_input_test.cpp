// Hostile texts typed into every input of every page that takes one: blanks,
// numbers in unusual forms (hexadecimal, subnormal, huge, 10000 digits long),
// and values at and just past each range limit. On the compound pages a text
// that is not one number as a whole is refused by the field's name. Each must
// give the page's message or the correct finite value, never garbage. The
// cases the pages' own tests already hold (empty, "nan", "inf", "abc", the
// 32-bit rounding limit of the result) are not repeated here.
//
// A row's expected shown text is either literal or "=<text>": everything on
// screen and every message exactly as when <text> itself is typed.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "framework/text_number.h"
#include "heat_capacity_page_driver.h"
#include "pages/density.h"
#include "pages/density_layout.h"
#include "pages/enthalpies.h"
#include "pages/enthalpies_layout.h"
#include "pages/heat_caps.h"
#include "pages/heat_caps_layout.h"
#include "pages/steam_tables_layout.h"
#include "pages/steam_tables_page.h"
#include "pages/vapor_pressure.h"
#include "pages/vapor_pressure_layout.h"
#include "support/fixture_paths.h"
#include "support/recording_dialog.h"

namespace chemeng {
namespace {

using Messages = std::vector<std::string>;

struct Row {
    std::string typed;
    std::string message;  // the one message expected, or empty for none
    std::string shown;    // literal, or "=<text>"
};

// What one computation left: its messages and the texts that matter.
struct Outcome {
    Messages messages;
    std::vector<std::string> shown;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << "messages {";
    for (const std::string& m : outcome.messages) *out << " '" << m << "'";
    *out << " } shown {";
    for (const std::string& s : outcome.shown) *out << " '" << s << "'";
    *out << " }";
}

const std::string kNines(10000, '9');
const std::string kZeros(10000, '0');

std::string describe(const std::string& typed) {
    return typed.size() > 40 ? typed.substr(0, 12) + "...(" + std::to_string(typed.size()) + ")"
                             : "'" + typed + "'";
}

// Runs each row on a fresh page through `run`, whose first shown text is
// the one a literal row names.
void checkTable(const std::vector<Row>& rows,
                const std::function<Outcome(const std::string&)>& run) {
    for (const Row& row : rows) {
        SCOPED_TRACE(describe(row.typed));
        const Outcome got = run(row.typed);
        if (!row.shown.empty() && row.shown.front() == '=') {
            const Outcome plain = run(row.shown.substr(1));
            EXPECT_EQ(got, plain);
            EXPECT_TRUE(got.messages.empty()) << got.messages.front();
            continue;
        }
        EXPECT_EQ(got.messages, row.message.empty() ? Messages{} : Messages{row.message});
        ASSERT_FALSE(got.shown.empty());
        EXPECT_EQ(got.shown.front(), row.shown);
    }
}

// --- Heat Capacities and Enthalpies, on tests/fixtures/heat_caps ----------

// METHANE as a gas: 298 K to 1000 K, that is 24.85 °C (50.642) to 726.85 °C
// (81.661).
TEST(HostileInput, HeatCapacitiesTemperature) {
    const std::vector<Row> rows{
        {"   ", "Input Temperature", ""},  // blanks are an empty field
        {" 25 ", "", "=25"},
        {"+25", "", "=25"},
        {"25abc", "Temperature: '25abc' is not a number", ""},
        {"0x19", "Temperature: '0x19' is not a number", ""},  // hexadecimal is refused
        {"0x10", "Temperature: '0x10' is not a number", ""},
        {"-1e308", "Out of Range", ""},
        {"1e-320", "Out of Range", ""},
        {kNines, "Out of Range", ""},
        {"-" + kNines, "Out of Range", ""},
        {"25." + kZeros, "", "=25"},
        {kZeros + "25", "", "=25"},
        {"24.849999", "Out of Range", ""},
        {"726.85", "", "81.661"},
        {"726.850001", "Out of Range", ""},
        // A long text is quoted by its beginning only.
        {"  " + std::string(60, 'x'),
         "Temperature: '" + std::string(40, 'x') + "...' is not a number", ""},
    };
    checkTable(rows, [](const std::string& typed) {
        test::HeatCapacityPageDriver<CHeatCaps> p(heatCapsLayout(), test::fixtureDir("heat_caps"));
        EXPECT_TRUE(p.choose("METHANE"));
        p.unit('C');
        Messages messages = p.compute(typed);
        return Outcome{messages, {p.result()}};
    });
}

// BENZENE as a gas from 1000 K down to 298 K: 26050.289. Only T is held to
// the range; a reference far out of it still gives a finite H or a message.
TEST(HostileInput, EnthalpiesTemperatureAndReference) {
    const auto compute = [](const std::string& t, const std::string& tr) {
        test::HeatCapacityPageDriver<CEnthalpies> p(enthalpiesLayout(),
                                                    test::fixtureDir("heat_caps"));
        EXPECT_TRUE(p.choose("BENZENE"));
        p.unit('K');
        Messages messages = p.compute(t, &tr);
        return Outcome{messages, {p.result()}};
    };
    const std::vector<Row> temperatureRows{
        {"   ", "Input Temperature", ""},    {"0x3E8", "Temperature: '0x3E8' is not a number", ""},
        {"-1e308", "Out of Range", ""},      {"1e-320", "Out of Range", ""},
        {kNines, "Out of Range", ""},        {"1000." + kZeros, "", "=1000"},
        {"1000.000001", "Out of Range", ""},
    };
    checkTable(temperatureRows, [&](const std::string& t) { return compute(t, "298"); });

    const std::vector<Row> referenceRows{
        {"298", "", "26050.289"},
        {"   ", "Input Temperature", ""},
        {"1e-320", "", "=0"},
        {"0x12A", "Reference Temperature: '0x12A' is not a number", ""},
        {"298." + kZeros, "", "=298"},
        {kNines, "Out of Range", ""},
        {"-1e308", "Result out of range", ""},  // Tr⁴ overflows
        {"1e80", "Result out of range", ""},
    };
    checkTable(referenceRows, [&](const std::string& tr) { return compute("1000", tr); });
}

// --- Density of Liquid, on tests/fixtures/density --------------------------

// TEST LIQUID: 250 K (0.985) up to Tc = 600 K (0.3), 300 K gives 0.935.
TEST(HostileInput, DensityTemperature) {
    const std::vector<Row> rows{
        {"   ", "Input Temperature", ""},
        {"0x12C", "Temperature: '0x12C' is not a number", ""},
        {"300abc", "Temperature: '300abc' is not a number", ""},
        {"-1e308", "Out of Range", ""},
        {"1e-320", "Out of Range", ""},
        {kNines, "Out of Range", ""},
        {"-" + kNines, "Out of Range", ""},
        {"300." + kZeros, "", "=300"},
        {kZeros + "300", "", "=300"},
        {"249.9999999", "Out of Range", ""},
        {"600.0000001", "Out of Range", ""},
    };
    checkTable(rows, [](const std::string& typed) {
        test::RecordingDialog dialog(densityLayout());
        Density page(dialog, test::fixtureDir("density"));
        dialog.attach(page);
        page.onInitDialog();
        EXPECT_TRUE(dialog.chooseText(DensityCtl::MainFormulas, "X1"));
        dialog.click(DensityCtl::Kelvin);
        dialog.type(DensityCtl::Temperature, typed);
        dialog.click(DensityCtl::Ok);
        return Outcome{dialog.takeMessages(), {dialog.windowText(DensityCtl::Density)}};
    });
}

// --- Vapor Pressure, on tests/fixtures/density -----------------------------

// WATER: 1 °C to 100 °C, 760.086 mmHg at 100 °C.
TEST(HostileInput, VaporPressureTemperature) {
    const std::vector<Row> rows{
        {"   ", "Input Temperature", ""},    {"0x64", "Temperature: '0x64' is not a number", ""},
        {"1e308", "Out of Range", ""},       {"-1e308", "Out of Range", ""},
        {"1e-320", "Out of Range", ""},      {kNines, "Out of Range", ""},
        {"100." + kZeros, "", "=100"},       {"0.9999999", "Out of Range", ""},
        {"100.0000001", "Out of Range", ""},
    };
    checkTable(rows, [](const std::string& typed) {
        test::RecordingDialog dialog(vaporPressureLayout());
        CVPressure page(dialog, test::fixtureDir("density"));
        dialog.attach(page);
        page.onInitDialog();
        EXPECT_TRUE(dialog.chooseText(VaporPressureCtl::MainFormulas, "H2O"));
        dialog.type(VaporPressureCtl::Temperature, typed);
        dialog.click(VaporPressureCtl::Ok);
        return Outcome{dialog.takeMessages(), {dialog.windowText(VaporPressureCtl::Pressure)}};
    });
}

// The bounds typed in °F and K: 1 °C (4.885 mmHg) and 100 °C for WATER,
// 103 °C for BENZENE.
TEST(HostileInput, VaporPressureBoundsInOtherUnits) {
    struct Case {
        const char* formula;
        int unit;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"H2O", VaporPressureCtl::Fahrenheit, "33.8", "4.885"},
        {"H2O", VaporPressureCtl::Kelvin, "274.15", "4.885"},
        {"H2O", VaporPressureCtl::Fahrenheit, "212", "760.086"},
        {"C6H6", VaporPressureCtl::Fahrenheit, "217.4", ""},
        {"C6H6", VaporPressureCtl::Kelvin, "376.15", ""},
    };
    std::string benzeneAt103;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.formula) + " " + c.typed);
        test::RecordingDialog dialog(vaporPressureLayout());
        CVPressure page(dialog, test::fixtureDir("density"));
        dialog.attach(page);
        page.onInitDialog();
        EXPECT_TRUE(dialog.chooseText(VaporPressureCtl::MainFormulas, c.formula));
        if (benzeneAt103.empty() && std::string(c.formula) == "C6H6") {
            dialog.type(VaporPressureCtl::Temperature, "103");
            dialog.click(VaporPressureCtl::Ok);
            benzeneAt103 = dialog.windowText(VaporPressureCtl::Pressure);
        }
        dialog.click(c.unit);
        dialog.type(VaporPressureCtl::Temperature, c.typed);
        dialog.click(VaporPressureCtl::Ok);
        EXPECT_TRUE(dialog.takeMessages().empty());
        EXPECT_EQ(dialog.windowText(VaporPressureCtl::Pressure),
                  *c.shown != '\0' ? std::string(c.shown) : benzeneAt103);
    }
}

// Every range bound of every compound in the shipped data, as shown on its
// page in K (or °C), typed in each unit the way a user writes it: it is
// inside the range. Converted back by the page it lands a rounding step off
// the bound (35.52 K is -237.48 °C on the Heat Capacities page, which reads
// back as 35.519999999999982 K).
TEST(HostileInput, EveryRangeBoundTypedInEveryUnitIsInside) {
    struct Sweep {
        const PageLayout& layout;
        int phases;                // 2: gas and liquid radios
        std::vector<int> lowHigh;  // bound edits per phase: gas low, high, liquid low, high
        bool boundsInCelsius;
        double celsiusOffset_K;
        bool reference;  // the Enthalpies page also needs Tr
    };
    namespace H = HeatCapacityCtl;
    // The four pages number these controls alike.
    using Ids = std::array<int, 6>;
    constexpr Ids kShared{H::MainFormulas, H::Temperature, H::Celsius,
                          H::Fahrenheit,   H::Kelvin,      H::Ok};
    static_assert(Ids{DensityCtl::MainFormulas, DensityCtl::Temperature, DensityCtl::Celsius,
                      DensityCtl::Fahrenheit, DensityCtl::Kelvin, DensityCtl::Ok} == kShared);
    static_assert(Ids{VaporPressureCtl::MainFormulas, VaporPressureCtl::Temperature,
                      VaporPressureCtl::Celsius, VaporPressureCtl::Fahrenheit,
                      VaporPressureCtl::Kelvin, VaporPressureCtl::Ok} == kShared);
    const Sweep sweeps[] = {
        {heatCapsLayout(),
         2,
         {H::GasTmin, H::GasTmax, H::LiquidTmin, H::LiquidTmax},
         false,
         273.15,
         false},
        {enthalpiesLayout(),
         2,
         {H::GasTmin, H::GasTmax, H::LiquidTmin, H::LiquidTmax},
         false,
         273.15,
         true},
        {densityLayout(), 1, {DensityCtl::Tmin}, false, 273.15, false},
        {vaporPressureLayout(),
         1,
         {VaporPressureCtl::Tmin, VaporPressureCtl::Tmax},
         true,
         273.15,
         false},
    };
    const auto format = [](double value) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.10g", value);
        return std::string(buffer);
    };
    for (const Sweep& sweep : sweeps) {
        SCOPED_TRACE(std::string(sweep.layout.caption));
        test::RecordingDialog dialog(sweep.layout);
        std::unique_ptr<Page> page;
        if (&sweep.layout == &heatCapsLayout())
            page = std::make_unique<CHeatCaps>(dialog, test::shippedDataDir());
        else if (&sweep.layout == &enthalpiesLayout())
            page = std::make_unique<CEnthalpies>(dialog, test::shippedDataDir());
        else if (&sweep.layout == &densityLayout())
            page = std::make_unique<Density>(dialog, test::shippedDataDir());
        else
            page = std::make_unique<CVPressure>(dialog, test::shippedDataDir());
        dialog.attach(*page);
        page->onInitDialog();
        ASSERT_TRUE(dialog.takeMessages().empty());
        const int compounds = dialog.itemCount(H::MainFormulas);
        ASSERT_GT(compounds, 100);
        int typed = 0;
        for (int phase = 0; phase < sweep.phases; ++phase) {
            if (sweep.phases == 2) dialog.click(phase == 0 ? H::Gas : H::Liquid);
            const std::size_t perPhase =
                sweep.lowHigh.size() / static_cast<std::size_t>(sweep.phases);
            for (int row = 0; row < compounds; ++row) {
                dialog.choose(H::MainFormulas, row);
                for (std::size_t b = 0; b < perPhase; ++b) {
                    const int edit = sweep.lowHigh[static_cast<std::size_t>(phase) * perPhase + b];
                    const double bound = parseLeadingNumber(dialog.windowText(edit));
                    if (bound == 0.0) continue;  // no range
                    const double celsius =
                        sweep.boundsInCelsius ? bound : bound - sweep.celsiusOffset_K;
                    // Every page takes 0 °C as 273.15 K and 32 °F as 0 °C.
                    const double kelvin = sweep.boundsInCelsius ? bound + 273.15 : bound;
                    const double fahrenheit = sweep.boundsInCelsius ? celsius * 1.8 + 32.0
                                                                    : (bound - 273.15) * 1.8 + 32.0;
                    for (const auto& [unit, value] :
                         {std::pair{H::Celsius, celsius}, std::pair{H::Fahrenheit, fahrenheit},
                          std::pair{H::Kelvin, kelvin}}) {
                        dialog.click(unit);
                        dialog.type(H::Temperature, format(value));
                        if (sweep.reference) dialog.type(test::kReferenceTemperature, "298");
                        dialog.click(H::Ok);
                        ++typed;
                        for (const std::string& message : dialog.takeMessages())
                            EXPECT_NE(message, "Out of Range")
                                << "row " << row << ", bound " << bound << " typed as "
                                << format(value) << " in unit " << unit;
                    }
                }
            }
        }
        EXPECT_GT(typed, 300);
    }
}

// --- Steam Tables, on tests/fixtures/steam ---------------------------------

namespace S = SteamTablesCtl;
constexpr std::array kSteamEdits{
    S::Temperature,    S::Pressure,        S::Quality,      S::LiquidEnthalpy,
    S::VapourEnthalpy, S::MixtureEnthalpy, S::LiquidEnergy, S::VapourEnergy,
    S::MixtureEnergy,  S::LiquidVolume,    S::VapourVolume, S::MixtureVolume,
};

// One computation on a fresh page: the clicks, then `typed` into `edit`
// after the fixed `inputs`. The first shown text is `checked`'s, or after a
// message every edit nothing was typed into, together (nothing is to be
// shown in them); the rest are the twelve edits, but for a typed quality,
// which stays as typed.
Outcome steamRun(const std::vector<int>& clicks,
                 const std::vector<std::pair<int, std::string>>& inputs, int edit,
                 const std::string& typed, int checked) {
    test::RecordingDialog dialog(steamTablesLayout());
    CSteamTables page(dialog, test::fixtureDir("steam"));
    dialog.attach(page);
    page.onInitDialog();
    for (int id : clicks) dialog.click(id);
    for (const auto& [id, text] : inputs) dialog.type(id, text);
    dialog.type(edit, typed);
    dialog.click(S::Ok);
    Outcome outcome{dialog.takeMessages(), {dialog.windowText(checked)}};
    if (!outcome.messages.empty()) {
        outcome.shown.front().clear();
        for (int id : kSteamEdits) {
            bool typedInto = id == edit;
            for (const auto& input : inputs) typedInto = typedInto || input.first == id;
            if (!typedInto) outcome.shown.front() += dialog.windowText(id);
        }
    }
    for (int id : kSteamEdits)
        if (id != S::Quality || edit != S::Quality) outcome.shown.push_back(dialog.windowText(id));
    return outcome;
}

constexpr const char* kSaturationT =
    "Temperature is out of range for saturation (253.15 K up to 647.096 K)";
constexpr const char* kSaturationP =
    "Pressure is out of range for saturation (0.12545844 kPa up to 22064 kPa)";

TEST(HostileInput, SteamSaturationTemperature) {
    const std::vector<Row> rows{
        {"   ", kSaturationT, ""},  // 0 K; nothing is shown
        {"-1e308", kSaturationT, ""}, {"1e308", kSaturationT, ""},    {"1e-320", kSaturationT, ""},
        {kNines, kSaturationT, ""},   {"0x175", "", "=373"},          {"373." + kZeros, "", "=373"},
        {"253.15", "", "253.150"},    {"253.1499", kSaturationT, ""}, {"647.0959", "", "647.096"},
    };
    checkTable(rows, [](const std::string& typed) {
        return steamRun({S::SI, S::Kelvin}, {}, S::Temperature, typed, S::Temperature);
    });
}

TEST(HostileInput, SteamSaturationPressure) {
    const std::vector<Row> rows{
        {"   ", kSaturationP, ""},       {"-1e308", kSaturationP, ""},
        {"1e308", kSaturationP, ""},     {"1e-320", kSaturationP, ""},
        {kNines, kSaturationP, ""},      {"0x65", "", "=101"},
        {"101." + kZeros, "", "=101"},   {"0.12545844", "", "0.125"},
        {"0.1254584", kSaturationP, ""}, {"22063.999", "", "22063.999"},
    };
    checkTable(rows, [](const std::string& typed) {
        return steamRun({S::SI, S::PressureChoice}, {}, S::Pressure, typed, S::Pressure);
    });
}

// Quality in percent at 100 °C. A quality the mixture columns cannot show
// as a number of sane size is refused like any result out of range.
TEST(HostileInput, SteamQuality) {
    const std::vector<Row> rows{
        {"   ", "", "=0"},
        {"1e-320", "", "=0"},
        {"0x32", "", "=50"},
        {"50." + kZeros, "", "=50"},
        {"1e300", "Result out of range", ""},
        {"1e308", "Result out of range", ""},
        {"-1e308", "Result out of range", ""},
        {kNines, "Result out of range", ""},
    };
    checkTable(rows, [](const std::string& typed) {
        return steamRun({S::SI, S::QualityChoice}, {{S::Temperature, "100"}}, S::Quality, typed,
                        S::MixtureEnthalpy);
    });
}

// A liquid enthalpy looked up in the table: 0.000611 to 632.18 kJ/kg.
TEST(HostileInput, SteamTableLookUp) {
    const std::vector<Row> rows{
        {"1e-320", "Out of Range", ""}, {"   ", "Out of Range", ""},
        {"0.000611", "", "0.001"},      {"0x190", "", "=400"},
        {"400." + kZeros, "", "=400"},  {"1e308", "Out of Range", ""},
        {"-1e308", "Out of Range", ""}, {kNines, "Out of Range", ""},
        {"632.18", "", "632.180"},      {"632.1801", "Out of Range", ""},
    };
    checkTable(rows, [](const std::string& typed) {
        return steamRun({S::SI, S::EnthalpyChoice}, {}, S::LiquidEnthalpy, typed,
                        S::LiquidEnthalpy);
    });
}

constexpr const char* kFormulationOut =
    "State out of range of the steam formulation (273.17 K to 1144.27 K, 0.6113 kPa to 41368 "
    "kPa)";

// The superheated pairs: each input of each pair with the texts that are no
// state of steam.
TEST(HostileInput, SteamSuperheatedPairs) {
    const int sup = S::SuperheatedMode;
    const std::vector<Row> tpTemperature{
        {"   ", "Temperature is out of range", ""},  // 0 °C is below 273.16 K
        {"0x64", "", "=100"},
        {"-1e308", "Temperature is out of range", ""},
        {"1e308", "Temperature is out of range", ""},
        {"1e-320", "Temperature is out of range", ""},
        {kNines, "Temperature is out of range", ""},
        {"0.01", "", "0.010"},  // 273.16 K
        {"0.0099", "Temperature is out of range", ""},
        {"431.85", "", "431.850"},  // 705 K
        {"431.851", "Temperature is out of range", ""},
    };
    checkTable(tpTemperature, [&](const std::string& typed) {
        return steamRun({S::SI, sup, S::TemperatureChoice, S::PressureChoice},
                        {{S::Pressure, "100"}}, S::Temperature, typed, S::Temperature);
    });
    const std::vector<Row> tpPressure{
        {"   ", "Pressure is out of range", ""},
        {"1e-320", "Pressure is out of range", ""},
        {"-1e308", "Pressure is out of range", ""},
        {kNines, "Pressure is out of range", ""},
        {"0x64", "", "=100"},
        {"0.7", "", "0.700"},
        {"0.6999", "Pressure is out of range", ""},
        {"22000", "", "22000.000"},
    };
    checkTable(tpPressure, [&](const std::string& typed) {
        return steamRun({S::SI, sup, S::TemperatureChoice, S::PressureChoice},
                        {{S::Temperature, "200"}}, S::Pressure, typed, S::Pressure);
    });

    const char* volumeMessage = "Volume must be a positive number";
    const std::vector<Row> tvVolume{
        {"   ", volumeMessage, ""},     {"-1e308", volumeMessage, ""},
        {"-1e-320", volumeMessage, ""}, {"1e308", volumeMessage, ""},  // infinite in ft³/lb
        {kNines, volumeMessage, ""},    {"1e-320", kFormulationOut, ""},
    };
    checkTable(tvVolume, [&](const std::string& typed) {
        return steamRun({S::SI, sup, S::TemperatureChoice, S::VolumeChoice},
                        {{S::Temperature, "200"}}, S::VapourVolume, typed, S::Temperature);
    });
    // The formulation's temperature range, 32.018 °F to 1600 °F, in °C.
    const char* temperatureMessage = "Temperature is out of range (273.17 K to 1144.27 K)";
    const std::vector<Row> tvTemperature{
        {"0.01", "", "0.010"},
        {"0.0099", temperatureMessage, ""},
        {"871.11", "", "871.110"},
        {"871.12", temperatureMessage, ""},
        {"   ", temperatureMessage, ""},
        {"-1e308", temperatureMessage, ""},
        {kNines, temperatureMessage, ""},
    };
    checkTable(tvTemperature, [&](const std::string& typed) {
        return steamRun({S::SI, sup, S::TemperatureChoice, S::VolumeChoice},
                        {{S::VapourVolume, "2.2"}}, S::Temperature, typed, S::Temperature);
    });

    const char* enthalpyMessage = "Enthalpy must be a positive number";
    const std::vector<Row> phEnthalpy{
        {"   ", enthalpyMessage, ""},    {"-1e308", enthalpyMessage, ""},
        {kNines, enthalpyMessage, ""},   {"1e308", kFormulationOut, ""},
        {"1e-320", kFormulationOut, ""}, {"0xB3B", "", "=2875"},
    };
    checkTable(phEnthalpy, [&](const std::string& typed) {
        return steamRun({S::SI, sup, S::PressureChoice, S::EnthalpyChoice}, {{S::Pressure, "100"}},
                        S::VapourEnthalpy, typed, S::Temperature);
    });

    const char* pressureMessage = "Pressure is out of range (0.6113 kPa to 41368 kPa)";
    const std::vector<Row> pvPressure{
        {"   ", pressureMessage, ""},    {"1e-320", pressureMessage, ""},
        {"1e308", pressureMessage, ""},  {kNines, pressureMessage, ""},
        {"0.6111", pressureMessage, ""}, {"41369", pressureMessage, ""},
    };
    checkTable(pvPressure, [&](const std::string& typed) {
        return steamRun({S::SI, sup, S::PressureChoice, S::VolumeChoice},
                        {{S::VapourVolume, "2.2"}}, S::Pressure, typed, S::Temperature);
    });
    // At the limits, with volumes of superheated steam there (about 58 °C and
    // 1000 K).
    checkTable({{"0.6113", "", "0.611"}}, [&](const std::string& typed) {
        return steamRun({S::SI, sup, S::PressureChoice, S::VolumeChoice},
                        {{S::VapourVolume, "250"}}, S::Pressure, typed, S::Pressure);
    });
    checkTable({{"41368", "", "41368.000"}}, [&](const std::string& typed) {
        return steamRun({S::SI, sup, S::PressureChoice, S::VolumeChoice},
                        {{S::VapourVolume, "0.012"}}, S::Pressure, typed, S::Pressure);
    });
}

// A value refused with a message is no result: when the page later shows its
// results again (an empty temperature re-shows them), the refused value must
// not appear among them.
TEST(HostileInput, SteamARefusedInputIsNeverShownAgain) {
    struct Case {
        int choice;
        int edit;
        const char* refused;
        const char* message;
    };
    const Case cases[] = {
        {S::PressureChoice, S::Pressure, "50000", kSaturationP},
        {S::PressureChoice, S::Pressure, "4e278", kSaturationP},
        {S::TemperatureChoice, S::Temperature, "1000", kSaturationT},
        {S::EnthalpyChoice, S::LiquidEnthalpy, "5000", "Out of Range"},
        {S::VolumeChoice, S::VapourVolume, "1e300", "Out of Range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refused);
        test::RecordingDialog dialog(steamTablesLayout());
        CSteamTables page(dialog, test::fixtureDir("steam"));
        dialog.attach(page);
        page.onInitDialog();
        dialog.click(S::SI);
        dialog.click(S::Kelvin);
        dialog.type(S::Temperature, "373.15");
        dialog.click(S::Ok);
        ASSERT_TRUE(dialog.takeMessages().empty());
        std::vector<std::string> shown;
        for (int id : kSteamEdits) shown.push_back(dialog.windowText(id));

        // Temperature is chosen from the start; clicking it again would turn it off.
        if (c.choice != S::TemperatureChoice) dialog.click(c.choice);
        dialog.type(c.edit, c.refused);
        dialog.click(S::Ok);
        EXPECT_EQ(dialog.takeMessages(), Messages{c.message});

        if (c.choice != S::TemperatureChoice) dialog.click(S::TemperatureChoice);
        dialog.type(S::Temperature, "");
        dialog.click(S::Ok);
        EXPECT_EQ(dialog.takeMessages(), Messages{"Input Temperature"});
        for (std::size_t i = 0; i < kSteamEdits.size(); ++i)
            EXPECT_EQ(dialog.windowText(kSteamEdits[i]), shown[i]) << kSteamEdits[i];
    }
}

}  // namespace
}  // namespace chemeng
