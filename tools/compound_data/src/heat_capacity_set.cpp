#include "heat_capacity_set.h"

#include "fixed_line.h"
#include "heat_capacity_fits.h"
#include "main_entry.h"
#include "number_text.h"

namespace chemeng::datagen {

namespace {

// The Heat Capacities page gives the main rows whose formula is exactly CO
// or CO2 the range 273-3800 K. No cubic follows Cp that far within 2 %
// (about 3 % for CO and 4.6 % for CO2, worst near room temperature), so these
// two are held to a wider limit rather than left out.
constexpr double kWideRangeTmin = 273.0, kWideRangeTmax = 3800.0;
constexpr double kWideRangeMaxDeviation = 0.05;
const std::set<std::string> kWideRangeCas{"630-08-0", "124-38-9"};

struct Row {
    MainEntry entry;
    CpPolynomial gas;
    std::optional<CpPolynomial> liquid;
    int commonness;
};

std::optional<std::vector<std::string>> gasTexts(const std::vector<double>& c) {
    const auto a = fixedFitting(c[0], 9, 4, 2);
    const auto b = scientificFitting(c[1], 12, 5, 4);
    const auto cc = scientificFitting(c[2], 13, 6, 5);
    const auto d = scientificFitting(c[3], 13, 6, 5);
    if (!a || !b || !cc || !d) return std::nullopt;
    return std::vector<std::string>{*a, *b, *cc, *d};
}

std::optional<std::vector<std::string>> liquidTexts(const CpPolynomial& l) {
    const auto a = fixedFitting(l.coefficients[0], 8, 3, 1);
    const auto b = scientificFitting(l.coefficients[1], 14, 6, 5);
    const auto c = scientificFitting(l.coefficients[2], 13, 6, 5);
    const auto tmin = fixedFitting(l.tmin_K, 8, 2, 2);
    const auto tmax = fixedFitting(l.tmax_K, 9, 2, 2);
    if (!a || !b || !c || !tmin || !tmax) return std::nullopt;
    return std::vector<std::string>{*a, *b, *c, *tmin, *tmax};
}

std::vector<double> parsed(const std::vector<std::string>& texts, std::size_t count) {
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i) values.push_back(*parseNumber(texts[i]));
    return values;
}

}  // namespace

HeatCapacityFiles buildHeatCapacityFiles(const SourceTables& t,
                                         const std::set<std::string>& miscellaneous,
                                         FileReport& gasReport, FileReport& liquidReport) {
    std::set<std::string> excluded = miscellaneous;
    for (const std::string& cas : kWideRangeCas) excluded.erase(cas);

    std::vector<Row> rows;
    std::vector<std::string> candidates = casUnion({&t.trcGasCp, &t.polingCp});
    for (const std::string& cas : kWideRangeCas)
        if (std::find(candidates.begin(), candidates.end(), cas) == candidates.end())
            candidates.push_back(cas);
    for (const std::string& cas : candidates) {
        auto entry = mainEntry(t, cas, excluded, gasReport);
        if (!entry) continue;
        const bool wide = kWideRangeCas.contains(cas);
        auto gas = wide ? shomateGasCp(t, cas, kWideRangeTmin, kWideRangeTmax)
                        : mainGasCp(t, cas, gasReport);
        if (!gas) {
            gasReport.reject("no ideal-gas Cp covering 298-1000 K");
            continue;
        }
        const double limit = wide ? kWideRangeMaxDeviation : kMaxCpDeviation;
        refitMinimaxIfWorseThan(*gas, limit);
        const auto texts = gasTexts(gas->coefficients);
        if (!texts || !(deviationOf(*gas, parsed(*texts, 4)) <= limit)) {
            gasReport.reject("ideal-gas cubic worse than 2 %");
            continue;
        }
        if (!addNames(t, *entry, gasReport)) continue;
        const CompoundConstants k = compoundConstants(t, cas);
        rows.push_back({std::move(*entry), std::move(*gas), liquidCp(t, cas, k, liquidReport),
                        t.commonness(cas)});
    }
    // Should more than 700 qualify, the most widely tabulated stay.
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.commonness != b.commonness) return a.commonness > b.commonness;
        return casNumber(a.entry.cas) < casNumber(b.entry.cas);
    });
    assignUniqueNames(rows, gasReport);
    if (rows.size() > kMaxMainRows) {
        for (std::size_t i = kMaxMainRows; i < rows.size(); ++i)
            gasReport.reject(reason::kOverLimit);
        rows.resize(kMaxMainRows);
    }
    sortForFile(rows);

    HeatCapacityFiles files;
    for (const Row& r : rows) {
        const std::vector<std::string> g = *gasTexts(r.gas.coefficients);
        FixedLine gas;
        if (!(gas.put(3, 8, r.entry.identity.formula, FixedLine::Align::Left) &&
              gas.put(11, 28, r.entry.name, FixedLine::Align::Left) &&
              putFixed(gas, 39, 7, r.entry.identity.mw, 3, 1) && gas.put(46, 9, g[0]) &&
              gas.put(60, 12, g[1]) && gas.put(72, 13, g[2]) && gas.put(85, 13, g[3]))) {
            gasReport.reject(reason::kWindow);
            continue;
        }
        // The liquid line: the liquid c (72, 14) and Tmin (85, 9) windows share
        // character 85, which stays blank.
        FixedLine liquid;
        liquid.put(3, 8, r.entry.identity.formula, FixedLine::Align::Left);
        liquid.put(11, 28, r.entry.name, FixedLine::Align::Left);
        std::optional<std::vector<std::string>> l;
        if (r.liquid) {
            l = liquidTexts(*r.liquid);
            if (l && !(deviationOf(*r.liquid, parsed(*l, 3)) <= kMaxCpDeviation)) l.reset();
            FixedLine withValues = liquid;
            if (l && withValues.put(47, 8, (*l)[0]) && withValues.put(58, 14, (*l)[1]) &&
                withValues.put(72, 13, (*l)[2]) && withValues.put(86, 8, (*l)[3]) &&
                withValues.put(94, 9, (*l)[4])) {
                liquid = withValues;
            } else {
                l.reset();
                liquidReport.failedCheck("liquid quadratic does not fit its windows");
            }
        }
        files.gas.push_back(gas.text());
        files.liquid.push_back(liquid.text());
        gasReport.source(r.gas.source);
        gasReport.fit(kWideRangeCas.contains(r.entry.cas) ? "ideal-gas cubic 273-3800 K (CO, CO2)"
                                                          : "ideal-gas cubic 298-1000 K",
                      r.entry.name, deviationOf(r.gas, parsed(g, 4)));
        if (l) {
            liquidReport.source(r.liquid->source);
            if (r.liquid->source != "Perry 2-153 quadratic")
                liquidReport.fit("liquid quadratic fit", r.entry.name,
                                 deviationOf(*r.liquid, parsed(*l, 3)));
        } else {
            liquidReport.source("no liquid data (fields left blank)");
        }
    }
    gasReport.written(static_cast<int>(files.gas.size()));
    liquidReport.written(static_cast<int>(files.liquid.size()));
    return files;
}

}  // namespace chemeng::datagen
