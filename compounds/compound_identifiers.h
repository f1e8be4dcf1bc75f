#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace chemeng {

// One line of data/identifiers.txt: a compound the pages offer, by the name
// the pages show it under, with its CAS number, formula and the synonyms a
// user may type (isobutane, MEK, isopropanol, ...).
struct CompoundIdentifier {
    std::string name;
    std::string cas;
    std::string formula;
    std::vector<std::string> synonyms;
};

enum class IdentifiersStatus {
    Loaded,
    FileMissing,  // the file cannot be opened
};

struct CompoundIdentifiers {
    IdentifiersStatus status = IdentifiersStatus::FileMissing;
    std::vector<CompoundIdentifier> entries;
    int skippedLines = 0;  // lines without name, CAS and formula
};

inline constexpr const char* kIdentifiersFileName = "identifiers.txt";

// Reads dataDir/identifiers.txt: one compound per line, four tab-separated
// fields (name, CAS, formula, synonyms separated by "|", possibly empty).
// A line with fewer than three non-empty fields is skipped and counted; a
// carriage return before the line feed is dropped.
CompoundIdentifiers loadCompoundIdentifiers(const std::filesystem::path& dataDir);

}  // namespace chemeng
