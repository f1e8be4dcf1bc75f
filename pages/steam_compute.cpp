// Compute, the operation behind OK and Enter on the Steam Tables page, and
// the saturation-table look-up it uses.
#include <cmath>
#include <initializer_list>
#include <string>

#include "framework/dialog.h"
#include "framework/number_format.h"
#include "framework/result_rounding.h"
#include "framework/temperature_unit.h"
#include "framework/text_number.h"
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

// Up to 300 K the saturated liquid is shown with h = u, and above 280 K both
// 1 kJ/kg below the IAPWS-95 u: the display rule of this page's saturation
// columns, kept until it is replaced by the IAPWS-95 values themselves.
constexpr double kLiquidAdjustmentBottom_K = 280.0;
constexpr double kLiquidAdjustmentTop_K = 300.0;
constexpr double kTriplePointBandLow_K = 273.15;
constexpr double kTriplePointBandHigh_K = 273.165;
}  // namespace

bool CSteamTables::LookUpSaturationRow(SaturationChoice property) {
    struct LookUp {
        int edit;
        SaturationTable::Cell column;
        const char* emptyMessage;
        double americanFactor;
        double SteamResults::*slot;
    };
    LookUp lookUp{C::LiquidEnthalpy, SaturationTable::LiquidEnthalpy, "Input Liquid Enthalpy",
                  U::kKJPerKgPerBtuPerLb, &SteamResults::liquidEnthalpy};
    if (property == SaturationChoice::InternalEnergy)
        lookUp = {C::LiquidEnergy, SaturationTable::LiquidEnergy, "Input Liquide Energy",
                  U::kKJPerKgPerBtuPerLb, &SteamResults::liquidEnergy};
    else if (property == SaturationChoice::Volume)
        lookUp = {C::VapourVolume, SaturationTable::VapourVolume, "Input Vapor Volume",
                  U::kM3PerKgPerFt3PerLb, &SteamResults::vapourVolume};

    const std::string text = m_dialog.windowText(lookUp.edit);
    if (text.empty()) {
        m_dialog.messageBox(lookUp.emptyMessage);
        return false;
    }
    const double typed = parseLeadingNumber(text);
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
            return;
        }
        double x = 0.0;
        if (m_qualityChosen) {
            m_texts.quality = m_dialog.windowText(C::Quality);
            if (m_texts.quality.empty()) {
                m_dialog.messageBox("Input Quality");
                Clear();
                return;
            }
            x = parseLeadingNumber(m_texts.quality) * 0.01;
        }
        switch (m_saturationChoice) {
            case SaturationChoice::Enthalpy:
            case SaturationChoice::InternalEnergy:
            case SaturationChoice::Volume:
                if (!LookUpSaturationRow(m_saturationChoice)) return;
                // A tabulated row's °F uses 273.15, its °C 273.16.
                m_results.temperature = U::temperatureFromKelvin(
                    m_results.temperature, m_units.temperature, U::kZeroCelsius_K);
                m_results.pressure = U::pressureFromKPa(m_results.pressure, m_units.pressure);
                break;
            case SaturationChoice::Pressure:
                if (!computeSaturationAtPressure(m_qualityChosen, x)) return;
                break;
            case SaturationChoice::Temperature:
                if (!computeSaturationAtTemperature(m_qualityChosen, x)) return;
                break;
            case SaturationChoice::None:
                break;
        }
    } else if (!computeSuperheated()) {
        return;
    }
    showResults();
}

bool CSteamTables::computeSaturationAtPressure(bool withQuality, double x) {
    const std::string text = m_dialog.windowText(C::Pressure);
    if (text.empty()) {
        m_dialog.messageBox("Input Pressure");
        return true;  // the previous results are shown again
    }
    const double p = parseLeadingNumber(text);
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
    if (t_K < kLiquidAdjustmentTop_K) {
        if (t_K > kLiquidAdjustmentBottom_K) m_results.liquidEnergy -= 1.0;
        m_results.liquidEnthalpy = m_results.liquidEnergy;
    }
    if (withQuality) mixByQuality(x);
    m_results.temperature = U::temperatureFromKelvin(m_results.temperature, m_units.temperature);
    if (m_units.system == UnitSystem::American) toAmericanGrid();
    return true;
}

bool CSteamTables::computeSaturationAtTemperature(bool withQuality, double x) {
    const std::string text = m_dialog.windowText(C::Temperature);
    if (text.empty()) {
        m_dialog.messageBox("Input Temperature");
        return true;  // the previous results are shown again
    }
    const double t = parseLeadingNumber(text);
    const double t_K = toKelvin(t, m_units.temperature, U::kIcePoint_K, U::kIcePoint_K);
    const SaturatedPhases phases = saturatedPhasesAtTemperature(t_K);
    if (phases.status != SaturationStatus::InRange) {
        m_dialog.messageBox(kSaturationTemperatureOutOfRange);
        return false;
    }
    m_results.temperature = t;
    showSaturatedPhases(phases);
    m_results.pressure = U::pressureFromKPa(phases.p_kPa, m_units.pressure);
    if (t_K <= kLiquidAdjustmentTop_K) {
        // The triple-point liquid is the reference state: u = h = 0.
        if (t_K > kTriplePointBandLow_K && t_K < kTriplePointBandHigh_K)
            m_results.liquidEnergy = m_results.liquidEnthalpy = 0.0;
        if (t_K > kLiquidAdjustmentBottom_K) m_results.liquidEnergy -= 1.0;
        m_results.liquidEnthalpy = m_results.liquidEnergy;
    }
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
    // The phase word is the (T, P) solver's to write; one left from an earlier
    // pair would misclassify this answer.
    m_texts.quality.clear();
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
            outcome = m_solvers.SolveTemperaturePressure(t, p, m_units, r, m_texts.quality);
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
        if (shown.quality != "saturated") {
            if (r.quality == 0.0)
                shown.quality = "subcooled";
            else if (r.quality == 100.0)
                shown.quality = "superheated";
            else
                shown.quality = fmt(r.quality);
        }
        if (shown.quality == "subcooled") {
            r.liquidEnergy = r.vapourEnergy;
            r.liquidVolume = r.vapourVolume;
            r.liquidEnthalpy = r.vapourEnthalpy;
            showLiquid();
            emptyVapour();
            emptyMixture();
        } else if (shown.quality == "superheated") {
            showVapour();
            emptyLiquid();
            emptyMixture();
        } else {
            showMixture(r.vapourEnergy, r.vapourVolume, r.vapourEnthalpy);
            emptyLiquid();
            emptyVapour();
        }
    }
    if (outOfRange) {
        // Nothing half-shown: the previous results stay on screen.
        m_dialog.messageBox(kResultOutOfRange);
        return;
    }
    m_texts = shown;
    m_bindings.push(m_dialog);
}

}  // namespace chemeng
