#include "pages/steam_tables_page.h"

#include <utility>

#include "framework/dialog.h"
#include "pages/steam_tables_layout.h"

namespace chemeng {

namespace C = SteamTablesCtl;

namespace {

constexpr std::array kAllEdits{
    C::Temperature,    C::Pressure,        C::Quality,      C::LiquidEnthalpy,
    C::VapourEnthalpy, C::MixtureEnthalpy, C::LiquidEnergy, C::VapourEnergy,
    C::MixtureEnergy,  C::LiquidVolume,    C::VapourVolume, C::MixtureVolume,
};
static_assert(kAllEdits.size() == 12, "twelve value edits");

constexpr std::array kPropertyRadios{
    C::TemperatureChoice, C::PressureChoice, C::EnthalpyChoice,
    C::EnergyChoice,      C::VolumeChoice,   C::QualityChoice,
};

constexpr std::array kTemperatureUnitRadios{C::Celsius, C::Fahrenheit, C::Kelvin};
constexpr std::array kPressureUnitRadios{C::KPa, C::Bar, C::MmHg, C::InHg, C::Atm, C::Psia};

// Each property radio: its saturation code and the edit its value is typed in
// (the edit a toggle locks when it turns the property off).
struct PropertyToggle {
    int radio;
    SaturationChoice saturationCode;
    int edit;
};
constexpr std::array kPropertyToggles{
    PropertyToggle{C::TemperatureChoice, SaturationChoice::Temperature, C::Temperature},
    PropertyToggle{C::PressureChoice, SaturationChoice::Pressure, C::Pressure},
    PropertyToggle{C::EnthalpyChoice, SaturationChoice::Enthalpy, C::LiquidEnthalpy},
    PropertyToggle{C::EnergyChoice, SaturationChoice::InternalEnergy, C::LiquidEnergy},
    PropertyToggle{C::VolumeChoice, SaturationChoice::Volume, C::VapourVolume},
};

}  // namespace

const std::array<std::pair<int, std::string SteamTexts::*>, 12>& CSteamTables::textsByEdit() {
    static const std::array<std::pair<int, std::string SteamTexts::*>, 12> texts{{
        {C::Temperature, &SteamTexts::temperature},
        {C::Pressure, &SteamTexts::pressure},
        {C::Quality, &SteamTexts::quality},
        {C::LiquidEnthalpy, &SteamTexts::liquidEnthalpy},
        {C::VapourEnthalpy, &SteamTexts::vapourEnthalpy},
        {C::MixtureEnthalpy, &SteamTexts::mixtureEnthalpy},
        {C::LiquidEnergy, &SteamTexts::liquidEnergy},
        {C::VapourEnergy, &SteamTexts::vapourEnergy},
        {C::MixtureEnergy, &SteamTexts::mixtureEnergy},
        {C::LiquidVolume, &SteamTexts::liquidVolume},
        {C::VapourVolume, &SteamTexts::vapourVolume},
        {C::MixtureVolume, &SteamTexts::mixtureVolume},
    }};
    return texts;
}

bool CSteamTables::isInput(int edit) const {
    if (m_superheated) {
        return (edit == C::Temperature && m_flags[kFlagT]) ||
               (edit == C::Pressure && m_flags[kFlagP]) ||
               (edit == C::VapourEnthalpy && m_flags[kFlagH]) ||
               (edit == C::VapourVolume && m_flags[kFlagV]);
    }
    if (edit == C::Quality) return m_qualityChosen;
    for (const PropertyToggle& t : kPropertyToggles) {
        if (t.edit == edit) return t.saturationCode == m_saturationChoice;
    }
    return false;
}

CSteamTables::CSteamTables(Dialog& dialog, std::filesystem::path dataDir)
    : m_dialog(dialog),
      m_solvers(m_ifc67, [&dialog](const std::string& message) { dialog.messageBox(message); }) {
    m_bindings.bind(C::Temperature, &m_texts.temperature);
    m_bindings.bind(C::Pressure, &m_texts.pressure);
    m_bindings.bind(C::Quality, &m_texts.quality);
    m_bindings.bind(C::LiquidEnthalpy, &m_texts.liquidEnthalpy);
    m_bindings.bind(C::VapourEnthalpy, &m_texts.vapourEnthalpy);
    m_bindings.bind(C::MixtureEnthalpy, &m_texts.mixtureEnthalpy);
    m_bindings.bind(C::LiquidEnergy, &m_texts.liquidEnergy);
    m_bindings.bind(C::VapourEnergy, &m_texts.vapourEnergy);
    m_bindings.bind(C::MixtureEnergy, &m_texts.mixtureEnergy);
    m_bindings.bind(C::LiquidVolume, &m_texts.liquidVolume);
    m_bindings.bind(C::VapourVolume, &m_texts.vapourVolume);
    m_bindings.bind(C::MixtureVolume, &m_texts.mixtureVolume);

    if (!m_table.load(dataDir / "sat.txt")) m_dialog.messageBox("Error opening sat.txt");
}

const PageLayout& CSteamTables::layout() const {
    return steamTablesLayout();
}

// The controls show the state from the start (saturation mode, temperature,
// American units, °C, kPa), so what the user sees is what OK will compute.
void CSteamTables::onInitDialog() {
    Refresh();
}

void CSteamTables::onNotify(int controlId, Notification notification) {
    if (notification != Notification::Clicked) return;
    switch (controlId) {
        case C::Ok:
            Compute();
            return;
        case C::Clear:
            Clear();
            return;
        default:
            onSelectionClick(controlId);
            // The shown results were computed for the selection, units and
            // mode before this click.
            emptyResults();
            return;
    }
}

void CSteamTables::onSelectionClick(int controlId) {
    switch (controlId) {
        case C::SuperheatedMode:
            setSuperheatedMode(true);
            return;
        case C::SaturationMode:
            setSuperheatedMode(false);
            return;
        case C::TemperatureChoice:
        case C::PressureChoice:
        case C::EnthalpyChoice:
        case C::EnergyChoice:
        case C::VolumeChoice:
            toggleProperty(controlId);
            return;
        case C::QualityChoice:
            toggleQuality();
            return;
        case C::American:
        case C::SI:
            m_units.system = controlId == C::SI ? UnitSystem::SI : UnitSystem::American;
            Refresh();
            return;
        default:
            break;
    }
    for (std::size_t i = 0; i < kTemperatureUnitRadios.size(); ++i) {
        if (kTemperatureUnitRadios[i] == controlId) {
            m_units.temperature = static_cast<TemperatureUnit>(i);
            Refresh();
            return;
        }
    }
    for (std::size_t i = 0; i < kPressureUnitRadios.size(); ++i) {
        if (kPressureUnitRadios[i] == controlId) {
            m_units.pressure = static_cast<PressureUnit>(i);
            Refresh();
            return;
        }
    }
}

bool CSteamTables::onEnterKey() {
    Compute();
    return true;
}

void CSteamTables::toggleProperty(int radio) {
    const PropertyToggle* toggle = nullptr;
    for (const PropertyToggle& t : kPropertyToggles) {
        if (t.radio == radio) toggle = &t;
    }
    if (toggle == nullptr) return;

    if (m_saturationChoice == toggle->saturationCode) {
        m_saturationChoice = SaturationChoice::None;
        m_dialog.setReadOnly(toggle->edit, true);
    } else {
        m_saturationChoice = toggle->saturationCode;
    }

    if (m_superheated) {
        Flag flag = kFlagU;
        switch (radio) {
            case C::TemperatureChoice:
                flag = kFlagT;
                break;
            case C::PressureChoice:
                flag = kFlagP;
                break;
            case C::EnthalpyChoice:
                flag = kFlagH;
                break;
            case C::VolumeChoice:
                flag = kFlagV;
                break;
            default:
                break;
        }
        if (flag == kFlagU) {
            // Internal energy is not a superheated input.
            m_flags[kFlagU] = false;
        } else if (m_flags[flag]) {
            m_flags[flag] = false;
            m_dialog.setReadOnly(toggle->edit, true);
        } else {
            m_flags[flag] = true;
        }
    }
    Refresh();
}

void CSteamTables::toggleQuality() {
    if (!m_superheated) {
        m_qualityChosen = !m_qualityChosen;
        if (!m_qualityChosen) m_texts.quality.clear();
    }
    m_flags[kFlagX] = false;
    Refresh();
}

void CSteamTables::setSuperheatedMode(bool on) {
    const bool leavingSuperheated = m_superheated && !on;
    m_superheated = on;
    m_results = SteamResults{};
    if (on) {
        m_flags[kFlagT] = m_flags[kFlagP] = m_flags[kFlagH] = m_flags[kFlagV] = false;
    } else if (leavingSuperheated) {
        // The Quality field holds the superheated phase word; it means nothing
        // in saturation mode, where quality is a number the user types.
        m_texts.quality.clear();
        m_dialog.setWindowText(C::Quality, "");
    }
    Refresh();
}

void CSteamTables::lockAllEdits() {
    for (int edit : kAllEdits) m_dialog.setReadOnly(edit, true);
}

void CSteamTables::Refresh() {
    m_dialog.setChecked(C::American, m_units.system == UnitSystem::American);
    m_dialog.setChecked(C::SI, m_units.system == UnitSystem::SI);
    m_dialog.setChecked(C::SuperheatedMode, m_superheated);
    m_dialog.setChecked(C::SaturationMode, !m_superheated);

    if (m_superheated) {
        for (int radio : kPropertyRadios) m_dialog.setChecked(radio, false);
        lockAllEdits();
        if (m_flags[kFlagT]) {
            m_dialog.setChecked(C::TemperatureChoice, true);
            m_dialog.setReadOnly(C::Temperature, false);
        }
        if (m_flags[kFlagP]) {
            m_dialog.setChecked(C::PressureChoice, true);
            m_dialog.setReadOnly(C::Pressure, false);
        }
        // Enthalpy takes precedence over volume: both are typed in the Vapor
        // column and never form a pair.
        if (m_flags[kFlagH]) {
            m_flags[kFlagV] = false;
            m_dialog.setChecked(C::VolumeChoice, false);
            m_dialog.setReadOnly(C::VapourVolume, true);
            m_dialog.setChecked(C::EnthalpyChoice, true);
            m_dialog.setReadOnly(C::VapourEnthalpy, false);
        }
        if (m_flags[kFlagV]) {
            m_flags[kFlagH] = false;
            m_dialog.setChecked(C::EnthalpyChoice, false);
            m_dialog.setReadOnly(C::VapourEnthalpy, true);
            m_dialog.setChecked(C::VolumeChoice, true);
            m_dialog.setReadOnly(C::VapourVolume, false);
        }
        const int chosen = int{m_flags[kFlagT]} + int{m_flags[kFlagP]} + int{m_flags[kFlagH]} +
                           int{m_flags[kFlagV]};
        if (chosen > 2) {
            m_dialog.messageBox("Select Only Two Properties");
            for (int radio : kPropertyRadios) m_dialog.setChecked(radio, false);
            m_flags.fill(false);
            for (int edit : {C::Pressure, C::Temperature, C::VapourEnthalpy, C::VapourVolume})
                m_dialog.setReadOnly(edit, true);
        }
        const bool t = m_flags[kFlagT];
        const bool p = m_flags[kFlagP];
        if (t && p)
            m_pairCode = PairCode::TP;
        else if (t && m_flags[kFlagV])
            m_pairCode = PairCode::TV;
        else if (t && m_flags[kFlagH])
            m_pairCode = PairCode::TH;
        else if (t && m_flags[kFlagU])
            m_pairCode = PairCode::TU;
        else if (p && m_flags[kFlagV])
            m_pairCode = PairCode::PV;
        else if (p && m_flags[kFlagH])
            m_pairCode = PairCode::PH;
        else if (p && m_flags[kFlagU])
            m_pairCode = PairCode::PU;
        else
            m_pairCode = PairCode::Incomplete;
    } else {
        const auto onlyUnlocked = [this](int edit) {
            for (int e : kAllEdits) m_dialog.setReadOnly(e, e != edit);
        };
        const auto checkOnly = [this](int radio) {
            for (int r : kPropertyRadios) m_dialog.setChecked(r, r == radio);
        };
        switch (m_saturationChoice) {
            case SaturationChoice::Temperature:
                checkOnly(C::TemperatureChoice);
                onlyUnlocked(C::Temperature);
                break;
            case SaturationChoice::Pressure:
                checkOnly(C::PressureChoice);
                onlyUnlocked(C::Pressure);
                break;
            case SaturationChoice::Enthalpy:
                m_qualityChosen = false;
                checkOnly(C::EnthalpyChoice);
                onlyUnlocked(C::LiquidEnthalpy);
                break;
            case SaturationChoice::InternalEnergy:
                m_qualityChosen = false;
                checkOnly(C::EnergyChoice);
                onlyUnlocked(C::LiquidEnergy);
                break;
            case SaturationChoice::Volume:
                m_qualityChosen = false;
                checkOnly(C::VolumeChoice);
                onlyUnlocked(C::VapourVolume);
                break;
            case SaturationChoice::None:
                checkOnly(0);
                break;
        }
        if (m_qualityChosen) {
            m_dialog.setChecked(C::QualityChoice, true);
            for (int edit : kAllEdits) {
                const bool keep =
                    edit == C::Quality ||
                    (edit == C::Temperature &&
                     m_saturationChoice == SaturationChoice::Temperature) ||
                    (edit == C::Pressure && m_saturationChoice == SaturationChoice::Pressure);
                m_dialog.setReadOnly(edit, !keep);
            }
        }
    }

    for (std::size_t i = 0; i < kTemperatureUnitRadios.size(); ++i)
        m_dialog.setChecked(kTemperatureUnitRadios[i],
                            static_cast<std::size_t>(m_units.temperature) == i);
    for (std::size_t i = 0; i < kPressureUnitRadios.size(); ++i)
        m_dialog.setChecked(kPressureUnitRadios[i],
                            static_cast<std::size_t>(m_units.pressure) == i);
}

void CSteamTables::Clear() {
    m_texts = SteamTexts{};
    m_bindings.push(m_dialog);
}

}  // namespace chemeng
