#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compounds/compound_loaders.h"
#include "compounds/fixed_column_file.h"
#include "compounds/table_cells.h"
#include "support/temp_data_dir.h"

namespace chemeng {
namespace {

using test::FixedLine;
using test::TempDataDir;

std::vector<std::string> linesOf(const TempDataDir& dir, const std::string& content,
                                 int limit = 1000) {
    dir.write("f.txt", content);
    std::vector<std::string> lines;
    EXPECT_TRUE(
        readLines(dir.path() / "f.txt", limit, [&](const std::string& l) { lines.push_back(l); }));
    return lines;
}

TEST(ReadLines, SplitsAtLineFeedsAndCarriageReturns) {
    TempDataDir dir;
    using V = std::vector<std::string>;
    EXPECT_EQ(linesOf(dir, "a\nb\n"), (V{"a", "b"}));  // no extra row after the last end
    EXPECT_EQ(linesOf(dir, "a\r\nb"), (V{"a", "b"}));  // CR LF is one end; last line unended
    EXPECT_EQ(linesOf(dir, "a\n\n  \nb"), (V{"a", "", "  ", "b"}));  // blank lines are rows
    EXPECT_EQ(linesOf(dir, "a\rXb\n"), (V{"a", "b"}));  // CR takes the next character with it
    EXPECT_EQ(linesOf(dir, ""), V{});
    EXPECT_EQ(linesOf(dir, "a\nb\nc\n", 2), (V{"a", "b"}));
}

TEST(ReadLines, ReportsAFileThatCannotBeOpened) {
    TempDataDir dir;
    EXPECT_FALSE(readLines(dir.path() / "missing.txt", 10, [](const std::string&) {}));
}

TEST(CutField, ClipsAtTheLineEndAndCleans) {
    struct Case {
        const char* line;
        Field field;
        const char* expected;
    };
    const Case cases[] = {
        {"0123456789", {2, 3, Cleaning::AsCut}, "234"},
        {"0123", {2, 5, Cleaning::AsCut}, "23"},  // ends inside the window
        {"01", {5, 3, Cleaning::AsCut}, ""},      // ends before the window
        {"  ETHYL ACETATE  ", {0, 17, Cleaning::BlanksRemoved}, "ETHYLACETATE"},
        {"  ETHYL ACETATE  ", {0, 17, Cleaning::AsCut}, "  ETHYL ACETATE  "},
        {" 1.25N ", {0, 7, Cleaning::BlanksNYRemoved}, "1.25"},
        {" Y1.25 ", {0, 7, Cleaning::BlanksNYRemoved}, "1.25"},
        {" 1.25N ", {0, 7, Cleaning::BlanksRemoved}, "1.25N"},
        {"\t1 n", {0, 4, Cleaning::BlanksNYRemoved}, "\t1n"},  // only spaces and capitals go
    };
    for (const Case& c : cases) EXPECT_EQ(cutField(c.line, c.field), c.expected) << c.line;
}

// A line of Critical.txt: formula, name, then the critical values.
std::string criticalLine(const std::string& formula, const std::string& name,
                         const std::string& mw) {
    return FixedLine()
        .at(3, formula)
        .at(11, name)
        .at(39, mw)
        .at(47, "273.2")
        .at(55, "373.2")
        .at(63, "647.1")
        .at(71, "220.6")
        .at(78, "56")
        .at(85, "0.229")
        .at(91, "0.344")
        .str();
}

TEST(PhysicalPropertiesLoad, JoinsTheMainFilesByLineAndTakesTheCountOfHvap) {
    TempDataDir dir;
    dir.write("Critical.txt", criticalLine("H2O", "WATER", "18.015N") + "\n" +
                                  criticalLine("C2H6O", "ETHYL ALCOHOL", "Y46.069") + "\n" +
                                  criticalLine("CH4", "METHANE", "16.043") + "\n");
    dir.write("Hfgas.txt",
              FixedLine().at(82, " -241.8  ").str() + "\n" + FixedLine().at(82, "-234.8").str());
    dir.write("Hvap.txt", FixedLine().at(46, "40.66").at(52, "1").at(58, "2").at(64, "3").str() +
                              "\n" + FixedLine().at(46, "38.56").str() + "\n");
    dir.write("otherDat.txt", " 23.3  0.68   240\n");
    dir.write("PhysProps.txt",
              FixedLine().at(0, "NH3").at(15, "AMMONIA").at(96, "17.031N").str() + "\n");

    std::vector<std::string> messages;
    const CompoundTable t =
        loadPhysicalPropertiesTable(dir.path(), [&](auto& m) { messages.push_back(m); });
    using namespace PhysPropsCell;
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(t.mainCount, 2);  // Hvap.txt has two lines
    EXPECT_EQ(t.miscCount, 1);
    EXPECT_EQ(t.cell(0, Name), "WATER");
    EXPECT_EQ(t.cell(0, MolecularWeight), "18.015");
    EXPECT_EQ(t.cell(1, Name), "ETHYLALCOHOL");
    EXPECT_EQ(t.cell(1, MolecularWeight), "46.069");
    EXPECT_EQ(t.cell(0, CriticalTemperature), "647.1");  // the shared columns 69-70 are blank
    EXPECT_EQ(t.cell(0, CriticalPressure), "220.6");
    EXPECT_EQ(t.cell(0, EnthalpyOfFormation), " -241.8  ");
    EXPECT_EQ(t.cell(0, FourthHvap), "3");
    EXPECT_EQ(t.cell(2, Name), "AMMONIA                    ");  // Miscellaneous names keep blanks
    EXPECT_EQ(t.cell(2, MolecularWeight), "17.031N");
    EXPECT_EQ(t.cell(2, MiscEnthalpyOfVaporization), " 23.3 ");
}

TEST(PhysicalPropertiesLoad, AMissingFileIsReportedOnceAndEndsTheSequence) {
    TempDataDir dir;
    std::vector<std::string> messages;
    CompoundTable t =
        loadPhysicalPropertiesTable(dir.path(), [&](auto& m) { messages.push_back(m); });
    EXPECT_EQ(messages, std::vector<std::string>{"Error opening Critical.txt"});
    EXPECT_EQ(t.mainCount, 0);

    dir.write("Critical.txt", criticalLine("H2O", "WATER", "18.015") + "\n");
    dir.write("Hfgas.txt", "\n");
    dir.write("Hvap.txt", "\n");
    dir.write("otherDat.txt", "\n");
    messages.clear();
    t = loadPhysicalPropertiesTable(dir.path(), [&](auto& m) { messages.push_back(m); });
    EXPECT_EQ(messages, std::vector<std::string>{"Error opening PhysProp.txt"});
    EXPECT_EQ(t.mainCount, 1);
    EXPECT_EQ(t.miscCount, 1);  // otherDat.txt's count stays
}

TEST(CompoundLoad, RowLimitsHoldForLongFiles) {
    TempDataDir dir;
    std::string many;
    for (int i = 0; i < 705; ++i)
        many += FixedLine().at(3, "X").at(11, "NAME" + std::to_string(i)).str() + "\n";
    std::string thirty;
    for (int i = 0; i < 30; ++i) thirty += FixedLine().at(0, "F" + std::to_string(i)).str() + "\n";
    dir.write("Psat.txt", many);
    dir.write("PhysProps.txt", thirty);
    dir.write("Cpgas.txt", many);
    dir.write("Cpliq.txt", many);
    dir.write("HCG.txt", thirty);
    dir.write("HCL.txt", thirty);

    const CompoundTable vp = loadVaporPressureTable(dir.path(), {});
    EXPECT_EQ(vp.mainCount, 700);
    EXPECT_EQ(vp.miscCount, 23);
    EXPECT_EQ(vp.cell(699, VaporPressureCell::Name), "NAME699");
    EXPECT_EQ(vp.cell(700, VaporPressureCell::Formula), "F0");

    const CompoundTable hc = loadHeatCapacityTable(dir.path(), GasRangeRule::Uniform, {});
    EXPECT_EQ(hc.mainCount, 700);
    EXPECT_EQ(hc.miscCount, 24);
    EXPECT_EQ(hc.miscLiquidCount, 24);
}

TEST(HeatCapacityLoad, OnlyCarbonOxidesGetTheWideGasRangeWhereAsked) {
    TempDataDir dir;
    dir.write("Cpgas.txt", FixedLine().at(3, "CO").at(11, "CARBON MONOXIDE").str() + "\n" +
                               FixedLine().at(3, "C O2").at(11, "CARBON DIOXIDE").str() + "\n" +
                               FixedLine().at(3, "COCl2").at(11, "PHOSGENE").str() + "\n");
    dir.write("Cpliq.txt", "");
    dir.write("HCG.txt",
              FixedLine().at(0, "N2").at(5, "NITROGEN").at(70, "273").at(74, "3800").str());
    dir.write("HCL.txt", "");

    using namespace HeatCapacityCell;
    const CompoundTable wide =
        loadHeatCapacityTable(dir.path(), GasRangeRule::CarbonOxidesWide, {});
    const CompoundTable uniform = loadHeatCapacityTable(dir.path(), GasRangeRule::Uniform, {});
    const std::pair<const char*, const char*> wideRanges[] = {
        {"273", "3800"}, {"273", "3800"}, {"298", "1000"}};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(wide.cell(row, GasTmin), wideRanges[row].first) << row;
        EXPECT_EQ(wide.cell(row, GasTmax), wideRanges[row].second) << row;
        EXPECT_EQ(uniform.cell(row, GasTmin), "298") << row;
        EXPECT_EQ(uniform.cell(row, GasTmax), "1000") << row;
    }
    EXPECT_EQ(wide.cell(3, Name), "NITROGEN        ");
    EXPECT_EQ(wide.cell(3, GasTmax), "3800");  // the Miscellaneous file carries its own range
}

TEST(DensityLoad, ShorterOtherDatShortensTheMiscellaneousList) {
    TempDataDir dir;
    dir.write("Density.txt",
              FixedLine().at(3, "C6H6").at(11, "BENZENE").at(46, "0.3009").str() + "\n");
    dir.write("PhysProps.txt", FixedLine().at(0, "NH3").at(15, "AMMONIA").str() + "\n" +
                                   FixedLine().at(0, "HCl").at(15, "HYDROGEN CHLORIDE").str() +
                                   "\n");
    dir.write("otherDat.txt", FixedLine().at(0, " 23.3").at(8, "0.68").at(15, "240").str() + "\n");
    const CompoundTable t = loadDensityTable(dir.path(), {});
    EXPECT_EQ(t.mainCount, 1);
    EXPECT_EQ(t.miscCount, 1);
    EXPECT_EQ(t.cell(0, DensityCell::A), "0.3009");
    EXPECT_EQ(t.cell(1, DensityCell::LiquidDensity), "0.68");
    EXPECT_EQ(t.cell(1, DensityCell::LiquidDensityTemperature), "240");
}

}  // namespace
}  // namespace chemeng
