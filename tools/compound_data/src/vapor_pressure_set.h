#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "report.h"
#include "source_tables.h"

namespace chemeng::datagen {

// Antoine constants for log10(p/mmHg) = A - B/(t + C), t in degC, with the
// range in degC, as taken from one source.
struct AntoineSet {
    double a, b, c, tmin_C, tmax_C;
    double fitDeviation;  // of a refit from its source; 0 when taken as published
    std::string source;
};

// The candidate sets of a compound in order of preference: Poling, Perry
// Table 2-8 refitted, Landolt. A refit worse than 2 % is not offered (its
// failure is counted).
std::vector<AntoineSet> antoineCandidates(const SourceTables& tables, const std::string& cas,
                                          FileReport& report);

// Refit of Perry Table 2-8 over the points between 10 and 1500 mmHg, or over
// the whole tabulated range when wholeRange is set.
std::optional<AntoineSet> perryAntoine(const SourceTables& tables, const std::string& cas,
                                       bool wholeRange, std::string& failure);

// The boiling-point check of an Antoine set: 760 mmHg within 1 % at one of
// the tabulated normal boiling points (K). pressureAt takes kelvin.
bool meetsBoilingPoint(const std::vector<double>& boilingPoints_K,
                       const std::function<double(double)>& pressureAt_mmHg);

// Psat.txt: at most 700 compounds, those of the Physical Properties files
// first, then the most widely tabulated.
std::vector<std::string> buildPsatFile(const SourceTables& tables,
                                       const std::set<std::string>& miscellaneous,
                                       const std::set<std::string>& physicalProperties,
                                       FileReport& report);

}  // namespace chemeng::datagen
