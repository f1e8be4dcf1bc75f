#include "cli/steam_session.h"

#include <array>
#include <charconv>
#include <cmath>

#include "cli/data_location.h"
#include "cli/page_runner.h"
#include "framework/number_format.h"
#include "pages/steam_tables_layout.h"
#include "pages/steam_tables_page.h"
#include "water/steam_units.h"

namespace chemeng::cli {

namespace {

namespace C = SteamTablesCtl;

// A property the user can give: its choice radio, the edit it is typed in
// (saturation mode, pair mode), and its saturation choice code.
struct PropertyInput {
    std::string_view name;
    int radio;
    int saturationEdit;
    int pairEdit;
    SaturationChoice saturationCode;
};
constexpr std::array<PropertyInput, 5> kProperties{{
    {"temperature", C::TemperatureChoice, C::Temperature, C::Temperature,
     SaturationChoice::Temperature},
    {"pressure", C::PressureChoice, C::Pressure, C::Pressure, SaturationChoice::Pressure},
    {"enthalpy", C::EnthalpyChoice, C::LiquidEnthalpy, C::VapourEnthalpy,
     SaturationChoice::Enthalpy},
    {"internal-energy", C::EnergyChoice, C::LiquidEnergy, 0, SaturationChoice::InternalEnergy},
    {"volume", C::VolumeChoice, C::VapourVolume, C::VapourVolume, SaturationChoice::Volume},
}};

const PropertyInput& property(const std::string& name) {
    for (const PropertyInput& p : kProperties) {
        if (p.name == name) return p;
    }
    return kProperties[0];
}

int pressureRadio(const std::string& unit) {
    if (unit == "bar") return C::Bar;
    if (unit == "mmHg") return C::MmHg;
    if (unit == "inHg") return C::InHg;
    if (unit == "atm") return C::Atm;
    if (unit == "psia") return C::Psia;
    return C::KPa;
}

PressureUnit pagePressureUnit(const std::string& unit) {
    if (unit == "bar") return PressureUnit::Bar;
    if (unit == "mmHg") return PressureUnit::MmHg;
    if (unit == "inHg") return PressureUnit::InHg;
    if (unit == "atm") return PressureUnit::Atm;
    if (unit == "psia") return PressureUnit::Psia;
    return PressureUnit::KPa;
}

const char* temperatureLabel(int unit) {
    return unit == 1 ? "°F" : unit == 2 ? "K" : "°C";
}

std::string exactText(double value) {
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : formatGeneral(value);
}

std::string sixDigits(double value) {
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 6);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string();
}

// A shown value: its control, key, label stem, and where the page keeps
// its full-precision number (in the units shown).
struct OutputField {
    int id;
    std::string_view key;
    std::string_view label;
    enum class Kind { Temperature, Pressure, Energy, Volume } kind;
    double SteamResults::*slot;
    double SteamResults::*pairSlot;  // in pair mode the mixture column shows the vapour slots
};
constexpr std::array<OutputField, 11> kOutputs{{
    {C::Temperature, "temperature", "Temperature", OutputField::Kind::Temperature,
     &SteamResults::temperature, &SteamResults::temperature},
    {C::Pressure, "pressure", "Pressure", OutputField::Kind::Pressure, &SteamResults::pressure,
     &SteamResults::pressure},
    {C::LiquidEnthalpy, "liquid.enthalpy", "Liquid Specific Enthalpy", OutputField::Kind::Energy,
     &SteamResults::liquidEnthalpy, &SteamResults::liquidEnthalpy},
    {C::VapourEnthalpy, "vapor.enthalpy", "Vapor Specific Enthalpy", OutputField::Kind::Energy,
     &SteamResults::vapourEnthalpy, &SteamResults::vapourEnthalpy},
    {C::MixtureEnthalpy, "mixture.enthalpy", "Mixture Specific Enthalpy", OutputField::Kind::Energy,
     &SteamResults::mixtureEnthalpy, &SteamResults::vapourEnthalpy},
    {C::LiquidEnergy, "liquid.internal_energy", "Liquid Specific Internal Energy",
     OutputField::Kind::Energy, &SteamResults::liquidEnergy, &SteamResults::liquidEnergy},
    {C::VapourEnergy, "vapor.internal_energy", "Vapor Specific Internal Energy",
     OutputField::Kind::Energy, &SteamResults::vapourEnergy, &SteamResults::vapourEnergy},
    {C::MixtureEnergy, "mixture.internal_energy", "Mixture Specific Internal Energy",
     OutputField::Kind::Energy, &SteamResults::mixtureEnergy, &SteamResults::vapourEnergy},
    {C::LiquidVolume, "liquid.volume", "Liquid Specific Volume", OutputField::Kind::Volume,
     &SteamResults::liquidVolume, &SteamResults::liquidVolume},
    {C::VapourVolume, "vapor.volume", "Vapor Specific Volume", OutputField::Kind::Volume,
     &SteamResults::vapourVolume, &SteamResults::vapourVolume},
    {C::MixtureVolume, "mixture.volume", "Mixture Specific Volume", OutputField::Kind::Volume,
     &SteamResults::mixtureVolume, &SteamResults::vapourVolume},
}};

}  // namespace

class SteamService::Session {
  public:
    Session(const SteamRequest& request, const std::filesystem::path& dataDir)
        : m_request(request), m_runner(pageEntry(PageKind::SteamTables), dataDir) {
        HeadlessDialog& d = m_runner.dialog();
        d.click(request.pair ? C::SuperheatedMode : C::SaturationMode);
        for (const auto& [name, value] : request.values) {
            const PropertyInput& p = property(name);
            if (request.pair || page().saturationChoice() != p.saturationCode) d.click(p.radio);
        }
        if (request.qualityFraction) d.click(C::QualityChoice);
        d.click(request.si ? C::SI : C::American);
        d.click(request.temperatureUnit == 1   ? C::Fahrenheit
                : request.temperatureUnit == 2 ? C::Kelvin
                                               : C::Celsius);
        d.click(pressureRadio(request.pressureUnit));
    }

    std::vector<std::string> takeMessages() { return m_runner.takeMessages(); }

    Answer answer(const SteamRequest& request) {
        HeadlessDialog& d = m_runner.dialog();
        for (const auto& [name, value] : request.values) {
            const PropertyInput& p = property(name);
            d.type(request.pair ? p.pairEdit : p.saturationEdit, exactText(value));
        }
        if (request.qualityFraction) d.type(C::Quality, exactText(*request.qualityFraction * 100));
        d.pressEnter();
        const std::vector<std::string> messages = m_runner.takeMessages();
        if (!messages.empty()) return failureAnswer(messages.front(), request);
        return shown(request);
    }

  private:
    CSteamTables& page() { return static_cast<CSteamTables&>(m_runner.page()); }

    Answer shown(const SteamRequest& request) {
        const HeadlessDialog& d = m_runner.dialogView();
        const SteamResults& r = page().results();
        const std::string energy = request.si ? "kJ/kg" : "Btu/lb";
        const std::string volume = request.si ? "m³/kg" : "ft³/lb";
        Answer a;
        for (const OutputField& out : kOutputs) {
            std::string text = d.windowText(out.id);
            if (text.empty()) continue;
            std::string unit;
            switch (out.kind) {
                case OutputField::Kind::Temperature:
                    unit = temperatureLabel(request.temperatureUnit);
                    break;
                case OutputField::Kind::Pressure:
                    unit = request.pressureUnit;
                    break;
                case OutputField::Kind::Energy:
                    unit = energy;
                    break;
                case OutputField::Kind::Volume:
                    unit = volume;
                    break;
            }
            const double value = request.pair ? r.*out.pairSlot : r.*out.slot;
            a.fields.push_back(
                {std::string(out.key),
                 request.labels ? std::string(out.label) + " (" + unit + ")" : std::string(), unit,
                 std::move(text), value, false});
            if (out.kind == OutputField::Kind::Pressure) addQuality(a, request);
        }
        return a;
    }

    // The quality line: in saturation mode the percentage typed; in pair
    // mode the phase word the page writes, or the percentage of vapour of a
    // two-phase state.
    void addQuality(Answer& a, const SteamRequest& request) {
        const std::string text = m_runner.dialogView().windowText(C::Quality);
        if (text.empty()) return;
        Field quality{"quality", "Quality (%)", "", text, std::nullopt, false};
        quality.textScale = 100.0;
        std::string phase;
        if (!request.pair) {
            quality.value = *request.qualityFraction;
            phase = "two-phase";
        } else if (text == "superheated" || text == "subcooled" || text == "saturated") {
            // A single-phase state has no quality; JSON gives null and the
            // phase under its own key.
            phase = text;
        } else {
            quality.value = page().results().quality * 0.01;
            phase = "two-phase";
        }
        a.fields.push_back(quality);
        Field phaseField{"phase", "Phase", "", phase, std::nullopt, true};
        phaseField.jsonOnly = true;
        a.fields.push_back(phaseField);
    }

    Answer failureAnswer(const std::string& message, const SteamRequest& request) {
        Failure f{kPageMessage, message, "", ""};
        const auto has = [&](const char* name) { return request.values.count(name) != 0; };
        const std::string tUnit = temperatureLabel(request.temperatureUnit);
        const auto temperatureRange = [&](double low_K, double high_K) {
            const auto from = [&](double t_K) {
                return request.temperatureUnit == 2   ? t_K
                       : request.temperatureUnit == 1 ? (t_K - 273.15) * 1.8 + 32.0
                                                      : t_K - 273.15;
            };
            return "temperature " + exactText(request.values.at("temperature")) + " " + tUnit +
                   " is outside " + sixDigits(from(low_K)) + " to " + sixDigits(from(high_K)) +
                   " " + tUnit;
        };
        const auto pressureRange = [&](double low_kPa, double high_kPa) {
            const PressureUnit unit = pagePressureUnit(request.pressureUnit);
            return "pressure " + exactText(request.values.at("pressure")) + " " +
                   request.pressureUnit + " is outside " +
                   sixDigits(steam_units::pressureFromKPa(low_kPa, unit)) + " to " +
                   sixDigits(steam_units::pressureFromKPa(high_kPa, unit)) + " " +
                   request.pressureUnit;
        };
        if (message.rfind("Temperature is out of range for saturation", 0) == 0 &&
            has("temperature")) {
            f.field = "temperature";
            f.detail = temperatureRange(253.15, 647.096) + " (the saturation line)";
        } else if (message.rfind("Pressure is out of range for saturation", 0) == 0 &&
                   has("pressure")) {
            f.field = "pressure";
            f.detail = pressureRange(0.12545844, 22064.0) + " (the saturation line)";
        } else if (message == "Temperature is out of range" && has("temperature")) {
            // The (T, P) solver's own limits.
            f.field = "temperature";
            f.detail = temperatureRange(273.16, 705.0) + " (the temperature-pressure solver)";
        } else if (message == "Pressure is out of range" && has("pressure")) {
            f.field = "pressure";
            f.detail = pressureRange(0.7, 22000.0) + " (the temperature-pressure solver)";
        } else if (message.rfind("Temperature is out of range", 0) == 0 && has("temperature")) {
            f.field = "temperature";
            f.detail = temperatureRange(273.17, 1144.27) + " (the steam formulation)";
        } else if (message.rfind("Pressure is out of range", 0) == 0 && has("pressure")) {
            f.field = "pressure";
            f.detail = pressureRange(0.6113, 41368.0) + " (the steam formulation)";
        } else if (message == "Out of Range" && !request.pair && request.values.size() == 1) {
            f.field = request.values.begin()->first;
            f.detail = f.field + " " + exactText(request.values.begin()->second) +
                       " is outside the saturation table (sat.txt)";
        } else if (message.find("Enthalpy") != std::string::npos) {
            f.field = "enthalpy";
        } else if (message.find("Volume") != std::string::npos ||
                   message.find("volume") != std::string::npos) {
            f.field = "volume";
        }
        return Answer{{}, f};
    }

    SteamRequest m_request;
    PageRunner m_runner;
};

SteamService::SteamService(std::filesystem::path dataDir) : m_dataDir(std::move(dataDir)) {}
SteamService::~SteamService() = default;

SteamService::Session& SteamService::sessionFor(const SteamRequest& request) {
    // Built into one kept string: every batch line asks.
    std::string& key = m_key;
    key.clear();
    key += request.pair ? "pair" : "saturation";
    for (const auto& [name, value] : request.values) (key += ':') += name;
    key += request.qualityFraction ? ":quality" : "";
    key += request.si ? ":si:" : ":american:";
    key += static_cast<char>('0' + request.temperatureUnit);
    (key += ':') += request.pressureUnit;
    auto& session = m_sessions[key];
    if (!session) {
        session = std::make_unique<Session>(request, m_dataDir);
        std::vector<std::string> messages = session->takeMessages();
        if (m_sessions.size() == 1) {
            for (const std::string& message : messages)
                m_loadMessages.push_back(withPathTried(message, m_dataDir));
        }
    }
    return *session;
}

std::vector<std::string> SteamService::loadMessages() {
    if (m_loadReported) return {};
    m_loadReported = true;
    return m_loadMessages;
}

Answer SteamService::answer(const SteamRequest& request) {
    return sessionFor(request).answer(request);
}

}  // namespace chemeng::cli
