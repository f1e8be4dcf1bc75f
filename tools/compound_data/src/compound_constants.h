#pragma once

#include <optional>
#include <string>
#include <vector>

#include "source_tables.h"

namespace chemeng::datagen {

// A value and the table it was taken from.
struct Sourced {
    double value;
    std::string source;
};

// The constants of the Physical Properties files, each from the first table
// in the order of preference that has it. Units as written: K, bar, cm3/mol,
// kJ/mol.
struct CompoundConstants {
    std::optional<Sourced> tfp, tb, tc, pc, vc, omega, hf, hvap;

    // Pc Vc / (R Tc), so that it agrees with the three values shown.
    std::optional<double> zc() const;
};

CompoundConstants compoundConstants(const SourceTables& tables, const std::string& cas);

// Every normal boiling point the tables give for the compound. The handbooks
// differ by a few tenths of a kelvin, that is by 1-3 % in vapour pressure.
std::vector<double> tabulatedBoilingPoints(const SourceTables& tables, const std::string& cas);

// Enthalpy of vaporization in kJ/mol at temperature t from Perry Table 2-150
// (DIPPR 106), when t lies inside that row's range.
std::optional<double> perryHvap(const SourceTables& tables, const std::string& cas, double t);

// Lowest temperature of the Perry Table 2-150 row (usually the triple point).
std::optional<double> perryHvapTmin(const SourceTables& tables, const std::string& cas);

}  // namespace chemeng::datagen
