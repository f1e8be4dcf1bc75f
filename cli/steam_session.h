#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/answer.h"

namespace chemeng::cli {

// What a script asks of the steam page: saturation from one property (with
// an optional quality), or a state from a pair; values in the units chosen.
struct SteamRequest {
    bool pair = false;                      // "steam state"
    std::map<std::string, double> values;   // "temperature", "pressure", "enthalpy", ...
    std::optional<double> qualityFraction;  // 0..1
    bool si = true;
    int temperatureUnit = 0;           // 0 °C, 1 °F, 2 K
    std::string pressureUnit = "kPa";  // one of the page's: kPa, bar, mmHg, inHg, atm, psia
    bool labels = true;  // JSON output has no use for the printed labels; a batch skips them
};

// The steam page played for the command line. The page is set up once per
// choice of mode, properties and units (as a user clicks them), so a batch
// of like requests only types values and presses Enter.
class SteamService {
  public:
    explicit SteamService(std::filesystem::path dataDir);
    ~SteamService();
    SteamService(const SteamService&) = delete;
    SteamService& operator=(const SteamService&) = delete;

    // Messages the page showed when it read its table (sat.txt).
    std::vector<std::string> loadMessages();

    Answer answer(const SteamRequest& request);

  private:
    class Session;
    Session& sessionFor(const SteamRequest& request);

    std::filesystem::path m_dataDir;
    std::map<std::string, std::unique_ptr<Session>> m_sessions;
    std::vector<std::string> m_loadMessages;
    bool m_loadReported = false;
    std::string m_key;  // the last session key, its storage reused
};

// Properties the steam commands take, with the saturation choices first.
inline constexpr const char* kSteamProperties[] = {"temperature", "pressure", "enthalpy",
                                                   "internal-energy", "volume"};

}  // namespace chemeng::cli
