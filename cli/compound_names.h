#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace chemeng::cli {

// A compound as a page offers it: its row in the page's table, its name
// (trailing blanks removed) and formula, and whether it is a Miscellaneous
// one.
struct CompoundEntry {
    int row = 0;
    std::string name;
    std::string formula;
    bool miscellaneous = false;
};

// Other names for compounds: CAS registry numbers and synonyms, each leading
// to a compound's name as the data files write it. Read from
// identifiers.txt in the data directory when there is one: one compound per
// line, the name first, then its identifiers, separated by tabs, '|' or ';'
// ('#' starts a comment). Without the file there are simply no synonyms.
class CompoundIdentifiers {
  public:
    static CompoundIdentifiers load(const std::filesystem::path& dataDir);
    void add(const std::string& identifier, const std::string& name);
    // The names an identifier stands for (compared as normalised keys).
    std::vector<std::string> namesFor(const std::string& text) const;
    bool empty() const { return m_names.empty(); }

  private:
    std::multimap<std::string, std::string> m_names;  // normalised identifier -> name
};

struct MatchResult {
    std::optional<CompoundEntry> choice;   // the one compound meant
    std::vector<CompoundEntry> ambiguous;  // when several different ones match
    std::vector<std::string> suggestions;  // the closest names, for a miss
};

// Matches a user's text against a page's compounds: the name or formula
// exactly as written first; then ignoring case, blanks and punctuation
// ("benzoic acid" finds BENZOIC-ACID); then CAS numbers and synonyms. A main
// compound wins over a Miscellaneous one; rows of the same name are one
// compound (the first row). A miss comes with the closest names.
MatchResult matchCompound(const std::vector<CompoundEntry>& compounds, const std::string& text,
                          const CompoundIdentifiers& identifiers);

// Upper-case letters and digits only: the key of the lenient comparison.
std::string normalised(const std::string& text);

// Removes trailing blanks (the fixed-column files pad names with them).
std::string trimmedRight(std::string text);

}  // namespace chemeng::cli
