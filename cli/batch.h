#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/requests.h"

namespace chemeng::cli {

class Runner;

// Turns one batch line's object, such as {"id": 7, "command":
// "vapor-pressure", "compound": "WATER", "temperature": "100C"}, into a
// command and its options; error says why when it cannot.
bool batchOptions(const nlohmann::json& line, std::string& command, Options& options,
                  std::string& error);

// Reads JSON lines and answers each with one line: the command's JSON answer
// or {"error": {...}}, with the line's "id" first when it has one. A bad line
// is answered and the run goes on; the pages and data stay loaded for the
// whole run. The status is 0 when every line was read.
int runBatch(std::istream& in, std::ostream& out, std::ostream& err, Runner& runner);

}  // namespace chemeng::cli
