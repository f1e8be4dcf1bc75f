#include "pages/heat_caps.h"

#include <optional>
#include <utility>

#include "pages/compound_messages.h"
#include "pages/heat_caps_layout.h"

namespace chemeng {

CHeatCaps::CHeatCaps(Dialog& dialog, std::filesystem::path dataDir)
    : m_dialog(dialog), m_compounds(dialog, std::move(dataDir), GasRangeRule::CarbonOxidesWide) {
    using namespace HeatCapsCtl;
    m_bindings.bind(Name, &m_compounds.name());
    m_bindings.bind(Formula, &m_compounds.formula());
    m_bindings.bind(MolecularWeight, &m_compounds.molecularWeight());
    m_bindings.bind(Temperature, &m_temperatureText);
    m_bindings.bind(Cp, m_cp.text());
    m_bindings.bind(GasA, &m_gas.a);
    m_bindings.bind(GasB, &m_gas.b);
    m_bindings.bind(GasC, &m_gas.c);
    m_bindings.bind(GasD, &m_gas.d);
    m_bindings.bind(LiquidA, &m_liquid.a);
    m_bindings.bind(LiquidB, &m_liquid.b);
    m_bindings.bind(LiquidC, &m_liquid.c);
    m_bindings.bind(GasTmin, &m_gas.tmin_K);
    m_bindings.bind(GasTmax, &m_gas.tmax_K);
    m_bindings.bind(LiquidTmin, &m_liquid.tmin_K);
    m_bindings.bind(LiquidTmax, &m_liquid.tmax_K);
}

const PageLayout& CHeatCaps::layout() const {
    return heatCapsLayout();
}

void CHeatCaps::onInitDialog() {
    m_bindings.push(m_dialog);
    m_compounds.initialise();
}

void CHeatCaps::onNotify(int controlId, Notification notification) {
    if (controlId == HeatCapsCtl::Ok && notification == Notification::Clicked) {
        compute();
        return;
    }
    switch (m_compounds.onNotify(controlId, notification)) {
        case HeatCapacityCompounds::Change::Compound:
            m_cp.clear(m_dialog);
            showCompound();
            break;
        case HeatCapacityCompounds::Change::Unit:
            m_cp.clear(m_dialog);
            break;
        case HeatCapacityCompounds::Change::None:
            break;
    }
}

bool CHeatCaps::onEnterKey() {
    compute();
    return true;
}

void CHeatCaps::showCompound() {
    m_gas = m_compounds.gas();
    m_liquid = m_compounds.liquid();
    // Showing the compound rewrites every bound edit; a temperature typed but
    // not yet computed stays as typed.
    m_temperatureText = m_dialog.windowText(HeatCapsCtl::Temperature);
    m_bindings.push(m_dialog);
}

void CHeatCaps::compute() {
    m_temperatureText = m_dialog.windowText(HeatCapsCtl::Temperature);
    if (!computeResult()) m_cp.clear(m_dialog);
    m_bindings.push(m_dialog);
}

// Cp into the result field, or a message and false.
bool CHeatCaps::computeResult() {
    namespace Msg = CompoundMessage;
    const std::optional<double> t =
        typedNumber(m_dialog, m_temperatureText, Msg::TemperatureField, Msg::InputTemperature);
    if (!t) return false;
    const double t_K = toKelvin(*t, m_compounds.temperatureUnit());
    const Phase phase = m_compounds.phase();
    const HeatCapacityCoefficients& k = phase == Phase::Gas ? m_gas : m_liquid;
    if (!k.hasRange()) {
        m_dialog.messageBox(Msg::NoResult);
        return false;
    }
    // Both bounds inclusive, also when typed in another unit.
    const CorrelationResult cp = heatCapacity(phase, k, t_K);
    if (!cp.ok()) {
        m_dialog.messageBox(Msg::OutOfRange);
        return false;
    }
    // Coefficients all blank still give a value (0), shown after the message.
    if (k.allZero()) m_dialog.messageBox(Msg::NoData);
    return m_cp.set(cp.value, m_dialog);
}

}  // namespace chemeng
