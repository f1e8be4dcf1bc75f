#pragma once

#include <string>
#include <vector>

#include "report.h"
#include "source_tables.h"

namespace chemeng::datagen {

// PhysProps.txt with otherDat.txt (23 lines each) and HCG.txt with HCL.txt
// (24 lines each, air added), for the compounds of the Miscellaneous list.
struct MiscellaneousFiles {
    std::vector<std::string> physProps, otherDat, hcg, hcl;
};

MiscellaneousFiles buildMiscellaneousFiles(const SourceTables& tables, FileReport& constantsReport,
                                           FileReport& heatCapacityReport);

}  // namespace chemeng::datagen
