#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace chemeng::cli {

// Turns one batch request, such as {"command":"vapor-pressure",
// "compound":"WATER","temperature":100,"unit":"C"}, into the command line
// that asks the same; error says why when it cannot.
std::vector<std::string> batchArguments(const nlohmann::ordered_json& request, std::string& error);

// Reads JSON lines and answers each with one line: the command's JSON
// result, or {"error": "..."}. A malformed line is answered and the run goes
// on; the status is 0 when every line was read.
int runBatch(std::istream& in, std::ostream& out, std::ostream& err, const std::string& dataDir);

}  // namespace chemeng::cli
