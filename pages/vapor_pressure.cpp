#include "pages/vapor_pressure.h"

#include <optional>
#include <utility>

#include "compounds/compound_loaders.h"
#include "compounds/correlation_rows.h"
#include "compounds/table_cells.h"
#include "framework/typed_number.h"
#include "pages/compound_messages.h"
#include "pages/vapor_pressure_layout.h"

namespace chemeng {

namespace {

constexpr PickerControls kPicker{VaporPressureCtl::GroupAtoD,    VaporPressureCtl::GroupEtoH,
                                 VaporPressureCtl::GroupItoL,    VaporPressureCtl::GroupMtoQ,
                                 VaporPressureCtl::GroupRtoX,    VaporPressureCtl::MiscNames,
                                 VaporPressureCtl::MainFormulas, VaporPressureCtl::MiscFormulas};
constexpr UnitRadios kUnitRadios{VaporPressureCtl::Celsius, VaporPressureCtl::Fahrenheit,
                                 VaporPressureCtl::Kelvin};

}  // namespace

CVPressure::CVPressure(Dialog& dialog, std::filesystem::path dataDir)
    : m_dialog(dialog),
      m_compounds(dialog, std::move(dataDir), VaporPressureCell::kCount, kPicker,
                  MiscFormulaRange::MiscCount) {
    m_bindings.bind(VaporPressureCtl::A, &m_antoine.a);
    m_bindings.bind(VaporPressureCtl::B, &m_antoine.b);
    m_bindings.bind(VaporPressureCtl::C, &m_antoine.c);
    m_bindings.bind(VaporPressureCtl::Pressure, m_p_mmHg.text());
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
    m_antoine = {};
    m_temperatureUnit = TemperatureUnit::Celsius;
    showTemperatureUnit(m_dialog, kUnitRadios, m_temperatureUnit);
    // Without PhysProps.txt the page reports it and offers no Miscellaneous
    // compounds; the main compounds stay usable.
    m_compounds.load(loadVaporPressureTable);
}

void CVPressure::onNotify(int controlId, Notification notification) {
    if (const std::optional<int> row = m_compounds.rowChosen(controlId, notification)) {
        showRow(*row);
    } else if (const std::optional<TemperatureUnit> unit =
                   unitClicked(kUnitRadios, controlId, notification)) {
        m_temperatureUnit = *unit;
        m_p_mmHg.clear(m_dialog);
    } else if (controlId == VaporPressureCtl::Ok && notification == Notification::Clicked) {
        compute();
    }
}

bool CVPressure::onEnterKey() {
    compute();
    return true;
}

// The typed temperature stays; the previous p* belonged to another compound.
void CVPressure::showRow(int row) {
    using namespace VaporPressureCell;
    m_name = m_compounds.cell(row, Name);
    m_formula = m_compounds.cell(row, Formula);
    m_tminText = m_compounds.cell(row, Tmin);
    m_tmaxText = m_compounds.cell(row, Tmax);
    m_antoine = antoineCoefficients(m_compounds.table(), row);
    m_p_mmHg.clear(m_dialog);
    m_bindings.push(m_dialog);
}

// A refused computation leaves every edit as the user typed it but empties
// the result.
void CVPressure::refuse(const std::string& message) {
    m_dialog.messageBox(message);
    m_p_mmHg.clear(m_dialog);
}

void CVPressure::compute() {
    namespace Msg = CompoundMessage;
    m_temperatureText = m_dialog.windowText(VaporPressureCtl::Temperature);
    const TypedNumber typed = parseTypedNumber(m_temperatureText);
    if (typed.status == TypedNumberStatus::Empty) {
        // The fields are shown again as the page holds them.
        m_dialog.messageBox(Msg::InputTemperature);
        m_p_mmHg.clear(m_dialog);
        m_bindings.push(m_dialog);
        return;
    }
    if (typed.status == TypedNumberStatus::NotANumber) {
        refuse(notANumberRefusal(Msg::TemperatureField, m_temperatureText));
        return;
    }
    if (m_antoine.allZero()) {
        refuse(Msg::NoData);
        return;
    }
    const CorrelationResult p =
        antoineVaporPressure(m_antoine, toKelvin(typed.value, m_temperatureUnit));
    if (p.status == CorrelationStatus::OutOfRange) {
        refuse(Msg::OutOfRange);
        return;
    }
    // At T = -C the equation has no value; near it, or with extreme
    // constants, p* leaves what the display can hold.
    if (!p.ok()) {
        refuse(Msg::ResultOutOfRange);
        return;
    }
    if (m_p_mmHg.set(p.value, m_dialog)) m_bindings.push(m_dialog);
}

}  // namespace chemeng
