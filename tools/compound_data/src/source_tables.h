#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "source_table.h"

namespace chemeng::datagen {

// Tabulated ideal-gas Cp of one species (NIST-JANAF), T in K, Cp in J/(mol K).
struct CpPoints {
    std::vector<double> t_K;
    std::vector<double> cp;
};

// One segment of the Shomate gas equation, coefficients for T in kelvin.
struct ShomateSegment {
    double tmin_K, tmax_K, a, b, c, d, e;
};

struct MixtureComponent {
    std::string cas;
    double moleFraction;
};

// Every public source table the generator reads, under the names of the
// publications they come from.
struct SourceTables {
    // Identity: PubChem compilations, searched in this order.
    std::array<SourceTable, 3> identifiers;

    SourceTable iupacCritical, heosConstants, mathewsCritical, crcCritical, psrkCritical,
        yawsCritical;
    SourceTable crcOrganicConstants, crcInorganicConstants, openNotebookMelting, yawsBoiling;
    SourceTable atctHf, crcStandard, apiHf, janafHf, yawsHf;
    SourceTable crcHvap, perry2150Hvap, vdiHvap;
    SourceTable perry105Density, vdiDensity, costald;
    SourceTable polingAntoine, perry28VaporPressure, landoltAntoine;
    SourceTable trcGasCp, polingCp, perry153Dippr100, perry153Dippr114, zabransky;
    std::map<std::string, CpPoints, std::less<>> janafGasCp;
    std::map<std::string, std::vector<ShomateSegment>, std::less<>> shomateGas;
    std::vector<MixtureComponent> air;

    // Number of the delivered data tables (identifier files excepted) that
    // list this CAS: a rough measure of how common a compound is.
    int commonness(const std::string& cas) const;
};

// Reads every table from the folder; on failure returns false and says why.
bool loadSourceTables(const std::filesystem::path& folder, SourceTables& tables,
                      std::string& error);

}  // namespace chemeng::datagen
