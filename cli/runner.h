#pragma once

#include <filesystem>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli/answer.h"
#include "cli/compound_names.h"
#include "cli/compound_session.h"
#include "cli/requests.h"
#include "cli/steam_session.h"

namespace chemeng::cli {

// Computes checked requests. Pages are opened and data files read once,
// when a request first needs them, and kept for every later request: one
// command line uses it once, a batch for all its lines.
class Runner {
  public:
    explicit Runner(std::filesystem::path dataDir);

    // The answer to a request: one, or one per point of its table (each
    // point's fields start with the varied input), or one per compound for
    // "compounds".
    std::vector<Answer> evaluate(const Request& request);

    // Messages from reading the data files since the last call ("Error
    // opening ...", with the path tried).
    std::vector<std::string> takeLoadMessages();

  private:
    CompoundSession& compoundSession(const CompoundPageSpec& page);
    std::vector<Answer> compoundAnswers(const Request& request);
    std::vector<Answer> steamAnswers(const Request& request);
    std::vector<Answer> compoundList(const Request& request);

    std::filesystem::path m_dataDir;
    CompoundIdentifiers m_identifiers;
    std::map<PageKind, std::unique_ptr<CompoundSession>> m_compounds;
    std::unique_ptr<SteamService> m_steam;
    std::vector<std::string> m_loadMessages;
};

// Prints a request's answers on the command line: text, JSON or a table;
// a failure goes to standard error (or, under --json, as {"error": ...} to
// standard output). Returns the exit status.
int printAnswers(const Request& request, const std::vector<Answer>& answers, std::ostream& out,
                 std::ostream& err);

// The answers as one JSON value, as batch lines carry them: the answer's
// object (or {"error": ...}); {"rows": [...]} for a table; {"compounds":
// [...]} for a list.
std::string answersJson(const Request& request, const std::vector<Answer>& answers);

}  // namespace chemeng::cli
