#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace chemeng::cli {

// Exit statuses of chemeng-cli.
enum ExitStatus : int {
    kOk = 0,
    kPageMessage = 1,  // the page answered with a message (or the compound is unknown)
    kUsage = 2,        // bad command line, or a compound name that matches several
};

// Runs one command line (without the program's name) and returns its exit
// status. Data files are read from dataDir, as the window reads them.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::istream& in, const std::string& dataDir = "data");

}  // namespace chemeng::cli
