#include "pages/density.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "compounds/compound_loaders.h"
#include "compounds/table_cells.h"
#include "framework/range_bounds.h"
#include "framework/result_rounding.h"
#include "framework/temperature_unit.h"
#include "framework/text_number.h"
#include "pages/density_layout.h"

namespace chemeng {

namespace {

constexpr const char* kInputTemperature = "Input Temperature";
constexpr const char* kNoData = "No Data Available for this compound";
constexpr const char* kOutOfRange = "Out of Range";
constexpr const char* kResultOutOfRange = "Result out of range";

// This page has always used 273.16 K for 0 °C, in both conversions.
constexpr double kCelsiusOffset_K = 273.16;
constexpr double kRackettExponent = 0.2857142857142857;  // 2/7

constexpr PickerControls kPicker{DensityCtl::GroupAtoD,    DensityCtl::GroupEtoH,
                                 DensityCtl::GroupItoL,    DensityCtl::GroupMtoQ,
                                 DensityCtl::GroupRtoX,    DensityCtl::MiscNames,
                                 DensityCtl::MainFormulas, DensityCtl::MiscFormulas};

// A data cell as a number. A text that reads as infinite or not-a-number is
// no usable value; it counts as 0, like a text without a number.
double cellNumber(const std::string& text) {
    const double value = parseLeadingNumber(text);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

Density::Density(Dialog& dialog, std::filesystem::path dataDir)
    : m_dialog(dialog),
      m_dataDir(std::move(dataDir)),
      m_table(DensityCell::kCount),
      m_picker(dialog, m_table, kPicker, DensityCell::Name, DensityCell::Formula,
               MiscFormulaRange::MiscCount) {
    m_bindings.bind(DensityCtl::MolecularWeight, &m_molecularWeight);
    m_bindings.bind(DensityCtl::A, &m_aText);
    m_bindings.bind(DensityCtl::B, &m_bText);
    m_bindings.bind(DensityCtl::Formula, &m_formula);
    m_bindings.bind(DensityCtl::Name, &m_name);
    m_bindings.bind(DensityCtl::Temperature, &m_temperatureText);
    m_bindings.bind(DensityCtl::Tmin, &m_tminText);
    m_bindings.bind(DensityCtl::Density, &m_rho_gPerMl);
}

const PageLayout& Density::layout() const {
    return densityLayout();
}

void Density::onInitDialog() {
    m_bindings.push(m_dialog);
    m_a = 0.0;
    m_b = 0.0;
    m_tc_K = 0.0;
    m_temperatureUnit = 0;
    m_dialog.setChecked(DensityCtl::Celsius, true);
    m_dialog.setChecked(DensityCtl::Fahrenheit, false);
    m_dialog.setChecked(DensityCtl::Kelvin, false);
    m_table = loadDensityTable(
        m_dataDir, [this](const std::string& message) { m_dialog.messageBox(message); });
    m_picker.fill();
}

void Density::onNotify(int controlId, Notification notification) {
    if (const std::optional<int> row = m_picker.rowChosen(controlId, notification)) {
        if (controlId == DensityCtl::MiscNames || controlId == DensityCtl::MiscFormulas) {
            showMiscCompound(*row);
        } else {
            showMainCompound(*row);
        }
        return;
    }
    if (notification != Notification::Clicked) return;
    switch (controlId) {
        case DensityCtl::Celsius:
            m_temperatureUnit = 0;
            break;
        case DensityCtl::Fahrenheit:
            m_temperatureUnit = 1;
            break;
        case DensityCtl::Kelvin:
            m_temperatureUnit = 2;
            break;
        case DensityCtl::Ok:
            compute();
            break;
        default:
            break;
    }
}

// Enter computes only while a compound with coefficients is shown; a
// Miscellaneous compound (A emptied) or no compound leaves it without effect.
bool Density::onEnterKey() {
    if (!m_dialog.windowText(DensityCtl::A).empty()) compute();
    return true;
}

void Density::showMainCompound(int row) {
    using namespace DensityCell;
    m_dialog.setReadOnly(DensityCtl::A, false);
    m_dialog.setReadOnly(DensityCtl::B, false);
    m_dialog.setReadOnly(DensityCtl::Temperature, false);
    m_name = m_table.cell(row, Name);
    m_formula = m_table.cell(row, Formula);
    m_molecularWeight = m_table.cell(row, MolecularWeight);
    m_aText = m_table.cell(row, A);
    m_bText = m_table.cell(row, B);
    m_tcText = m_table.cell(row, Tc);
    m_tminText = m_table.cell(row, Tmin);
    m_a = cellNumber(m_aText);
    m_b = cellNumber(m_bText);
    m_tc_K = cellNumber(m_tcText);
    m_tmin_K = cellNumber(m_tminText);
    m_temperatureText.clear();
    m_rho_gPerMl = 0.0;
    m_shown = Shown::MainCompound;
    m_bindings.push(m_dialog);
}

// A Miscellaneous compound has one tabulated density at one temperature in
// kelvin; the page shows both, locks the inputs and switches to K to match.
void Density::showMiscCompound(int row) {
    using namespace DensityCell;
    m_name = m_table.cell(row, Name);
    m_formula = m_table.cell(row, Formula);
    m_molecularWeight = m_table.cell(row, MolecularWeight);
    m_temperatureText = m_table.cell(row, LiquidDensityTemperature);
    m_rho_gPerMl = cellNumber(m_table.cell(row, LiquidDensity));
    for (int edit : {DensityCtl::A, DensityCtl::B, DensityCtl::Tmin, DensityCtl::Temperature})
        m_dialog.setReadOnly(edit, true);
    m_dialog.setChecked(DensityCtl::Kelvin, true);
    m_dialog.setChecked(DensityCtl::Celsius, false);
    m_dialog.setChecked(DensityCtl::Fahrenheit, false);
    m_temperatureUnit = 2;
    m_tminText.clear();
    m_aText.clear();
    m_bText.clear();
    m_shown = Shown::MiscCompound;
    m_bindings.push(m_dialog);
}

void Density::compute() {
    m_temperatureText = m_dialog.windowText(DensityCtl::Temperature);
    if (m_temperatureText.empty()) {
        m_dialog.messageBox(kInputTemperature);
        // The density already held is shown again, rounded as a result is.
        if (const std::optional<double> rounded = roundToThousandths(m_rho_gPerMl))
            m_rho_gPerMl = *rounded;
        m_bindings.push(m_dialog);
        return;
    }
    double t_K = toKelvin(parseLeadingNumber(m_temperatureText),
                          static_cast<TemperatureUnit>(m_temperatureUnit), kCelsiusOffset_K,
                          kCelsiusOffset_K);

    // The coefficients still held while a Miscellaneous compound is shown
    // belong to the compound shown before it, so they are not used. Without a
    // positive critical temperature (nothing chosen, or a compound without
    // data) the correlation has no range to work in.
    if (m_shown == Shown::MiscCompound || !(m_tc_K > 0.0)) {
        m_dialog.messageBox(kNoData);
        return;
    }
    // Both bounds are inclusive (also when typed in another unit, a rounding
    // step off them); a temperature that is not a finite number is never
    // inside them. A value on a bound is taken as the bound itself: a hair
    // above Tc would raise a negative number to the 2/7th power.
    if (!withinBounds(t_K, m_tmin_K, m_tc_K)) {
        m_dialog.messageBox(kOutOfRange);
        return;
    }
    t_K = std::clamp(t_K, m_tmin_K, m_tc_K);

    const double reducedDistance = 1.0 - t_K / m_tc_K;
    const double exponent = std::pow(reducedDistance, kRackettExponent);
    const std::optional<double> rho = roundToThousandths(m_a * std::pow(m_b, -exponent));
    if (!rho) {
        // Coefficients that give no finite density, or one too large to show.
        m_dialog.messageBox(kResultOutOfRange);
        return;
    }
    m_rho_gPerMl = *rho;
    m_bindings.push(m_dialog);
}

}  // namespace chemeng
