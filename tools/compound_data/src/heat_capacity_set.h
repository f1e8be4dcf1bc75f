#pragma once

#include <set>
#include <string>
#include <vector>

#include "report.h"
#include "source_tables.h"

namespace chemeng::datagen {

// Cpgas.txt and Cpliq.txt: every compound with a good ideal-gas cubic, line
// by line; the liquid line carries no values where there is no good liquid
// quadratic.
struct HeatCapacityFiles {
    std::vector<std::string> gas, liquid;
};

HeatCapacityFiles buildHeatCapacityFiles(const SourceTables& tables,
                                         const std::set<std::string>& miscellaneous,
                                         FileReport& gasReport, FileReport& liquidReport);

}  // namespace chemeng::datagen
