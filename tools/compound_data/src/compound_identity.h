#pragma once

#include <optional>
#include <string>

#include "source_tables.h"

namespace chemeng::datagen {

// Formula (Hill order) and molecular weight from the first identifier table
// that lists the CAS.
struct Identity {
    std::string formula;
    double mw;
};
std::optional<Identity> identity(const SourceTables& tables, const std::string& cas);

std::string identifierCommonName(const SourceTables& tables, const std::string& cas);

// Sort key in the order of the handbooks' property appendices: carbon count,
// then hydrogen count, then the formula text.
struct HillKey {
    int carbons;
    int hydrogens;
    std::string formula;
    auto operator<=>(const HillKey&) const = default;
};
HillKey hillKey(const std::string& formula);

// The CAS number read as an integer (digits only), for stable tie breaks.
long long casNumber(const std::string& cas);

}  // namespace chemeng::datagen
