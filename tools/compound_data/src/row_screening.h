#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "source_tables.h"

// Every source row is filed under a CAS number; a row whose own name, formula
// or molecular weight belongs to another compound was filed under the wrong
// number (two isomers swapped, a salt under its acid) and must not be used for
// either compound.
namespace chemeng::datagen {

// Element counts of a formula as the tables write it: Hill formulas, condensed
// structural ones (CH3CH2OH, (CH3)2CO), with a phase mark "(g)" or a charge
// ignored. Nothing when the text holds anything else.
std::optional<std::map<std::string, int>> elementCounts(std::string_view formula);

// A name reduced for comparison: lower case, letters and digits only.
std::string nameKey(std::string_view name);

// The names the identifier tables give each CAS: all of them (name, common
// name, synonyms) for recognising a compound's own names, and the two main
// ones for recognising a name that belongs to another compound.
class NameIndex {
  public:
    explicit NameIndex(const SourceTables& tables);
    bool isNameOf(const std::string& cas, const std::string& key) const;
    // True when the key is the main name of a compound other than cas (and
    // not a name of cas itself).
    bool namesAnotherCompound(const std::string& cas, const std::string& key) const;

  private:
    std::map<std::string, std::set<std::string>, std::less<>> m_names;   // CAS -> keys
    std::map<std::string, std::set<std::string>, std::less<>> m_owners;  // main key -> CAS
};

struct ScreeningResult {
    // Rows removed, by table and reason ("IUPAC critical: name of another
    // compound"), and a few examples for the report.
    std::map<std::string, int> removed;
    std::vector<std::string> examples;
    int total() const;
};

// Removes from every table the rows that contradict the CAS they are filed
// under: a formula with other element counts, a molecular weight more than 1 %
// off (unless the row's name is one of the compound's), or the main name of
// another compound with no formula in the row to confirm the CAS.
ScreeningResult screenSourceRows(SourceTables& tables);

}  // namespace chemeng::datagen
