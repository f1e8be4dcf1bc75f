#include "cli/steam_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <vector>

#include "cli/cli_app.h"
#include "cli/page_runner.h"
#include "cli/range_points.h"
#include "cli/report.h"
#include "pages/steam_tables_layout.h"
#include "pages/steam_tables_page.h"

namespace chemeng::cli {

namespace {

namespace C = SteamTablesCtl;

// A property the user can give: its choice radio, the edit it is typed in
// (saturation mode, superheated mode).
struct PropertyInput {
    const char* option;
    int radio;
    int saturationEdit;
    int stateEdit;
    SaturationChoice saturationCode;
};
const PropertyInput kProperties[] = {
    {"temperature", C::TemperatureChoice, C::Temperature, C::Temperature,
     SaturationChoice::Temperature},
    {"pressure", C::PressureChoice, C::Pressure, C::Pressure, SaturationChoice::Pressure},
    {"enthalpy", C::EnthalpyChoice, C::LiquidEnthalpy, C::VapourEnthalpy,
     SaturationChoice::Enthalpy},
    {"internal-energy", C::EnergyChoice, C::LiquidEnergy, 0, SaturationChoice::InternalEnergy},
    {"volume", C::VolumeChoice, C::VapourVolume, C::VapourVolume, SaturationChoice::Volume},
};

const PropertyInput* findProperty(const std::string& name) {
    for (const PropertyInput& p : kProperties) {
        if (name == p.option) return &p;
    }
    return nullptr;
}

const std::map<std::string, int> kTemperatureRadios{
    {"C", C::Celsius}, {"F", C::Fahrenheit}, {"K", C::Kelvin}};
const std::map<std::string, int> kPressureRadios{{"kPa", C::KPa},   {"bar", C::Bar},
                                                 {"mmHg", C::MmHg}, {"inHg", C::InHg},
                                                 {"atm", C::Atm},   {"psia", C::Psia}};
const std::map<std::string, const char*> kTemperatureLabels{{"C", "°C"}, {"F", "°F"}, {"K", "K"}};

// The page's fields with their labels and units; empty fields are not shown.
std::vector<std::pair<int, std::string>> fieldLabels(const SteamOptions& o) {
    const bool si = o.system == "si";
    const std::string energy = si ? " (kJ/kg)" : " (Btu/lb)";
    const std::string volume = si ? " (m³/kg)" : " (ft³/lb)";
    return {
        {C::Temperature,
         std::string("Temperature (") + kTemperatureLabels.at(o.temperatureUnit) + ")"},
        {C::Pressure, "Pressure (" + o.pressureUnit + ")"},
        {C::Quality, "Quality (%)"},
        {C::LiquidEnthalpy, "Liquid Specific Enthalpy" + energy},
        {C::VapourEnthalpy, "Vapor Specific Enthalpy" + energy},
        {C::MixtureEnthalpy, "Mixture Specific Enthalpy" + energy},
        {C::LiquidEnergy, "Liquid Specific Internal Energy" + energy},
        {C::VapourEnergy, "Vapor Specific Internal Energy" + energy},
        {C::MixtureEnergy, "Mixture Specific Internal Energy" + energy},
        {C::LiquidVolume, "Liquid Specific Volume" + volume},
        {C::VapourVolume, "Vapor Specific Volume" + volume},
        {C::MixtureVolume, "Mixture Specific Volume" + volume},
    };
}

// The steam page opened for one command: mode, properties and units chosen
// as a user would click them.
class SteamSession {
  public:
    SteamSession(const SteamOptions& options, bool superheated, const std::string& dataDir)
        : m_options(options),
          m_superheated(superheated),
          m_runner(pageEntry(PageKind::SteamTables), dataDir) {
        HeadlessDialog& d = m_runner.dialog();
        d.click(superheated ? C::SuperheatedMode : C::SaturationMode);
        auto& page = static_cast<CSteamTables&>(m_runner.page());
        for (const auto& [name, text] : options.values) {
            const PropertyInput* p = findProperty(name);
            if (superheated || page.saturationChoice() != p->saturationCode) d.click(p->radio);
        }
        if (!options.quality.empty()) d.click(C::QualityChoice);
        d.click(options.system == "si" ? C::SI : C::American);
        d.click(kTemperatureRadios.at(options.temperatureUnit));
        d.click(kPressureRadios.at(options.pressureUnit));
    }

    std::vector<std::string> takeMessages() { return m_runner.takeMessages(); }

    Report compute(const std::map<std::string, std::string>& values) {
        HeadlessDialog& d = m_runner.dialog();
        for (const auto& [name, text] : values) {
            const PropertyInput* p = findProperty(name);
            d.type(m_superheated ? p->stateEdit : p->saturationEdit, text);
        }
        if (!m_options.quality.empty()) d.type(C::Quality, m_options.quality);
        d.pressEnter();
        Report report;
        for (const auto& [id, label] : fieldLabels(m_options)) {
            const std::string text = d.windowText(id);
            if (!text.empty()) report.fields.emplace_back(label, text);
        }
        for (const std::string& message : takeMessages()) {
            report.message += (report.message.empty() ? "" : "; ") + message;
        }
        return report;
    }

  private:
    const SteamOptions& m_options;
    bool m_superheated;
    PageRunner m_runner;
};

void addCommonOptions(CLI::App* command, SteamOptions& o) {
    command
        ->add_option("--system", o.system,
                     "unit system for h, u, v: si or american (default american)")
        ->check(CLI::IsMember({"si", "american"}));
    command->add_option("--temperature-unit", o.temperatureUnit, "C, F or K (default C)")
        ->check(CLI::IsMember({"C", "F", "K"}));
    command
        ->add_option("--pressure-unit", o.pressureUnit,
                     "kPa, bar, mmHg, inHg, atm or psia (default kPa)")
        ->check(CLI::IsMember({"kPa", "bar", "mmHg", "inHg", "atm", "psia"}));
    auto* from =
        command->add_option("--from", o.from, "first point of a table over the --vary property");
    auto* to = command->add_option("--to", o.to, "last point of the table");
    auto* step = command->add_option("--step", o.step, "step between points");
    from->needs(to)->needs(step);
    to->needs(from);
    step->needs(from);
}

}  // namespace

void addSteamCommands(CLI::App* steam, SteamOptions& o) {
    auto* saturation =
        steam->add_subcommand("saturation", "saturated water and steam from one property");
    auto* state = steam->add_subcommand("state", "water or steam from a pair of properties");
    for (const PropertyInput& p : kProperties) {
        const std::string option = std::string("--") + p.option;
        saturation->add_option_function<std::string>(
            option,
            [&o, name = std::string(p.option)](const std::string& v) { o.values[name] = v; },
            std::string("the ") + p.option);
        if (p.stateEdit != 0) {
            state->add_option_function<std::string>(
                option,
                [&o, name = std::string(p.option)](const std::string& v) { o.values[name] = v; },
                std::string("the ") + p.option);
        }
    }
    saturation->add_option("--quality", o.quality,
                           "quality in percent (with --temperature or --pressure)");
    saturation->add_option("--vary", o.vary, "the property a --from/--to/--step table runs over")
        ->check(
            CLI::IsMember({"temperature", "pressure", "enthalpy", "internal-energy", "volume"}));
    state->add_option("--vary", o.vary, "the property a --from/--to/--step table runs over")
        ->check(CLI::IsMember({"temperature", "pressure", "enthalpy", "volume"}));
    addCommonOptions(saturation, o);
    addCommonOptions(state, o);
}

int runSteamCommand(CLI::App* steam, const SteamOptions& options, bool json,
                    const std::string& dataDir, std::ostream& out, std::ostream& err) {
    const bool superheated = steam->get_subcommand("state")->parsed();
    SteamOptions o = options;
    const bool table = o.from.has_value();
    if (table) {
        if (o.vary.empty()) o.vary = "temperature";
        o.values[o.vary] = "0";  // chosen now, typed per point below
    }
    const std::size_t wanted = superheated ? 2 : 1;
    if (o.values.size() != wanted) {
        err << "chemeng-cli steam "
            << (superheated ? "state: give two of --temperature, --pressure, "
                              "--enthalpy, --volume\n"
                            : "saturation: give one of --temperature, --pressure, "
                              "--enthalpy, --internal-energy, --volume\n");
        return kUsage;
    }
    if (superheated && o.values.count("enthalpy") != 0 && o.values.count("volume") != 0) {
        err << "chemeng-cli steam state: enthalpy and volume cannot be given together\n";
        return kUsage;
    }
    if (!o.quality.empty() && o.values.count("temperature") == 0 &&
        o.values.count("pressure") == 0) {
        err << "chemeng-cli steam saturation: --quality goes with --temperature or --pressure\n";
        return kUsage;
    }

    SteamSession session(o, superheated, dataDir);
    for (const std::string& message : session.takeMessages())
        err << "chemeng-cli: " << message << '\n';

    if (!table) {
        const Report report = session.compute(o.values);
        if (report.failed()) {
            err << report.message << '\n';
            return kPageMessage;
        }
        if (json) {
            out << report.toJson().dump() << '\n';
        } else {
            report.printText(out);
        }
        return kOk;
    }

    std::string rangeError;
    const auto points = rangePoints(*o.from, *o.to, *o.step, rangeError);
    if (points.empty()) {
        err << "chemeng-cli: " << rangeError << '\n';
        return kUsage;
    }
    std::vector<std::string> labels;
    for (const auto& [id, label] : fieldLabels(o)) labels.push_back(label);
    CsvTable csv(labels);
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const std::string& point : points) {
        auto values = o.values;
        values[o.vary] = point;
        Report report = session.compute(values);
        if (report.failed()) report.fields.clear();  // the page kept its previous results
        csv.addRow(report);
        rows.push_back(report.toJson());
    }
    if (json) {
        out << rows.dump() << '\n';
    } else {
        csv.print(out);
    }
    return kOk;
}

}  // namespace chemeng::cli
