#include "names.h"

#include <array>
#include <utility>

#include "compound_identity.h"

namespace chemeng::datagen {

namespace {

// UTF-8 spellings of the non-ASCII characters met in the source names.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kSpelledOut{{
    {"\xCE\xB1", "ALPHA"},
    {"\xCE\xB2", "BETA"},
    {"\xCE\xB3", "GAMMA"},
    {"\xCE\xB4", "DELTA"},
    {"\xCE\x94", "DELTA"},
    {"\xCE\xB5", "EPSILON"},
    {"\xCF\x88", "PSI"},
    {"\xC2\xB1", "(+-)"},
}};

// Shortenings tried in order on names longer than their window.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kAbbreviations{{
    {"TRANS-", "T-"},
    {"CIS-", "C-"},
    {"NORMAL-", "N-"},
    {"TERTIARY-", "TERT-"},
    {"SECONDARY-", "SEC-"},
    {"ETHER", "ETH"},
    {"GLYCOL", "GLY"},
    {"METHYL", "ME"},
    {"ETHYL", "ET"},
}};

bool isJoiner(char c) {
    return c == ',' || c == '-' || c == '(' || c == ')' || c == '/' || c == '[';
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

std::string normalizeName(std::string_view sourceName) {
    std::string ascii;
    for (std::size_t i = 0; i < sourceName.size();) {
        const auto byte = static_cast<unsigned char>(sourceName[i]);
        if (byte < 0x80) {
            const char c = sourceName[i];
            ascii += (c == '\t') ? ' ' : c;
            ++i;
            continue;
        }
        bool known = false;
        for (const auto& [utf8, spelled] : kSpelledOut)
            if (sourceName.substr(i, utf8.size()) == utf8) {
                ascii += spelled;
                i += utf8.size();
                known = true;
                break;
            }
        if (!known) return {};
    }
    std::string upper;
    for (char c : ascii) upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;

    // Blanks: dropped beside punctuation, otherwise a run becomes one hyphen.
    std::string joined;
    for (std::size_t i = 0; i < upper.size(); ++i) {
        if (upper[i] != ' ') {
            joined += upper[i];
            continue;
        }
        std::size_t end = i;
        while (end < upper.size() && upper[end] == ' ') ++end;
        const bool atEdge = joined.empty() || end == upper.size();
        if (!atEdge && !isJoiner(joined.back()) && !isJoiner(upper[end])) joined += '-';
        i = end - 1;
    }
    return joined;
}

std::vector<std::string> candidateNames(const SourceTables& tables, const std::string& cas) {
    const std::pair<const SourceTable*, const char*> named[] = {
        {&tables.perry2150Hvap, "Chemical"},         {&tables.perry105Density, "Chemical"},
        {&tables.perry153Dippr100, "Chemical"},      {&tables.perry153Dippr114, "Name"},
        {&tables.perry28VaporPressure, "Chemical"},  {&tables.crcOrganicConstants, "Name"},
        {&tables.crcInorganicConstants, "Chemical"},
    };
    std::vector<std::string> names;
    const auto add = [&names](const std::string& raw) {
        std::string name = normalizeName(raw);
        if (!name.empty()) names.push_back(std::move(name));
    };
    for (const auto& [table, column] : named) add(table->text(cas, column));
    add(identifierCommonName(tables, cas));
    return names;
}

std::string chooseName(const std::vector<std::string>& candidates, std::size_t maxLength) {
    for (const std::string& name : candidates)
        if (name.size() <= maxLength) return name;
    if (candidates.empty()) return {};
    std::string shortened = candidates.front();
    for (const auto& [from, to] : kAbbreviations) {
        shortened = replaceAll(shortened, from, to);
        if (shortened.size() <= maxLength) return shortened;
    }
    return {};
}

}  // namespace chemeng::datagen
