#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "chemeng_version.h"
#include "cli/batch.h"
#include "cli/compound_commands.h"
#include "cli/range_points.h"
#include "cli/steam_commands.h"

namespace chemeng::cli {

namespace {

const std::map<std::string, int> kTemperatureUnits{{"C", 0}, {"F", 1}, {"K", 2}};

struct Range {
    std::optional<double> from, to, step;
    bool given() const { return from || to || step; }
};

void addRangeOptions(CLI::App* command, Range& range, CLI::Option* single) {
    auto* from = command->add_option("--from", range.from,
                                     "first point of a table (replaces the single value)");
    auto* to = command->add_option("--to", range.to, "last point of the table");
    auto* step = command->add_option("--step", range.step, "step between points");
    from->needs(to)->needs(step)->excludes(single);
    to->needs(from);
    step->needs(from);
}

void printReport(const Report& report, bool json, std::ostream& out) {
    if (json) {
        out << report.toJson().dump() << '\n';
    } else {
        report.printText(out);
    }
}

// Runs a compound page command: one computation, or a table over a range.
int runCompoundCommand(const CompoundPageSpec& pageSpec, const CompoundRequest& request,
                       const Range& range, bool json, const std::string& dataDir, std::ostream& out,
                       std::ostream& err) {
    CompoundSession session(pageSpec, dataDir);
    for (const std::string& message : session.loadMessages())
        err << "chemeng-cli: " << message << '\n';
    if (auto error = session.choose(request)) {
        err << "chemeng-cli: " << error->text << '\n';
        return error->status;
    }
    if (!pageSpec.computes()) {
        printReport(session.shown(), json, out);
        return kOk;
    }
    if (!range.given()) {
        const Report report = session.compute(request.temperature, request.reference);
        if (report.failed()) {
            err << report.message << '\n';
            return kPageMessage;
        }
        printReport(report, json, out);
        return kOk;
    }

    std::string rangeError;
    const auto points = rangePoints(*range.from, *range.to, *range.step, rangeError);
    if (points.empty()) {
        err << "chemeng-cli: " << rangeError << '\n';
        return kUsage;
    }
    CsvTable table(session.pointLabels());
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const std::string& point : points) {
        Report values = session.pointValues(session.compute(point, request.reference));
        if (values.failed()) {
            // The page keeps its previous result after a message; this point has none.
            for (auto& [label, value] : values.fields) {
                if (label == pageSpec.result.label) value.clear();
            }
        }
        table.addRow(values);
        rows.push_back(values.toJson());
    }
    if (json) {
        out << rows.dump() << '\n';
    } else {
        table.print(out);
    }
    return kOk;
}

int runCompoundList(const std::string& pageName, const std::string& search, bool json,
                    const std::string& dataDir, std::ostream& out, std::ostream& err) {
    const CompoundPageSpec* pageSpec = findCompoundPage(pageName);
    CompoundSession session(*pageSpec, dataDir);
    for (const std::string& message : session.loadMessages())
        err << "chemeng-cli: " << message << '\n';
    const std::string wanted = normalised(search);
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const CompoundChoice& c : session.compounds()) {
        if (!wanted.empty() && normalised(c.name).find(wanted) == std::string::npos &&
            normalised(c.formula).find(wanted) == std::string::npos) {
            continue;
        }
        const char* group = c.miscellaneous ? "Miscellaneous" : "main";
        if (json) {
            Report r{{{"name", c.name}, {"formula", c.formula}, {"list", group}}, {}};
            list.push_back(r.toJson());
        } else {
            out << c.name << '\t' << c.formula << '\t' << group << '\n';
        }
    }
    if (json) out << list.dump() << '\n';
    return kOk;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::istream& in, const std::string& dataDir) {
    CLI::App app{
        "Properties of pure compounds, water and steam, as the Chemical Engineering window "
        "computes them. Data files are read from ./data.",
        "chemeng-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("chemeng-cli ") + kVersion);
    bool json = false;
    app.add_flag("--json", json, "print one JSON object instead of label: value lines");
    app.fallthrough();

    // compounds
    std::string listPage = "physical";
    std::string search;
    auto* compounds = app.add_subcommand("compounds", "list the compounds a page offers");
    compounds->add_option("--page", listPage, "which page's list")
        ->check(
            CLI::IsMember({"physical", "heat-capacity", "enthalpy", "density", "vapor-pressure"}));
    compounds->add_option("--search", search, "only names or formulas containing this text");

    // The five compound pages.
    CompoundRequest request;
    std::string phase;
    std::string unit = "C";
    Range range;
    std::map<std::string, CLI::App*> pageCommands;
    const std::map<std::string, std::string> descriptions{
        {"physical", "the constants of a compound"},
        {"heat-capacity", "heat capacity of a gas or liquid at a temperature"},
        {"enthalpy", "enthalpy change between a reference temperature and a temperature"},
        {"density", "density of a liquid at a temperature"},
        {"vapor-pressure", "vapour pressure (Antoine) at a temperature"},
    };
    for (const CompoundPageSpec& pageSpec : compoundPages()) {
        const std::string name(pageSpec.command);
        auto* command = app.add_subcommand(name, descriptions.at(name));
        command->add_option("compound", request.compound, "name or formula")->required();
        pageCommands[name] = command;
        if (!pageSpec.computes()) continue;
        if (pageSpec.gasRadio != 0) {
            command->add_option("--phase", phase, "gas or liquid")
                ->required()
                ->check(CLI::IsMember({"gas", "liquid"}));
        }
        auto* temperature =
            command->add_option("--temperature", request.temperature, "temperature");
        addRangeOptions(command, range, temperature);
        if (pageSpec.referenceEdit != 0) {
            command->add_option("--reference", request.reference, "reference temperature")
                ->required();
        }
        command->add_option("--unit", unit, "temperature unit: C, F or K (default C)")
            ->check(CLI::IsMember({"C", "F", "K"}));
    }

    SteamOptions steam;
    auto* steamCommand = app.add_subcommand("steam", "properties of water and steam");
    steamCommand->require_subcommand(1);
    addSteamCommands(steamCommand, steam);

    std::string batchFile;
    auto* batch = app.add_subcommand("batch", "JSON lines in, JSON lines out");
    batch->add_option("file", batchFile, "input file (standard input when absent)");

    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? kOk : kUsage;
    }

    if (compounds->parsed()) return runCompoundList(listPage, search, json, dataDir, out, err);
    for (const auto& [name, command] : pageCommands) {
        if (!command->parsed()) continue;
        const CompoundPageSpec& pageSpec = *findCompoundPage(name);
        if (pageSpec.computes() && request.temperature.empty() && !range.given()) {
            err << "chemeng-cli " << name << ": give --temperature, or --from, --to and --step\n";
            return kUsage;
        }
        if (!phase.empty()) request.phase = phase == "gas" ? Phase::Gas : Phase::Liquid;
        request.unit = kTemperatureUnits.at(unit);
        return runCompoundCommand(pageSpec, request, range, json, dataDir, out, err);
    }
    if (steamCommand->parsed())
        return runSteamCommand(steamCommand, steam, json, dataDir, out, err);
    if (batch->parsed()) {
        if (batchFile.empty()) return runBatch(in, out, err, dataDir);
        std::ifstream file(batchFile);
        if (!file) {
            err << "chemeng-cli: cannot open " << batchFile << '\n';
            return kPageMessage;
        }
        return runBatch(file, out, err, dataDir);
    }
    return kUsage;
}

}  // namespace chemeng::cli
