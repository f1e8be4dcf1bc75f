#include "cli/compound_names.h"

#include <algorithm>
#include <fstream>

namespace chemeng::cli {

std::string normalised(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c >= 'a' && c <= 'z') {
            out.push_back(static_cast<char>(c - 'a' + 'A'));
        } else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            out.push_back(c);
        }
    }
    return out;
}

std::string trimmedRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.pop_back();
    return text;
}

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return trimmedRight(text.substr(first));
}

// Levenshtein distance, for "did you mean".
std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> previous(b.size() + 1), current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

std::vector<std::string> closestNames(const std::vector<CompoundEntry>& compounds,
                                      const std::string& text) {
    const std::string wanted = normalised(text);
    if (wanted.empty()) return {};
    std::vector<std::pair<std::size_t, std::string>> scored;
    for (const CompoundEntry& c : compounds) {
        const std::string key = normalised(c.name);
        std::size_t distance = editDistance(wanted, key);
        // A misspelt beginning of a longer name ("benzoik" for BENZOIC-ACID).
        if (key.size() > wanted.size())
            distance = std::min(distance, editDistance(wanted, key.substr(0, wanted.size())) + 1);
        // A name that contains the text (or the text the name) is close
        // whatever its length.
        if (key.find(wanted) != std::string::npos || wanted.find(key) != std::string::npos)
            distance = std::min<std::size_t>(distance, 1);
        const std::size_t limit = std::max<std::size_t>(2, wanted.size() / 3);
        if (distance <= limit) scored.emplace_back(distance, c.name);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (const auto& [distance, name] : scored) {
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
        if (names.size() == 5) break;
    }
    return names;
}

}  // namespace

CompoundIdentifiers CompoundIdentifiers::load(const std::filesystem::path& dataDir) {
    CompoundIdentifiers identifiers;
    std::ifstream file(dataDir / "identifiers.txt");
    for (std::string line; std::getline(file, line);) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::vector<std::string> parts;
        std::string part;
        for (char c : line) {
            if (c == '\t' || c == '|' || c == ';') {
                parts.push_back(trimmed(part));
                part.clear();
            } else {
                part.push_back(c);
            }
        }
        parts.push_back(trimmed(part));
        if (parts.size() < 2 || parts.front().empty()) continue;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            if (!parts[i].empty()) identifiers.add(parts[i], parts.front());
        }
    }
    return identifiers;
}

void CompoundIdentifiers::add(const std::string& identifier, const std::string& name) {
    const std::string key = normalised(identifier);
    if (!key.empty()) m_names.emplace(key, name);
}

std::vector<std::string> CompoundIdentifiers::namesFor(const std::string& text) const {
    std::vector<std::string> names;
    const auto [first, last] = m_names.equal_range(normalised(text));
    for (auto it = first; it != last; ++it) names.push_back(it->second);
    return names;
}

MatchResult matchCompound(const std::vector<CompoundEntry>& compounds, const std::string& text,
                          const CompoundIdentifiers& identifiers) {
    auto select = [&](auto&& matches) {
        std::vector<CompoundEntry> found;
        std::copy_if(compounds.begin(), compounds.end(), std::back_inserter(found), matches);
        return found;
    };
    const std::string exact = trimmedRight(text);
    std::vector<CompoundEntry> found =
        select([&](const CompoundEntry& c) { return c.name == exact || c.formula == exact; });
    const std::string wanted = normalised(text);
    if (found.empty() && !wanted.empty()) {
        found = select([&](const CompoundEntry& c) {
            return normalised(c.name) == wanted || normalised(c.formula) == wanted;
        });
    }
    if (found.empty()) {
        std::vector<std::string> keys;
        for (const std::string& name : identifiers.namesFor(text)) keys.push_back(normalised(name));
        found = select([&](const CompoundEntry& c) {
            return std::find(keys.begin(), keys.end(), normalised(c.name)) != keys.end();
        });
    }
    if (found.empty()) return {std::nullopt, {}, closestNames(compounds, text)};

    const bool anyMain =
        std::any_of(found.begin(), found.end(), [](auto& c) { return !c.miscellaneous; });
    std::erase_if(found, [anyMain](const CompoundEntry& c) { return anyMain && c.miscellaneous; });

    std::vector<CompoundEntry> distinct;
    for (const CompoundEntry& c : found) {
        const bool seen = std::any_of(distinct.begin(), distinct.end(),
                                      [&](const CompoundEntry& d) { return d.name == c.name; });
        if (!seen) distinct.push_back(c);
    }
    if (distinct.size() > 1) return {std::nullopt, distinct, {}};
    return {distinct.front(), {}, {}};
}

}  // namespace chemeng::cli
