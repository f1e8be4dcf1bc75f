// Compute, the operation behind OK and Enter on the Steam Tables page, and
// the saturation-table look-up it uses.
#include <cmath>
#include <initializer_list>
#include <string>

#include "framework/dialog.h"
#include "framework/number_format.h"
#include "framework/result_rounding.h"
#include "framework/typed_number.h"
#include "pages/steam_tables_page.h"

namespace chemeng {

namespace C = SteamTablesCtl;
namespace U = steam_units;

namespace {
// One text for every value the page cannot show as a number.
constexpr const char* kResultOutOfRange = "Result out of range";
// The saturation line the saturation equations cover: 253.15 K up to the
// critical point (647.096 K, 22064 kPa), which is itself excluded.
constexpr const char* kSaturationTemperatureOutOfRange =
    "Temperature is out of range for saturation (253.15 K up to 647.096 K)";
constexpr const char* kSaturationPressureOutOfRange =
    "Pressure is out of range for saturation (0.12545844 kPa up to 22064 kPa)";

// An empty field, or one of blanks only, asks for its input.
bool blank(const std::string& text) {
    return parseTypedNumber(text).status == TypedNumberStatus::Empty;
}

constexpr const char* kQualityOutOfRange = "Quality must be between 0 and 100 %";
}  // namespace

bool CSteamTables::LookUpSaturationRow(SaturationChoice property) {
    struct LookUp {
        int edit;
        SaturationTable::Cell column;
        const char* emptyMessage;
        const char* field;
        double americanFactor;
        double SteamResults::*slot;
    };
    LookUp lookUp{C::LiquidEnthalpy,       SaturationTable::LiquidEnthalpy,
                  "Input Liquid Enthalpy", "Liquid Enthalpy",
                  U::kKJPerKgPerBtuPerLb,  &SteamResults::liquidEnthalpy};
    if (property == SaturationChoice::InternalEnergy)
        lookUp = {C::LiquidEnergy,        SaturationTable::LiquidEnergy,
                  "Input Liquide Energy", "Liquid Internal Energy",
                  U::kKJPerKgPerBtuPerLb, &SteamResults::liquidEnergy};
    else if (property == SaturationChoice::Volume)
        lookUp = {C::VapourVolume, SaturationTable::VapourVolume, "Input Vapor Volume",
                  "Vapor Volume",  U::kM3PerKgPerFt3PerLb,        &SteamResults::vapourVolume};

    const std::string text = m_dialog.windowText(lookUp.edit);
    if (blank(text)) {
        m_dialog.messageBox(lookUp.emptyMessage);
        return false;
    }
    const TypedNumber number = parseTypedNumber(text);
    if (number.status != TypedNumberStatus::Number) {
        m_dialog.messageBox(notANumberMessage(lookUp.field, text));
        return false;
    }
    const double typed = number.value;
    const bool american = m_units.system == UnitSystem::American;
    const double value = american ? typed * lookUp.americanFactor : typed;

    const std::optional<int> found = m_table.nearestRow(lookUp.column, value);
    if (!found) {
        m_dialog.messageBox("Out of Range");
        return false;
    }
    // The typed value stays in its own slot, in the user's unit. Only a value
    // the table takes becomes a result: a refused one must never be shown.
    m_results.*lookUp.slot = typed;
    const auto& cell = m_table.row(*found).value;
    const double energyFactor = american ? U::kBtuPerLbPerKJPerKg : 1.0;
    const double volumeFactor = american ? U::kFt3PerLbPerM3PerKg : 1.0;
    const auto copy = [&](double SteamResults::*slot, SaturationTable::Cell c, double factor) {
        if (slot != lookUp.slot) m_results.*slot = cell[static_cast<std::size_t>(c)] * factor;
    };
    m_results.temperature = cell[SaturationTable::Temperature_K];
    m_results.pressure = cell[SaturationTable::Pressure_kPa];
    copy(&SteamResults::liquidVolume, SaturationTable::LiquidVolume, volumeFactor);
    copy(&SteamResults::vapourVolume, SaturationTable::VapourVolume, volumeFactor);
    copy(&SteamResults::liquidEnthalpy, SaturationTable::LiquidEnthalpy, energyFactor);
    copy(&SteamResults::vapourEnthalpy, SaturationTable::VapourEnthalpy, energyFactor);
    copy(&SteamResults::liquidEnergy, SaturationTable::LiquidEnergy, energyFactor);
    copy(&SteamResults::vapourEnergy, SaturationTable::VapourEnergy, energyFactor);
    return true;
}

void CSteamTables::mixByQuality(double x) {
    SteamResults& r = m_results;
    r.mixtureEnthalpy = x * r.vapourEnthalpy + (1.0 - x) * r.liquidEnthalpy;
    r.mixtureEnergy = (1.0 - x) * r.liquidEnergy + x * r.vapourEnergy;
    r.mixtureVolume = (1.0 - x) * r.liquidVolume + x * r.vapourVolume;
    r.liquidEnthalpy = r.vapourEnthalpy = 0.0;
    r.liquidEnergy = r.vapourEnergy = 0.0;
    r.liquidVolume = r.vapourVolume = 0.0;
}

void CSteamTables::toAmericanGrid() {
    SteamResults& r = m_results;
    for (double* energy : {&r.liquidEnthalpy, &r.vapourEnthalpy, &r.mixtureEnthalpy,
                           &r.liquidEnergy, &r.vapourEnergy, &r.mixtureEnergy})
        *energy *= U::kBtuPerLbPerKJPerKg;
    for (double* volume : {&r.liquidVolume, &r.vapourVolume, &r.mixtureVolume})
        *volume *= U::kFt3PerLbPerM3PerKg;
}

void CSteamTables::Compute() {
    if (!m_superheated) {
        // Quality is a number the user types in saturation mode; without it
        // chosen the field must be empty (so the liquid and vapour columns show).
        if (!m_qualityChosen) m_texts.quality.clear();
        if (m_saturationChoice == SaturationChoice::None) {
            m_dialog.messageBox(m_qualityChosen ? "Select Temperature or Pressure with Quality"
                                                : "Select a Property");
            emptyResults();
            return;
        }
        double x = 0.0;
        if (m_qualityChosen) {
            m_texts.quality = m_dialog.windowText(C::Quality);
            if (blank(m_texts.quality)) {
                m_dialog.messageBox("Input Quality");
                Clear();
                return;
            }
            const TypedNumber quality = parseTypedNumber(m_texts.quality);
            if (quality.status != TypedNumberStatus::Number) {
                m_dialog.messageBox(notANumberMessage("Quality", m_texts.quality));
                emptyResults();
                return;
            }
            // A quality is a fraction of vapour: outside 0 to 100 % the mixing
            // rule would give a negative volume or more than the vapour's.
            if (!(quality.value >= 0.0 && quality.value <= 100.0)) {
                m_dialog.messageBox(kQualityOutOfRange);
                emptyResults();
                return;
            }
            x = quality.value * 0.01;
        }
        switch (m_saturationChoice) {
            case SaturationChoice::Enthalpy:
            case SaturationChoice::InternalEnergy:
            case SaturationChoice::Volume:
                if (!LookUpSaturationRow(m_saturationChoice)) {
                    emptyResults();
                    return;
                }
                m_results.temperature =
                    U::temperatureFromKelvin(m_results.temperature, m_units.temperature);
                m_results.pressure = U::pressureFromKPa(m_results.pressure, m_units.pressure);
                break;
            case SaturationChoice::Pressure:
                if (!computeSaturationAtPressure(m_qualityChosen, x)) {
                    emptyResults();
                    return;
                }
                break;
            case SaturationChoice::Temperature:
                if (!computeSaturationAtTemperature(m_qualityChosen, x)) {
                    emptyResults();
                    return;
                }
                break;
            case SaturationChoice::None:
                break;
        }
    } else if (!computeSuperheated()) {
        emptyResults();
        return;
    }
    showResults();
}

bool CSteamTables::computeSaturationAtPressure(bool withQuality, double x) {
    const std::string text = m_dialog.windowText(C::Pressure);
    if (blank(text)) {
        m_dialog.messageBox("Input Pressure");
        return false;
    }
    const TypedNumber number = parseTypedNumber(text);
    if (number.status != TypedNumberStatus::Number) {
        m_dialog.messageBox(notANumberMessage("Pressure", text));
        return false;
    }
    const double p = number.value;
    const SaturatedPhases phases = saturatedPhasesAtPressure(U::pressureToKPa(p, m_units.pressure));
    // Outside the saturation line there are no two phases to show (and the
    // refused pressure is kept out of the results).
    if (phases.status != SaturationStatus::InRange) {
        m_dialog.messageBox(kSaturationPressureOutOfRange);
        return false;
    }
    m_results.pressure = p;
    const double t_K = phases.t_K;
    m_results.temperature = t_K;
    showSaturatedPhases(phases);
    m_results.mixtureEnthalpy = m_results.mixtureEnergy = m_results.mixtureVolume = 0.0;
    if (withQuality) mixByQuality(x);
    m_results.temperature = U::temperatureFromKelvin(m_results.temperature, m_units.temperature);
    if (m_units.system == UnitSystem::American) toAmericanGrid();
    return true;
}

bool CSteamTables::computeSaturationAtTemperature(bool withQuality, double x) {
    const std::string text = m_dialog.windowText(C::Temperature);
    if (blank(text)) {
        m_dialog.messageBox("Input Temperature");
        return false;
    }
    const TypedNumber number = parseTypedNumber(text);
    if (number.status != TypedNumberStatus::Number) {
        m_dialog.messageBox(notANumberMessage("Temperature", text));
        return false;
    }
    const double t = number.value;
    const double t_K = U::temperatureToKelvin(t, m_units.temperature);
    const SaturatedPhases phases = saturatedPhasesAtTemperature(t_K);
    if (phases.status != SaturationStatus::InRange) {
        m_dialog.messageBox(kSaturationTemperatureOutOfRange);
        return false;
    }
    m_results.temperature = t;
    showSaturatedPhases(phases);
    m_results.pressure = U::pressureFromKPa(phases.p_kPa, m_units.pressure);
    if (withQuality) mixByQuality(x);
    if (m_units.system == UnitSystem::American) toAmericanGrid();
    return true;
}

void CSteamTables::showSaturatedPhases(const SaturatedPhases& phases) {
    m_results.vapourEnergy = phases.vapour.u_kJkg;
    m_results.vapourEnthalpy = phases.vapour.h_kJkg;
    m_results.liquidEnergy = phases.liquid.u_kJkg;
    m_results.liquidEnthalpy = phases.liquid.h_kJkg;
    m_results.liquidVolume = phases.liquid.v_m3kg;
    m_results.vapourVolume = phases.vapour.v_m3kg;
}

bool CSteamTables::computeSuperheated() {
    SteamResults& r = m_results;
    const std::string t = m_dialog.windowText(C::Temperature);
    const std::string p = m_dialog.windowText(C::Pressure);
    const std::string h = m_dialog.windowText(C::VapourEnthalpy);
    const std::string v = m_dialog.windowText(C::VapourVolume);
    const bool american = m_units.system == UnitSystem::American;
    const double energyFactor = american ? U::kBtuPerLbPerKJPerKg : 1.0;
    const double volumeFactor = american ? U::kFt3PerLbPerM3PerKg : 1.0;

    SolveOutcome outcome = SolveOutcome::Stopped;
    switch (m_pairCode) {
        case PairCode::TP:
            outcome = m_solvers.SolveTemperaturePressure(t, p, m_units, r);
            if (outcome != SolveOutcome::Completed) break;
            r.vapourEnthalpy *= energyFactor;
            r.vapourEnergy *= energyFactor;
            r.vapourVolume *= volumeFactor;
            break;
        case PairCode::TV:
            outcome = m_solvers.SolveTemperatureVolume(t, v, m_units, r);
            if (outcome != SolveOutcome::Completed) break;
            r.pressure = U::pressureFromKPa(r.pressure, m_units.pressure);
            r.vapourEnthalpy *= energyFactor;
            r.vapourEnergy *= energyFactor;
            break;
        case PairCode::TH:
            outcome = m_solvers.SolveTemperatureEnthalpy(t, h, m_units, r);
            if (outcome != SolveOutcome::Completed) break;
            r.pressure = U::pressureFromKPa(r.pressure, m_units.pressure);
            r.vapourEnergy *= energyFactor;
            r.vapourVolume *= volumeFactor;
            break;
        case PairCode::PV:
            outcome = m_solvers.SolvePressureVolume(p, v, m_units, r);
            if (outcome != SolveOutcome::Completed) break;
            r.temperature = U::temperatureFromKelvin(r.temperature, m_units.temperature);
            r.vapourEnthalpy *= energyFactor;
            r.vapourEnergy *= energyFactor;
            break;
        case PairCode::PH:
            outcome = m_solvers.SolvePressureEnthalpy(p, h, m_units, r);
            if (outcome != SolveOutcome::Completed) break;
            r.temperature = U::temperatureFromKelvin(r.temperature, m_units.temperature);
            r.vapourEnergy *= energyFactor;
            r.vapourVolume *= volumeFactor;
            break;
        case PairCode::TU:
        case PairCode::PU:
        case PairCode::Incomplete:
            m_dialog.messageBox("Select Two Properties");
            return false;
    }
    if (outcome == SolveOutcome::StoppedAndCleared) Clear();
    return outcome == SolveOutcome::Completed;
}

void CSteamTables::showResults() {
    SteamResults& r = m_results;
    SteamTexts shown = m_texts;
    bool outOfRange = false;
    // A value the 32-bit thousandths step cannot hold (not finite, or a
    // quality typed as 1e300 mixing into a 300-digit enthalpy) is no result
    // to show, as on every other page.
    const auto fmt = [&outOfRange](double value) {
        if (!roundToThousandths(value)) {
            outOfRange = true;
            return std::string{};
        }
        return formatFixed3(value);
    };
    const auto showLiquid = [&] {
        shown.liquidEnergy = fmt(r.liquidEnergy);
        shown.liquidVolume = fmt(r.liquidVolume);
        shown.liquidEnthalpy = fmt(r.liquidEnthalpy);
    };
    const auto showVapour = [&] {
        shown.vapourEnergy = fmt(r.vapourEnergy);
        shown.vapourEnthalpy = fmt(r.vapourEnthalpy);
        shown.vapourVolume = fmt(r.vapourVolume);
    };
    const auto showMixture = [&](double energy, double volume, double enthalpy) {
        shown.mixtureEnergy = fmt(energy);
        shown.mixtureVolume = fmt(volume);
        shown.mixtureEnthalpy = fmt(enthalpy);
    };
    const auto emptyLiquid = [&] {
        shown.liquidEnergy.clear();
        shown.liquidVolume.clear();
        shown.liquidEnthalpy.clear();
    };
    const auto emptyVapour = [&] {
        shown.vapourEnergy.clear();
        shown.vapourVolume.clear();
        shown.vapourEnthalpy.clear();
    };
    const auto emptyMixture = [&] {
        shown.mixtureEnergy.clear();
        shown.mixtureVolume.clear();
        shown.mixtureEnthalpy.clear();
    };

    shown.pressure = fmt(r.pressure);
    shown.temperature = fmt(r.temperature);
    if (!m_superheated) {
        if (!shown.quality.empty()) {
            showMixture(r.mixtureEnergy, r.mixtureVolume, r.mixtureEnthalpy);
            emptyLiquid();
            emptyVapour();
        } else {
            showLiquid();
            showVapour();
            emptyMixture();
        }
    } else {
        // The phase word in the Quality field and the column the state goes
        // to; a supercritical fluid, one phase, in the Vapor column.
        switch (r.phase) {
            case SteamPhase::Subcooled:
                shown.quality = "subcooled";
                r.liquidEnergy = r.vapourEnergy;
                r.liquidVolume = r.vapourVolume;
                r.liquidEnthalpy = r.vapourEnthalpy;
                showLiquid();
                emptyVapour();
                emptyMixture();
                break;
            case SteamPhase::Superheated:
            case SteamPhase::Supercritical:
                shown.quality =
                    r.phase == SteamPhase::Superheated ? "superheated" : "supercritical";
                showVapour();
                emptyLiquid();
                emptyMixture();
                break;
            case SteamPhase::Saturated:
            case SteamPhase::TwoPhase:
                shown.quality = r.phase == SteamPhase::Saturated ? "saturated" : fmt(r.quality);
                showMixture(r.vapourEnergy, r.vapourVolume, r.vapourEnthalpy);
                emptyLiquid();
                emptyVapour();
                break;
        }
    }
    if (outOfRange) {
        // Nothing half-shown, and nothing left from other inputs.
        m_dialog.messageBox(kResultOutOfRange);
        emptyResults();
        return;
    }
    m_texts = shown;
    m_bindings.push(m_dialog);
}

void CSteamTables::emptyResults() {
    m_results = SteamResults{};
    for (const auto& [edit, text] : textsByEdit()) {
        m_texts.*text = isInput(edit) ? m_dialog.windowText(edit) : std::string{};
    }
    m_bindings.push(m_dialog);
}

}  // namespace chemeng
