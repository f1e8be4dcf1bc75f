#pragma once

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "compound_identity.h"
#include "report.h"
#include "source_tables.h"

// What every main row has: identity, a name, a place in the file order.
namespace chemeng::datagen {

inline constexpr std::size_t kMainFormulaWidth = 8;
inline constexpr std::size_t kMainNameWidth = 28;
inline constexpr std::size_t kMaxMainRows = 700;

namespace reason {
inline const std::string kNoIdentity = "CAS not in the identifier tables";
inline const std::string kLongFormula = "formula longer than 8 characters";
inline const std::string kMiscellaneous =
    "Miscellaneous compound (offered in the Miscellaneous files)";
inline const std::string kNoName = "no name that fits 28 characters";
inline const std::string kDuplicateName = "name already used by an earlier row";
inline const std::string kWindow = "a value does not fit its window";
inline const std::string kOverLimit = "beyond the 700-row limit";
}  // namespace reason

struct MainEntry {
    std::string cas;
    Identity identity;
    std::vector<std::string> names;  // candidates that fit, best first
    std::string name;                // the one written
    HillKey order;
};

// The entry for a CAS, or nothing (the reason counted) when it has no usable
// identity or is one of the excluded (Miscellaneous) compounds.
std::optional<MainEntry> mainEntry(const SourceTables& tables, const std::string& cas,
                                   const std::set<std::string>& excluded, FileReport& report);

// Fills the entry's candidate names; false (counted) when none fits.
bool addNames(const SourceTables& tables, MainEntry& entry, FileReport& report);

// Every CAS listed by any of the tables, each once, in table order.
std::vector<std::string> casUnion(std::initializer_list<const SourceTable*> tables);

// Puts rows in file order: Hill order, then name, then CAS.
template <typename Row>
void sortForFile(std::vector<Row>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.entry.order != b.entry.order) return a.entry.order < b.entry.order;
        if (a.entry.name != b.entry.name) return a.entry.name < b.entry.name;
        return casNumber(a.entry.cas) < casNumber(b.entry.cas);
    });
}

// Gives each row, in the given order, the first of its names not taken by an
// earlier row; rows left without a name are dropped and counted.
template <typename Row>
void assignUniqueNames(std::vector<Row>& rows, FileReport& report) {
    std::set<std::string> used;
    std::vector<Row> named;
    for (Row& row : rows) {
        const auto free = std::find_if(row.entry.names.begin(), row.entry.names.end(),
                                       [&used](const std::string& n) { return !used.contains(n); });
        if (free == row.entry.names.end()) {
            report.reject(reason::kDuplicateName);
            continue;
        }
        row.entry.name = *free;
        used.insert(*free);
        named.push_back(std::move(row));
    }
    rows = std::move(named);
}

// Names first in a fixed order (Hill order, then CAS), then the file order.
template <typename Row>
void orderAndName(std::vector<Row>& rows, FileReport& report) {
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.entry.order != b.entry.order) return a.entry.order < b.entry.order;
        return casNumber(a.entry.cas) < casNumber(b.entry.cas);
    });
    assignUniqueNames(rows, report);
    sortForFile(rows);
}

}  // namespace chemeng::datagen
