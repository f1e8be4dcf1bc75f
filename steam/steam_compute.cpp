// Compute, the operation behind OK and Enter on the Steam Tables page, and
// the saturation-table look-up it uses.
#include <cmath>
#include <initializer_list>
#include <string>

#include "framework/dialog.h"
#include "framework/number_format.h"
#include "framework/text_number.h"
#include "steam/steam_tables_page.h"

namespace chemeng {

namespace C = SteamTablesCtl;
namespace U = steam_units;

namespace {
// One text for every value the page cannot show as a number.
constexpr const char* kResultOutOfRange = "Result out of range";
}  // namespace

bool CSteamTables::LookUpSaturationRow(int property) {
    struct LookUp {
        int edit;
        SaturationTable::Cell column;
        const char* emptyMessage;
        double americanFactor;
        double SteamResults::*slot;
    };
    LookUp lookUp{C::LiquidEnthalpy, SaturationTable::LiquidEnthalpy, "Input Liquid Enthalpy",
                  U::kKJPerKgPerBtuPerLb, &SteamResults::liquidEnthalpy};
    if (property == kInternalEnergy)
        lookUp = {C::LiquidEnergy, SaturationTable::LiquidEnergy, "Input Liquide Energy",
                  U::kKJPerKgPerBtuPerLb, &SteamResults::liquidEnergy};
    else if (property == kVolume)
        lookUp = {C::VapourVolume, SaturationTable::VapourVolume, "Input Vapor Volume",
                  U::kM3PerKgPerFt3PerLb, &SteamResults::vapourVolume};

    const std::string text = m_dialog.windowText(lookUp.edit);
    if (text.empty()) {
        m_dialog.messageBox(lookUp.emptyMessage);
        return false;
    }
    double value = parseLeadingNumber(text);
    // The typed value stays in its own slot, in the user's unit.
    m_results.*lookUp.slot = value;
    const bool american = m_units.system == UnitSystem::American;
    if (american) value *= lookUp.americanFactor;

    const std::optional<int> found = m_table.nearestRow(lookUp.column, value);
    if (!found) {
        m_dialog.messageBox("Out of Range");
        return false;
    }
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
    if (m_superheated == 0) {
        // Quality is a number the user types in saturation mode; without it
        // chosen the field must be empty (so the liquid and vapour columns show).
        if (m_qualityChosen == 0) m_texts.quality.clear();
        if (m_saturationChoice == kNoProperty) {
            m_dialog.messageBox(m_qualityChosen == 1 ? "Select Temperature or Pressure with Quality"
                                                     : "Select a Property");
            return;
        }
        double x = 0.0;
        if (m_qualityChosen == 1) {
            m_texts.quality = m_dialog.windowText(C::Quality);
            if (m_texts.quality.empty()) {
                m_dialog.messageBox("Input Quality");
                Clear();
                return;
            }
            x = parseLeadingNumber(m_texts.quality) * 0.01;
        }
        switch (m_saturationChoice) {
            case kEnthalpy:
            case kInternalEnergy:
            case kVolume:
                if (!LookUpSaturationRow(m_saturationChoice)) return;
                // A tabulated row's °F uses 273.15, its °C 273.16.
                m_results.temperature = U::temperatureFromKelvin(
                    m_results.temperature, m_units.temperature, U::kZeroCelsius_K);
                m_results.pressure = U::pressureFromKPa(m_results.pressure, m_units.pressure);
                break;
            case kPressure:
                if (!computeSaturationAtPressure(m_qualityChosen == 1, x)) return;
                break;
            case kTemperature:
                if (!computeSaturationAtTemperature(m_qualityChosen == 1, x)) return;
                break;
            default:
                break;
        }
    } else if (!computeSuperheated()) {
        return;
    }
    showResults();
}

void CSteamTables::showResults() {
    SteamResults& r = m_results;
    SteamTexts shown = m_texts;
    bool outOfRange = false;
    const auto fmt = [&outOfRange](double value) {
        if (!std::isfinite(value)) {
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
    if (m_superheated == 0) {
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

namespace chemeng {
// Interim: the computed paths join when the formulations are in.
bool CSteamTables::computeSaturationAtTemperature(bool, double) {
    return false;
}
bool CSteamTables::computeSaturationAtPressure(bool, double) {
    return false;
}
bool CSteamTables::computeSuperheated() {
    return false;
}
}  // namespace chemeng
