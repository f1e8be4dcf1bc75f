#include "compound_identity.h"

#include <cctype>

namespace chemeng::datagen {

namespace {

constexpr int kFormulaColumn = 2;
constexpr int kMolecularWeightColumn = 3;
constexpr int kCommonNameColumn = 8;

const SourceTable::Row* identifierRow(const SourceTables& tables, const std::string& cas) {
    for (const SourceTable& table : tables.identifiers)
        if (const SourceTable::Row* row = table.find(cas)) return row;
    return nullptr;
}

// Count of an element in a Hill formula: the digits after its symbol, 1 when
// none, 0 when absent. The symbol must not be followed by a lower-case letter
// (C is not Cl).
int elementCount(const std::string& formula, char symbol) {
    for (std::size_t i = 0; i < formula.size(); ++i) {
        if (formula[i] != symbol) continue;
        if (i + 1 < formula.size() && std::islower(static_cast<unsigned char>(formula[i + 1])))
            continue;
        int count = 0;
        std::size_t j = i + 1;
        while (j < formula.size() && std::isdigit(static_cast<unsigned char>(formula[j])))
            count = count * 10 + (formula[j++] - '0');
        return j == i + 1 ? 1 : count;
    }
    return 0;
}

}  // namespace

std::optional<Identity> identity(const SourceTables& tables, const std::string& cas) {
    const SourceTable::Row* row = identifierRow(tables, cas);
    if (!row) return std::nullopt;
    const std::string formula = SourceTable::text(*row, kFormulaColumn);
    const auto mw = SourceTable::number(*row, kMolecularWeightColumn);
    if (formula.empty() || !mw || *mw <= 0.0) return std::nullopt;
    return Identity{formula, *mw};
}

std::string identifierCommonName(const SourceTables& tables, const std::string& cas) {
    const SourceTable::Row* row = identifierRow(tables, cas);
    return row ? SourceTable::text(*row, kCommonNameColumn) : std::string();
}

HillKey hillKey(const std::string& formula) {
    return {elementCount(formula, 'C'), elementCount(formula, 'H'), formula};
}

long long casNumber(const std::string& cas) {
    long long value = 0;
    for (char c : cas)
        if (c >= '0' && c <= '9') value = value * 10 + (c - '0');
    return value;
}

}  // namespace chemeng::datagen
