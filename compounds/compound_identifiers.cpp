#include "compounds/compound_identifiers.h"

#include <fstream>

namespace chemeng {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (std::size_t at; (at = text.find(separator, begin)) != std::string::npos; begin = at + 1)
        parts.push_back(text.substr(begin, at - begin));
    parts.push_back(text.substr(begin));
    return parts;
}

}  // namespace

CompoundIdentifiers loadCompoundIdentifiers(const std::filesystem::path& dataDir) {
    CompoundIdentifiers result;
    std::ifstream in(dataDir / kIdentifiersFileName, std::ios::binary);
    if (!in) return result;
    result.status = IdentifiersStatus::Loaded;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> fields = split(line, '\t');
        if (fields.size() < 3 || fields[0].empty() || fields[1].empty() || fields[2].empty()) {
            ++result.skippedLines;
            continue;
        }
        CompoundIdentifier entry{fields[0], fields[1], fields[2], {}};
        if (fields.size() > 3 && !fields[3].empty())
            for (std::string& s : split(fields[3], '|'))
                if (!s.empty()) entry.synonyms.push_back(std::move(s));
        result.entries.push_back(std::move(entry));
    }
    return result;
}

}  // namespace chemeng
