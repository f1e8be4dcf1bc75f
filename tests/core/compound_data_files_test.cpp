// The shipped compound files, read back through the program's own loaders and
// checked against published values, and line by line against their layouts.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "compounds/compound_loaders.h"
#include "compounds/fixed_column_file.h"
#include "compounds/table_cells.h"
#include "framework/text_number.h"
#include "support/fixture_paths.h"

namespace chemeng {
namespace {

double num(const CompoundTable& t, int row, int cell) {
    return parseLeadingNumber(t.cell(row, cell));
}

// First main row (or Miscellaneous row when misc is set) with this name.
int rowNamed(const CompoundTable& t, int nameCell, const std::string& name, bool misc = false) {
    const int first = misc ? t.mainCount : 0;
    const int last = misc ? t.mainCount + t.miscCount : t.mainCount;
    for (int r = first; r < last; ++r) {
        std::string cell = t.cell(r, nameCell);
        if (misc) cell.erase(cell.find_last_not_of(' ') + 1);
        if (cell == name) return r;
    }
    ADD_FAILURE() << name << " not found";
    return -1;
}

double relative(double value, double reference) {
    return std::abs(value / reference - 1.0);
}

TEST(CompoundDataFiles, EveryPageLoadsWithinItsRowLimitsAndWithoutMessages) {
    std::vector<std::string> messages;
    const MessageSink kRecord = [&messages](const std::string& m) { messages.push_back(m); };
    const auto dir = test::shippedDataDir();
    const CompoundTable phys = loadPhysicalPropertiesTable(dir, kRecord);
    const CompoundTable heat = loadHeatCapacityTable(dir, GasRangeRule::CarbonOxidesWide, kRecord);
    const CompoundTable density = loadDensityTable(dir, kRecord);
    const CompoundTable vapor = loadVaporPressureTable(dir, kRecord);
    EXPECT_TRUE(messages.empty());
    for (const CompoundTable* t : {&phys, &heat, &density, &vapor}) {
        EXPECT_GT(t->mainCount, 300);
        EXPECT_LE(t->mainCount, 700);
    }
    EXPECT_EQ(phys.miscCount, 23);
    EXPECT_EQ(density.miscCount, 23);
    EXPECT_EQ(vapor.miscCount, 23);
    EXPECT_EQ(heat.miscCount, 24);
    EXPECT_EQ(heat.miscLiquidCount, 24);
}

TEST(CompoundDataFiles, ConstantsAgreeWithTheHandbooks) {
    const CompoundTable t = loadPhysicalPropertiesTable(test::shippedDataDir(), {});
    using namespace PhysPropsCell;
    // CRC Handbook (95th ed.) and IAPWS values; tolerances allow for the
    // difference between the compilations (ATcT against CRC for Hf).
    struct Case {
        const char* name;
        bool misc;
        double mw, tb, tc, pc, hf;
    };
    const Case cases[] = {
        {"WATER", true, 18.015, 373.12, 647.096, 220.64, -241.8},
        {"ETHANOL", false, 46.068, 351.39, 514.0, 61.37, -234.8},
        {"BENZENE", false, 78.112, 353.23, 562.05, 48.95, 82.9},
        {"ACETONE", false, 58.079, 329.23, 508.1, 47.0, -217.1},
        {"METHANE", false, 16.042, 111.65, 190.56, 45.99, -74.6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int r = rowNamed(t, Name, c.name, c.misc);
        ASSERT_GE(r, 0);
        EXPECT_NEAR(num(t, r, MolecularWeight), c.mw, 0.001);
        EXPECT_NEAR(num(t, r, BoilingPoint), c.tb, 0.05);
        EXPECT_NEAR(num(t, r, CriticalTemperature), c.tc, 0.05);
        EXPECT_NEAR(num(t, r, CriticalPressure), c.pc, 0.01);
        EXPECT_NEAR(num(t, r, EnthalpyOfFormation), c.hf, 1.1);
    }
    // Enthalpy of vaporization at Tb (CRC): benzene 30.72, ethanol 38.56 kJ/mol.
    EXPECT_NEAR(num(t, rowNamed(t, Name, "BENZENE"), EnthalpyOfVaporization), 30.72, 0.01);
    EXPECT_NEAR(num(t, rowNamed(t, Name, "ETHANOL"), EnthalpyOfVaporization), 38.56, 0.01);
    EXPECT_NEAR(
        parseLeadingNumber(t.cell(rowNamed(t, Name, "WATER", true), MiscEnthalpyOfVaporization)),
        40.65, 0.01);
}

TEST(CompoundDataFiles, AntoineGives760MmHgAtTheNormalBoilingPoint) {
    const auto dir = test::shippedDataDir();
    const CompoundTable vapor = loadVaporPressureTable(dir, {});
    const CompoundTable phys = loadPhysicalPropertiesTable(dir, {});
    using namespace VaporPressureCell;
    for (const char* name : {"ETHANOL", "BENZENE", "ACETONE", "HEXANE", "TOLUENE", "METHANOL",
                             "WATER", "AMMONIA", "NITROGEN"}) {
        SCOPED_TRACE(name);
        const bool misc = std::string(name) == "WATER" || std::string(name) == "AMMONIA" ||
                          std::string(name) == "NITROGEN";
        const int r = rowNamed(vapor, Name, name, misc);
        const double tb_K =
            num(phys, rowNamed(phys, PhysPropsCell::Name, name, misc), PhysPropsCell::BoilingPoint);
        // Main rows take t in degC; Miscellaneous rows kelvin.
        const double t = misc ? tb_K : tb_K - 273.15;
        ASSERT_GE(tb_K - 273.15, num(vapor, r, Tmin) - 20.0);
        ASSERT_LE(tb_K - 273.15, num(vapor, r, Tmax) + 20.0);
        const double p =
            std::pow(10.0, num(vapor, r, A) - num(vapor, r, B) / (t + num(vapor, r, C)));
        EXPECT_LT(relative(p, 760.0), 0.01) << p;
    }
    // Water at 25 degC: 23.78 mmHg (3.170 kPa, IAPWS).
    const int water = rowNamed(vapor, Name, "WATER", true);
    const double p25 = std::pow(
        10.0, num(vapor, water, A) - num(vapor, water, B) / (298.15 + num(vapor, water, C)));
    EXPECT_LT(relative(p25, 23.78), 0.01);
}

TEST(CompoundDataFiles, HeatCapacitiesAgreeWithJanafAndCrc) {
    const CompoundTable t =
        loadHeatCapacityTable(test::shippedDataDir(), GasRangeRule::CarbonOxidesWide, {});
    using namespace HeatCapacityCell;
    const auto gas = [&](int r, double x) {
        return num(t, r, GasA) +
               x * (num(t, r, GasB) + x * (num(t, r, GasC) + x * num(t, r, GasD)));
    };
    const auto liquid = [&](int r, double x) {
        return num(t, r, LiquidA) + x * (num(t, r, LiquidB) + x * num(t, r, LiquidC));
    };
    // Ideal gas at 298.15 K: JANAF methane 35.64, water 33.59; CRC benzene 82.4.
    EXPECT_LT(relative(gas(rowNamed(t, Name, "METHANE"), 298.15), 35.64), 0.01);
    EXPECT_LT(relative(gas(rowNamed(t, Name, "BENZENE"), 298.15), 82.4), 0.01);
    const int water = rowNamed(t, Name, "WATER", true);
    EXPECT_LT(relative(gas(water, 298.15), 33.59), 0.01);
    EXPECT_LT(relative(gas(water, 1000.0), 41.268), 0.01);
    EXPECT_EQ(t.cell(water, GasTmin), "273");
    EXPECT_EQ(t.cell(water, GasTmax), "1500");
    // Liquid at 298.15 K (CRC): benzene 136.0, water 75.3.
    const int benzene = rowNamed(t, Name, "BENZENE");
    EXPECT_LT(relative(liquid(benzene, 298.15), 136.0), 0.01);
    EXPECT_LE(num(t, benzene, LiquidTmin), 298.15);
    EXPECT_GE(num(t, benzene, LiquidTmax), 298.15);
    EXPECT_LT(relative(liquid(water, 298.15), 75.3), 0.01);
    // CO and CO2 are main rows and get the page's wide range.
    const int co2 = rowNamed(t, Name, "CARBON-DIOXIDE");
    EXPECT_EQ(t.cell(co2, Formula), "CO2");
    EXPECT_EQ(t.cell(co2, GasTmax), "3800");
    EXPECT_LT(relative(gas(co2, 1000.0), 54.31), 0.05);  // JANAF 54.308
}

TEST(CompoundDataFiles, RackettDensitiesAgreeWithTheHandbook) {
    const CompoundTable t = loadDensityTable(test::shippedDataDir(), {});
    using namespace DensityCell;
    const auto rho = [&](int r, double x) {
        return num(t, r, A) * std::pow(num(t, r, B), -std::pow(1.0 - x / num(t, r, Tc), 2.0 / 7.0));
    };
    // CRC densities at 25 degC, g/mL.
    struct Case {
        const char* name;
        double rho;
    };
    for (const Case& c : {Case{"BENZENE", 0.8737}, Case{"ACETONE", 0.7845}, Case{"HEXANE", 0.6548},
                          Case{"TOLUENE", 0.8623}, Case{"ETHANOL", 0.7849}}) {
        SCOPED_TRACE(c.name);
        EXPECT_LT(relative(rho(rowNamed(t, Name, c.name), 298.15), c.rho), 0.01);
    }
    // Water is a Miscellaneous row: one tabulated density at 298 K.
    const int water = rowNamed(t, Name, "WATER", true);
    EXPECT_NEAR(num(t, water, LiquidDensity), 0.997, 0.001);
    EXPECT_EQ(t.cell(water, LiquidDensityTemperature), "298");
}

// The windows of one file as the program cuts them.
struct Window {
    int start, length;
    bool number;
};
struct Layout {
    const char* file;
    int limit;
    std::vector<Window> windows;
    std::vector<int> shared;  // characters two windows overlap on: must stay blank
};

const std::vector<Layout>& layouts() {
    static const std::vector<Layout> all = {
        {"Critical.txt",
         700,
         {{3, 8, false},
          {11, 28, false},
          {39, 8, true},
          {47, 8, true},
          {55, 8, true},
          {63, 6, true},
          {71, 6, true},
          {78, 6, true},
          {85, 6, true},
          {91, 6, true}},
         {69, 70}},
        {"Hfgas.txt", 700, {{82, 9, true}}, {}},
        {"Hvap.txt", 700, {{46, 6, true}, {52, 6, true}, {58, 6, true}, {64, 6, true}}, {}},
        {"Density.txt",
         700,
         {{3, 8, false},
          {11, 28, false},
          {39, 7, true},
          {46, 6, true},
          {52, 6, true},
          {58, 6, true},
          {65, 6, true}},
         {}},
        {"Psat.txt",
         700,
         {{3, 8, false},
          {11, 28, false},
          {39, 7, true},
          {46, 8, true},
          {54, 7, true},
          {61, 4, true},
          {65, 4, true}},
         {}},
        {"Cpgas.txt",
         700,
         {{3, 8, false},
          {11, 28, false},
          {39, 7, true},
          {46, 9, true},
          {60, 12, true},
          {72, 13, true},
          {85, 13, true}},
         {}},
        {"Cpliq.txt",
         700,
         {{47, 8, true}, {58, 14, true}, {72, 13, true}, {86, 8, true}, {94, 9, true}},
         {85}},
        {"PhysProps.txt",
         23,
         {{0, 14, false},
          {15, 27, false},
          {43, 11, true},
          {55, 9, true},
          {68, 10, true},
          {78, 7, true},
          {89, 6, true},
          {96, 11, true},
          {110, 8, true},
          {118, 8, true},
          {126, 8, true},
          {138, 8, true},
          {148, 8, true},
          {160, 8, true},
          {172, 8, true},
          {196, 14, true}},
         {54, 85, 86, 87, 88}},
        {"otherDat.txt", 23, {{0, 6, true}, {8, 5, true}, {15, 3, true}}, {}},
        {"HCG.txt",
         24,
         {{0, 4, false},
          {5, 16, false},
          {22, 7, true},
          {29, 8, true},
          {37, 10, true},
          {47, 11, true},
          {59, 11, true},
          {70, 4, true},
          {74, 5, true}},
         {}},
        {"HCL.txt",
         24,
         {{30, 12, true}, {42, 11, true}, {54, 12, true}, {66, 4, true}, {71, 3, true}},
         {}},
    };
    return all;
}

// Each numeric window holds one whole number or nothing: a value that ran
// into a neighbouring window would leave a fragment there, or blanks inside.
TEST(CompoundDataFiles, EveryValueSitsWhollyInsideItsWindow) {
    const std::regex wholeNumber(R"(^ *(-?[0-9]+(\.[0-9]+)?(E[-+][0-9]+)?)? *$)");
    for (const Layout& layout : layouts()) {
        SCOPED_TRACE(layout.file);
        int lines = 0;
        ASSERT_TRUE(
            readLines(test::shippedDataDir() / layout.file, 10000, [&](const std::string& line) {
                ++lines;
                for (const Window& w : layout.windows) {
                    const std::string cut = cutField(line, {w.start, w.length, Cleaning::AsCut});
                    if (w.number) {
                        EXPECT_TRUE(std::regex_match(cut, wholeNumber))
                            << "line " << lines << ": '" << cut << "'";
                    } else if (w.length > 14) {
                        // Names: capitals, no blank inside a main-file name.
                        EXPECT_EQ(cut.find_first_of("abcdefghijklmnopqrstuvwxyz"),
                                  std::string::npos)
                            << cut;
                    }
                }
                for (int c : layout.shared) {
                if (static_cast<std::size_t>(c) < line.size()) {
                    EXPECT_EQ(line[static_cast<std::size_t>(c)], ' ') << "line " << lines;
                }
            }
            }));
        EXPECT_GT(lines, 0);
        EXPECT_LE(lines, layout.limit);
    }
}

// Paired files carry the same compound on the same line, and a main file
// never offers one name twice (the picker would only ever find the first).
TEST(CompoundDataFiles, PairedFilesAgreeLineByLineAndMainNamesAreUnique) {
    const auto identities = [](const char* file, int formulaAt, int nameAt, int nameLength) {
        std::vector<std::string> ids;
        readLines(test::shippedDataDir() / file, 10000, [&](const std::string& line) {
            ids.push_back(cutField(line, {formulaAt, 4, Cleaning::BlanksRemoved}) + "|" +
                          cutField(line, {nameAt, nameLength, Cleaning::BlanksRemoved}));
        });
        return ids;
    };
    EXPECT_EQ(identities("Critical.txt", 3, 11, 28), identities("Hfgas.txt", 3, 11, 28));
    EXPECT_EQ(identities("Critical.txt", 3, 11, 28), identities("Hvap.txt", 3, 11, 28));
    EXPECT_EQ(identities("Cpgas.txt", 3, 11, 28), identities("Cpliq.txt", 3, 11, 28));
    EXPECT_EQ(identities("HCG.txt", 0, 5, 16), identities("HCL.txt", 0, 5, 16));
    for (const char* file : {"Critical.txt", "Density.txt", "Psat.txt", "Cpgas.txt"}) {
        std::set<std::string> names;
        int lines = 0;
        readLines(test::shippedDataDir() / file, 10000, [&](const std::string& line) {
            ++lines;
            const std::string name = cutField(line, {11, 28, Cleaning::BlanksRemoved});
            EXPECT_FALSE(name.empty());
            names.insert(name);
        });
        EXPECT_EQ(static_cast<int>(names.size()), lines) << file;
    }
}

}  // namespace
}  // namespace chemeng
