#include "pages/heat_capacity_compounds.h"

#include <optional>
#include <utility>

#include "compounds/correlation_rows.h"
#include "compounds/table_cells.h"

namespace chemeng {

namespace {
constexpr PickerControls kPicker{
    HeatCapacityCtl::GroupAtoD,    HeatCapacityCtl::GroupEtoH,    HeatCapacityCtl::GroupItoL,
    HeatCapacityCtl::GroupMtoQ,    HeatCapacityCtl::GroupRtoX,    HeatCapacityCtl::MiscNames,
    HeatCapacityCtl::MainFormulas, HeatCapacityCtl::MiscFormulas,
};
constexpr UnitRadios kUnitRadios{HeatCapacityCtl::Celsius, HeatCapacityCtl::Fahrenheit,
                                 HeatCapacityCtl::Kelvin};
}  // namespace

HeatCapacityCompounds::HeatCapacityCompounds(Dialog& dialog, std::filesystem::path dataDir,
                                             GasRangeRule gasRanges)
    : m_dialog(dialog),
      m_gasRanges(gasRanges),
      // The Miscellaneous formula list searches only the rows that have
      // liquid data: HCL.txt, read last, decides how many of them there are.
      m_compounds(dialog, std::move(dataDir), HeatCapacityCell::kCount, kPicker,
                  MiscFormulaRange::MiscLiquidCount) {}

void HeatCapacityCompounds::initialise() {
    m_gas = {};
    m_liquid = {};
    m_phase = Phase::Gas;
    m_unit = TemperatureUnit::Celsius;
    m_dialog.setChecked(HeatCapacityCtl::Gas, true);
    m_dialog.setChecked(HeatCapacityCtl::Liquid, false);
    showTemperatureUnit(m_dialog, kUnitRadios, m_unit);
    m_compounds.load([this](const std::filesystem::path& dir, const MessageSink& report) {
        return loadHeatCapacityTable(dir, m_gasRanges, report);
    });
}

HeatCapacityCompounds::Change HeatCapacityCompounds::onNotify(int controlId,
                                                              Notification notification) {
    if (const std::optional<int> row = m_compounds.rowChosen(controlId, notification)) {
        showRow(*row);
        return Change::Compound;
    }
    if (const std::optional<TemperatureUnit> unit =
            unitClicked(kUnitRadios, controlId, notification)) {
        m_unit = *unit;
        return Change::Unit;
    }
    if (notification != Notification::Clicked) return Change::None;
    if (controlId == HeatCapacityCtl::Gas) {
        switchToGas();
        return Change::Compound;
    }
    if (controlId == HeatCapacityCtl::Liquid) {
        switchToLiquid();
        return Change::Compound;
    }
    return Change::None;
}

void HeatCapacityCompounds::showRow(int row) {
    m_name = m_compounds.cell(row, HeatCapacityCell::Name);
    m_formula = m_compounds.cell(row, HeatCapacityCell::Formula);
    m_molecularWeight = m_compounds.cell(row, HeatCapacityCell::MolecularWeight);
    loadPhase(row);
}

void HeatCapacityCompounds::loadPhase(int row) {
    if (m_phase == Phase::Gas) {
        m_gas = heatCapacityCoefficients(m_compounds.table(), row, Phase::Gas);
        m_liquid = {};
    } else {
        m_liquid = heatCapacityCoefficients(m_compounds.table(), row, Phase::Liquid);
        m_gas = {};
    }
}

// The switches find the shown compound again by its name, the first row that
// bears it. With nothing chosen the search runs past the filled rows onto an
// empty one, so every value becomes 0.
void HeatCapacityCompounds::switchToGas() {
    m_phase = Phase::Gas;
    m_dialog.setChecked(HeatCapacityCtl::Gas, true);
    m_dialog.setChecked(HeatCapacityCtl::Liquid, false);
    const CompoundTable& table = m_compounds.table();
    const int last = table.mainCount + table.miscCount - 1;
    loadPhase(findByText(table, HeatCapacityCell::Name, m_name, 0, last));
}

// The liquid search covers the Miscellaneous rows that have liquid data.
// Without a shown name there is nothing to look up; the gas values are still
// cleared so that only the chosen phase's values are ever on show.
void HeatCapacityCompounds::switchToLiquid() {
    m_phase = Phase::Liquid;
    m_dialog.setChecked(HeatCapacityCtl::Liquid, true);
    m_dialog.setChecked(HeatCapacityCtl::Gas, false);
    if (m_name.empty()) {
        m_gas = {};
        return;
    }
    const CompoundTable& table = m_compounds.table();
    const int last = table.mainCount + table.miscLiquidCount - 1;
    loadPhase(findByText(table, HeatCapacityCell::Name, m_name, 0, last));
}

}  // namespace chemeng
