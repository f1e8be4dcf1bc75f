#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <map>
#include <variant>

#include "chemeng_version.h"
#include "cli/batch.h"
#include "cli/data_location.h"
#include "cli/requests.h"
#include "cli/runner.h"

namespace chemeng::cli {

namespace {

const std::map<std::string, std::string> kOptionHelp{
    {"compound", "name, formula, CAS number or synonym (case, blanks and punctuation ignored)"},
    {"temperature",
     "temperature; a unit written with it overrides the unit option: 25, 25C, 77F, 298.15K"},
    {"reference", "reference temperature of the enthalpy change (a unit may be written with it)"},
    {"unit", "temperature unit when none is written with the number: C, F or K (default C)"},
    {"phase", "gas or liquid"},
    {"basis", "molar (default: J/(mol·K), J/mol) or mass (J/(g·K), kJ/kg)"},
    {"pressure",
     "pressure; a unit may be written with it: 101.325kPa, 1bar, 1.5MPa, 14.7psia, 760mmHg"},
    {"enthalpy", "specific enthalpy, in kJ/kg (--system si) or Btu/lb"},
    {"internal-energy", "specific internal energy, in kJ/kg (--system si) or Btu/lb"},
    {"volume", "specific volume, in m³/kg (--system si) or ft³/lb"},
    {"quality",
     "vapour quality: a fraction from 0 to 1 (0.9), or a percentage written with % (90%); a bare "
     "number above 1 is refused"},
    {"system",
     "unit system of h, u and v: si (default; kJ/kg, m³/kg) or american (Btu/lb, "
     "ft³/lb)"},
    {"temperature-unit", "temperature unit of the steam page: C (default), F or K"},
    {"vary", "the input a --from/--to/--step table runs over (default temperature)"},
    {"from", "first point of a table (replaces the single value; a unit may be written with it)"},
    {"to", "last point of the table"},
    {"step", "step between points"},
    {"page", "which page's compounds: physical, heat-capacity, enthalpy, density, vapor-pressure"},
    {"search", "only names or formulas containing this text"},
};

std::string optionHelp(const std::string& command, const std::string& name) {
    if (name == "pressure-unit") {
        return command == "vapor-pressure"
                   ? "unit of the vapour pressure: mmHg (default, the page's), Pa, kPa, MPa, bar, "
                     "atm, psia, inHg"
                   : "pressure unit of the steam page: kPa (default), bar, mmHg, inHg, atm, psia";
    }
    const auto it = kOptionHelp.find(name);
    return it == kOptionHelp.end() ? std::string() : it->second;
}

const std::map<std::string, std::string> kCommandHelp{
    {"physical", "the constants of a compound"},
    {"heat-capacity", "heat capacity of a gas or liquid at a temperature"},
    {"enthalpy", "enthalpy change between a reference temperature and a temperature"},
    {"density", "density of a liquid at a temperature"},
    {"vapor-pressure", "vapour pressure (Antoine) at a temperature"},
    {"compounds", "list the compounds a page offers"},
};

constexpr const char* kFooter =
    "Numbers: every numeric option must be a number as a whole (a decimal comma reads as the "
    "point); anything else is a usage error (status 2). Output: text keeps the window's "
    "3-decimal display unless --digits N is given; --json prints full-precision numbers with "
    "snake_case keys and a \"units\" object. Labels carry their units and are spelt correctly "
    "here (the window keeps its own labels). Exit status: 0 answered, 1 the page's message "
    "(\"Out of Range\", ...) or an unknown compound, 2 usage error or ambiguous compound.";

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::istream& in, const std::string& usualDataDir) {
    CLI::App app{
        "Properties of pure compounds, water and steam, as the Chemical Engineering "
        "window computes them.\n" +
            dataSearchHelp(),
        "chemeng-cli"};
    app.footer(kFooter);
    app.require_subcommand(0, 1);
    app.fallthrough();
    Options options;
    std::string dataDir;
    bool version = false;
    app.add_flag_function(
        "--json", [&options](std::int64_t) { options["json"] = "true"; },
        "print JSON: full-precision numbers, snake_case keys, a \"units\" object; errors as "
        "{\"error\": {...}} on standard output");
    app.add_option_function<std::string>(
        "--digits", [&options](const std::string& v) { options["digits"] = v; },
        "print N significant digits of the full-precision values instead of the page's display");
    app.add_option_function<std::string>(
        "--format", [&options](const std::string& v) { options["format"] = v; },
        "format of a --from/--to/--step table: csv (default), tsv or json (JSON lines)");
    app.add_option("--data-dir", dataDir, "read the data files from DIR");
    app.add_flag("--version", version, "print the version and the data files' identity");

    std::map<std::string, CLI::App*> commands;
    CLI::App* steam = app.add_subcommand("steam", "properties of water and steam (SI by default)");
    steam->require_subcommand(1);
    const auto addCommand = [&](CLI::App* parent, const std::string& name,
                                const std::string& command, const std::string& description) {
        CLI::App* sub = parent->add_subcommand(name, description);
        for (const std::string& option : optionsOf(command)) {
            const auto store = [&options, option](const std::string& v) { options[option] = v; };
            if (option == "compound") {
                sub->add_option_function<std::string>(option, store, optionHelp(command, option))
                    ->required();
            } else {
                sub->add_option_function<std::string>("--" + option, store,
                                                      optionHelp(command, option));
            }
        }
        commands[command] = sub;
    };
    addCommand(&app, "compounds", "compounds", kCommandHelp.at("compounds"));
    for (const char* page : {"physical", "heat-capacity", "enthalpy", "density", "vapor-pressure"})
        addCommand(&app, page, page, kCommandHelp.at(page));
    addCommand(steam, "saturation", "steam saturation",
               "saturated water and steam from one property (and a quality)");
    addCommand(steam, "state", "steam state", "water or steam from a pair of properties");
    std::string batchFile;
    CLI::App* batch = app.add_subcommand(
        "batch", "JSON lines in, JSON lines out; pages and data stay loaded for the whole run");
    batch->add_option("file", batchFile, "input file (standard input when absent)");

    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? kOk : kUsage;
    }

    const std::filesystem::path data = locateData(dataDir, usualDataDir);
    if (version) {
        out << "chemeng-cli " << kVersion << '\n'
            << "data: " << data.string() << " (" << dataIdentity(data) << ")\n";
        return kOk;
    }
    Runner runner(data);
    if (batch->parsed()) {
        if (batchFile.empty()) return runBatch(in, out, err, runner);
        std::ifstream file(batchFile);
        if (!file) {
            err << "chemeng-cli: cannot open " << batchFile << '\n';
            return kUsage;
        }
        return runBatch(file, out, err, runner);
    }
    for (const auto& [command, sub] : commands) {
        if (!sub->parsed()) continue;
        const auto parsed = parseRequest(command, options);
        if (const Failure* failure = std::get_if<Failure>(&parsed)) {
            if (options.count("json") != 0) {
                out << failureJson(*failure) << '\n';
            } else {
                err << "chemeng-cli " << command << ": " << failureText(*failure) << '\n';
            }
            return failure->status;
        }
        const Request& request = std::get<Request>(parsed);
        const std::vector<Answer> answers = runner.evaluate(request);
        for (const std::string& message : runner.takeLoadMessages())
            err << "chemeng-cli: " << message << '\n';
        return printAnswers(request, answers, out, err);
    }
    err << app.help();
    return kUsage;
}

}  // namespace chemeng::cli
