#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace chemeng::datagen {

// The eleven compound files and the report, as texts keyed by file name.
struct GeneratedData {
    std::map<std::string, std::string> files;
    std::string error;  // empty on success
};

// Builds every file from the source tables in sourceFolder. Deterministic:
// the same tables give the same bytes.
GeneratedData generateCompoundData(const std::filesystem::path& sourceFolder);

// Writes the files into folder (which must exist); false and a message on
// failure.
bool writeGeneratedData(const GeneratedData& data, const std::filesystem::path& folder,
                        std::string& error);

// File names in the order the report lists them.
inline constexpr const char* kCompoundFileNames[] = {
    "Critical.txt", "Hfgas.txt",     "Hvap.txt",     "Density.txt", "Psat.txt", "Cpgas.txt",
    "Cpliq.txt",    "PhysProps.txt", "otherDat.txt", "HCG.txt",     "HCL.txt",
};
inline constexpr const char* kReportFileName = "REPORT.md";

}  // namespace chemeng::datagen
