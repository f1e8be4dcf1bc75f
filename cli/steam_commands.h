#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace chemeng::cli {

// The steam command line, as parsed.
struct SteamOptions {
    std::map<std::string, std::string> values;  // property -> typed text
    std::string quality;
    std::string system = "american";
    std::string temperatureUnit = "C";
    std::string pressureUnit = "kPa";
    std::string vary;  // the property a table runs over
    std::optional<double> from, to, step;
};

// Adds "steam saturation" and "steam state" to the steam command.
void addSteamCommands(CLI::App* steam, SteamOptions& options);

int runSteamCommand(CLI::App* steam, const SteamOptions& options, bool json,
                    const std::string& dataDir, std::ostream& out, std::ostream& err);

}  // namespace chemeng::cli
