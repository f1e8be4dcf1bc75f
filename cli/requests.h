#pragma once

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/answer.h"
#include "cli/compound_pages.h"
#include "cli/compound_session.h"
#include "cli/output.h"
#include "cli/steam_session.h"

namespace chemeng::cli {

// A command's options as typed, by name without dashes ("temperature",
// "pressure-unit"); flags hold "true". The command line and batch lines both
// arrive in this form and are checked by the same rules.
using Options = std::map<std::string, std::string>;

// A table over one input: the points, in the input's own unit.
struct Sweep {
    std::string vary;  // "temperature", "pressure", ...
    std::vector<double> points;
};

// How the answer is to be printed.
struct OutputChoice {
    bool json = false;
    TextStyle style;
    TableFormat tableFormat = TableFormat::Csv;
};

// A checked request: what to compute and how to print it.
struct Request {
    enum class Kind { List, Compound, Steam } kind = Kind::Compound;
    const CompoundPageSpec* page = nullptr;
    CompoundRequest compound;
    SteamRequest steam;
    std::optional<Sweep> sweep;
    std::string listPage = "physical";
    std::string search;
    OutputChoice output;
};

// The commands, as their words: "physical", ..., "steam saturation",
// "steam state", "compounds".
bool isCommand(const std::string& command);

// The option names a command takes (without the output options).
const std::vector<std::string>& optionsOf(const std::string& command);

// Checks a command's options strictly: every number a number as a whole,
// units known, choices among their values. A refusal says which option and
// why (status 2).
std::variant<Request, Failure> parseRequest(const std::string& command, const Options& options);

}  // namespace chemeng::cli
