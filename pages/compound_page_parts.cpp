#include "pages/compound_page_parts.h"

#include <utility>

#include "compounds/table_cells.h"
#include "framework/result_rounding.h"
#include "pages/compound_messages.h"

namespace chemeng {

namespace {
// The picker finds compounds by the first two cells of every page's table.
constexpr int kNameCell = 0;
constexpr int kFormulaCell = 1;
static_assert(PhysPropsCell::Name == kNameCell && PhysPropsCell::Formula == kFormulaCell);
static_assert(HeatCapacityCell::Name == kNameCell && HeatCapacityCell::Formula == kFormulaCell);
static_assert(DensityCell::Name == kNameCell && DensityCell::Formula == kFormulaCell);
static_assert(VaporPressureCell::Name == kNameCell && VaporPressureCell::Formula == kFormulaCell);
}  // namespace

void showTemperatureUnit(Dialog& dialog, const UnitRadios& radios, TemperatureUnit unit) {
    dialog.setChecked(radios.celsius, unit == TemperatureUnit::Celsius);
    dialog.setChecked(radios.fahrenheit, unit == TemperatureUnit::Fahrenheit);
    dialog.setChecked(radios.kelvin, unit == TemperatureUnit::Kelvin);
}

std::optional<TemperatureUnit> unitClicked(const UnitRadios& radios, int controlId,
                                           Notification notification) {
    if (notification != Notification::Clicked) return std::nullopt;
    if (controlId == radios.celsius) return TemperatureUnit::Celsius;
    if (controlId == radios.fahrenheit) return TemperatureUnit::Fahrenheit;
    if (controlId == radios.kelvin) return TemperatureUnit::Kelvin;
    return std::nullopt;
}

bool roundIntoResult(double value, double& result, Dialog& dialog) {
    if (const std::optional<double> rounded = roundToThousandths(value)) {
        result = *rounded;
        return true;
    }
    dialog.messageBox(CompoundMessage::ResultOutOfRange);
    return false;
}

PageCompounds::PageCompounds(Dialog& dialog, std::filesystem::path dataDir, int cellsPerRow,
                             PickerControls controls, MiscFormulaRange miscFormulaRange)
    : m_dialog(dialog),
      m_dataDir(std::move(dataDir)),
      m_table(cellsPerRow),
      m_picker(dialog, m_table, controls, kNameCell, kFormulaCell, miscFormulaRange) {}

void PageCompounds::load(const Loader& loader) {
    m_table =
        loader(m_dataDir, [this](const std::string& message) { m_dialog.messageBox(message); });
    m_picker.fill();
}

}  // namespace chemeng
