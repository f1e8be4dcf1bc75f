#pragma once

#include <optional>
#include <string>
#include <vector>

#include "compound_constants.h"
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

// Replaces a least-squares fit that misses the limit by the minimax fit of
// the same degree to the same points (source marked "minimax").
void refitMinimaxIfWorseThan(CpPolynomial& fit, double limit);

// Ideal-gas cubic over 298-1000 K for the main files: TRC when its range
// covers that span, else the Poling databank when its quartic agrees with its
// own 298.15 K value. Failed checks are counted in report.
std::optional<CpPolynomial> mainGasCp(const SourceTables& tables, const std::string& cas,
                                      FileReport& report);

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
