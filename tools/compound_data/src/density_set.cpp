#include "density_set.h"

#include <array>
#include <cmath>
#include <functional>

#include "compound_constants.h"
#include "correlations.h"
#include "fixed_line.h"
#include "least_squares.h"
#include "main_entry.h"
#include "number_text.h"

namespace chemeng::datagen {

namespace {

constexpr double kMaxDeviation = 0.02;
constexpr int kSamples = 100;
// The CRC handbook lists room-temperature densities; a correlation more
// than this far from it at 20 degC is taken to be a wrong row.
constexpr double kRoomTemperature = 293.15;
constexpr double kMaxHandbookDifference = 0.05;

// Rackett coefficients as they are written, with their range.
struct Rackett {
    std::string a, b, tmin, tc;
    double deviation = 0.0;
    std::string source;
};

using DensityFunction = std::function<double(double t)>;  // g/mL

// F3: the Rackett form fitted to the source at 100 temperatures from tmin up
// to (not including) tc, then measured as written.
std::optional<Rackett> fitToRackett(const DensityFunction& rho, double tmin, double tc,
                                    std::string& failure) {
    std::vector<double> t, y;
    for (int i = 0; i < kSamples; ++i) {
        t.push_back(tmin + i * (tc - tmin) / kSamples);
        y.push_back(rho(t.back()));
        if (!(y.back() > 0.0) || !std::isfinite(y.back())) {
            failure = "source density not positive in its range";
            return std::nullopt;
        }
    }
    // Least squares in ln rho first; where that misses the limit, the fit
    // with the smallest largest deviation.
    for (const bool minimax : {false, true}) {
        const RackettCoefficients fit =
            minimax ? fitRackettMinimax(t, y, tc) : fitRackett(t, y, tc);
        if (!(fit.a > 0.0) || !(fit.b > 0.0 && fit.b < 1.0)) {
            failure = "Rackett fit outside A > 0, 0 < B < 1";
            return std::nullopt;
        }
        Rackett r{fixedText(fit.a, 4),
                  fixedText(fit.b, 4),
                  fixedFitting(tmin, 6, 2, 0).value_or(""),
                  fixedFitting(tc, 6, 2, 0).value_or(""),
                  0.0,
                  minimax ? " (minimax)" : ""};
        if (r.tmin.empty() || r.tc.empty()) {
            failure = "a temperature does not fit its window";
            return std::nullopt;
        }
        const RackettCoefficients written{*parseNumber(r.a), *parseNumber(r.b)};
        const double writtenTc = *parseNumber(r.tc);
        r.deviation = maxRelativeDeviation(
            t, y, [&](double x) { return rackettDensity(written, writtenTc, x); });
        if (r.deviation <= kMaxDeviation) return r;
    }
    failure = "Rackett fit worse than 2 %";
    return std::nullopt;
}

std::optional<double> number(const SourceTable& table, const SourceTable::Row& row,
                             const char* column) {
    return SourceTable::number(row, table.column(column));
}

std::optional<Rackett> fromPerry(const SourceTables& t, const std::string& cas, double mw,
                                 std::string& failure) {
    const SourceTable::Row* row = t.perry105Density.find(cas);
    if (!row) return std::nullopt;
    std::array<double, 4> c{};
    const char* names[] = {"C1", "C2", "C3", "C4"};
    for (std::size_t i = 0; i < c.size(); ++i) {
        const auto x = number(t.perry105Density, *row, names[i]);
        if (!x) return std::nullopt;
        c[i] = *x;
    }
    const auto tmin = number(t.perry105Density, *row, "Tmin");
    if (!tmin || !(*tmin < c[2])) return std::nullopt;
    auto r =
        fitToRackett([&](double x) { return dippr105(c, x) * mw * 1e-6; }, *tmin, c[2], failure);
    if (r) r->source = "Perry 105 fit" + r->source;
    return r;
}

std::optional<Rackett> fromVdi(const SourceTables& t, const std::string& cas, double tfp,
                               std::string& failure) {
    const SourceTable::Row* row = t.vdiDensity.find(cas);
    if (!row) return std::nullopt;
    const auto tc = number(t.vdiDensity, *row, "Tc");
    const auto rhoc = number(t.vdiDensity, *row, "rhoc");
    std::array<double, 4> c{};
    const char* names[] = {"A", "B", "C", "D"};
    for (std::size_t i = 0; i < c.size(); ++i) {
        const auto x = number(t.vdiDensity, *row, names[i]);
        if (!x) return std::nullopt;
        c[i] = *x;
    }
    if (!tc || !rhoc || !(tfp < *tc)) return std::nullopt;
    auto r = fitToRackett([&](double x) { return ppdsLiquidDensity(*tc, *rhoc, c, x) / 1000.0; },
                          tfp, *tc, failure);
    if (r) r->source = "VDI PPDS fit" + r->source;
    return r;
}

// The Rackett equation itself with the COSTALD table's Z_RA: no fit needed.
std::optional<Rackett> fromCostald(const SourceTables& t, const std::string& cas, double mw,
                                   const CompoundConstants& k, std::string& failure) {
    const auto zra = t.costald.number(cas, "Z_RA");
    if (!zra || !k.tc || !k.pc || !k.tfp || !(k.tfp->value < k.tc->value)) return std::nullopt;
    const double a = mw * k.pc->value * 1e5 / (kGasConstant * k.tc->value * *zra) * 1e-6;
    if (!(a > 0.0) || !(*zra > 0.0 && *zra < 1.0)) {
        failure = "Rackett fit outside A > 0, 0 < B < 1";
        return std::nullopt;
    }
    Rackett r{fixedText(a, 4),
              fixedText(*zra, 4),
              fixedFitting(k.tfp->value, 6, 2, 0).value_or(""),
              fixedFitting(k.tc->value, 6, 2, 0).value_or(""),
              0.0,
              "COSTALD Z_RA"};
    if (r.tmin.empty() || r.tc.empty()) {
        failure = "a temperature does not fit its window";
        return std::nullopt;
    }
    return r;
}

// Compares the written equation with the handbook's room-temperature density
// when the compound is a liquid there.
bool agreesWithHandbook(const SourceTables& t, const std::string& cas, const CompoundConstants& k,
                        const Rackett& r) {
    const auto handbook = t.crcOrganicConstants.number(cas, "rho");
    const double tmin = *parseNumber(r.tmin), tc = *parseNumber(r.tc);
    if (!handbook || !k.tfp || !k.tb ||
        !(k.tfp->value < kRoomTemperature && kRoomTemperature < k.tb->value) ||
        !(tmin <= kRoomTemperature && kRoomTemperature < tc))
        return true;
    const double rho = rackettDensity({*parseNumber(r.a), *parseNumber(r.b)}, tc, kRoomTemperature);
    return std::abs(rho / (*handbook / 1000.0) - 1.0) <= kMaxHandbookDifference;
}

struct Row {
    MainEntry entry;
    Rackett rackett;
};

bool densityLine(const Row& r, std::string& out) {
    FixedLine line;
    const bool ok = line.put(3, 8, r.entry.identity.formula, FixedLine::Align::Left) &&
                    line.put(11, 28, r.entry.name, FixedLine::Align::Left) &&
                    putFixed(line, 39, 7, r.entry.identity.mw, 3, 1) &&
                    line.put(46, 6, r.rackett.a) && line.put(52, 6, r.rackett.b) &&
                    line.put(58, 6, r.rackett.tmin) && line.put(65, 6, r.rackett.tc);
    out = line.text();
    return ok;
}

}  // namespace

std::optional<double> liquidDensity(const SourceTables& t, const std::string& cas, double mw,
                                    double temperature) {
    if (const SourceTable::Row* row = t.perry105Density.find(cas)) {
        std::array<double, 4> c{};
        const char* names[] = {"C1", "C2", "C3", "C4"};
        bool complete = true;
        for (std::size_t i = 0; i < c.size(); ++i) {
            const auto x = number(t.perry105Density, *row, names[i]);
            complete = complete && x;
            c[i] = x.value_or(0.0);
        }
        const auto tmin = number(t.perry105Density, *row, "Tmin");
        const auto tmax = number(t.perry105Density, *row, "Tmax");
        if (complete && tmin && tmax && temperature >= *tmin && temperature <= *tmax)
            return dippr105(c, temperature) * mw * 1e-6;
    }
    if (const SourceTable::Row* row = t.vdiDensity.find(cas)) {
        const auto tc = number(t.vdiDensity, *row, "Tc");
        const auto rhoc = number(t.vdiDensity, *row, "rhoc");
        std::array<double, 4> c{};
        const char* names[] = {"A", "B", "C", "D"};
        bool complete = tc && rhoc;
        for (std::size_t i = 0; i < c.size(); ++i) {
            const auto x = number(t.vdiDensity, *row, names[i]);
            complete = complete && x;
            c[i] = x.value_or(0.0);
        }
        if (complete && temperature < *tc)
            return ppdsLiquidDensity(*tc, *rhoc, c, temperature) / 1000.0;
    }
    return std::nullopt;
}

std::vector<std::string> buildDensityFile(const SourceTables& t,
                                          const std::set<std::string>& miscellaneous,
                                          FileReport& report) {
    std::vector<Row> rows;
    for (const std::string& cas : casUnion({&t.perry105Density, &t.vdiDensity, &t.costald})) {
        auto entry = mainEntry(t, cas, miscellaneous, report);
        if (!entry) continue;
        const CompoundConstants k = compoundConstants(t, cas);
        const double mw = entry->identity.mw;

        // Sources in order of preference; a failed one gives way to the next.
        std::string firstFailure;
        std::optional<Rackett> chosen;
        const std::function<std::optional<Rackett>(std::string&)> sources[] = {
            [&](std::string& f) { return fromPerry(t, cas, mw, f); },
            [&](std::string& f) { return k.tfp ? fromVdi(t, cas, k.tfp->value, f) : std::nullopt; },
            [&](std::string& f) { return fromCostald(t, cas, mw, k, f); },
        };
        for (const auto& source : sources) {
            std::string failure;
            auto r = source(failure);
            if (r && !agreesWithHandbook(t, cas, k, *r)) {
                failure = "more than 5 % from the CRC handbook density at 20 degC";
                r.reset();
            }
            if (r) {
                chosen = std::move(r);
                break;
            }
            if (!failure.empty()) {
                report.failedCheck(failure);
                if (firstFailure.empty()) firstFailure = failure;
            }
        }
        if (!chosen) {
            report.reject(firstFailure.empty() ? "no usable correlation (missing Tfp, Tc or Pc)"
                                               : firstFailure);
            continue;
        }
        if (!addNames(t, *entry, report)) continue;
        rows.push_back({std::move(*entry), std::move(*chosen)});
    }
    orderAndName(rows, report);

    std::vector<std::string> lines;
    for (const Row& r : rows) {
        std::string line;
        if (lines.size() == kMaxMainRows) {
            report.reject(reason::kOverLimit);
            continue;
        }
        if (!densityLine(r, line)) {
            report.reject(reason::kWindow);
            continue;
        }
        lines.push_back(line);
        report.source(r.rackett.source);
        if (r.rackett.source != "COSTALD Z_RA")
            report.fit("Rackett fit", r.entry.name, r.rackett.deviation);
    }
    report.written(static_cast<int>(lines.size()));
    return lines;
}

}  // namespace chemeng::datagen
