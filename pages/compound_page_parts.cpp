#include "pages/compound_page_parts.h"

#include <utility>

#include "compounds/table_cells.h"
#include "framework/number_format.h"
#include "framework/result_rounding.h"
#include "framework/typed_number.h"
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

std::string notANumberRefusal(std::string_view label, std::string_view text) {
    constexpr std::size_t kLongestQuoted = 40;
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return notANumberMessage(label, text);
    const std::string_view rest = text.substr(first);
    if (rest.size() <= kLongestQuoted) return notANumberMessage(label, rest);
    return notANumberMessage(label, std::string(rest.substr(0, kLongestQuoted)) + "...");
}

std::optional<double> typedNumber(Dialog& dialog, const std::string& text, std::string_view label,
                                  const char* emptyMessage) {
    const TypedNumber typed = parseTypedNumber(text);
    switch (typed.status) {
        case TypedNumberStatus::Number:
            return typed.value;
        case TypedNumberStatus::Empty:
            dialog.messageBox(emptyMessage);
            break;
        case TypedNumberStatus::NotANumber:
            dialog.messageBox(notANumberRefusal(label, text));
            break;
    }
    return std::nullopt;
}

bool ResultField::set(double value, Dialog& dialog) {
    if (const std::optional<double> rounded = roundToThousandths(value)) {
        m_text = formatGeneral(*rounded);
        return true;
    }
    dialog.messageBox(CompoundMessage::ResultOutOfRange);
    clear(dialog);
    return false;
}

void ResultField::setAsIs(double value) {
    m_text = formatGeneral(value);
}

void ResultField::clear(Dialog& dialog) {
    m_text.clear();
    dialog.setWindowText(m_controlId, m_text);
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
