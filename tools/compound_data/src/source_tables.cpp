#include "source_tables.h"

#include <fstream>
#include <nlohmann/json.hpp>

namespace chemeng::datagen {

namespace {

bool readTable(const std::filesystem::path& folder, const char* relative, SourceTable& table,
               std::string& error, SourceTable::Layout layout = {}) {
    table = SourceTable::read(folder / relative, layout, error);
    return error.empty();
}

bool readJson(const std::filesystem::path& path, nlohmann::json& json, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path.string();
        return false;
    }
    json = nlohmann::json::parse(in, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        error = "not a JSON object: " + path.string();
        return false;
    }
    return true;
}

bool readJanafCp(const std::filesystem::path& path, SourceTables& tables, std::string& error) {
    nlohmann::json json;
    if (!readJson(path, json, error)) return false;
    for (const auto& [cas, value] : json.items()) {
        if (!value.is_array() || value.size() != 2) continue;
        const auto& t = value[0];
        const auto& cp = value[1];
        if (!t.is_array() || !cp.is_array() || t.size() != cp.size()) continue;
        CpPoints points;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (!t[i].is_number() || !cp[i].is_number()) continue;
            points.t_K.push_back(t[i].get<double>());
            points.cp.push_back(cp[i].get<double>());
        }
        tables.janafGasCp.emplace(cas, std::move(points));
    }
    return true;
}

bool readShomate(const std::filesystem::path& path, SourceTables& tables, std::string& error) {
    nlohmann::json json;
    if (!readJson(path, json, error)) return false;
    for (const auto& [cas, phases] : json.items()) {
        if (!phases.is_array() || phases.size() != 3) continue;
        std::vector<ShomateSegment> segments;
        for (const auto& s : phases[2].is_array() ? phases[2] : nlohmann::json::array()) {
            if (!s.is_array() || s.size() != 7) continue;
            bool numeric = true;
            for (const auto& x : s) numeric = numeric && x.is_number();
            if (!numeric) continue;
            segments.push_back({s[0].get<double>(), s[1].get<double>(), s[2].get<double>(),
                                s[3].get<double>(), s[4].get<double>(), s[5].get<double>(),
                                s[6].get<double>()});
        }
        tables.shomateGas.emplace(cas, std::move(segments));  // empty: no gas data
    }
    return true;
}

// Air from the mixture table: name, source, N, N CAS, N names, N mass
// fractions, N mole fractions.
bool readAir(const std::filesystem::path& path, SourceTables& tables, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path.string();
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::size_t begin = 0;
        for (std::size_t tab; (tab = line.find('\t', begin)) != std::string::npos; begin = tab + 1)
            cells.push_back(trim(line.substr(begin, tab - begin)));
        cells.push_back(trim(line.substr(begin)));
        if (cells.size() < 3 || cells[0] != "Air") continue;
        const auto n = parseNumber(cells[2]);
        if (!n) break;
        const auto count = static_cast<std::size_t>(*n);
        if (cells.size() < 3 + 4 * count) break;
        for (std::size_t i = 0; i < count; ++i) {
            const auto y = parseNumber(cells[3 + 3 * count + i]);
            if (!y) break;
            tables.air.push_back({cells[3 + i], *y});
        }
        return tables.air.size() == count;
    }
    error = "no Air line with mole fractions in " + path.string();
    return false;
}

}  // namespace

bool loadSourceTables(const std::filesystem::path& folder, SourceTables& t, std::string& error) {
    const SourceTable::Layout identifierLayout{false, 1};
    const SourceTable::Layout casFirst{};
    const struct {
        const char* path;
        SourceTable* table;
        SourceTable::Layout layout;
    } files[] = {
        {"Identifiers/chemical identifiers pubchem small.tsv", &t.identifiers[0], identifierLayout},
        {"Identifiers/chemical identifiers example user db.tsv", &t.identifiers[1],
         identifierLayout},
        {"Identifiers/Inorganic db.tsv", &t.identifiers[2], identifierLayout},
        {"Critical Properties/IUPACOrganicCriticalProps.tsv", &t.iupacCritical, casFirst},
        {"Misc/heos_constants.tsv", &t.heosConstants, casFirst},
        {"Critical Properties/Mathews1972InorganicCriticalProps.tsv", &t.mathewsCritical, casFirst},
        {"Critical Properties/CRCCriticalOrganics.tsv", &t.crcCritical, casFirst},
        {"Critical Properties/Appendix to PSRK Revision 4.tsv", &t.psrkCritical, casFirst},
        {"Critical Properties/Yaws Collection.tsv", &t.yawsCritical, casFirst},
        {"Misc/Physical Constants of Organic Compounds.csv", &t.crcOrganicConstants, casFirst},
        {"Misc/Physical Constants of Inorganic Compounds.csv", &t.crcInorganicConstants, casFirst},
        {"Phase Change/OpenNotebook Melting Points.tsv", &t.openNotebookMelting, casFirst},
        {"Phase Change/Yaws Boiling Points.tsv", &t.yawsBoiling, casFirst},
        {"Reactions/ATcT 1.112 (g).tsv", &t.atctHf, casFirst},
        {"Heat Capacity/CRC Standard Thermodynamic Properties of Chemical Substances.tsv",
         &t.crcStandard, casFirst},
        {"Reactions/API TDB Albahri Hf (g).tsv", &t.apiHf, casFirst},
        {"Reactions/JANAF_1998.tsv", &t.janafHf, casFirst},
        {"Reactions/Yaws Hf S0 (g).tsv", &t.yawsHf, casFirst},
        {"Phase Change/CRC Handbook Heat of Vaporization.tsv", &t.crcHvap, casFirst},
        {"Phase Change/Table 2-150 Heats of Vaporization of Inorganic and Organic Liquids.tsv",
         &t.perry2150Hvap, casFirst},
        {"Phase Change/VDI PPDS Enthalpies of vaporization.tsv", &t.vdiHvap, casFirst},
        {"Density/Perry Parameters 105.tsv", &t.perry105Density, casFirst},
        {"Density/VDI PPDS Density of Saturated Liquids.tsv", &t.vdiDensity, casFirst},
        {"Density/COSTALD Parameters.tsv", &t.costald, casFirst},
        {"Vapor Pressure/Antoine Collection Poling.tsv", &t.polingAntoine, casFirst},
        {"Vapor Pressure/Table 2-8 Vapor Pressure of Inorganic and Organic Liquids.tsv",
         &t.perry28VaporPressure, casFirst},
        {"Vapor Pressure/Landolt_antoine_V20.tsv", &t.landoltAntoine, casFirst},
        {"Heat Capacity/TRC Thermodynamics of Organic Compounds in the Gas State.tsv", &t.trcGasCp,
         casFirst},
        {"Heat Capacity/PolingDatabank.tsv", &t.polingCp, casFirst},
        {"Heat Capacity/Perry_Table_2-153_DIPPR_100.tsv", &t.perry153Dippr100, casFirst},
        {"Heat Capacity/Perry_Table_2-153_DIPPR_114.tsv", &t.perry153Dippr114, casFirst},
        {"Heat Capacity/Zabransky.tsv", &t.zabransky, casFirst},
    };
    for (const auto& file : files)
        if (!readTable(folder, file.path, *file.table, error, file.layout)) return false;
    return readJanafCp(folder / "Heat Capacity/JANAF_1998_gas_Cp.json", t, error) &&
           readShomate(folder / "Heat Capacity/webbook_shomate_coefficients.json", t, error) &&
           readAir(folder / "Identifiers/Mixtures Compositions.tsv", t, error);
}

int SourceTables::commonness(const std::string& cas) const {
    const SourceTable* tables[] = {
        &iupacCritical,
        &heosConstants,
        &mathewsCritical,
        &crcCritical,
        &psrkCritical,
        &yawsCritical,
        &crcOrganicConstants,
        &crcInorganicConstants,
        &openNotebookMelting,
        &yawsBoiling,
        &atctHf,
        &crcStandard,
        &apiHf,
        &janafHf,
        &yawsHf,
        &crcHvap,
        &perry2150Hvap,
        &vdiHvap,
        &perry105Density,
        &vdiDensity,
        &costald,
        &polingAntoine,
        &perry28VaporPressure,
        &landoltAntoine,
        &trcGasCp,
        &polingCp,
        &perry153Dippr100,
        &perry153Dippr114,
        &zabransky,
    };
    int count = 0;
    for (const SourceTable* table : tables) count += table->contains(cas) ? 1 : 0;
    count += janafGasCp.contains(cas) ? 1 : 0;
    count += shomateGas.contains(cas) ? 1 : 0;
    return count;  // 29 tab-separated tables and 2 JSON tables: 31
}

}  // namespace chemeng::datagen
