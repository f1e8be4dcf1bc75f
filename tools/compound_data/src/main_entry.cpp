#include "main_entry.h"

#include "names.h"

namespace chemeng::datagen {

std::optional<MainEntry> mainEntry(const SourceTables& tables, const std::string& cas,
                                   const std::set<std::string>& excluded, FileReport& report) {
    const auto id = identity(tables, cas);
    if (!id) {
        report.reject(reason::kNoIdentity);
        return std::nullopt;
    }
    if (id->formula.size() > kMainFormulaWidth) {
        report.reject(reason::kLongFormula);
        return std::nullopt;
    }
    if (excluded.contains(cas)) {
        report.reject(reason::kMiscellaneous);
        return std::nullopt;
    }
    return MainEntry{cas, *id, {}, {}, hillKey(id->formula)};
}

bool addNames(const SourceTables& tables, MainEntry& entry, FileReport& report) {
    const std::vector<std::string> candidates = candidateNames(tables, entry.cas);
    for (const std::string& n : candidates)
        if (n.size() <= kMainNameWidth &&
            std::find(entry.names.begin(), entry.names.end(), n) == entry.names.end())
            entry.names.push_back(n);
    if (entry.names.empty()) {
        const std::string shortened = chooseName(candidates, kMainNameWidth);
        if (shortened.empty()) {
            report.reject(reason::kNoName);
            return false;
        }
        entry.names.push_back(shortened);
    }
    return true;
}

std::vector<std::string> casUnion(std::initializer_list<const SourceTable*> tables) {
    std::vector<std::string> all;
    std::set<std::string> seen;
    for (const SourceTable* table : tables)
        for (const std::string& cas : table->keys())
            if (cas != "None" && seen.insert(cas).second) all.push_back(cas);
    return all;
}

}  // namespace chemeng::datagen
