#pragma once

#include <string>
#include <vector>

#include "names.h"
#include "source_tables.h"

// identifiers.txt: for every compound a page offers, the name the pages show,
// its CAS number, formula and the synonyms a user may type. Tab-separated,
// one compound per line, synonyms separated by "|".
namespace chemeng::datagen {

struct IdentifierLine {
    std::string name, cas, formula;
};

// The synonyms of a compound: the handbook names and the identifier tables'
// names and synonyms that read as names (no registry codes, no language
// tags), each once, at most kMaxSynonyms, none equal to the shown name.
inline constexpr std::size_t kMaxSynonyms = 15;
std::vector<std::string> synonymsOf(const SourceTables& tables, const std::string& cas,
                                    const std::string& shownName);

std::string identifiersText(const SourceTables& tables, std::vector<IdentifierLine> lines);

}  // namespace chemeng::datagen
