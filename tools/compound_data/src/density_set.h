#pragma once

#include <set>
#include <string>
#include <vector>

#include "report.h"
#include "source_tables.h"

namespace chemeng::datagen {

// Density.txt: Rackett-form coefficients of the saturated liquid.
std::vector<std::string> buildDensityFile(const SourceTables& tables,
                                          const std::set<std::string>& miscellaneous,
                                          FileReport& report);

// Saturated-liquid density in g/mL straight from a correlation at t (no fit):
// Perry 105 inside its range, else the VDI equation below its Tc.
std::optional<double> liquidDensity(const SourceTables& tables, const std::string& cas, double mw,
                                    double t);

}  // namespace chemeng::datagen
