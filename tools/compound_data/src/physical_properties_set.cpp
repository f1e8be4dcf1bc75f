#include "physical_properties_set.h"

#include "compound_constants.h"
#include "fixed_line.h"
#include "main_entry.h"

namespace chemeng::datagen {

namespace {

struct Row {
    MainEntry entry;
    CompoundConstants k;
    double zc;
};

// Checks completeness and plausibility; the reason is counted when it fails.
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
    if (!(k.tfp->value < k.tb->value && k.tb->value < k.tc->value)) {
        report.reject("implausible: not Tfp < Tb < Tc");
        return false;
    }
    const double zc = *k.zc();
    if (!(zc > 0.15 && zc < 0.40)) {
        report.reject("implausible: Zc outside 0.15-0.40");
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

}  // namespace

PhysicalPropertiesFiles buildPhysicalPropertiesFiles(const SourceTables& t,
                                                     const std::set<std::string>& miscellaneous,
                                                     FileReport& report) {
    std::vector<Row> rows;
    for (const std::string& cas : casUnion({&t.iupacCritical, &t.heosConstants, &t.mathewsCritical,
                                            &t.crcCritical, &t.psrkCritical, &t.yawsCritical})) {
        auto entry = mainEntry(t, cas, miscellaneous, report);
        if (!entry) continue;
        CompoundConstants k = compoundConstants(t, cas);
        if (!complete(k, report) || !addNames(t, *entry, report)) continue;
        const double zc = *k.zc();
        rows.push_back({std::move(*entry), std::move(k), zc});
    }
    orderAndName(rows, report);

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
        report.source("critical temperature: " + r.k.tc->source);
        report.source("enthalpy of formation: " + r.k.hf->source);
        report.source("enthalpy of vaporization: " + r.k.hvap->source);
    }
    report.written(static_cast<int>(files.critical.size()));
    return files;
}

}  // namespace chemeng::datagen
