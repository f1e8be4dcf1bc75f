#pragma once

#include <set>
#include <string>
#include <vector>

#include "compound_constants.h"
#include "consistency_report.h"
#include "names.h"
#include "report.h"
#include "source_tables.h"

namespace chemeng::datagen {

// Critical.txt, Hfgas.txt and Hvap.txt: the same compounds, line by line.
struct PhysicalPropertiesFiles {
    std::vector<std::string> critical, hfgas, hvap;
    std::set<std::string> cas;  // the compounds written
};

// The physical checks of a complete set of constants, each with the name the
// consistency report gives it; an empty reason when all hold.
inline constexpr double kMaxEdmisterDifference = 0.1;  // omega against Edmister's estimate
inline constexpr double kMinCriticalCompressibility = 0.2;
inline constexpr double kMaxCriticalCompressibility = 0.33;
struct ConstantsCheck {
    std::string check, reason;
};
ConstantsCheck checkConstants(const CompoundConstants& k);

PhysicalPropertiesFiles buildPhysicalPropertiesFiles(const SourceTables& tables,
                                                     const std::set<std::string>& miscellaneous,
                                                     const NameBook& names, FileReport& report,
                                                     ConsistencyReport& consistency);

// Counts the outcome of every consensus of the constants in the consistency
// report (passed, corrected, dropped), under "Tb: tables agree" and so on.
void countConsensus(const CompoundConstants& k, ConsistencyReport& consistency);

}  // namespace chemeng::datagen
