#include "generator.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "density_set.h"
#include "heat_capacity_set.h"
#include "identifiers_file.h"
#include "main_entry.h"
#include "miscellaneous_list.h"
#include "miscellaneous_set.h"
#include "names.h"
#include "physical_properties_set.h"
#include "report.h"
#include "row_screening.h"
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

// Every compound a main file could hold, the most widely tabulated first, so
// that a common compound keeps the plain name when two share it.
std::vector<std::string> namingOrder(const SourceTables& t, const std::set<std::string>& misc) {
    std::vector<std::string> all = casUnion(
        {&t.iupacCritical, &t.heosConstants, &t.mathewsCritical, &t.crcCritical, &t.psrkCritical,
         &t.yawsCritical, &t.perry105Density, &t.vdiDensity, &t.costald, &t.polingAntoine,
         &t.perry28VaporPressure, &t.landoltAntoine, &t.trcGasCp, &t.polingCp});
    std::vector<std::pair<int, std::string>> ranked;
    for (const std::string& cas : all) {
        const auto id = identity(t, cas);
        if (!id || id->formula.size() > kMainFormulaWidth || misc.contains(cas)) continue;
        ranked.emplace_back(t.commonness(cas), cas);
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first > b.first;
        return casNumber(a.second) < casNumber(b.second);
    });
    std::vector<std::string> order;
    for (const auto& [commonness, cas] : ranked) order.push_back(cas);
    return order;
}

}  // namespace

GeneratedData generateCompoundData(const std::filesystem::path& sourceFolder) {
    GeneratedData data;
    SourceTables tables;
    if (!loadSourceTables(sourceFolder, tables, data.error)) return data;
    const std::set<std::string> misc = miscellaneousCas();

    ConsistencyReport consistency;
    const ScreeningResult screening = screenSourceRows(tables);
    for (const auto& [what, count] : screening.removed)
        consistency.count("source row filed under the CAS of another compound (" + what + ")",
                          ConsistencyReport::Outcome::Dropped, count);
    for (const std::string& example : screening.examples)
        consistency.note("source rows filed under the CAS of another compound", example);

    std::vector<FileReport> reports;
    const NameBook names(tables, namingOrder(tables, misc), kMainNameWidth);

    reports.emplace_back("Critical.txt, Hfgas.txt, Hvap.txt");
    const PhysicalPropertiesFiles phys =
        buildPhysicalPropertiesFiles(tables, misc, names, reports.back(), consistency);
    data.files["Critical.txt"] = joinLines(phys.critical);
    data.files["Hfgas.txt"] = joinLines(phys.hfgas);
    data.files["Hvap.txt"] = joinLines(phys.hvap);

    reports.emplace_back("Density.txt");
    data.files["Density.txt"] =
        joinLines(buildDensityFile(tables, misc, names, reports.back(), consistency));

    reports.emplace_back("Psat.txt");
    data.files["Psat.txt"] =
        joinLines(buildPsatFile(tables, misc, phys.cas, names, reports.back(), consistency));

    reports.emplace_back("Cpgas.txt");
    reports.emplace_back("Cpliq.txt (same lines as Cpgas.txt)");
    const HeatCapacityFiles cp = buildHeatCapacityFiles(
        tables, misc, names, reports[reports.size() - 2], reports.back(), consistency);
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

    // Pages and the reports of their files: main rows, then Miscellaneous.
    const std::pair<const char*, std::vector<std::size_t>> pages[] = {
        {"Physical Properties", {0, 5}},
        {"Density of Liquid", {1, 5}},
        {"Vapor Pressure", {2, 5}},
        {"Heat Capacities", {3, 6}},
    };
    for (const auto& [page, files] : pages)
        for (std::size_t i : files)
            data.compoundsByPage[page].insert(reports[i].compounds().begin(),
                                              reports[i].compounds().end());

    // identifiers.txt: every compound any page offers, main rows by their
    // page-independent name, Miscellaneous rows by the name they show.
    std::set<std::string> mainCas;
    for (std::size_t i : {0u, 1u, 2u, 3u})
        mainCas.insert(reports[i].compounds().begin(), reports[i].compounds().end());
    std::vector<IdentifierLine> identifierLines;
    for (const std::string& cas : mainCas)
        identifierLines.push_back({*names.name(cas), cas, identity(tables, cas)->formula});
    for (const MiscellaneousCompound& c : kMiscellaneous)
        identifierLines.push_back(
            {std::string(c.name), std::string(c.cas), std::string(c.formula)});
    data.files[kIdentifiersFileName] = identifiersText(tables, std::move(identifierLines));

    data.files[kReportFileName] = reportMarkdown(
        reports, consistency,
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
