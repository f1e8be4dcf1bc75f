#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/compound_pages.h"
#include "cli/report.h"

namespace chemeng::cli {

enum class Phase { Gas, Liquid };

// What the user asks of a compound page.
struct CompoundRequest {
    std::string compound;
    std::optional<Phase> phase;
    int unit = 0;  // 0 °C, 1 °F, 2 K
    std::string temperature;
    std::string reference;
};

// Why a compound could not be chosen.
struct ChoiceError {
    int status;  // 1: not found, 2: ambiguous
    std::string text;
};

// A compound page opened for the command line with one compound chosen.
class CompoundSession {
  public:
    CompoundSession(const CompoundPageSpec& pageSpec, const std::filesystem::path& dataDir);

    // Messages the page showed while loading its files.
    const std::vector<std::string>& loadMessages() const { return m_loadMessages; }

    // Chooses the compound, phase and unit as a user would; an error when
    // the compound is unknown or ambiguous.
    std::optional<ChoiceError> choose(const CompoundRequest& request);

    // Types the temperatures and presses Enter; the page's fields afterwards,
    // or the message that stopped it.
    Report compute(const std::string& temperature, const std::string& reference);

    // Everything the page shows for the chosen compound (and the last result).
    Report shown() const;
    // The labels of the values that change from one computation to the next.
    std::vector<std::string> pointLabels() const;
    Report pointValues(const Report& full) const;

    const std::vector<CompoundChoice>& compounds() const { return m_compounds; }

  private:
    std::vector<FieldSpec> shownFields() const;

    const CompoundPageSpec& m_spec;
    PageRunner m_runner;
    std::vector<std::string> m_loadMessages;
    std::vector<CompoundChoice> m_compounds;
    Phase m_phase = Phase::Gas;
};

}  // namespace chemeng::cli
