#pragma once

#include <optional>
#include <string>
#include <vector>

#include "consensus.h"
#include "source_tables.h"

namespace chemeng::datagen {

// A value and the table it was taken from.
struct Sourced {
    double value;
    std::string source;
};

// The single-valued constants of a compound, each the consensus of the
// tables that list it (see consensus.h). Units as written: K, bar, cm3/mol,
// kJ/mol.
struct CompoundConstants {
    std::optional<Sourced> tfp, tb, tc, pc, vc, omega, hf, hvap;

    // What the consensus did for each quantity, by name ("Tb", "Tc", ...),
    // for the consistency report.
    struct Check {
        std::string quantity;
        Consensus consensus;
        Tolerance tolerance;
    };
    std::vector<Check> checks;

    // Pc Vc / (R Tc), so that it agrees with the three values shown.
    std::optional<double> zc() const;
};

CompoundConstants compoundConstants(const SourceTables& tables, const std::string& cas);

// The agreement margins, one per quantity: about what separates two careful
// measurements, well below what separates two compounds.
namespace tolerance {
inline constexpr Tolerance kFreezingPoint{2.0, 0.0};  // K
inline constexpr Tolerance kBoilingPoint{1.0, 0.0};   // K
inline constexpr Tolerance kCriticalTemperature{2.0, 0.005};
inline constexpr Tolerance kCriticalPressure{0.0, 0.02};
inline constexpr Tolerance kCriticalVolume{0.0, 0.05};
inline constexpr Tolerance kAcentricFactor{0.02, 0.05};
inline constexpr Tolerance kEnthalpyOfFormation{2.0, 0.02};  // kJ/mol
inline constexpr Tolerance kEnthalpyOfVaporization{0.0, 0.03};
}  // namespace tolerance

// Every normal boiling point the tables give for the compound. The handbooks
// differ by a few tenths of a kelvin, that is by 1-3 % in vapour pressure.
std::vector<double> tabulatedBoilingPoints(const SourceTables& tables, const std::string& cas);

// Enthalpy of vaporization in kJ/mol at temperature t from Perry Table 2-150
// (DIPPR 106), when t lies inside that row's range.
std::optional<double> perryHvap(const SourceTables& tables, const std::string& cas, double t);

// Lowest temperature of the Perry Table 2-150 row (usually the triple point).
std::optional<double> perryHvapTmin(const SourceTables& tables, const std::string& cas);

// Edmister's estimate of the acentric factor from Tb, Tc (K) and Pc (bar):
// omega = 3/7 Tbr/(1 - Tbr) log10(Pc/1 atm) - 1.
double edmisterOmega(double tb, double tc, double pc_bar);

}  // namespace chemeng::datagen
