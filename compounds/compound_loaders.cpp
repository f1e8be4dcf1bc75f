#include "compounds/compound_loaders.h"

#include <span>
#include <string_view>
#include <vector>

#include "compounds/fixed_column_file.h"
#include "compounds/table_cells.h"

namespace chemeng {

namespace {

constexpr int kMiscRowsFromPhysProps = 23;
constexpr int kMiscRowsFromHeatCapacityFiles = 24;

struct FieldCell {
    Field field;
    int cell;
};

enum class Section { FirstRow, AfterMainRows };

// One file of a load sequence. `count` is the counter this file drives: it
// restarts at 0 and ends as the number of lines taken.
struct LoadStep {
    std::string_view fileName;
    std::string_view failureMessage;
    int limit;
    Section section;
    int* count;
    std::span<const FieldCell> fields;
    std::function<void(CompoundTable&, int row)> afterLine = {};
};

void runLoadSequence(const std::filesystem::path& dataDir, CompoundTable& table,
                     std::span<const LoadStep> steps, const MessageSink& report) {
    for (const LoadStep& step : steps) {
        const int firstRow = step.section == Section::FirstRow ? 0 : table.mainCount;
        int& count = *step.count;
        const int countBefore = count;
        count = 0;
        const bool opened =
            readLines(dataDir / step.fileName, step.limit, [&](const std::string& line) {
                const int row = firstRow + count;
                for (const FieldCell& fc : step.fields)
                    table.setCell(row, fc.cell, cutField(line, fc.field));
                if (step.afterLine) step.afterLine(table, row);
                ++count;
            });
        if (!opened) {
            count = countBefore;
            if (report) report(std::string(step.failureMessage));
            return;
        }
    }
}

constexpr auto kBlanks = Cleaning::BlanksRemoved;
constexpr auto kBlanksNY = Cleaning::BlanksNYRemoved;
constexpr auto kAsCut = Cleaning::AsCut;

}  // namespace

CompoundTable loadPhysicalPropertiesTable(const std::filesystem::path& dataDir,
                                          const MessageSink& report) {
    using namespace PhysPropsCell;
    static constexpr FieldCell critical[] = {
        {{3, 8, kBlanks}, Formula},
        {{11, 28, kBlanks}, Name},
        {{39, 8, kBlanksNY}, MolecularWeight},
        {{47, 8, kBlanksNY}, FreezingPoint},
        {{55, 8, kBlanksNY}, BoilingPoint},
        {{63, 8, kBlanksNY}, CriticalTemperature},
        {{69, 8, kBlanksNY}, CriticalPressure},
        {{78, 6, kBlanksNY}, CriticalVolume},
        {{85, 6, kBlanksNY}, CriticalCompressibility},
        {{91, 6, kBlanksNY}, AcentricFactor},
    };
    static constexpr FieldCell hfgas[] = {{{82, 9, kAsCut}, EnthalpyOfFormation}};
    static constexpr FieldCell hvap[] = {
        {{46, 6, kBlanks}, EnthalpyOfVaporization},
        {{52, 6, kBlanks}, SecondHvap},
        {{58, 6, kBlanks}, ThirdHvap},
        {{64, 6, kBlanks}, FourthHvap},
    };
    static constexpr FieldCell otherDat[] = {{{0, 6, kAsCut}, MiscEnthalpyOfVaporization}};
    static constexpr FieldCell physProps[] = {
        {{0, 14, kBlanks}, Formula},
        {{15, 27, kAsCut}, Name},
        {{96, 11, kBlanks}, MolecularWeight},
        {{110, 8, kBlanks}, FreezingPoint},
        {{118, 8, kBlanks}, BoilingPoint},
        {{126, 8, kBlanks}, CriticalTemperature},
        {{138, 8, kBlanks}, CriticalPressure},
        {{148, 8, kBlanks}, CriticalVolume},
        {{160, 8, kBlanks}, CriticalCompressibility},
        {{172, 8, kBlanks}, AcentricFactor},
        {{196, 14, kBlanks}, EnthalpyOfFormation},
    };

    CompoundTable table(kCount);
    int hfgasCount = 0;
    const LoadStep steps[] = {
        {"Critical.txt", "Error opening Critical.txt", CompoundTable::kMaxMainRows,
         Section::FirstRow, &table.mainCount, critical},
        {"Hfgas.txt", "Error opening Hfgas.txt", CompoundTable::kMaxMainRows, Section::FirstRow,
         &hfgasCount, hfgas},
        {"Hvap.txt", "Error opening Hvap.txt", CompoundTable::kMaxMainRows, Section::FirstRow,
         &table.mainCount, hvap},
        {"otherDat.txt", "Error opening otherDat.txt", kMiscRowsFromPhysProps,
         Section::AfterMainRows, &table.miscCount, otherDat},
        {"PhysProps.txt", "Error opening PhysProp.txt", kMiscRowsFromPhysProps,
         Section::AfterMainRows, &table.miscCount, physProps},
    };
    runLoadSequence(dataDir, table, steps, report);
    return table;
}

CompoundTable loadHeatCapacityTable(const std::filesystem::path& dataDir, GasRangeRule rule,
                                    const MessageSink& report) {
    using namespace HeatCapacityCell;
    static constexpr FieldCell cpgas[] = {
        {{3, 8, kBlanks}, Formula}, {{11, 28, kBlanks}, Name}, {{39, 7, kBlanks}, MolecularWeight},
        {{46, 9, kBlanks}, GasA},   {{60, 12, kBlanks}, GasB}, {{72, 13, kBlanks}, GasC},
        {{85, 13, kBlanks}, GasD},
    };
    static constexpr FieldCell cpliq[] = {
        {{47, 8, kBlanks}, LiquidA},      {{58, 14, kBlanksNY}, LiquidB},
        {{72, 14, kBlanksNY}, LiquidC},   {{85, 9, kBlanksNY}, LiquidTmin},
        {{94, 9, kBlanksNY}, LiquidTmax},
    };
    static constexpr FieldCell hcg[] = {
        {{0, 4, kBlanks}, Formula},          {{5, 16, kAsCut}, Name},
        {{22, 7, kBlanks}, MolecularWeight}, {{29, 8, kBlanks}, GasA},
        {{37, 10, kBlanks}, GasB},           {{47, 11, kBlanks}, GasC},
        {{59, 11, kBlanks}, GasD},           {{70, 4, kBlanks}, GasTmin},
        {{74, 5, kBlanks}, GasTmax},
    };
    static constexpr FieldCell hcl[] = {
        {{30, 12, kBlanks}, LiquidA},   {{42, 11, kBlanks}, LiquidB},
        {{54, 12, kBlanks}, LiquidC},   {{66, 4, kBlanks}, LiquidTmin},
        {{71, 3, kBlanks}, LiquidTmax},
    };

    // The gas polynomials of the main list hold from 298 to 1000 K; the
    // carbon oxides' fits reach 273-3800 K where the page knows it.
    auto setGasRange = [rule](CompoundTable& t, int row) {
        const std::string& formula = t.cell(row, Formula);
        const bool wide =
            rule == GasRangeRule::CarbonOxidesWide && (formula == "CO" || formula == "CO2");
        t.setCell(row, GasTmin, wide ? "273" : "298");
        t.setCell(row, GasTmax, wide ? "3800" : "1000");
    };

    CompoundTable table(kCount);
    int mainLiquidCount = 0;
    const LoadStep steps[] = {
        {"Cpgas.txt", "Error opening Cpgas.txt", CompoundTable::kMaxMainRows, Section::FirstRow,
         &table.mainCount, cpgas, setGasRange},
        {"Cpliq.txt", "Error opening Cpliq.txt", CompoundTable::kMaxMainRows, Section::FirstRow,
         &mainLiquidCount, cpliq},
        {"HCG.txt", "Error opening HCG.txt", kMiscRowsFromHeatCapacityFiles, Section::AfterMainRows,
         &table.miscCount, hcg},
        {"HCL.txt", "Error opening HCL.txt", kMiscRowsFromHeatCapacityFiles, Section::AfterMainRows,
         &table.miscLiquidCount, hcl},
    };
    runLoadSequence(dataDir, table, steps, report);
    return table;
}

CompoundTable loadDensityTable(const std::filesystem::path& dataDir, const MessageSink& report) {
    using namespace DensityCell;
    static constexpr FieldCell density[] = {
        {{3, 8, kBlanks}, Formula}, {{11, 28, kBlanks}, Name}, {{39, 7, kBlanks}, MolecularWeight},
        {{46, 6, kBlanks}, A},      {{52, 6, kBlanks}, B},     {{58, 6, kBlanks}, Tmin},
        {{65, 6, kBlanks}, Tc},
    };
    static constexpr FieldCell physProps[] = {
        {{0, 14, kBlanks}, Formula},
        {{15, 27, kAsCut}, Name},
        {{96, 11, kBlanks}, MolecularWeight},
    };
    static constexpr FieldCell otherDat[] = {
        {{8, 5, kBlanks}, LiquidDensity},
        {{15, 3, kBlanks}, LiquidDensityTemperature},
    };

    CompoundTable table(kCount);
    const LoadStep steps[] = {
        {"Density.txt", "Error opening Density.txt", CompoundTable::kMaxMainRows, Section::FirstRow,
         &table.mainCount, density},
        {"PhysProps.txt", "Error opening PhysProp.txt", kMiscRowsFromPhysProps,
         Section::AfterMainRows, &table.miscCount, physProps},
        {"otherDat.txt", "Error opening otherDat.txt", kMiscRowsFromPhysProps,
         Section::AfterMainRows, &table.miscCount, otherDat},
    };
    runLoadSequence(dataDir, table, steps, report);
    return table;
}

CompoundTable loadVaporPressureTable(const std::filesystem::path& dataDir,
                                     const MessageSink& report) {
    using namespace VaporPressureCell;
    static constexpr FieldCell psat[] = {
        {{3, 8, kBlanks}, Formula}, {{11, 28, kBlanks}, Name}, {{39, 7, kBlanks}, A},
        {{46, 8, kBlanks}, B},      {{54, 7, kBlanks}, C},     {{61, 4, kBlanks}, Tmin},
        {{65, 4, kBlanks}, Tmax},
    };
    static constexpr FieldCell physProps[] = {
        {{0, 14, kBlanks}, Formula}, {{15, 27, kAsCut}, Name}, {{43, 12, kBlanks}, A},
        {{54, 10, kBlanks}, B},      {{68, 10, kBlanks}, C},   {{78, 11, kBlanks}, Tmax},
        {{85, 10, kBlanks}, Tmin},
    };

    CompoundTable table(kCount);
    // A missing Miscellaneous file is reported like on the other pages and
    // leaves no Miscellaneous rows.
    const LoadStep steps[] = {
        {"Psat.txt", "Error opening Psat.txt", CompoundTable::kMaxMainRows, Section::FirstRow,
         &table.mainCount, psat},
        {"PhysProps.txt", "Error opening PhysProp.txt", kMiscRowsFromPhysProps,
         Section::AfterMainRows, &table.miscCount, physProps},
    };
    runLoadSequence(dataDir, table, steps, report);
    return table;
}

}  // namespace chemeng
