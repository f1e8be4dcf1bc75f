#include "generator.h"

#include <fstream>
#include <vector>

#include "density_set.h"
#include "heat_capacity_set.h"
#include "miscellaneous_list.h"
#include "miscellaneous_set.h"
#include "physical_properties_set.h"
#include "report.h"
#include "source_tables.h"
#include "vapor_pressure_set.h"

namespace chemeng::datagen {

namespace {

// Lines joined with LF, the last one ended too.
std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

}  // namespace

GeneratedData generateCompoundData(const std::filesystem::path& sourceFolder) {
    GeneratedData data;
    SourceTables tables;
    if (!loadSourceTables(sourceFolder, tables, data.error)) return data;
    const std::set<std::string> misc = miscellaneousCas();

    std::vector<FileReport> reports;
    reports.emplace_back("Critical.txt, Hfgas.txt, Hvap.txt");
    const PhysicalPropertiesFiles phys = buildPhysicalPropertiesFiles(tables, misc, reports.back());
    data.files["Critical.txt"] = joinLines(phys.critical);
    data.files["Hfgas.txt"] = joinLines(phys.hfgas);
    data.files["Hvap.txt"] = joinLines(phys.hvap);

    reports.emplace_back("Density.txt");
    data.files["Density.txt"] = joinLines(buildDensityFile(tables, misc, reports.back()));

    reports.emplace_back("Psat.txt");
    data.files["Psat.txt"] = joinLines(buildPsatFile(tables, misc, phys.cas, reports.back()));

    reports.emplace_back("Cpgas.txt");
    reports.emplace_back("Cpliq.txt (same lines as Cpgas.txt)");
    const HeatCapacityFiles cp =
        buildHeatCapacityFiles(tables, misc, reports[reports.size() - 2], reports.back());
    data.files["Cpgas.txt"] = joinLines(cp.gas);
    data.files["Cpliq.txt"] = joinLines(cp.liquid);

    reports.emplace_back("PhysProps.txt, otherDat.txt (Miscellaneous)");
    reports.emplace_back("HCG.txt, HCL.txt (Miscellaneous)");
    const MiscellaneousFiles m =
        buildMiscellaneousFiles(tables, reports[reports.size() - 2], reports.back());
    data.files["PhysProps.txt"] = joinLines(m.physProps);
    data.files["otherDat.txt"] = joinLines(m.otherDat);
    data.files["HCG.txt"] = joinLines(m.hcg);
    data.files["HCL.txt"] = joinLines(m.hcl);

    data.files[kReportFileName] = reportMarkdown(
        reports,
        "Source tables: the public compilations listed in data/README.md (CalebBell/chemicals, "
        "commit 82faef900dcf2b48537c31bcf1ab56c35bb79a1e).");
    return data;
}

bool writeGeneratedData(const GeneratedData& data, const std::filesystem::path& folder,
                        std::string& error) {
    for (const auto& [name, text] : data.files) {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out) {
            error = "cannot write " + (folder / name).string();
            return false;
        }
    }
    return true;
}

}  // namespace chemeng::datagen
