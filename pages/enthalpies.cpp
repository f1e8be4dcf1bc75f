#include "pages/enthalpies.h"

#include <cmath>
#include <optional>
#include <utility>

#include "framework/typed_number.h"
#include "pages/compound_messages.h"
#include "pages/enthalpies_layout.h"

namespace chemeng {

namespace {
// 1e10 / 3 to 16 significant digits; multiplying by it and rounding up puts
// c/3 on a grid of 1e-10, the ten decimals the enthalpy function is listed
// with.
constexpr double kThirdScaled = 3333333333.333333;
}  // namespace

EnthalpyCoefficients shownEnthalpyCoefficients(const HeatCapacityCoefficients& cp) {
    EnthalpyCoefficients k = integratedCoefficients(cp);
    // Beyond about 5e298 the scaled c overflows; there the 1e-10 grid is far
    // finer than the spacing of the doubles, so c/3 is the rounded value.
    const double scaledThird = cp.c * kThirdScaled;
    // A tiny negative c rounds up to -0; adding 0 makes it a plain 0 on screen.
    if (std::isfinite(scaledThird)) k.a3 = std::ceil(scaledThird) * 1e-10 + 0.0;
    return k;
}

CEnthalpies::CEnthalpies(Dialog& dialog, std::filesystem::path dataDir)
    : m_dialog(dialog), m_compounds(dialog, std::move(dataDir), GasRangeRule::Uniform) {
    using namespace EnthalpiesCtl;
    m_bindings.bind(Name, &m_compounds.name());
    m_bindings.bind(Formula, &m_compounds.formula());
    m_bindings.bind(MolecularWeight, &m_compounds.molecularWeight());
    m_bindings.bind(Temperature, &m_temperatureText);
    m_bindings.bind(ReferenceTemperature, &m_referenceTemperatureText);
    m_bindings.bind(H, m_h.text());
    m_bindings.bind(GasA1, &m_gas.a1);
    m_bindings.bind(GasA2, &m_gas.a2);
    m_bindings.bind(GasA3, &m_gas.a3);
    m_bindings.bind(GasA4, &m_gas.a4);
    m_bindings.bind(LiquidA1, &m_liquid.a1);
    m_bindings.bind(LiquidA2, &m_liquid.a2);
    m_bindings.bind(LiquidA3, &m_liquid.a3);
    m_bindings.bind(GasTmin, &m_gas.tmin_K);
    m_bindings.bind(GasTmax, &m_gas.tmax_K);
    m_bindings.bind(LiquidTmin, &m_liquid.tmin_K);
    m_bindings.bind(LiquidTmax, &m_liquid.tmax_K);
}

const PageLayout& CEnthalpies::layout() const {
    return enthalpiesLayout();
}

void CEnthalpies::onInitDialog() {
    m_bindings.push(m_dialog);
    m_compounds.initialise();
}

void CEnthalpies::onNotify(int controlId, Notification notification) {
    if (controlId == EnthalpiesCtl::Ok && notification == Notification::Clicked) {
        compute();
        return;
    }
    switch (m_compounds.onNotify(controlId, notification)) {
        case HeatCapacityCompounds::Change::Compound:
            m_h.clear(m_dialog);
            showCompound();
            break;
        case HeatCapacityCompounds::Change::Unit:
            m_h.clear(m_dialog);
            break;
        case HeatCapacityCompounds::Change::None:
            break;
    }
}

bool CEnthalpies::onEnterKey() {
    compute();
    return true;
}

void CEnthalpies::showCompound() {
    m_gas = shownEnthalpyCoefficients(m_compounds.gas());
    m_liquid = shownEnthalpyCoefficients(m_compounds.liquid());
    // Showing the compound rewrites every bound edit; temperatures typed but
    // not yet computed stay as typed.
    m_temperatureText = m_dialog.windowText(EnthalpiesCtl::Temperature);
    m_referenceTemperatureText = m_dialog.windowText(EnthalpiesCtl::ReferenceTemperature);
    m_bindings.push(m_dialog);
}

void CEnthalpies::compute() {
    m_temperatureText = m_dialog.windowText(EnthalpiesCtl::Temperature);
    m_referenceTemperatureText = m_dialog.windowText(EnthalpiesCtl::ReferenceTemperature);
    if (!computeResult()) m_h.clear(m_dialog);
    m_bindings.push(m_dialog);
}

// H into the result field, or a message and false.
bool CEnthalpies::computeResult() {
    namespace Msg = CompoundMessage;
    // Both temperatures are needed before either is judged.
    if (parseTypedNumber(m_temperatureText).status == TypedNumberStatus::Empty ||
        parseTypedNumber(m_referenceTemperatureText).status == TypedNumberStatus::Empty) {
        m_dialog.messageBox(Msg::InputTemperature);
        return false;
    }
    const std::optional<double> t =
        typedNumber(m_dialog, m_temperatureText, Msg::TemperatureField, Msg::InputTemperature);
    if (!t) return false;
    const std::optional<double> tr =
        typedNumber(m_dialog, m_referenceTemperatureText, Msg::ReferenceTemperatureField,
                    Msg::InputTemperature);
    if (!tr) return false;
    const TemperatureUnit unit = m_compounds.temperatureUnit();
    const Phase phase = m_compounds.phase();
    const EnthalpyCoefficients& k = phase == Phase::Gas ? m_gas : m_liquid;
    // Only T is held to the range of the fit; a reference too large to be a
    // temperature is refused the same way.
    const CorrelationResult h = enthalpyChange(phase, k, toKelvin(*t, unit), toKelvin(*tr, unit));
    if (phase == Phase::Liquid) {
        if (!k.hasRange()) {
            m_dialog.messageBox(Msg::NoResult);
            return false;
        }
        if (k.allZero()) {
            m_dialog.messageBox(Msg::NoData);
            return false;
        }
    }
    // No zero-range test for the gas: with no range the range test itself
    // refuses every T but 0 K.
    if (!h.ok()) {
        m_dialog.messageBox(Msg::OutOfRange);
        return false;
    }
    // Gas coefficients all blank still give a value (0), shown after the
    // message.
    if (k.allZero()) m_dialog.messageBox(Msg::NoData);
    return m_h.set(h.value, m_dialog);
}

}  // namespace chemeng
