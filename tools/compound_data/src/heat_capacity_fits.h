#pragma once

#include <optional>
#include <string>
#include <vector>

#include "compound_constants.h"
#include "consistency_report.h"
#include "report.h"
#include "source_tables.h"

namespace chemeng::datagen {

// A heat-capacity polynomial fitted to (or taken from) a source, with the
// points it was fitted to so that the coefficients can be measured again as
// they are written.
struct CpPolynomial {
    std::vector<double> coefficients;  // a, b, c[, d], J/(mol K), T in K
    double tmin_K, tmax_K;
    std::vector<double> t, y;  // the source's values
    std::string source;
};

// Largest relative deviation from the source points of the polynomial with
// the given (written) coefficients.
double deviationOf(const CpPolynomial& fit, const std::vector<double>& writtenCoefficients);

inline constexpr double kMaxCpDeviation = 0.02;

inline constexpr const char* kCpBoundsCheck =
    "ideal-gas Cp between 4 R (7/2 R diatomic) and (3N - 3/2) R, rising with T (source rows)";
inline constexpr const char* kCp298Check =
    "ideal-gas Cp at 298.15 K within 5 % of a second table (source rows)";

// Replaces a least-squares fit that misses the limit by the minimax fit of
// the same degree to the same points (source marked "minimax").
void refitMinimaxIfWorseThan(CpPolynomial& fit, double limit);

// Physical bounds on an ideal-gas Cp (J/(mol K)) of a molecule of the given
// number of atoms: at least the translational and rotational part (5/2 R for
// one atom, 7/2 R for two, 4 R for more: a linear molecule of three or more
// atoms already has bending modes excited well beyond that at 298 K), at most the
// classical limit with every vibration fully excited ((3N - 3/2) R, the linear
// molecule's, the larger), and for three atoms or more never falling with T.
// Empty when the points hold; else what fails.
std::string idealGasCpViolation(const std::vector<double>& t, const std::vector<double>& cp,
                                int atoms);

// Second tables of ideal-gas Cp at 298.15 K a main-file source is compared
// with, and the margin.
inline constexpr double kMaxCp298Difference = 0.05;
std::vector<std::pair<std::string, double>> secondCp298(const SourceTables& tables,
                                                        const std::string& cas,
                                                        const std::string& primary);

// Ideal-gas cubic over 298-1000 K for the main files: TRC when its range
// covers that span, else the Poling databank when its quartic agrees with its
// own 298.15 K value; a source whose values break the physical bounds, or
// differ at 298.15 K by more than 5 % from every second table that lists the
// compound, gives way to the next. Failed checks are counted in report and consistency.
std::optional<CpPolynomial> mainGasCp(const SourceTables& tables, const std::string& cas,
                                      const std::string& formula, FileReport& report,
                                      ConsistencyReport& consistency);

// Ideal-gas cubic over a wide range from the Shomate segments (the range the
// Heat Capacities page gives CO and CO2).
std::optional<CpPolynomial> shomateGasCp(const SourceTables& tables, const std::string& cas,
                                         double tmin_K, double tmax_K);

// Ideal-gas cubic over 273-1500 K for the Miscellaneous files: JANAF points
// where the species is tabulated, else the Shomate segments; air as the
// ideal mixture of its components.
std::optional<CpPolynomial> miscellaneousGasCp(const SourceTables& tables, const std::string& cas);

// Liquid quadratic: Perry 2-153 as published when it is a quadratic, else
// fitted to Perry 2-153 (DIPPR 100 or 114) or to Zabransky, up to 0.8 Tc.
// A fit worse than 2 % gives way to the next source; nothing when no source
// is left.
std::optional<CpPolynomial> liquidCp(const SourceTables& tables, const std::string& cas,
                                     const CompoundConstants& constants, FileReport& report);

}  // namespace chemeng::datagen
