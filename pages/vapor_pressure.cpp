#include "pages/vapor_pressure.h"

#include <cmath>
#include <optional>
#include <utility>

#include "compounds/compound_loaders.h"
#include "compounds/table_cells.h"
#include "framework/range_bounds.h"
#include "framework/result_rounding.h"
#include "framework/text_number.h"
#include "pages/vapor_pressure_layout.h"

namespace chemeng {

namespace {

constexpr const char* kInputTemperature = "Input Temperature";
constexpr const char* kNoData = "No Data Available for this compound";
constexpr const char* kOutOfRange = "Out of Range";
constexpr const char* kResultOutOfRange = "Result out of range";

// This page takes 0 °C as 273.15 K.
constexpr double kCelsiusOffset_K = 273.15;
constexpr double kFiveNinths = 0.5555555555555556;

constexpr PickerControls kPicker{VaporPressureCtl::GroupAtoD,    VaporPressureCtl::GroupEtoH,
                                 VaporPressureCtl::GroupItoL,    VaporPressureCtl::GroupMtoQ,
                                 VaporPressureCtl::GroupRtoX,    VaporPressureCtl::MiscNames,
                                 VaporPressureCtl::MainFormulas, VaporPressureCtl::MiscFormulas};

// A data cell as a number. A text that reads as infinite or not-a-number is
// no usable value; it counts as 0, like a text without a number.
double cellNumber(const std::string& text) {
    const double value = parseLeadingNumber(text);
    return std::isfinite(value) ? value : 0.0;
}

double toCelsius(double t, int unit) {
    switch (unit) {
        case 1:
            return (t - 32.0) * kFiveNinths;
        case 2:
            return t - kCelsiusOffset_K;
        default:
            return t;
    }
}

}  // namespace

CVPressure::CVPressure(Dialog& dialog, std::filesystem::path dataDir)
    : m_dialog(dialog),
      m_dataDir(std::move(dataDir)),
      m_table(VaporPressureCell::kCount),
      m_picker(dialog, m_table, kPicker, VaporPressureCell::Name, VaporPressureCell::Formula,
               MiscFormulaRange::MiscCount) {
    m_bindings.bind(VaporPressureCtl::A, &m_a);
    m_bindings.bind(VaporPressureCtl::B, &m_b);
    m_bindings.bind(VaporPressureCtl::C, &m_c);
    m_bindings.bind(VaporPressureCtl::Pressure, &m_p_mmHg);
    m_bindings.bind(VaporPressureCtl::Name, &m_name);
    m_bindings.bind(VaporPressureCtl::Formula, &m_formula);
    m_bindings.bind(VaporPressureCtl::Temperature, &m_temperatureText);
    m_bindings.bind(VaporPressureCtl::Tmin, &m_tminText);
    m_bindings.bind(VaporPressureCtl::Tmax, &m_tmaxText);
}

const PageLayout& CVPressure::layout() const {
    return vaporPressureLayout();
}

void CVPressure::onInitDialog() {
    m_bindings.push(m_dialog);
    m_a = 0.0;
    m_b = 0.0;
    m_c = 0.0;
    m_selectedRow = -1;
    m_temperatureUnit = 0;
    m_dialog.setChecked(VaporPressureCtl::Celsius, true);
    m_dialog.setChecked(VaporPressureCtl::Fahrenheit, false);
    m_dialog.setChecked(VaporPressureCtl::Kelvin, false);
    // Without PhysProps.txt the page reports it and offers no Miscellaneous
    // compounds; the main compounds stay usable.
    m_table = loadVaporPressureTable(
        m_dataDir, [this](const std::string& message) { m_dialog.messageBox(message); });
    m_picker.fill();
}

void CVPressure::onNotify(int controlId, Notification notification) {
    if (const std::optional<int> row = m_picker.rowChosen(controlId, notification)) {
        showRow(*row);
        return;
    }
    if (notification != Notification::Clicked) return;
    switch (controlId) {
        case VaporPressureCtl::Celsius:
            m_temperatureUnit = 0;
            break;
        case VaporPressureCtl::Fahrenheit:
            m_temperatureUnit = 1;
            break;
        case VaporPressureCtl::Kelvin:
            m_temperatureUnit = 2;
            break;
        case VaporPressureCtl::Ok:
            compute();
            break;
        default:
            break;
    }
}

bool CVPressure::onEnterKey() {
    compute();
    return true;
}

// The previous p* and the typed temperature stay on display until the next
// computation.
void CVPressure::showRow(int row) {
    using namespace VaporPressureCell;
    m_name = m_table.cell(row, Name);
    m_formula = m_table.cell(row, Formula);
    m_selectedRow = row;
    m_tminText = m_table.cell(row, Tmin);
    m_tmaxText = m_table.cell(row, Tmax);
    m_a = cellNumber(m_table.cell(row, A));
    m_b = cellNumber(m_table.cell(row, B));
    m_c = cellNumber(m_table.cell(row, C));
    m_tmin_C = cellNumber(m_tminText);
    m_tmax_C = cellNumber(m_tmaxText);
    m_bindings.push(m_dialog);
}

void CVPressure::compute() {
    m_temperatureText = m_dialog.windowText(VaporPressureCtl::Temperature);
    if (m_temperatureText.empty()) {
        m_dialog.messageBox(kInputTemperature);
        // The pressure already held is shown again, rounded as a result is.
        if (const std::optional<double> rounded = roundToThousandths(m_p_mmHg)) m_p_mmHg = *rounded;
        m_bindings.push(m_dialog);
        return;
    }
    double t = toCelsius(parseLeadingNumber(m_temperatureText), m_temperatureUnit);

    if (m_a == 0.0 && m_b == 0.0 && m_c == 0.0) {
        m_dialog.messageBox(kNoData);
        return;
    }
    // The range is in °C for every compound, bounds inclusive (also when
    // typed in °F or K); a temperature that is not a finite number is never
    // inside it.
    if (!withinBounds(t, m_tmin_C, m_tmax_C)) {
        m_dialog.messageBox(kOutOfRange);
        return;
    }
    // The Miscellaneous compounds' constants take the temperature in kelvin.
    if (m_selectedRow >= m_table.mainCount) t += kCelsiusOffset_K;

    // At T = -C the equation has no value; near it, or with extreme
    // constants, p* leaves what the display can hold.
    const double denominator = t + m_c;
    const std::optional<double> p =
        denominator == 0.0 ? std::nullopt
                           : roundToThousandths(std::pow(10.0, m_a - m_b / denominator));
    if (!p) {
        m_dialog.messageBox(kResultOutOfRange);
        return;
    }
    m_p_mmHg = *p;
    m_bindings.push(m_dialog);
}

}  // namespace chemeng
