#include "miscellaneous_set.h"

#include <cmath>

#include "compound_constants.h"
#include "compound_identity.h"
#include "correlations.h"
#include "density_set.h"
#include "fixed_line.h"
#include "heat_capacity_fits.h"
#include "miscellaneous_list.h"
#include "number_text.h"
#include "vapor_pressure_set.h"

namespace chemeng::datagen {

namespace {

constexpr double kBoilingPointMargin = 20.0;
constexpr double kRoomTemperature_K = 298.0;

// Antoine constants for T in kelvin (the Vapor Pressure page adds 273.15 to
// the Celsius temperature for these rows), range in degC.
struct KelvinAntoine {
    double a, b, c_K, tmin_C, tmax_C;
    std::string source;
    double fitDeviation;
};

std::optional<KelvinAntoine> kelvinAntoine(const SourceTables& t, const std::string& cas,
                                           std::optional<double> tb, FileReport& report) {
    std::vector<KelvinAntoine> candidates;
    if (const auto a = t.polingAntoine.number(cas, "A")) {
        const auto b = t.polingAntoine.number(cas, "B"), c = t.polingAntoine.number(cas, "C");
        const auto tmin = t.polingAntoine.number(cas, "Tmin"),
                   tmax = t.polingAntoine.number(cas, "Tmax");
        if (b && c && tmin && tmax)
            candidates.push_back({*a - kLog10PaPerMmHg, *b, *c, *tmin - kCelsiusOffset,
                                  *tmax - kCelsiusOffset, "Poling", 0.0});
    }
    std::string failure;
    auto perry = perryAntoine(t, cas, false, failure);
    // A liquid that exists only above 1500 mmHg (carbon dioxide): its whole
    // tabulated range.
    if (!perry && !failure.empty()) perry = perryAntoine(t, cas, true, failure);
    if (perry)
        candidates.push_back({perry->a, perry->b, perry->c - kCelsiusOffset, perry->tmin_C,
                              perry->tmax_C, perry->source, perry->fitDeviation});
    for (const KelvinAntoine& k : candidates) {
        const auto a = fixedFitting(k.a, 11, 5, 3), b = fixedFitting(k.b, 9, 3, 1),
                   c = fixedFitting(k.c_K, 10, 3, 1);
        if (!a || !b || !c) continue;
        if (tb && *tb - kCelsiusOffset >= k.tmin_C - kBoilingPointMargin &&
            *tb - kCelsiusOffset <= k.tmax_C + kBoilingPointMargin) {
            const double av = *parseNumber(*a), bv = *parseNumber(*b), cv = *parseNumber(*c);
            if (!meetsBoilingPoint(tabulatedBoilingPoints(t, cas),
                                   [&](double tk) { return antoineMmHg(av, bv, cv, tk); })) {
                report.failedCheck(k.source + ": more than 1 % from 760 mmHg at Tb");
                continue;
            }
        }
        return k;
    }
    return std::nullopt;
}

bool putOptional(FixedLine& line, int start, int width, const std::optional<Sourced>& v,
                 int decimals) {
    return !v || putFixed(line, start, width, v->value, decimals, 0);
}

// Windows of PhysProps.txt. A (43, 12) and B (54, 10) share character 54;
// Tmax (78, 11) and Tmin (85, 10) share 85-88: those stay blank.
std::string physPropsLine(const MiscellaneousCompound& m, const Identity& id,
                          const CompoundConstants& k, const std::optional<KelvinAntoine>& antoine,
                          FileReport& report) {
    FixedLine line;
    line.put(0, 14, m.formula, FixedLine::Align::Left);
    line.put(15, 27, m.name, FixedLine::Align::Left);
    bool ok = true;
    if (antoine) {
        ok = putFixed(line, 43, 11, antoine->a, 5, 3) && putFixed(line, 55, 9, antoine->b, 3, 1) &&
             putFixed(line, 68, 10, antoine->c_K, 3, 1) &&
             putFixed(line, 78, 7, antoine->tmax_C, 1, 0) &&
             putFixed(line, 89, 6, antoine->tmin_C, 1, 0);
    }
    const auto zc = k.zc();
    ok = ok && putFixed(line, 96, 11, id.mw, 3, 1) && putOptional(line, 110, 8, k.tfp, 2) &&
         putOptional(line, 118, 8, k.tb, 2) && putOptional(line, 126, 8, k.tc, 2) &&
         putOptional(line, 138, 8, k.pc, 2) && putOptional(line, 148, 8, k.vc, 1) &&
         (!zc || putFixed(line, 160, 8, *zc, 3, 3)) && putOptional(line, 172, 8, k.omega, 3) &&
         putOptional(line, 196, 14, k.hf, 3);
    if (!ok) report.reject(std::string(m.name) + ": a value does not fit its window");
    return line.text();
}

std::optional<double> miscellaneousHvap(const SourceTables& t, const std::string& cas,
                                        std::string_view name, const CompoundConstants& k,
                                        FileReport& report) {
    // A solid that sublimes at 1 atm has no normal boiling point: the
    // enthalpy of vaporization at its triple point instead.
    if (k.tfp && k.tb && k.tb->value < k.tfp->value) {
        const auto tmin = perryHvapTmin(t, cas);
        if (tmin) {
            const auto h = perryHvap(t, cas, *tmin);
            if (h)
                report.note(std::string(name) +
                            ": sublimes at 1 atm; enthalpy of vaporization from Perry 2-150 at its "
                            "triple point, " +
                            fixedText(*tmin, 2) + " K");
            return h;
        }
        return std::nullopt;
    }
    if (k.hvap) return k.hvap->value;
    return std::nullopt;
}

std::string otherDatLine(const SourceTables& t, const MiscellaneousCompound& m, const Identity& id,
                         const CompoundConstants& k, FileReport& report) {
    FixedLine line;
    const std::string cas(m.cas);
    const auto hvap = miscellaneousHvap(t, cas, m.name, k, report);
    if (hvap && !putFixed(line, 0, 6, *hvap, 3, 1))
        report.reject(std::string(m.name) + ": Hvap does not fit");
    if (!hvap) report.note(std::string(m.name) + ": no enthalpy of vaporization");
    // The tabulated density: at 25 degC for a liquid at room conditions, else
    // at the normal boiling point (at the triple point for a subliming solid).
    if (k.tfp && k.tb) {
        double t_K = std::round(k.tb->value);
        if (k.tfp->value < kRoomTemperature_K && kRoomTemperature_K < k.tb->value)
            t_K = kRoomTemperature_K;
        if (k.tb->value < k.tfp->value) t_K = std::round(k.tfp->value);
        const auto rho = liquidDensity(t, cas, id.mw, t_K);
        if (rho && putFixed(line, 8, 5, *rho, 3, 3) && putFixed(line, 15, 3, t_K, 0, 0)) {
            // written
        } else {
            report.note(std::string(m.name) + ": no liquid density at " + fixedText(t_K, 0) + " K");
        }
    }
    return line.text();
}

std::string rounded(double t, bool up, int width) {
    const int decimals = t < 10.0 ? 1 : 0;
    const double scale = decimals == 1 ? 10.0 : 1.0;
    const double r = (up ? std::ceil(t * scale - 1e-9) : std::floor(t * scale + 1e-9)) / scale;
    return fixedFitting(r, width, decimals, 0).value_or("");
}

}  // namespace

MiscellaneousFiles buildMiscellaneousFiles(const SourceTables& t, FileReport& constants,
                                           FileReport& heat) {
    MiscellaneousFiles files;
    for (const MiscellaneousCompound& m : kMiscellaneous) {
        const std::string cas(m.cas);
        std::optional<Identity> id = identity(t, cas);
        if (cas == kAirCas) {
            double mw = 0.0;
            for (const MixtureComponent& c : t.air)
                mw += c.moleFraction * identity(t, c.cas).value_or(Identity{"", 0.0}).mw;
            id = Identity{"AIR", mw};
        }
        if (!id) {
            constants.reject(std::string(m.name) + ": no identity");
            continue;
        }
        if (cas != kAirCas) {
            const CompoundConstants k = compoundConstants(t, cas);
            const auto antoine =
                kelvinAntoine(t, cas, k.tb ? std::optional(k.tb->value) : std::nullopt, constants);
            if (antoine) {
                constants.source("Antoine: " + antoine->source);
                if (antoine->source != "Poling")
                    constants.fit("Antoine refit of Perry 2-8", std::string(m.name),
                                  antoine->fitDeviation);
            } else {
                constants.note(std::string(m.name) + ": no Antoine set passes the check at Tb");
            }
            files.physProps.push_back(physPropsLine(m, *id, k, antoine, constants));
            files.otherDat.push_back(otherDatLine(t, m, *id, k, constants));
            if (k.tc) constants.source("critical temperature: " + k.tc->source);
            if (k.hf) constants.source("enthalpy of formation: " + k.hf->source);
        }

        FixedLine gasLine;
        gasLine.put(0, 4, m.formula, FixedLine::Align::Left);
        gasLine.put(5, 16, m.shortName, FixedLine::Align::Left);
        putFixed(gasLine, 22, 7, id->mw, 3, 1);
        FixedLine liquidLine = gasLine;
        if (auto gas = miscellaneousGasCp(t, cas)) {
            refitMinimaxIfWorseThan(*gas, kMaxCpDeviation);
            const auto a = fixedFitting(gas->coefficients[0], 8, 4, 2);
            const auto b = scientificFitting(gas->coefficients[1], 10, 3, 2);
            const auto c = scientificFitting(gas->coefficients[2], 11, 4, 3);
            const auto d = scientificFitting(gas->coefficients[3], 11, 4, 3);
            const double dev = a && b && c && d
                                   ? deviationOf(*gas, {*parseNumber(*a), *parseNumber(*b),
                                                        *parseNumber(*c), *parseNumber(*d)})
                                   : 1.0;
            if (dev <= kMaxCpDeviation && gasLine.put(29, 8, *a) && gasLine.put(37, 10, *b) &&
                gasLine.put(47, 11, *c) && gasLine.put(59, 11, *d) &&
                putFixed(gasLine, 70, 4, gas->tmin_K, 0, 0) &&
                putFixed(gasLine, 74, 5, gas->tmax_K, 0, 0)) {
                heat.source("gas: " + gas->source);
                heat.fit("ideal-gas cubic 273-1500 K", std::string(m.shortName), dev);
            } else {
                heat.reject(std::string(m.shortName) + ": gas cubic worse than 2 %");
            }
        } else {
            heat.reject(std::string(m.shortName) + ": no gas Cp");
        }
        const CompoundConstants k = compoundConstants(t, cas);
        const std::optional<CpPolynomial> liquid = liquidCp(t, cas, k, heat);
        bool liquidWritten = false;
        if (liquid) {
            const auto a = fixedFitting(liquid->coefficients[0], 12, 5, 2);
            const auto b = scientificFitting(liquid->coefficients[1], 11, 4, 3);
            const auto c = scientificFitting(liquid->coefficients[2], 12, 5, 4);
            const double dev =
                a && b && c
                    ? deviationOf(*liquid, {*parseNumber(*a), *parseNumber(*b), *parseNumber(*c)})
                    : 1.0;
            FixedLine withValues = liquidLine;
            if (dev <= kMaxCpDeviation && withValues.put(30, 12, *a) &&
                withValues.put(42, 11, *b) && withValues.put(54, 12, *c) &&
                withValues.put(66, 4, rounded(liquid->tmin_K, true, 4)) &&
                withValues.put(71, 3, rounded(liquid->tmax_K, false, 3))) {
                liquidLine = withValues;
                liquidWritten = true;
                heat.source("liquid: " + liquid->source);
                if (liquid->source != "Perry 2-153 quadratic")
                    heat.fit("liquid quadratic", std::string(m.shortName), dev);
            }
        }
        if (!liquidWritten)
            heat.note(std::string(m.shortName) +
                      ": no liquid quadratic within 2 %; liquid fields left blank");
        files.hcg.push_back(gasLine.text());
        files.hcl.push_back(liquidLine.text());
    }
    constants.written(static_cast<int>(files.physProps.size()));
    heat.written(static_cast<int>(files.hcg.size()));
    return files;
}

}  // namespace chemeng::datagen
