#include "pages/heat_capacity_compounds.h"

#include <cmath>
#include <optional>
#include <utility>

#include "compounds/table_cells.h"
#include "framework/result_rounding.h"
#include "framework/text_number.h"

namespace chemeng {

double temperatureToKelvin(double value, TemperatureUnit unit, double celsiusOffset_K) {
    return toKelvin(value, unit, celsiusOffset_K, 273.16);
}

void roundIntoResult(double value, double& result, Dialog& dialog) {
    if (const std::optional<double> rounded = roundToThousandths(value)) {
        result = *rounded;
    } else {
        dialog.messageBox(kResultOutOfRange);
    }
}

namespace {
constexpr PickerControls kPicker{
    HeatCapacityCtl::GroupAtoD,    HeatCapacityCtl::GroupEtoH,    HeatCapacityCtl::GroupItoL,
    HeatCapacityCtl::GroupMtoQ,    HeatCapacityCtl::GroupRtoX,    HeatCapacityCtl::MiscNames,
    HeatCapacityCtl::MainFormulas, HeatCapacityCtl::MiscFormulas,
};
}  // namespace

HeatCapacityCompounds::HeatCapacityCompounds(Dialog& dialog, std::filesystem::path dataDir,
                                             GasRangeRule gasRanges)
    : m_dialog(dialog),
      m_dataDir(std::move(dataDir)),
      m_gasRanges(gasRanges),
      m_table(HeatCapacityCell::kCount),
      // The Miscellaneous formula list searches only the rows that have
      // liquid data, as both pages always have.
      m_picker(dialog, m_table, kPicker, HeatCapacityCell::Name, HeatCapacityCell::Formula,
               MiscFormulaRange::MiscLiquidCount) {}

void HeatCapacityCompounds::initialise() {
    using namespace HeatCapacityCtl;
    m_gas = {};
    m_liquid = {};
    m_phase = Phase::Gas;
    m_unit = TemperatureUnit::Celsius;
    m_dialog.setChecked(Gas, true);
    m_dialog.setChecked(Liquid, false);
    m_dialog.setChecked(Celsius, true);
    m_dialog.setChecked(Fahrenheit, false);
    m_dialog.setChecked(Kelvin, false);

    m_table = loadHeatCapacityTable(m_dataDir, m_gasRanges, [this](const std::string& message) {
        m_dialog.messageBox(message);
    });
    m_picker.fill();
}

bool HeatCapacityCompounds::onNotify(int controlId, Notification notification) {
    using namespace HeatCapacityCtl;
    if (const std::optional<int> row = m_picker.rowChosen(controlId, notification)) {
        showRow(*row);
        return true;
    }
    if (notification != Notification::Clicked) return false;
    switch (controlId) {
        case Gas:
            switchToGas();
            return true;
        case Liquid:
            switchToLiquid();
            return true;
        case Celsius:
            m_unit = TemperatureUnit::Celsius;
            return false;
        case Fahrenheit:
            m_unit = TemperatureUnit::Fahrenheit;
            return false;
        case Kelvin:
            m_unit = TemperatureUnit::Kelvin;
            return false;
        default:
            return false;
    }
}

void HeatCapacityCompounds::showRow(int row) {
    m_name = m_table.cell(row, HeatCapacityCell::Name);
    m_formula = m_table.cell(row, HeatCapacityCell::Formula);
    m_molecularWeight = m_table.cell(row, HeatCapacityCell::MolecularWeight);
    loadPhase(row);
}

void HeatCapacityCompounds::loadPhase(int row) {
    if (m_phase == Phase::Gas) {
        m_gas = coefficientsOf(row, Phase::Gas);
        m_liquid = {};
    } else {
        m_liquid = coefficientsOf(row, Phase::Liquid);
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
    const int last = m_table.mainCount + m_table.miscCount - 1;
    loadPhase(findByText(m_table, HeatCapacityCell::Name, m_name, 0, last));
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
    const int last = m_table.mainCount + m_table.miscLiquidCount - 1;
    loadPhase(findByText(m_table, HeatCapacityCell::Name, m_name, 0, last));
}

PhaseCoefficients HeatCapacityCompounds::coefficientsOf(int row, Phase phase) const {
    using namespace HeatCapacityCell;
    // A cell that reads as infinite or not-a-number (an exponent beyond the
    // double's range, "nan") is no usable value; it counts as 0, like a cell
    // without a number.
    const auto number = [&](int cell) {
        const double value = parseLeadingNumber(m_table.cell(row, cell));
        return std::isfinite(value) ? value : 0.0;
    };
    if (phase == Phase::Gas) {
        return {number(GasA), number(GasB),    number(GasC),
                number(GasD), number(GasTmin), number(GasTmax)};
    }
    return {number(LiquidA),    number(LiquidB),   number(LiquidC), 0.0,
            number(LiquidTmin), number(LiquidTmax)};
}

}  // namespace chemeng
