#include "identifiers_file.h"

#include <algorithm>
#include <set>

#include "row_screening.h"

namespace chemeng::datagen {

namespace {

constexpr std::size_t kMaxSynonymLength = 40;
constexpr int kIdentifierFirstNameColumn = 7;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A name a person would type: lower-case words, digits, blanks and the
// punctuation of chemical names; not a registry number or a catalogue code.
bool readsAsName(const std::string& s) {
    if (s.empty() || s.size() > kMaxSynonymLength) return false;
    int digitRun = 0;
    bool letter = false;
    for (char c : s) {
        const bool ok = (c >= 'a' && c <= 'z') || isDigit(c) || c == ' ' || c == ',' || c == '-' ||
                        c == '(' || c == ')' || c == '\'' || c == '+';
        if (!ok) return false;
        letter = letter || (c >= 'a' && c <= 'z');
        digitRun = isDigit(c) ? digitRun + 1 : 0;
        if (digitRun >= 4) return false;
    }
    return letter;
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace

std::vector<std::string> synonymsOf(const SourceTables& t, const std::string& cas,
                                    const std::string& shownName) {
    std::vector<std::string> raw;
    const std::pair<const SourceTable*, const char*> named[] = {
        {&t.perry2150Hvap, "Chemical"},         {&t.perry105Density, "Chemical"},
        {&t.perry28VaporPressure, "Chemical"},  {&t.crcOrganicConstants, "Name"},
        {&t.crcInorganicConstants, "Chemical"},
    };
    for (const auto& [table, column] : named) raw.push_back(lower(table->text(cas, column)));
    for (const SourceTable& table : t.identifiers)
        if (const SourceTable::Row* row = table.find(cas)) {
            for (std::size_t c = kIdentifierFirstNameColumn; c < row->size(); ++c)
                raw.push_back(trim((*row)[c]));
            break;
        }
    std::set<std::string> seen{nameKey(shownName)};
    std::vector<std::string> synonyms;
    for (const std::string& s : raw) {
        if (synonyms.size() == kMaxSynonyms) break;
        if (!readsAsName(s) || !seen.insert(nameKey(s)).second) continue;
        synonyms.push_back(s);
    }
    return synonyms;
}

std::string identifiersText(const SourceTables& tables, std::vector<IdentifierLine> lines) {
    std::stable_sort(
        lines.begin(), lines.end(),
        [](const IdentifierLine& a, const IdentifierLine& b) { return a.name < b.name; });
    std::string text;
    for (const IdentifierLine& l : lines) {
        std::string synonyms;
        for (const std::string& s : synonymsOf(tables, l.cas, l.name))
            synonyms += (synonyms.empty() ? "" : "|") + s;
        text += l.name + "\t" + l.cas + "\t" + l.formula + "\t" + synonyms + "\n";
    }
    return text;
}

}  // namespace chemeng::datagen
