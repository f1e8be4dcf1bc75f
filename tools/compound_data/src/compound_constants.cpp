#include "compound_constants.h"

#include <array>
#include <cmath>

#include "correlations.h"
#include "report.h"
#include "vapor_pressure_set.h"

namespace chemeng::datagen {

namespace {

constexpr double kAtmosphere_mmHg = 760.0;
constexpr double kAtmosphere_bar = 1.01325;
constexpr double kAntoineMargin_C = 20.0;  // an Antoine set votes on Tb this far outside its range

struct Column {
    const SourceTable* table;
    const char* column;
    const char* source;
    bool candidate = true;
};

template <std::size_t N>
std::vector<Vote> votesOf(const std::array<Column, N>& columns, const std::string& cas,
                          double scale) {
    std::vector<Vote> votes;
    for (const Column& c : columns)
        if (const auto v = c.table->number(cas, c.column))
            votes.push_back({*v * scale, c.source, c.candidate});
    return votes;
}

std::optional<Sourced> decide(CompoundConstants& k, const char* quantity,
                              const std::vector<Vote>& votes, Tolerance tolerance) {
    const Consensus c = consensus(votes, tolerance);
    if (c.outcome != ConsensusOutcome::None) k.checks.push_back({quantity, c, tolerance});
    if (!c.value) return std::nullopt;
    return Sourced{*c.value, c.outcome == ConsensusOutcome::Corrected ? "consensus" : c.source};
}

std::optional<double> vdiHvapAt(const SourceTables& t, const std::string& cas, double tb) {
    const SourceTable::Row* row = t.vdiHvap.find(cas);
    if (!row) return std::nullopt;
    const SourceTable& v = t.vdiHvap;
    const auto tc = SourceTable::number(*row, v.column("Tc"));
    std::array<double, 5> c{};
    const char* names[] = {"A", "B", "C", "D", "E"};
    for (std::size_t i = 0; i < c.size(); ++i) {
        const auto x = SourceTable::number(*row, v.column(names[i]));
        if (!x) return std::nullopt;
        c[i] = *x;
    }
    if (!tc || !(tb < *tc)) return std::nullopt;
    return ppdsHvap(*tc, c, tb) / 1000.0;
}

// The boiling points the Antoine sets imply: the temperature of 760 mmHg,
// when it lies in or near the set's range.
void addAntoineBoilingPoints(const SourceTables& t, const std::string& cas,
                             std::vector<Vote>& votes) {
    FileReport scratch("");
    for (const AntoineSet& s : antoineCandidates(t, cas, scratch)) {
        const double x = s.a - std::log10(kAtmosphere_mmHg);
        if (!(x > 0.0)) continue;
        const double tb_C = s.b / x - s.c;
        if (tb_C < s.tmin_C - kAntoineMargin_C || tb_C > s.tmax_C + kAntoineMargin_C) continue;
        votes.push_back({tb_C + kCelsiusOffset, "Antoine (" + s.source + ")", false});
    }
}

// Perry Table 2-8 (DIPPR 101) from the triple point to the critical point:
// its ends and its 1 atm point are further witnesses of Tfp, Tc, Pc and Tb,
// and its pressure at 0.7 Tc gives the acentric factor by its definition.
struct PerryVaporPressure {
    std::array<double, 5> c;
    double tmin, tmax;
    double pressure_Pa(double t) const { return dippr101(c, t); }
};

std::optional<PerryVaporPressure> perryVaporPressure(const SourceTables& t,
                                                     const std::string& cas) {
    const SourceTable& p = t.perry28VaporPressure;
    const SourceTable::Row* row = p.find(cas);
    if (!row) return std::nullopt;
    PerryVaporPressure v{};
    const char* names[] = {"C1", "C2", "C3", "C4", "C5"};
    for (std::size_t i = 0; i < v.c.size(); ++i) {
        const auto x = SourceTable::number(*row, p.column(names[i]));
        if (!x) return std::nullopt;
        v.c[i] = *x;
    }
    const auto tmin = SourceTable::number(*row, p.column("Tmin"));
    const auto tmax = SourceTable::number(*row, p.column("Tmax"));
    if (!tmin || !tmax || !(*tmin < *tmax)) return std::nullopt;
    v.tmin = *tmin;
    v.tmax = *tmax;
    return v;
}

// Temperature of the given pressure by bisection (DIPPR 101 rises with T).
std::optional<double> temperatureAt(const PerryVaporPressure& v, double p_Pa) {
    double lo = v.tmin, hi = v.tmax;
    if (!(v.pressure_Pa(lo) <= p_Pa && p_Pa <= v.pressure_Pa(hi))) return std::nullopt;
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (lo + hi);
        (v.pressure_Pa(mid) < p_Pa ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

constexpr double kAtmosphere_Pa = 101325.0;

// Tb and the Antoine constants are chosen together. Tables that agree on Tb
// within 1 K still differ by up to 3 % in vapour pressure there; when the
// value chosen misses 760 mmHg by more than 1 % with the first Antoine set
// whose range reaches it, but another table of the agreeing group meets it,
// that table's Tb is written instead.
void reconcileWithAntoine(const SourceTables& t, const std::string& cas,
                          const std::vector<Vote>& votes, Sourced& tb) {
    FileReport scratch("");
    const auto meets = [](const AntoineSet& s, double tk) {
        return std::abs(antoineMmHg(s.a, s.b, s.c, tk - kCelsiusOffset) / kAtmosphere_mmHg - 1.0) <=
               0.01;
    };
    for (const AntoineSet& s : antoineCandidates(t, cas, scratch)) {
        const double tb_C = tb.value - kCelsiusOffset;
        if (tb_C < s.tmin_C - kAntoineMargin_C || tb_C > s.tmax_C + kAntoineMargin_C) continue;
        if (meets(s, tb.value)) return;
        for (const Vote& v : votes)
            if (v.source.rfind("Antoine", 0) != 0 &&
                tolerance::kBoilingPoint.agree(v.value, tb.value) && meets(s, v.value)) {
                tb = Sourced{v.value, v.source + " (agrees with the Antoine constants)"};
                return;
            }
    }
}

}  // namespace

std::optional<double> CompoundConstants::zc() const {
    if (!tc || !pc || !vc) return std::nullopt;
    return pc->value * 1e5 * vc->value * 1e-6 / (kGasConstant * tc->value);
}

double edmisterOmega(double tb, double tc, double pc_bar) {
    const double tbr = tb / tc;
    return 3.0 / 7.0 * tbr / (1.0 - tbr) * std::log10(pc_bar / kAtmosphere_bar) - 1.0;
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
    const auto perry = perryVaporPressure(t, cas);
    std::vector<Vote> tfp =
        votesOf(std::array<Column, 4>{{{&t.crcOrganicConstants, "Tm", "CRC organic"},
                                       {&t.crcInorganicConstants, "Tm", "CRC inorganic"},
                                       {&t.openNotebookMelting, "Tm", "Open Notebook"},
                                       {&t.heosConstants, "Tt", "heos"}}},
                cas, 1.0);
    if (!tfp.empty() && perry) tfp.push_back({perry->tmin, "Perry 2-8 triple point", false});
    k.tfp = decide(k, "Tfp", tfp, tolerance::kFreezingPoint);

    std::vector<Vote> tb =
        votesOf(std::array<Column, 5>{{{&t.crcOrganicConstants, "Tb", "CRC organic"},
                                       {&t.crcInorganicConstants, "Tb", "CRC inorganic"},
                                       {&t.heosConstants, "Tb", "heos"},
                                       {&t.yawsBoiling, "Tb", "Yaws"},
                                       {&t.crcHvap, "Tb", "CRC Hvap", false}}},
                cas, 1.0);
    if (!tb.empty()) {
        addAntoineBoilingPoints(t, cas, tb);
        if (perry)
            if (const auto t1 = temperatureAt(*perry, kAtmosphere_Pa))
                tb.push_back({*t1, "Perry 2-8", false});
    }
    k.tb = decide(k, "Tb", tb, tolerance::kBoilingPoint);
    if (k.tb) reconcileWithAntoine(t, cas, tb, *k.tb);

    const auto critical = [&](const char* column) {
        return std::array<Column, 6>{{{&t.iupacCritical, column, "IUPAC"},
                                      {&t.heosConstants, column, "heos"},
                                      {&t.mathewsCritical, column, "Mathews"},
                                      {&t.crcCritical, column, "CRC"},
                                      {&t.psrkCritical, column, "PSRK"},
                                      {&t.yawsCritical, column, "Yaws"}}};
    };
    std::vector<Vote> tc = votesOf(critical("Tc"), cas, 1.0);
    if (!tc.empty()) {
        // The critical temperatures the correlation tables were fitted with.
        const auto more =
            votesOf(std::array<Column, 4>{{{&t.perry2150Hvap, "Tc", "Perry 2-150", false},
                                           {&t.vdiHvap, "Tc", "VDI Hvap", false},
                                           {&t.vdiDensity, "Tc", "VDI density", false},
                                           {&t.perry105Density, "C3", "Perry 105", false}}},
                    cas, 1.0);
        tc.insert(tc.end(), more.begin(), more.end());
        if (perry) tc.push_back({perry->tmax, "Perry 2-8", false});
    }
    k.tc = decide(k, "Tc", tc, tolerance::kCriticalTemperature);
    std::vector<Vote> pc = votesOf(critical("Pc"), cas, 1e-5);
    // Perry 2-8 ends at the critical point when its Tmax is the Tc chosen.
    if (!pc.empty() && perry && k.tc &&
        tolerance::kCriticalTemperature.agree(perry->tmax, k.tc->value))
        pc.push_back({perry->pressure_Pa(perry->tmax) * 1e-5, "Perry 2-8", false});
    k.pc = decide(k, "Pc", pc, tolerance::kCriticalPressure);
    // The density correlations' critical densities are fitted parameters, not
    // measurements: they do not vote on Vc.
    k.vc = decide(k, "Vc", votesOf(critical("Vc"), cas, 1e6), tolerance::kCriticalVolume);
    std::vector<Vote> omega =
        votesOf(std::array<Column, 4>{{{&t.heosConstants, "omega", "heos"},
                                       {&t.psrkCritical, "omega", "PSRK"},
                                       {&t.yawsCritical, "omega", "Yaws"},
                                       {&t.costald, "omega_SRK", "COSTALD", false}}},
                cas, 1.0);
    // The definition itself: omega = -log10(psat(0.7 Tc)/Pc) - 1.
    if (!omega.empty() && perry && k.tc && k.pc) {
        const double t07 = 0.7 * k.tc->value;
        if (t07 >= perry->tmin && t07 <= perry->tmax)
            omega.push_back({-std::log10(perry->pressure_Pa(t07) / (k.pc->value * 1e5)) - 1.0,
                             "Perry 2-8 at 0.7 Tc", false});
    }
    k.omega = decide(k, "omega", omega, tolerance::kAcentricFactor);
    std::vector<Vote> hf = votesOf(std::array<Column, 6>{{{&t.atctHf, "Hfg", "ATcT"},
                                                          {&t.crcStandard, "Hfg", "CRC"},
                                                          {&t.apiHf, "Hfg", "API TDB"},
                                                          {&t.janafHf, "Hfg", "JANAF"},
                                                          {&t.yawsHf, "Hfg", "Yaws"},
                                                          {&t.trcGasCp, "Hfg", "TRC", false}}},
                                   cas, 1e-3);  // J/mol to kJ/mol
    k.hf = decide(k, "Hf", hf, tolerance::kEnthalpyOfFormation);
    if (k.tb) {
        std::vector<Vote> hvap;
        if (const auto crc = t.crcHvap.number(cas, "HvapTb"))
            hvap.push_back({*crc / 1000.0, "CRC"});
        if (const auto fromPerry = perryHvap(t, cas, k.tb->value))
            hvap.push_back({*fromPerry, "Perry 2-150"});
        if (const auto vdi = vdiHvapAt(t, cas, k.tb->value)) hvap.push_back({*vdi, "VDI PPDS"});
        k.hvap = decide(k, "Hvap", hvap, tolerance::kEnthalpyOfVaporization);
    }
    return k;
}

}  // namespace chemeng::datagen
