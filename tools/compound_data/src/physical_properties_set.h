#pragma once

#include <set>
#include <string>
#include <vector>

#include "report.h"
#include "source_tables.h"

namespace chemeng::datagen {

// Critical.txt, Hfgas.txt and Hvap.txt: the same compounds, line by line.
struct PhysicalPropertiesFiles {
    std::vector<std::string> critical, hfgas, hvap;
    std::set<std::string> cas;  // the compounds written
};

PhysicalPropertiesFiles buildPhysicalPropertiesFiles(const SourceTables& tables,
                                                     const std::set<std::string>& miscellaneous,
                                                     FileReport& report);

}  // namespace chemeng::datagen
