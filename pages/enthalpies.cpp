#include "pages/enthalpies.h"

#include <cmath>
#include <utility>

#include "framework/range_bounds.h"
#include "framework/text_number.h"
#include "pages/enthalpies_layout.h"

namespace chemeng {

namespace {
constexpr const char* kInputTemperature = "Input Temperature";
constexpr const char* kNoResult = "This compound doesn't have the result";
constexpr const char* kOutOfRange = "Out of Range";
constexpr const char* kNoData = "No Data Available for this compound";

constexpr double kCelsiusOffset_K = 273.16;

// 1e10 / 3 to the digits the page has always used; multiplying by it and
// rounding up leaves c/3 on a grid of 1e-10.
constexpr double kThirdScaled = 3333333333.333333;
}  // namespace

EnthalpyCoefficients enthalpyCoefficients(const PhaseCoefficients& cp) {
    // Beyond about 5e298 the scaled c overflows; there the 1e-10 grid is far
    // finer than the spacing of the doubles, so c/3 is the rounded value.
    const double scaledThird = cp.c * kThirdScaled;
    // A tiny negative c rounds up to -0; adding 0 makes it a plain 0 on screen.
    const double a3 =
        std::isfinite(scaledThird) ? std::ceil(scaledThird) * 1e-10 + 0.0 : cp.c / 3.0;
    return {cp.a, cp.b * 0.5, a3, cp.d * 0.25};
}

CEnthalpies::CEnthalpies(Dialog& dialog, std::filesystem::path dataDir)
    : m_dialog(dialog), m_compounds(dialog, std::move(dataDir), GasRangeRule::Uniform) {
    using namespace EnthalpiesCtl;
    m_bindings.bind(Name, &m_compounds.name());
    m_bindings.bind(Formula, &m_compounds.formula());
    m_bindings.bind(MolecularWeight, &m_compounds.molecularWeight());
    m_bindings.bind(Temperature, &m_temperatureText);
    m_bindings.bind(ReferenceTemperature, &m_referenceTemperatureText);
    m_bindings.bind(H, &m_h);
    m_bindings.bind(GasA1, &m_gas.a1);
    m_bindings.bind(GasA2, &m_gas.a2);
    m_bindings.bind(GasA3, &m_gas.a3);
    m_bindings.bind(GasA4, &m_gas.a4);
    m_bindings.bind(LiquidA1, &m_liquid.a1);
    m_bindings.bind(LiquidA2, &m_liquid.a2);
    m_bindings.bind(LiquidA3, &m_liquid.a3);
    m_bindings.bind(GasTmin, &m_gasTmin_K);
    m_bindings.bind(GasTmax, &m_gasTmax_K);
    m_bindings.bind(LiquidTmin, &m_liquidTmin_K);
    m_bindings.bind(LiquidTmax, &m_liquidTmax_K);
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
    } else if (m_compounds.onNotify(controlId, notification)) {
        showCompound();
    }
}

bool CEnthalpies::onEnterKey() {
    compute();
    return true;
}

void CEnthalpies::showCompound() {
    const PhaseCoefficients& gas = m_compounds.gas();
    const PhaseCoefficients& liquid = m_compounds.liquid();
    m_gas = enthalpyCoefficients(gas);
    m_liquid = enthalpyCoefficients(liquid);
    m_gasTmin_K = gas.tmin_K;
    m_gasTmax_K = gas.tmax_K;
    m_liquidTmin_K = liquid.tmin_K;
    m_liquidTmax_K = liquid.tmax_K;
    // Showing the compound rewrites every bound edit; temperatures typed but
    // not yet computed stay as typed.
    m_temperatureText = m_dialog.windowText(EnthalpiesCtl::Temperature);
    m_referenceTemperatureText = m_dialog.windowText(EnthalpiesCtl::ReferenceTemperature);
    m_bindings.push(m_dialog);
}

void CEnthalpies::compute() {
    m_temperatureText = m_dialog.windowText(EnthalpiesCtl::Temperature);
    m_referenceTemperatureText = m_dialog.windowText(EnthalpiesCtl::ReferenceTemperature);
    double h = m_h;  // stays the held result unless the formula is reached
    if (m_temperatureText.empty() || m_referenceTemperatureText.empty()) {
        m_dialog.messageBox(kInputTemperature);
    } else {
        const TemperatureUnit unit = m_compounds.temperatureUnit();
        const double t =
            temperatureToKelvin(parseLeadingNumber(m_temperatureText), unit, kCelsiusOffset_K);
        const double tr = temperatureToKelvin(parseLeadingNumber(m_referenceTemperatureText), unit,
                                              kCelsiusOffset_K);
        // Only T is held to the range of the fit. A text read as nan or inf
        // is no temperature at all, for T or Tr, and is refused like one
        // outside the range.
        const auto outOfRange = [&](double tmin_K, double tmax_K) {
            return !std::isfinite(tr) || !withinBounds(t, tmin_K, tmax_K);
        };
        const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
        const double tr2 = tr * tr, tr3 = tr2 * tr, tr4 = tr3 * tr;

        if (m_compounds.phase() == Phase::Gas) {
            const EnthalpyCoefficients& k = m_gas;
            // No zero-range test for the gas: with no range the range test
            // itself refuses every T but 0 K.
            if (outOfRange(m_gasTmin_K, m_gasTmax_K)) {
                m_dialog.messageBox(kOutOfRange);
            } else {
                if (k.a1 == 0.0 && k.a2 == 0.0 && k.a3 == 0.0 && k.a4 == 0.0)
                    m_dialog.messageBox(kNoData);
                h = ((k.a4 * (t4 - tr4) + k.a3 * (t3 - tr3)) + k.a2 * (t2 - tr2)) + k.a1 * (t - tr);
            }
        } else {
            const EnthalpyCoefficients& k = m_liquid;
            if (m_liquidTmin_K == 0.0 && m_liquidTmax_K == 0.0) {
                m_dialog.messageBox(kNoResult);
            } else if (k.a1 == 0.0 && k.a2 == 0.0 && k.a3 == 0.0) {
                m_dialog.messageBox(kNoData);
            } else if (outOfRange(m_liquidTmin_K, m_liquidTmax_K)) {
                m_dialog.messageBox(kOutOfRange);
            } else {
                h = (k.a3 * (t3 - tr3) + k.a2 * (t2 - tr2)) + k.a1 * (t - tr);
            }
        }
    }
    // The result is rounded whether or not it was computed now; a held
    // result is already in thousandths and stays as it is.
    roundIntoResult(h, m_h, m_dialog);
    m_bindings.push(m_dialog);
}

}  // namespace chemeng
