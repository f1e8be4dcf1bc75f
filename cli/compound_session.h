#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "cli/answer.h"
#include "cli/compound_names.h"
#include "cli/compound_pages.h"
#include "cli/compound_values.h"
#include "cli/page_runner.h"
#include "compounds/compound_table.h"
#include "compounds/heat_capacity_correlation.h"

namespace chemeng::cli {

// What a script asks of a compound page.
struct CompoundRequest {
    std::string compound;
    Phase phase = Phase::Gas;
    int unit = 0;  // 0 °C, 1 °F, 2 K
    double temperature = 0.0;
    double reference = 0.0;
    bool massBasis = false;             // Cp in J/(g·K), ΔH in kJ/kg
    std::string pressureUnit = "mmHg";  // of the vapour pressure
};

// One compound page opened for the command line, with its data loaded once:
// the page itself (played as a user would, for what the window shows) and
// its table (for the full-precision values). A batch keeps one per page for
// the whole run.
class CompoundSession {
  public:
    CompoundSession(const CompoundPageSpec& pageDescription, const std::filesystem::path& dataDir,
                    const CompoundIdentifiers& identifiers);

    // Messages the page showed while loading its files.
    const std::vector<std::string>& loadMessages() const { return m_loadMessages; }
    const std::vector<CompoundEntry>& compounds() const { return m_compounds; }

    // The compound a text names, or why there is none.
    std::variant<CompoundEntry, Failure> find(const std::string& text) const;

    // Everything the page shows for the compound; on a computing page also
    // the result at the request's temperature (or the page's message).
    Answer answer(const CompoundEntry& compound, const CompoundRequest& request);

  private:
    void choose(const CompoundEntry& compound, const CompoundRequest& request);
    Field makeField(const FieldSpec& pageDescription, int row,
                    const CompoundRequest& request) const;
    Field resultField(int row, const CompoundRequest& request, const ResultValue& value) const;
    Failure failureFor(const std::string& message, const CompoundRequest& request,
                       const ResultValue& value) const;
    double toKelvin(double t, int unit) const;
    double fromKelvin(double t_K, int unit) const;

    const CompoundPageSpec& m_spec;
    const CompoundIdentifiers& m_identifiers;
    PageRunner m_runner;
    CompoundTable m_table;
    std::vector<std::string> m_loadMessages;
    std::vector<CompoundEntry> m_compounds;
    // What the page has chosen, so that a batch of requests for one compound
    // does not choose it again for every line.
    int m_chosenRow = -1;
    Phase m_chosenPhase = Phase::Gas;
    int m_chosenUnit = -1;
};

// "°C", "°F", "K".
const char* temperatureUnitLabel(int unit);

}  // namespace chemeng::cli
