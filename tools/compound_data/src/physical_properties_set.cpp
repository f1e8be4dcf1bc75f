#include "physical_properties_set.h"

#include <algorithm>
#include <cmath>

#include "compound_constants.h"
#include "fixed_line.h"
#include "main_entry.h"
#include "number_text.h"

namespace chemeng::datagen {

namespace {

struct Row {
    MainEntry entry;
    CompoundConstants k;
    double zc;
};

// Checks completeness; the reason is counted when it fails.
bool complete(const CompoundConstants& k, FileReport& report) {
    const std::pair<const std::optional<Sourced>*, const char*> required[] = {
        {&k.tfp, "no freezing point"},       {&k.tb, "no normal boiling point"},
        {&k.tc, "no critical temperature"},  {&k.pc, "no critical pressure"},
        {&k.vc, "no critical volume"},       {&k.omega, "no acentric factor"},
        {&k.hf, "no enthalpy of formation"}, {&k.hvap, "no enthalpy of vaporization at Tb"},
    };
    for (const auto& [value, missing] : required)
        if (!*value) {
            report.reject(missing);
            return false;
        }
    return true;
}

// Formula and name where every main file has them, so that the three files
// read alike.
bool putIdentity(FixedLine& line, const MainEntry& e) {
    return line.put(3, 8, e.identity.formula, FixedLine::Align::Left) &&
           line.put(11, 28, e.name, FixedLine::Align::Left);
}

// Windows of Critical.txt. The critical temperature (63, 8) and pressure
// (69, 8) windows share characters 69 and 70, which stay blank: Tc is written
// in 63-68 and Pc in 71-76.
bool criticalLine(const Row& r, std::string& out) {
    FixedLine line;
    const CompoundConstants& k = r.k;
    const bool ok =
        putIdentity(line, r.entry) && putFixed(line, 39, 8, r.entry.identity.mw, 3, 1) &&
        putFixed(line, 47, 8, k.tfp->value, 2, 0) && putFixed(line, 55, 8, k.tb->value, 2, 0) &&
        putFixed(line, 63, 6, k.tc->value, 2, 0) && putFixed(line, 71, 6, k.pc->value, 2, 0) &&
        putFixed(line, 78, 6, k.vc->value, 1, 0) && putFixed(line, 85, 6, r.zc, 3, 3) &&
        putFixed(line, 91, 6, k.omega->value, 3, 2);
    out = line.text();
    return ok;
}

bool hfgasLine(const Row& r, std::string& out) {
    FixedLine line;
    const bool ok = putIdentity(line, r.entry) && putFixed(line, 82, 9, r.k.hf->value, 3, 1);
    out = line.text();
    return ok;
}

// Only the first of the four Hvap windows is shown by the program; the
// others stay blank.
bool hvapLine(const Row& r, std::string& out) {
    FixedLine line;
    const bool ok = putIdentity(line, r.entry) && putFixed(line, 46, 6, r.k.hvap->value, 3, 1);
    out = line.text();
    return ok;
}

// The largest disagreements left in the written rows.
void noteWorst(const Row& r, ConsistencyReport& consistency) {
    // Ranked by the difference in units of the agreement margin.
    for (const CompoundConstants::Check& check : r.k.checks) {
        const Consensus& c = check.consensus;
        if (!c.value || !(c.largestSetAside > 0.0)) continue;
        const double margin =
            std::max(check.tolerance.absolute, check.tolerance.relative * std::abs(*c.value));
        consistency.worst(check.quantity + ": tables agree", c.largestSetAside / margin,
                          r.entry.name + " " + fixedText(*c.value, 3) + "; " + c.setAsideSource +
                              " differs by " + fixedText(c.largestSetAside, 3));
    }
    const double edmister = edmisterOmega(r.k.tb->value, r.k.tc->value, r.k.pc->value);
    consistency.worst("omega within 0.1 of Edmister's estimate from Tb, Tc, Pc",
                      std::abs(r.k.omega->value - edmister),
                      r.entry.name + ": omega " + fixedText(r.k.omega->value, 3) + ", Edmister " +
                          fixedText(edmister, 3));
    const double zc = r.zc;
    const double middle = 0.5 * (kMinCriticalCompressibility + kMaxCriticalCompressibility);
    consistency.worst("Zc = Pc Vc / (R Tc) within 0.20-0.33", std::abs(zc - middle),
                      r.entry.name + ": Zc " + fixedText(zc, 3));
}

}  // namespace

ConstantsCheck checkConstants(const CompoundConstants& k) {
    if (!(k.tfp->value < k.tb->value && k.tb->value < k.tc->value))
        return {"Tfp < Tb < Tc", "implausible: not Tfp < Tb < Tc"};
    const double zc = *k.zc();
    if (!(zc >= kMinCriticalCompressibility && zc <= kMaxCriticalCompressibility))
        return {"Zc = Pc Vc / (R Tc) within 0.20-0.33", "implausible: Zc outside 0.20-0.33"};
    const double edmister = edmisterOmega(k.tb->value, k.tc->value, k.pc->value);
    if (!(std::abs(k.omega->value - edmister) <= kMaxEdmisterDifference))
        return {"omega within 0.1 of Edmister's estimate from Tb, Tc, Pc",
                "omega more than 0.1 from Edmister's estimate"};
    return {};
}

void countConsensus(const CompoundConstants& k, ConsistencyReport& consistency) {
    for (const CompoundConstants::Check& check : k.checks) {
        const std::string name = check.quantity + ": tables agree";
        switch (check.consensus.outcome) {
            case ConsensusOutcome::Single:
            case ConsensusOutcome::Agreed:
                consistency.count(name, ConsistencyReport::Outcome::Passed);
                break;
            case ConsensusOutcome::Corrected:
                consistency.count(name, ConsistencyReport::Outcome::Corrected);
                break;
            case ConsensusOutcome::Dropped:
                consistency.count(name, ConsistencyReport::Outcome::Dropped);
                break;
            case ConsensusOutcome::None:
                break;
        }
    }
}

PhysicalPropertiesFiles buildPhysicalPropertiesFiles(const SourceTables& t,
                                                     const std::set<std::string>& miscellaneous,
                                                     const NameBook& names, FileReport& report,
                                                     ConsistencyReport& consistency) {
    std::vector<Row> rows;
    for (const std::string& cas : casUnion({&t.iupacCritical, &t.heosConstants, &t.mathewsCritical,
                                            &t.crcCritical, &t.psrkCritical, &t.yawsCritical})) {
        auto entry = mainEntry(t, cas, miscellaneous, report);
        if (!entry) continue;
        CompoundConstants k = compoundConstants(t, cas);
        countConsensus(k, consistency);
        if (!complete(k, report)) continue;
        const ConstantsCheck physical = checkConstants(k);
        for (const char* check : {"Tfp < Tb < Tc", "Zc = Pc Vc / (R Tc) within 0.20-0.33",
                                  "omega within 0.1 of Edmister's estimate from Tb, Tc, Pc"}) {
            if (physical.check == check) {
                consistency.count(check, ConsistencyReport::Outcome::Dropped);
                break;
            }
            consistency.count(check, ConsistencyReport::Outcome::Passed);
        }
        if (!physical.reason.empty()) {
            report.reject(physical.reason);
            continue;
        }
        if (!nameFromBook(names, *entry, report)) continue;
        const double zc = *k.zc();
        rows.push_back({std::move(*entry), std::move(k), zc});
    }
    sortForFile(rows);

    PhysicalPropertiesFiles files;
    for (const Row& r : rows) {
        if (files.critical.size() == kMaxMainRows) {
            report.reject(reason::kOverLimit);
            continue;
        }
        std::string critical, hfgas, hvap;
        if (!criticalLine(r, critical) || !hfgasLine(r, hfgas) || !hvapLine(r, hvap)) {
            report.reject(reason::kWindow);
            continue;
        }
        files.critical.push_back(critical);
        files.hfgas.push_back(hfgas);
        files.hvap.push_back(hvap);
        files.cas.insert(r.entry.cas);
        report.compound(r.entry.cas);
        noteWorst(r, consistency);
        report.source("critical temperature: " + r.k.tc->source);
        report.source("enthalpy of formation: " + r.k.hf->source);
        report.source("enthalpy of vaporization: " + r.k.hvap->source);
    }
    report.written(static_cast<int>(files.critical.size()));
    return files;
}

}  // namespace chemeng::datagen
