// The compounds engineers expect find their way onto every page the source
// tables allow, and every name a page shows is listed in identifiers.txt.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "generator.h"

namespace chemeng::datagen {
namespace {

// Sixty everyday compounds with the pages the public tables cannot fill for
// them (and why), so that losing one anywhere else fails.
struct Expected {
    const char* cas;
    const char* name;
    std::set<std::string> absentFrom;
};

const std::string kPhys = "Physical Properties", kDensity = "Density of Liquid",
                  kVapor = "Vapor Pressure", kHeat = "Heat Capacities";

TEST(CompoundDataCoverage, SixtyCommonCompoundsAreOnEveryPageTheSourcesAllow) {
    const Expected expected[] = {
        {"74-82-8", "methane", {}},
        {"74-84-0", "ethane", {}},
        {"74-98-6", "propane", {}},
        {"106-97-8", "butane", {}},
        {"75-28-5", "isobutane", {}},
        {"109-66-0", "pentane", {}},
        {"78-78-4", "isopentane", {}},
        {"110-54-3", "hexane", {}},
        {"142-82-5", "heptane", {}},
        {"111-65-9", "octane", {}},
        {"540-84-1", "isooctane", {}},
        {"124-18-5", "decane", {}},
        {"74-85-1", "ethylene", {}},
        {"115-07-1", "propylene", {}},
        {"106-98-9", "1-butene", {}},
        {"106-99-0", "1,3-butadiene", {}},
        // Isoprene: one critical volume and freezing points 2.5 K apart.
        {"78-79-5", "isoprene", {kPhys, kDensity}},
        // Acetylene sublimes at 1 atm (Tb below the triple point).
        {"74-86-2", "acetylene", {kPhys}},
        {"110-82-7", "cyclohexane", {}},
        {"287-92-3", "cyclopentane", {}},
        {"71-43-2", "benzene", {}},
        {"108-88-3", "toluene", {}},
        {"100-41-4", "ethylbenzene", {}},
        {"95-47-6", "o-xylene", {}},
        {"108-38-3", "m-xylene", {}},
        {"106-42-3", "p-xylene", {}},
        // Styrene: no table gives its ideal-gas Cp.
        {"100-42-5", "styrene", {kHeat}},
        {"98-82-8", "cumene", {}},
        {"91-20-3", "naphthalene", {}},
        {"67-56-1", "methanol", {}},
        {"64-17-5", "ethanol", {}},
        {"71-23-8", "1-propanol", {}},
        {"67-63-0", "isopropanol", {}},
        {"71-36-3", "1-butanol", {}},
        {"107-21-1", "ethylene glycol", {}},
        // Glycerol: no ideal-gas Cp; its critical constants are estimates
        // that disagree.
        {"56-81-5", "glycerol", {kPhys, kHeat}},
        {"108-95-2", "phenol", {}},
        {"67-64-1", "acetone", {}},
        {"78-93-3", "MEK", {}},
        // MIBK: no table gives its ideal-gas Cp.
        {"108-10-1", "MIBK", {kHeat}},
        // Formaldehyde: the critical tables disagree.
        {"50-00-0", "formaldehyde", {kPhys}},
        {"75-07-0", "acetaldehyde", {}},
        {"64-19-7", "acetic acid", {}},
        // Formic acid (it dimerises): the tables disagree on its constants and
        // on its gas Cp at 298 K (45.7 and 53.5 J/(mol K)).
        {"64-18-6", "formic acid", {kPhys, kHeat}},
        {"141-78-6", "ethyl acetate", {}},
        {"79-20-9", "methyl acetate", {}},
        {"60-29-7", "diethyl ether", {}},
        {"1634-04-4", "MTBE", {}},
        {"109-99-9", "THF", {}},
        {"123-91-1", "1,4-dioxane", {}},
        {"75-05-8", "acetonitrile", {kPhys}},
        {"62-53-3", "aniline", {kPhys}},
        {"110-86-1", "pyridine", {}},
        {"75-09-2", "dichloromethane", {}},
        {"67-66-3", "chloroform", {}},
        {"56-23-5", "carbon tetrachloride", {}},
        {"75-01-4", "vinyl chloride", {}},
        {"74-87-3", "methyl chloride", {}},
        {"75-21-8", "ethylene oxide", {}},
        {"107-06-2", "1,2-dichloroethane", {}},
    };
    static_assert(std::size(expected) == 60);
    const GeneratedData data = generateCompoundData(COMPOUND_DATA_SOURCE_DIR);
    ASSERT_TRUE(data.error.empty()) << data.error;
    for (const Expected& e : expected)
        for (const std::string& page : {kPhys, kDensity, kVapor, kHeat}) {
            const bool present = data.compoundsByPage.at(page).contains(e.cas);
            EXPECT_EQ(present, !e.absentFrom.contains(page)) << e.name << " on " << page;
        }

    // identifiers.txt names every compound of every page once.
    std::set<std::string> listed, names;
    std::istringstream in(data.files.at(kIdentifiersFileName));
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        const auto tab2 = line.find('\t', tab + 1);
        ASSERT_NE(tab2, std::string::npos) << line;
        EXPECT_TRUE(names.insert(line.substr(0, tab)).second) << "name twice: " << line;
        EXPECT_TRUE(listed.insert(line.substr(tab + 1, tab2 - tab - 1)).second) << line;
    }
    for (const auto& [page, compounds] : data.compoundsByPage)
        for (const std::string& cas : compounds) EXPECT_TRUE(listed.contains(cas)) << cas;
}

}  // namespace
}  // namespace chemeng::datagen
