#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "framework/data_directory.h"

int main(int argc, char* argv[]) {
    // Batches write hundreds of thousands of lines; nothing here mixes C stdio in.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto dataDir = chemeng::findDataDirectory(".", chemeng::executableDirectory(argv[0]));
    return chemeng::cli::runCli(args, std::cout, std::cerr, std::cin, dataDir.string());
}
