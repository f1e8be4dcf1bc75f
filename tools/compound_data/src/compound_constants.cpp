#include "compound_constants.h"

#include <array>

#include "correlations.h"

namespace chemeng::datagen {

namespace {

struct Column {
    const SourceTable* table;
    const char* column;
    const char* source;
};

template <std::size_t N>
std::optional<Sourced> firstOf(const std::array<Column, N>& columns, const std::string& cas,
                               double scale) {
    for (const Column& c : columns)
        if (const auto v = c.table->number(cas, c.column)) return Sourced{*v * scale, c.source};
    return std::nullopt;
}

std::optional<Sourced> hvapAtTb(const SourceTables& t, const std::string& cas, double tb) {
    if (const auto crc = t.crcHvap.number(cas, "HvapTb")) return Sourced{*crc / 1000.0, "CRC"};
    if (const auto perry = perryHvap(t, cas, tb)) return Sourced{*perry, "Perry 2-150"};
    if (const SourceTable::Row* row = t.vdiHvap.find(cas)) {
        const SourceTable& v = t.vdiHvap;
        const auto tc = SourceTable::number(*row, v.column("Tc"));
        std::array<double, 5> c{};
        const char* names[] = {"A", "B", "C", "D", "E"};
        for (std::size_t i = 0; i < c.size(); ++i) {
            const auto x = SourceTable::number(*row, v.column(names[i]));
            if (!x) return std::nullopt;
            c[i] = *x;
        }
        if (tc && tb < *tc) return Sourced{ppdsHvap(*tc, c, tb) / 1000.0, "VDI PPDS"};
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> CompoundConstants::zc() const {
    if (!tc || !pc || !vc) return std::nullopt;
    return pc->value * 1e5 * vc->value * 1e-6 / (kGasConstant * tc->value);
}

std::optional<double> perryHvap(const SourceTables& t, const std::string& cas, double temperature) {
    const SourceTable& p = t.perry2150Hvap;
    const SourceTable::Row* row = p.find(cas);
    if (!row) return std::nullopt;
    const auto tc = SourceTable::number(*row, p.column("Tc"));
    const auto tmin = SourceTable::number(*row, p.column("Tmin"));
    const auto tmax = SourceTable::number(*row, p.column("Tmax"));
    std::array<double, 4> c{};
    const char* names[] = {"C1", "C2", "C3", "C4"};
    for (std::size_t i = 0; i < c.size(); ++i) {
        const auto x = SourceTable::number(*row, p.column(names[i]));
        if (!x) return std::nullopt;
        c[i] = *x;
    }
    if (!tc || !tmin || !tmax || temperature < *tmin || temperature > *tmax) return std::nullopt;
    return dippr106(*tc, c, temperature) / 1000.0;
}

std::vector<double> tabulatedBoilingPoints(const SourceTables& t, const std::string& cas) {
    std::vector<double> tb;
    const std::pair<const SourceTable*, const char*> columns[] = {
        {&t.crcOrganicConstants, "Tb"},
        {&t.crcInorganicConstants, "Tb"},
        {&t.heosConstants, "Tb"},
        {&t.yawsBoiling, "Tb"},
        {&t.crcHvap, "Tb"},
    };
    for (const auto& [table, column] : columns)
        if (const auto v = table->number(cas, column)) tb.push_back(*v);
    return tb;
}

std::optional<double> perryHvapTmin(const SourceTables& t, const std::string& cas) {
    return t.perry2150Hvap.number(cas, "Tmin");
}

CompoundConstants compoundConstants(const SourceTables& t, const std::string& cas) {
    CompoundConstants k;
    k.tfp = firstOf(std::array<Column, 4>{{{&t.crcOrganicConstants, "Tm", "CRC organic"},
                                           {&t.crcInorganicConstants, "Tm", "CRC inorganic"},
                                           {&t.openNotebookMelting, "Tm", "Open Notebook"},
                                           {&t.heosConstants, "Tt", "heos"}}},
                    cas, 1.0);
    k.tb = firstOf(std::array<Column, 4>{{{&t.crcOrganicConstants, "Tb", "CRC organic"},
                                          {&t.crcInorganicConstants, "Tb", "CRC inorganic"},
                                          {&t.heosConstants, "Tb", "heos"},
                                          {&t.yawsBoiling, "Tb", "Yaws"}}},
                   cas, 1.0);
    const auto critical = [&](const char* column) {
        return std::array<Column, 6>{{{&t.iupacCritical, column, "IUPAC"},
                                      {&t.heosConstants, column, "heos"},
                                      {&t.mathewsCritical, column, "Mathews"},
                                      {&t.crcCritical, column, "CRC"},
                                      {&t.psrkCritical, column, "PSRK"},
                                      {&t.yawsCritical, column, "Yaws"}}};
    };
    k.tc = firstOf(critical("Tc"), cas, 1.0);
    k.pc = firstOf(critical("Pc"), cas, 1e-5);  // Pa to bar
    k.vc = firstOf(critical("Vc"), cas, 1e6);   // m3/mol to cm3/mol
    k.omega = firstOf(std::array<Column, 3>{{{&t.heosConstants, "omega", "heos"},
                                             {&t.psrkCritical, "omega", "PSRK"},
                                             {&t.yawsCritical, "omega", "Yaws"}}},
                      cas, 1.0);
    k.hf = firstOf(std::array<Column, 5>{{{&t.atctHf, "Hfg", "ATcT"},
                                          {&t.crcStandard, "Hfg", "CRC"},
                                          {&t.apiHf, "Hfg", "API TDB"},
                                          {&t.janafHf, "Hfg", "JANAF"},
                                          {&t.yawsHf, "Hfg", "Yaws"}}},
                   cas, 1e-3);  // J/mol to kJ/mol
    if (k.tb) k.hvap = hvapAtTb(t, cas, k.tb->value);
    return k;
}

}  // namespace chemeng::datagen
