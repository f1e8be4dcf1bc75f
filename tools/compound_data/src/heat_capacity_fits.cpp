#include "heat_capacity_fits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "correlations.h"
#include "least_squares.h"

namespace chemeng::datagen {

namespace {

constexpr double kGasTmin = 298.0, kGasTmax = 1000.0;
constexpr double kMiscGasTmin = 273.0, kMiscGasTmax = 1500.0;
constexpr double kPolingSelfCheck = 0.01;
constexpr int kLiquidSamples = 201;
constexpr double kLiquidReducedLimit = 0.8;  // the near-critical rise is not quadratic

using CpFunction = std::function<double(double t)>;

// F1: the source at every whole kelvin of the range, cubic by relative least
// squares.
CpPolynomial cubicAtWholeKelvins(const CpFunction& cp, double tmin, double tmax,
                                 std::string source) {
    CpPolynomial fit{{}, tmin, tmax, {}, {}, std::move(source)};
    for (double t = tmin; t <= tmax + 1e-9; t += 1.0) {
        fit.t.push_back(t);
        fit.y.push_back(cp(t));
    }
    fit.coefficients = fitPolynomialRelative(fit.t, fit.y, 3);
    return fit;
}

// F2: 201 equally spaced temperatures, quadratic by relative least squares.
CpPolynomial quadratic(const CpFunction& cp, double tmin, double tmax, std::string source) {
    CpPolynomial fit{{}, tmin, tmax, {}, {}, std::move(source)};
    for (int i = 0; i < kLiquidSamples; ++i) {
        fit.t.push_back(tmin + i * (tmax - tmin) / (kLiquidSamples - 1));
        fit.y.push_back(cp(fit.t.back()));
    }
    fit.coefficients = fitPolynomialRelative(fit.t, fit.y, 2);
    return fit;
}

bool allFinitePositive(const std::vector<double>& y) {
    return std::all_of(y.begin(), y.end(), [](double v) { return std::isfinite(v) && v > 0.0; });
}

template <std::size_t N>
bool columns(const SourceTable& table, const SourceTable::Row& row,
             const std::array<const char*, N>& names, std::array<double, N>& out) {
    for (std::size_t i = 0; i < N; ++i) {
        const auto v = SourceTable::number(row, table.column(names[i]));
        if (!v) return false;
        out[i] = *v;
    }
    return true;
}

std::optional<CpPolynomial> trcGas(const SourceTables& t, const std::string& cas) {
    const SourceTable& trc = t.trcGasCp;
    const SourceTable::Row* row = trc.find(cas);
    if (!row) return std::nullopt;
    std::array<double, 8> a{};
    std::array<double, 2> range{};
    if (!columns(trc, *row, std::array{"a0", "a1", "a2", "a3", "a4", "a5", "a6", "a7"}, a) ||
        !columns(trc, *row, std::array{"Tmin", "Tmax"}, range) || range[0] > kGasTmin ||
        range[1] < kGasTmax)
        return std::nullopt;
    return cubicAtWholeKelvins([a](double x) { return trcGasCp(a, x); }, kGasTmin, kGasTmax, "TRC");
}

std::optional<CpPolynomial> polingGas(const SourceTables& t, const std::string& cas,
                                      FileReport& report) {
    const SourceTable& p = t.polingCp;
    const SourceTable::Row* row = p.find(cas);
    if (!row) return std::nullopt;
    const auto tmin = SourceTable::number(*row, p.column("Tmin"));
    const auto tmax = SourceTable::number(*row, p.column("Tmax"));
    const auto cp298 = SourceTable::number(*row, p.column("Cpg"));
    std::array<double, 5> a{};
    if (!tmin && !tmax) {
        // No range: a monatomic gas, Cp = 5/2 R at every temperature.
        a = {2.5, 0.0, 0.0, 0.0, 0.0};
    } else if (!tmin || !tmax || *tmin > kGasTmin || *tmax < kGasTmax ||
               !columns(p, *row, std::array{"a0", "a1", "a2", "a3", "a4"}, a)) {
        return std::nullopt;
    }
    // The quartic is Cp/R; it must reproduce the row's own 298.15 K value.
    const auto cp = [a](double x) { return kGasConstant * dippr100(a, x); };
    if (!cp298 || !(std::abs(cp(298.15) / *cp298 - 1.0) <= kPolingSelfCheck)) {
        report.failedCheck("Poling gas quartic more than 1 % from its own 298.15 K value");
        return std::nullopt;
    }
    return cubicAtWholeKelvins(cp, kGasTmin, kGasTmax, "Poling");
}

std::optional<CpPolynomial> perryLiquid(const SourceTables& t, const std::string& cas,
                                        const CompoundConstants& k, FileReport& report) {
    const auto perryTc = t.perry2150Hvap.number(cas, "Tc");
    const auto tcFor = [&]() -> std::optional<double> {
        if (perryTc) return perryTc;
        if (k.tc) return k.tc->value;
        return std::nullopt;
    };
    if (const SourceTable::Row* row = t.perry153Dippr100.find(cas)) {
        const SourceTable& p = t.perry153Dippr100;
        std::array<double, 5> c{};
        std::array<double, 2> range{};
        if (columns(p, *row, std::array{"A", "B", "C", "D", "E"}, c) &&
            columns(p, *row, std::array{"Tmin", "Tmax"}, range)) {
            if (!(range[0] < range[1])) {
                report.failedCheck("Perry 2-153: a value at one temperature only");
            } else if (c[3] == 0.0 && c[4] == 0.0) {
                // Already a quadratic: taken as published, J/kmol to J/mol.
                CpPolynomial exact{{c[0] / 1000.0, c[1] / 1000.0, c[2] / 1000.0},
                                   range[0],
                                   range[1],
                                   {},
                                   {},
                                   "Perry 2-153 quadratic"};
                for (int i = 0; i < kLiquidSamples; ++i) {
                    exact.t.push_back(range[0] + i * (range[1] - range[0]) / (kLiquidSamples - 1));
                    exact.y.push_back(dippr100(c, exact.t.back()) / 1000.0);
                }
                return exact;
            } else if (const auto tc = tcFor()) {
                const double thi = std::min(range[1], kLiquidReducedLimit * *tc);
                if (thi > range[0])
                    return quadratic([c](double x) { return dippr100(c, x) / 1000.0; }, range[0],
                                     thi, "Perry 2-153 DIPPR 100 fit");
            }
        }
    }
    if (const SourceTable::Row* row = t.perry153Dippr114.find(cas)) {
        const SourceTable& p = t.perry153Dippr114;
        std::array<double, 4> c{};
        std::array<double, 2> range{};
        if (perryTc && columns(p, *row, std::array{"A", "B", "C", "D"}, c) &&
            columns(p, *row, std::array{"Tmin", "Tmax"}, range)) {
            const double tc = *perryTc;
            const double thi = std::min(range[1], kLiquidReducedLimit * tc);
            if (thi > range[0])
                return quadratic([c, tc](double x) { return dippr114(tc, c, x) / 1000.0; },
                                 range[0], thi, "Perry 2-153 DIPPR 114 fit");
        }
    }
    return std::nullopt;
}

// Zabransky: isobaric data first, then saturation, then averaged values; the
// quasi-polynomial row of a type if it has one, else its spline pieces from
// the lowest one on as long as they join.
std::optional<CpPolynomial> zabranskyLiquid(const SourceTables& t, const std::string& cas,
                                            const CompoundConstants& k) {
    const SourceTable& z = t.zabransky;
    const std::vector<const SourceTable::Row*> rows = z.findAll(cas);
    if (rows.empty()) return std::nullopt;
    const std::array<const char*, 4> splineNames{"A1-spline", "A2-spline", "A3-spline",
                                                 "A4-spline"};
    const std::array<const char*, 6> quasiNames{"A1-quasi", "A2-quasi", "A3-quasi",
                                                "A4-quasi", "A5-quasi", "A6-quasi"};
    for (const char* type : {"p", "sat", "C"}) {
        struct Piece {
            double tmin, tmax;
            std::array<double, 4> a;
        };
        std::vector<Piece> pieces;
        for (const SourceTable::Row* row : rows) {
            if (SourceTable::text(*row, z.column("Data Type")) != type) continue;
            std::array<double, 2> range{};
            std::array<double, 4> spline{};
            std::array<double, 6> quasi{};
            if (!columns(z, *row, std::array{"Tmin", "Tmax"}, range) ||
                !columns(z, *row, splineNames, spline) || !columns(z, *row, quasiNames, quasi))
                continue;
            const bool isSpline =
                std::any_of(spline.begin(), spline.end(), [](double v) { return v != 0.0; });
            const auto tc = SourceTable::number(*row, z.column("Tc"));
            if (!isSpline && tc) {
                const double tlo = std::max(range[0], k.tfp ? k.tfp->value : range[0]);
                const double thi = std::min(range[1], kLiquidReducedLimit * *tc);
                if (thi <= tlo) continue;
                const double tcv = *tc;
                return quadratic([quasi, tcv](double x) { return zabranskyQuasi(quasi, tcv, x); },
                                 tlo, thi, "Zabransky quasi-polynomial fit");
            }
            if (isSpline) pieces.push_back({range[0], range[1], spline});
        }
        if (pieces.empty()) continue;
        std::stable_sort(pieces.begin(), pieces.end(),
                         [](const Piece& a, const Piece& b) { return a.tmin < b.tmin; });
        std::vector<Piece> run{pieces.front()};
        for (std::size_t i = 1; i < pieces.size(); ++i) {
            if (std::abs(pieces[i].tmin - run.back().tmax) > 1e-6) break;
            run.push_back(pieces[i]);
        }
        const double tlo = std::max(run.front().tmin, k.tfp ? k.tfp->value : run.front().tmin);
        double thi = run.back().tmax;
        if (k.tc) thi = std::min(thi, kLiquidReducedLimit * k.tc->value);
        if (thi <= tlo) continue;
        const auto cp = [run](double x) {
            for (const Piece& p : run)
                if (x <= p.tmax) return zabranskySpline(p.a, x);
            return zabranskySpline(run.back().a, x);
        };
        return quadratic(cp, tlo, thi, "Zabransky spline fit");
    }
    return std::nullopt;
}

}  // namespace

double deviationOf(const CpPolynomial& fit, const std::vector<double>& written) {
    return maxRelativeDeviation(fit.t, fit.y,
                                [&](double x) { return evaluatePolynomial(written, x); });
}

void refitMinimaxIfWorseThan(CpPolynomial& fit, double limit) {
    if (fit.t.empty() || deviationOf(fit, fit.coefficients) <= limit) return;
    const int degree = static_cast<int>(fit.coefficients.size()) - 1;
    fit.coefficients = fitPolynomialMinimax(fit.t, fit.y, degree);
    fit.source += " (minimax)";
}

std::optional<CpPolynomial> mainGasCp(const SourceTables& t, const std::string& cas,
                                      FileReport& report) {
    if (auto fit = trcGas(t, cas)) return fit;
    return polingGas(t, cas, report);
}

std::optional<CpPolynomial> shomateGasCp(const SourceTables& t, const std::string& cas, double tmin,
                                         double tmax) {
    const auto it = t.shomateGas.find(cas);
    if (it == t.shomateGas.end() || it->second.empty()) return std::nullopt;
    const std::vector<ShomateSegment>& segments = it->second;
    return cubicAtWholeKelvins([&segments](double x) { return shomateCp(segments, x); }, tmin, tmax,
                               "Shomate fit");
}

std::optional<CpPolynomial> miscellaneousGasCp(const SourceTables& t, const std::string& cas) {
    if (!t.air.empty() && cas == "132259-10-0") {
        std::vector<std::pair<double, const std::vector<ShomateSegment>*>> parts;
        for (const MixtureComponent& m : t.air) {
            const auto it = t.shomateGas.find(m.cas);
            if (it == t.shomateGas.end() || it->second.empty()) return std::nullopt;
            parts.emplace_back(m.moleFraction, &it->second);
        }
        CpPolynomial fit{{}, kMiscGasTmin, kMiscGasTmax, {}, {}, "Shomate N2, O2, Ar mixture fit"};
        for (double x = kMiscGasTmin; x <= kMiscGasTmax + 1e-9; x += 10.0) {
            double cp = 0.0;
            for (const auto& [y, segments] : parts) cp += y * shomateCp(*segments, x);
            fit.t.push_back(x);
            fit.y.push_back(cp);
        }
        fit.coefficients = fitPolynomialRelative(fit.t, fit.y, 3);
        return fit;
    }
    if (const auto it = t.janafGasCp.find(cas); it != t.janafGasCp.end()) {
        CpPolynomial fit{{}, kMiscGasTmin, kMiscGasTmax, {}, {}, "JANAF points fit"};
        for (std::size_t i = 0; i < it->second.t_K.size(); ++i)
            if (it->second.t_K[i] >= 250.0 && it->second.t_K[i] <= kMiscGasTmax) {
                fit.t.push_back(it->second.t_K[i]);
                fit.y.push_back(it->second.cp[i]);
            }
        if (fit.t.size() < 4) return std::nullopt;
        fit.coefficients = fitPolynomialRelative(fit.t, fit.y, 3);
        return fit;
    }
    const auto it = t.shomateGas.find(cas);
    if (it == t.shomateGas.end() || it->second.empty()) return std::nullopt;
    CpPolynomial fit{{}, kMiscGasTmin, kMiscGasTmax, {}, {}, "Shomate fit"};
    for (double x = kMiscGasTmin; x <= kMiscGasTmax + 1e-9; x += 10.0) {
        fit.t.push_back(x);
        fit.y.push_back(shomateCp(it->second, x));
    }
    fit.coefficients = fitPolynomialRelative(fit.t, fit.y, 3);
    return fit;
}

std::optional<CpPolynomial> liquidCp(const SourceTables& t, const std::string& cas,
                                     const CompoundConstants& k, FileReport& report) {
    const std::function<std::optional<CpPolynomial>()> sources[] = {
        [&] { return perryLiquid(t, cas, k, report); },
        [&] { return zabranskyLiquid(t, cas, k); },
    };
    for (const auto& source : sources) {
        auto fit = source();
        if (!fit) continue;
        if (!allFinitePositive(fit->y)) {
            report.failedCheck(fit->source + ": source Cp not positive in its range");
            continue;
        }
        if (fit->source != "Perry 2-153 quadratic") refitMinimaxIfWorseThan(*fit, kMaxCpDeviation);
        if (!(deviationOf(*fit, fit->coefficients) <= kMaxCpDeviation)) {
            report.failedCheck(fit->source + " worse than 2 %");
            continue;
        }
        return fit;
    }
    return std::nullopt;
}

}  // namespace chemeng::datagen
