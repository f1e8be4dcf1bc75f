#include "row_screening.h"

#include <cctype>
#include <cmath>

#include "compound_identity.h"

namespace chemeng::datagen {

namespace {

constexpr int kIdentifierFirstNameColumn = 7;  // IUPAC name, then common name, then synonyms
constexpr int kIdentifierMainNames = 2;
constexpr double kMolecularWeightTolerance = 0.01;
constexpr std::size_t kExamplesListed = 40;

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int readCount(std::string_view text, std::size_t& i) {
    int n = 0;
    bool any = false;
    while (i < text.size() && isDigit(text[i])) {
        n = n * 10 + (text[i++] - '0');
        any = true;
    }
    return any ? n : 1;
}

}  // namespace

std::optional<std::map<std::string, int>> elementCounts(std::string_view formula) {
    // A phase mark at the end, "(g)" or "(l)", is not part of the formula.
    std::string_view f = formula;
    while (!f.empty() && f.back() == ' ') f.remove_suffix(1);
    for (std::string_view mark : {"(g)", "(l)", "(cr)", "(s)"})
        if (f.size() >= mark.size() && f.substr(f.size() - mark.size()) == mark)
            f.remove_suffix(mark.size());
    std::vector<std::map<std::string, int>> stack(1);
    std::size_t i = 0;
    bool anyElement = false;
    while (i < f.size()) {
        const char c = f[i];
        if (isUpper(c)) {
            std::string symbol(1, c);
            ++i;
            while (i < f.size() && isLower(f[i])) symbol += f[i++];
            stack.back()[symbol] += readCount(f, i);
            anyElement = true;
        } else if (c == '(' || c == '[') {
            stack.emplace_back();
            ++i;
        } else if (c == ')' || c == ']') {
            if (stack.size() < 2) return std::nullopt;
            ++i;
            const int times = readCount(f, i);
            const std::map<std::string, int> group = std::move(stack.back());
            stack.pop_back();
            for (const auto& [symbol, n] : group) stack.back()[symbol] += n * times;
        } else if (c == '+' || c == '-' || c == ' ') {
            ++i;  // charge or blank: element counts only
        } else {
            return std::nullopt;
        }
    }
    if (stack.size() != 1 || !anyElement) return std::nullopt;
    return stack.front();
}

std::string nameKey(std::string_view name) {
    std::string key;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) && u < 0x80) key += static_cast<char>(std::tolower(u));
    }
    return key;
}

NameIndex::NameIndex(const SourceTables& tables) {
    for (const SourceTable& table : tables.identifiers) {
        table.forEachRow([&](const std::string& cas, const SourceTable::Row& row) {
            if (m_names.contains(cas)) return;  // the first table that lists a CAS names it
            std::set<std::string>& names = m_names[cas];
            for (std::size_t c = kIdentifierFirstNameColumn; c < row.size(); ++c) {
                const std::string key = nameKey(row[c]);
                if (key.empty()) continue;
                names.insert(key);
                if (c < kIdentifierFirstNameColumn + kIdentifierMainNames)
                    m_owners[key].insert(cas);
            }
        });
    }
}

bool NameIndex::isNameOf(const std::string& cas, const std::string& key) const {
    const auto it = m_names.find(cas);
    return it != m_names.end() && it->second.contains(key);
}

bool NameIndex::namesAnotherCompound(const std::string& cas, const std::string& key) const {
    if (key.empty() || isNameOf(cas, key)) return false;
    const auto it = m_owners.find(key);
    return it != m_owners.end() && !it->second.contains(cas);
}

int ScreeningResult::total() const {
    int n = 0;
    for (const auto& [what, count] : removed) n += count;
    return n;
}

ScreeningResult screenSourceRows(SourceTables& t) {
    const NameIndex names(t);
    struct Screened {
        SourceTable* table;
        const char* label;
        const char* nameColumn;     // nullptr: none
        const char* formulaColumn;  // nullptr: none
        const char* weightColumn;   // nullptr: none
    };
    const Screened screened[] = {
        {&t.iupacCritical, "IUPAC critical", "Chemical", nullptr, "MW"},
        {&t.heosConstants, "reference equations", "name", nullptr, nullptr},
        {&t.mathewsCritical, "Mathews critical", "Chemical", nullptr, "MW"},
        {&t.crcCritical, "CRC critical", "Chemical", nullptr, nullptr},
        {&t.psrkCritical, "PSRK", "Chemical", nullptr, nullptr},
        {&t.yawsCritical, "Yaws critical", "Chemical", nullptr, nullptr},
        {&t.crcOrganicConstants, "CRC organic", "Name", nullptr, nullptr},
        {&t.crcInorganicConstants, "CRC inorganic", "Chemical", nullptr, nullptr},
        {&t.atctHf, "ATcT", "Chemical", "Formula", nullptr},
        {&t.crcStandard, "CRC standard properties", "Chemical", nullptr, nullptr},
        {&t.apiHf, "API TDB", "Compound", nullptr, nullptr},
        {&t.janafHf, "JANAF", "Chemical", "formula", nullptr},
        {&t.yawsHf, "Yaws Hf", "name", nullptr, nullptr},
        {&t.crcHvap, "CRC Hvap", "Chemical", "Formula", nullptr},
        {&t.perry2150Hvap, "Perry 2-150", "Chemical", nullptr, nullptr},
        {&t.vdiHvap, "VDI Hvap", "Chemical", nullptr, "MW"},
        {&t.perry105Density, "Perry 105", "Chemical", nullptr, nullptr},
        {&t.vdiDensity, "VDI density", "Chemical", nullptr, "MW"},
        {&t.costald, "COSTALD", "Chemical", nullptr, nullptr},
        {&t.polingAntoine, "Poling Antoine", "Chemical", nullptr, nullptr},
        {&t.perry28VaporPressure, "Perry 2-8", "Chemical", nullptr, nullptr},
        {&t.landoltAntoine, "Landolt", "Name", nullptr, nullptr},
        {&t.trcGasCp, "TRC", "Chemical", nullptr, nullptr},
        {&t.polingCp, "Poling databank", "Chemical", nullptr, nullptr},
        {&t.perry153Dippr100, "Perry 2-153", "Chemical", nullptr, nullptr},
        {&t.perry153Dippr114, "Perry 2-153 (114)", "Name", nullptr, nullptr},
    };
    ScreeningResult result;
    for (const Screened& s : screened) {
        SourceTable& table = *s.table;
        const int nameColumn = s.nameColumn ? table.column(s.nameColumn) : -1;
        const int formulaColumn = s.formulaColumn ? table.column(s.formulaColumn) : -1;
        const int weightColumn = s.weightColumn ? table.column(s.weightColumn) : -1;
        table.removeRowsIf([&](const std::string& cas, const SourceTable::Row& row) {
            const auto id = identity(t, cas);
            if (!id) return false;  // nothing to compare with
            std::string why;
            const auto own = elementCounts(id->formula);
            const auto rowCounts = formulaColumn >= 0
                                       ? elementCounts(SourceTable::text(row, formulaColumn))
                                       : std::nullopt;
            const auto weight = SourceTable::number(row, weightColumn);
            if (own && rowCounts && *own != *rowCounts) {
                why = "formula of another compound";
            } else if (weight && std::abs(*weight / id->mw - 1.0) > kMolecularWeightTolerance &&
                       !names.isNameOf(cas, nameKey(SourceTable::text(row, nameColumn)))) {
                // A row whose own name is one of the compound's names has a
                // misprinted weight, not the wrong compound.
                why = "molecular weight of another compound";
            } else if (!rowCounts && names.namesAnotherCompound(
                                         cas, nameKey(SourceTable::text(row, nameColumn)))) {
                why = "name of another compound";
            }
            if (why.empty()) return false;
            ++result.removed[std::string(s.label) + ": " + why];
            if (result.examples.size() < kExamplesListed)
                result.examples.push_back(std::string(s.label) + " row \"" +
                                          SourceTable::text(row, nameColumn) + "\" filed under " +
                                          cas + " (" + id->formula + "): " + why);
            return true;
        });
    }
    return result;
}

}  // namespace chemeng::datagen
