#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/answer.h"

namespace chemeng::cli {

// Runs one command line (without the program's name) and returns its exit
// status. usualDataDir is where the program finds its data when neither
// --data-dir nor CHEMENG_DATA_DIR says otherwise.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::istream& in, const std::string& usualDataDir = "data");

}  // namespace chemeng::cli
