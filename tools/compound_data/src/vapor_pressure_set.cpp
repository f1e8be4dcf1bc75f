#include "vapor_pressure_set.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "compound_constants.h"
#include "correlations.h"
#include "fixed_line.h"
#include "least_squares.h"
#include "main_entry.h"
#include "number_text.h"

namespace chemeng::datagen {

namespace {

constexpr double kMaxFitDeviation = 0.02;
constexpr double kMaxBoilingPointError = 0.01;
constexpr double kBoilingPointMargin_C = 20.0;  // a set is checked at Tb this far outside its range
constexpr double kAtmosphere_mmHg = 760.0;
constexpr int kPerrySamples = 400;
constexpr int kMinPerryPoints = 10;

std::optional<AntoineSet> poling(const SourceTables& t, const std::string& cas) {
    const SourceTable& p = t.polingAntoine;
    const auto a = p.number(cas, "A"), b = p.number(cas, "B"), c = p.number(cas, "C");
    const auto tmin = p.number(cas, "Tmin"), tmax = p.number(cas, "Tmax");
    if (!a || !b || !c || !tmin || !tmax) return std::nullopt;
    // log10(p/Pa) with T in K, to log10(p/mmHg) with t in degC.
    return AntoineSet{*a - kLog10PaPerMmHg,
                      *b,
                      *c + kCelsiusOffset,
                      *tmin - kCelsiusOffset,
                      *tmax - kCelsiusOffset,
                      0.0,
                      "Poling"};
}

std::optional<AntoineSet> landolt(const SourceTables& t, const std::string& cas) {
    const SourceTable& l = t.landoltAntoine;
    const auto a = l.number(cas, "A"), b = l.number(cas, "B"), c = l.number(cas, "C");
    const auto tmin = l.number(cas, "Tmin"), tmax = l.number(cas, "Tmax");
    if (!a || !b || !c || !tmin || !tmax) return std::nullopt;
    // ln(p/Pa) with T in K, to log10(p/mmHg) with t in degC.
    return AntoineSet{*a / std::numbers::ln10 - kLog10PaPerMmHg,
                      *b / std::numbers::ln10,
                      *c + kCelsiusOffset,
                      *tmin - kCelsiusOffset,
                      *tmax - kCelsiusOffset,
                      0.0,
                      "Landolt"};
}

// The set as written: rounded like the file's windows.
struct WrittenAntoine {
    std::string a, b, c, tmin, tmax;
};

std::optional<WrittenAntoine> written(const AntoineSet& s) {
    const auto a = fixedFitting(s.a, 7, 5, 3), b = fixedFitting(s.b, 8, 3, 1),
               c = fixedFitting(s.c, 7, 3, 1);
    const auto tmin = fixedFitting(std::round(s.tmin_C), 4, 0, 0),
               tmax = fixedFitting(std::round(s.tmax_C), 4, 0, 0);
    if (!a || !b || !c || !tmin || !tmax) return std::nullopt;
    return WrittenAntoine{*a, *b, *c, *tmin, *tmax};
}

struct Row {
    MainEntry entry;
    AntoineSet set;
    WrittenAntoine text;
    bool inPhysicalProperties;
    int commonness;
    bool checkedAtTb;
};

}  // namespace

std::optional<AntoineSet> perryAntoine(const SourceTables& t, const std::string& cas,
                                       bool wholeRange, std::string& failure) {
    const SourceTable& p = t.perry28VaporPressure;
    const SourceTable::Row* row = p.find(cas);
    if (!row) return std::nullopt;
    std::array<double, 5> c{};
    const char* names[] = {"C1", "C2", "C3", "C4", "C5"};
    for (std::size_t i = 0; i < c.size(); ++i) {
        const auto x = SourceTable::number(*row, p.column(names[i]));
        if (!x) return std::nullopt;
        c[i] = *x;
    }
    const auto tmin = SourceTable::number(*row, p.column("Tmin"));
    const auto tmax = SourceTable::number(*row, p.column("Tmax"));
    if (!tmin || !tmax || !(*tmin < *tmax)) return std::nullopt;
    std::vector<double> t_C, p_mmHg;
    for (int i = 0; i < kPerrySamples; ++i) {
        const double tk = *tmin + i * (*tmax - *tmin) / (kPerrySamples - 1);
        const double pm = dippr101(c, tk) / kPaPerMmHg;
        if (wholeRange || (pm >= 10.0 && pm <= 1500.0)) {
            t_C.push_back(tk - kCelsiusOffset);
            p_mmHg.push_back(pm);
        }
    }
    if (static_cast<int>(t_C.size()) < kMinPerryPoints) {
        failure = "Perry 2-8: fewer than 10 points between 10 and 1500 mmHg";
        return std::nullopt;
    }
    const AntoineCoefficients fit = fitAntoine(t_C, p_mmHg);
    AntoineSet set{fit.a, fit.b, fit.c, t_C.front(), t_C.back(), 0.0, "Perry 2-8 fit"};
    // Measured with the constants as they will be written.
    if (const auto w = written(set)) {
        const double a = *parseNumber(w->a), b = *parseNumber(w->b), cc = *parseNumber(w->c);
        set.fitDeviation =
            maxRelativeDeviation(t_C, p_mmHg, [&](double x) { return antoineMmHg(a, b, cc, x); });
    } else {
        set.fitDeviation = 1.0;
    }
    return set;
}

bool meetsBoilingPoint(const std::vector<double>& boilingPoints_K,
                       const std::function<double(double)>& pressureAt_mmHg) {
    return std::any_of(boilingPoints_K.begin(), boilingPoints_K.end(), [&](double tb) {
        return std::abs(pressureAt_mmHg(tb) / kAtmosphere_mmHg - 1.0) <= kMaxBoilingPointError;
    });
}

std::vector<AntoineSet> antoineCandidates(const SourceTables& t, const std::string& cas,
                                          FileReport& report) {
    std::vector<AntoineSet> sets;
    if (auto s = poling(t, cas)) sets.push_back(*s);
    std::string failure;
    if (auto s = perryAntoine(t, cas, false, failure)) {
        if (s->fitDeviation <= kMaxFitDeviation)
            sets.push_back(*s);
        else
            report.failedCheck("Perry 2-8 refit worse than 2 %");
    } else if (!failure.empty()) {
        report.failedCheck(failure);
    }
    if (auto s = landolt(t, cas)) sets.push_back(*s);
    return sets;
}

std::vector<std::string> buildPsatFile(const SourceTables& t,
                                       const std::set<std::string>& miscellaneous,
                                       const std::set<std::string>& physicalProperties,
                                       FileReport& report) {
    std::vector<Row> rows;
    for (const std::string& cas :
         casUnion({&t.polingAntoine, &t.perry28VaporPressure, &t.landoltAntoine})) {
        auto entry = mainEntry(t, cas, miscellaneous, report);
        if (!entry) continue;
        const auto tb = compoundConstants(t, cas).tb;
        const std::vector<double> boilingPoints = tabulatedBoilingPoints(t, cas);
        std::optional<Row> chosen;
        bool anyChecked = false;
        for (const AntoineSet& set : antoineCandidates(t, cas, report)) {
            const auto text = written(set);
            if (!text) {
                report.failedCheck(set.source + ": a constant does not fit its window");
                continue;
            }
            const double tmin = *parseNumber(text->tmin), tmax = *parseNumber(text->tmax);
            bool checked = false;
            if (tb) {
                const double tb_C = tb->value - kCelsiusOffset;
                if (tb_C >= tmin - kBoilingPointMargin_C && tb_C <= tmax + kBoilingPointMargin_C) {
                    anyChecked = true;
                    checked = true;
                    const double a = *parseNumber(text->a), b = *parseNumber(text->b),
                                 c = *parseNumber(text->c);
                    const auto p = [&](double tk) {
                        return antoineMmHg(a, b, c, tk - kCelsiusOffset);
                    };
                    if (!meetsBoilingPoint(boilingPoints, p)) {
                        report.failedCheck(set.source + ": more than 1 % from 760 mmHg at Tb");
                        continue;
                    }
                }
            }
            chosen = Row{*entry, set, *text, physicalProperties.contains(cas), t.commonness(cas),
                         checked};
            break;
        }
        if (!chosen) {
            report.reject(anyChecked ? "every Antoine set more than 1 % from 760 mmHg at Tb"
                                     : "no usable Antoine set");
            continue;
        }
        if (!addNames(t, chosen->entry, report)) continue;
        rows.push_back(std::move(*chosen));
    }

    // Compounds of the Physical Properties files first, then the most widely
    // tabulated, then by CAS number.
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.inPhysicalProperties != b.inPhysicalProperties) return a.inPhysicalProperties;
        if (a.commonness != b.commonness) return a.commonness > b.commonness;
        return casNumber(a.entry.cas) < casNumber(b.entry.cas);
    });
    assignUniqueNames(rows, report);
    if (rows.size() > kMaxMainRows) {
        for (std::size_t i = kMaxMainRows; i < rows.size(); ++i) report.reject(reason::kOverLimit);
        rows.resize(kMaxMainRows);
    }
    sortForFile(rows);

    std::vector<std::string> lines;
    for (const Row& r : rows) {
        FixedLine line;
        const bool ok = line.put(3, 8, r.entry.identity.formula, FixedLine::Align::Left) &&
                        line.put(11, 28, r.entry.name, FixedLine::Align::Left) &&
                        line.put(39, 7, r.text.a) && line.put(46, 8, r.text.b) &&
                        line.put(54, 7, r.text.c) && line.put(61, 4, r.text.tmin) &&
                        line.put(65, 4, r.text.tmax);
        if (!ok) {
            report.reject(reason::kWindow);
            continue;
        }
        lines.push_back(line.text());
        report.source(r.set.source);
        if (!r.checkedAtTb) report.source("(not checked: no Tb within 20 degC of the range)");
        if (r.set.source == "Perry 2-8 fit")
            report.fit("Antoine refit of Perry 2-8", r.entry.name, r.set.fitDeviation);
    }
    report.written(static_cast<int>(lines.size()));
    return lines;
}

}  // namespace chemeng::datagen
