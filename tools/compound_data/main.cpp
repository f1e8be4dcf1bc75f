// Rebuilds the compound data files from the public source tables.
//
//   compound_data [source-folder [output-folder]]
//
// Defaults: tools/compound_data/sources (the copied public tables) and data,
// both relative to the working directory (run it from the repository root).
#include <cstdio>
#include <filesystem>
#include <string>

#include "generator.h"

int main(int argc, char** argv) {
    if (argc > 3 ||
        (argc > 1 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help"))) {
        std::fputs("usage: compound_data [source-folder [output-folder]]\n", stderr);
        return 2;
    }
    const std::filesystem::path source = argc > 1 ? argv[1] : "tools/compound_data/sources";
    const std::filesystem::path output = argc > 2 ? argv[2] : "data";

    const chemeng::datagen::GeneratedData data = chemeng::datagen::generateCompoundData(source);
    if (!data.error.empty()) {
        std::fprintf(stderr, "compound_data: %s\n", data.error.c_str());
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(output, ec);
    std::string error;
    if (!chemeng::datagen::writeGeneratedData(data, output, error)) {
        std::fprintf(stderr, "compound_data: %s\n", error.c_str());
        return 1;
    }
    const auto report = data.files.find(chemeng::datagen::kReportFileName);
    if (report != data.files.end()) std::fputs(report->second.c_str(), stdout);
    return 0;
}
