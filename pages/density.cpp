#include "pages/density.h"

#include <optional>
#include <utility>

#include "compounds/compound_loaders.h"
#include "compounds/correlation_rows.h"
#include "compounds/table_cells.h"
#include "framework/typed_number.h"
#include "pages/compound_messages.h"
#include "pages/density_layout.h"

namespace chemeng {

namespace {

constexpr PickerControls kPicker{DensityCtl::GroupAtoD,    DensityCtl::GroupEtoH,
                                 DensityCtl::GroupItoL,    DensityCtl::GroupMtoQ,
                                 DensityCtl::GroupRtoX,    DensityCtl::MiscNames,
                                 DensityCtl::MainFormulas, DensityCtl::MiscFormulas};
constexpr UnitRadios kUnitRadios{DensityCtl::Celsius, DensityCtl::Fahrenheit, DensityCtl::Kelvin};

}  // namespace

Density::Density(Dialog& dialog, std::filesystem::path dataDir)
    : m_dialog(dialog),
      m_compounds(dialog, std::move(dataDir), DensityCell::kCount, kPicker,
                  MiscFormulaRange::MiscCount) {
    m_bindings.bind(DensityCtl::MolecularWeight, &m_molecularWeight);
    m_bindings.bind(DensityCtl::A, &m_aText);
    m_bindings.bind(DensityCtl::B, &m_bText);
    m_bindings.bind(DensityCtl::Formula, &m_formula);
    m_bindings.bind(DensityCtl::Name, &m_name);
    m_bindings.bind(DensityCtl::Temperature, &m_temperatureText);
    m_bindings.bind(DensityCtl::Tmin, &m_tminText);
    m_bindings.bind(DensityCtl::Density, m_rho_gPerMl.text());
}

const PageLayout& Density::layout() const {
    return densityLayout();
}

void Density::onInitDialog() {
    m_bindings.push(m_dialog);
    m_rackett = {};
    m_temperatureUnit = TemperatureUnit::Celsius;
    showTemperatureUnit(m_dialog, kUnitRadios, m_temperatureUnit);
    m_compounds.load(loadDensityTable);
}

void Density::onNotify(int controlId, Notification notification) {
    if (const std::optional<int> row = m_compounds.rowChosen(controlId, notification)) {
        if (controlId == DensityCtl::MiscNames || controlId == DensityCtl::MiscFormulas) {
            showMiscCompound(*row);
        } else {
            showMainCompound(*row);
        }
    } else if (const std::optional<TemperatureUnit> unit =
                   unitClicked(kUnitRadios, controlId, notification)) {
        m_temperatureUnit = *unit;
        m_rho_gPerMl.clear(m_dialog);
    } else if (controlId == DensityCtl::Ok && notification == Notification::Clicked) {
        compute();
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
    m_name = m_compounds.cell(row, Name);
    m_formula = m_compounds.cell(row, Formula);
    m_molecularWeight = m_compounds.cell(row, MolecularWeight);
    m_aText = m_compounds.cell(row, A);
    m_bText = m_compounds.cell(row, B);
    m_tminText = m_compounds.cell(row, Tmin);
    m_rackett = rackettCoefficients(m_compounds.table(), row);
    m_temperatureText.clear();
    m_rho_gPerMl.clear(m_dialog);
    m_shown = Shown::MainCompound;
    m_bindings.push(m_dialog);
}

// A Miscellaneous compound has one tabulated density at one temperature in
// kelvin; the page shows both, locks the inputs and switches to K to match.
void Density::showMiscCompound(int row) {
    using namespace DensityCell;
    m_name = m_compounds.cell(row, Name);
    m_formula = m_compounds.cell(row, Formula);
    m_molecularWeight = m_compounds.cell(row, MolecularWeight);
    m_temperatureText = m_compounds.cell(row, LiquidDensityTemperature);
    m_rho_gPerMl.setAsIs(cellNumber(m_compounds.table(), row, LiquidDensity));
    for (int edit : {DensityCtl::A, DensityCtl::B, DensityCtl::Tmin, DensityCtl::Temperature})
        m_dialog.setReadOnly(edit, true);
    m_temperatureUnit = TemperatureUnit::Kelvin;
    showTemperatureUnit(m_dialog, kUnitRadios, m_temperatureUnit);
    m_tminText.clear();
    m_aText.clear();
    m_bText.clear();
    m_shown = Shown::MiscCompound;
    m_bindings.push(m_dialog);
}

// A refused computation leaves every edit as the user typed it but empties
// the result.
void Density::refuse(const std::string& message) {
    m_dialog.messageBox(message);
    m_rho_gPerMl.clear(m_dialog);
}

void Density::compute() {
    namespace Msg = CompoundMessage;
    m_temperatureText = m_dialog.windowText(DensityCtl::Temperature);
    const TypedNumber typed = parseTypedNumber(m_temperatureText);
    if (typed.status == TypedNumberStatus::Empty) {
        // The fields are shown again as the page holds them.
        m_dialog.messageBox(Msg::InputTemperature);
        m_rho_gPerMl.clear(m_dialog);
        m_bindings.push(m_dialog);
        return;
    }
    if (typed.status == TypedNumberStatus::NotANumber) {
        refuse(notANumberRefusal(Msg::TemperatureField, m_temperatureText));
        return;
    }
    const double t_K = toKelvin(typed.value, m_temperatureUnit);

    // The coefficients still held while a Miscellaneous compound is shown
    // belong to the compound shown before it, so they are not used.
    const CorrelationResult rho = m_shown == Shown::MiscCompound
                                      ? CorrelationResult{0.0, CorrelationStatus::NoData}
                                      : rackettDensity(m_rackett, t_K);
    switch (rho.status) {
        case CorrelationStatus::NoData:
            refuse(Msg::NoData);
            return;
        case CorrelationStatus::OutOfRange:
            refuse(Msg::OutOfRange);
            return;
        case CorrelationStatus::NotFinite:
            refuse(Msg::ResultOutOfRange);
            return;
        case CorrelationStatus::Ok:
            break;
    }
    // A density too large for the thousandths display is refused like one
    // that is not finite.
    if (m_rho_gPerMl.set(rho.value, m_dialog)) m_bindings.push(m_dialog);
}

}  // namespace chemeng
