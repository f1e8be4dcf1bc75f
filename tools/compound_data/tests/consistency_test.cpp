// The consistency rules of the generator, each on a small fixture that shows
// the fault it exists for: a swapped CAS, a boiling point outvoted by the
// other tables and the Antoine constants, a bad ideal-gas Cp row.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "compound_constants.h"
#include "consensus.h"
#include "heat_capacity_fits.h"
#include "names.h"
#include "physical_properties_set.h"
#include "row_screening.h"
#include "vapor_pressure_set.h"

namespace chemeng::datagen {
namespace {

// Source tables written to a scratch folder and read back like the real ones.
class Fixture {
  public:
    Fixture()
        : m_dir(std::filesystem::temp_directory_path() /
                ("compound_data_fixture_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_dir);
    }
    ~Fixture() { std::filesystem::remove_all(m_dir); }

    SourceTable table(const std::string& name, const std::string& text,
                      SourceTable::Layout layout = {}) {
        const auto path = m_dir / name;
        std::ofstream(path, std::ios::binary) << text;
        std::string error;
        SourceTable t = SourceTable::read(path, layout, error);
        EXPECT_TRUE(error.empty()) << error;
        return t;
    }

    // Identifier rows: id, CAS, formula, MW, SMILES, InChI, key, IUPAC name, common name.
    SourceTable identifiers(const std::string& rows) {
        return table("identifiers.tsv", rows, SourceTable::Layout{false, 1});
    }

  private:
    std::filesystem::path m_dir;
};

const std::string kCycloC6H12 =
    "1\t110-82-7\tC6H12\t84.16\t\t\t\tcyclohexane\tcyclohexane\thexahydrobenzene\n"
    "2\t96-37-7\tC6H12\t84.16\t\t\t\tmethylcyclopentane\tmethylcyclopentane\n";

TEST(CompoundDataConsensus, FirstChoiceKeptOnlyWhenTheOtherTablesAgree) {
    const Tolerance tc{2.0, 0.005};
    struct Case {
        const char* what;
        std::vector<Vote> votes;
        ConsensusOutcome outcome;
        double value;  // NaN: no value
    };
    const double none = std::nan("");
    const Case cases[] = {
        {"swapped CAS outvoted",
         {{532.7, "IUPAC"}, {553.6, "heos"}, {553.4, "CRC"}, {553.8, "PSRK"}},
         ConsensusOutcome::Corrected,
         553.6},
        {"first choice agrees",
         {{553.8, "IUPAC"}, {553.6, "heos"}},
         ConsensusOutcome::Agreed,
         553.8},
        {"one table only", {{553.8, "IUPAC"}}, ConsensusOutcome::Single, 553.8},
        {"no two agree", {{500.0, "IUPAC"}, {520.0, "Yaws"}}, ConsensusOutcome::Dropped, none},
        {"witnesses alone never written",
         {{500.0, "IUPAC"}, {520.0, "Perry", false}, {520.5, "VDI", false}},
         ConsensusOutcome::Dropped,
         none},
        {"one witness alone does not veto",
         {{500.0, "IUPAC"}, {520.0, "VDI", false}},
         ConsensusOutcome::Single,
         500.0},
        {"witnesses outvote the first choice",
         {{500.0, "IUPAC"}, {520.0, "Yaws"}, {520.5, "VDI", false}},
         ConsensusOutcome::Corrected,
         520.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Consensus result = consensus(c.votes, tc);
        EXPECT_EQ(result.outcome, c.outcome);
        if (std::isnan(c.value)) {
            EXPECT_FALSE(result.value);
        } else {
            ASSERT_TRUE(result.value);
            EXPECT_NEAR(*result.value, c.value, 1e-9);
        }
    }
}

TEST(CompoundDataScreening, RowsFiledUnderAnotherCompoundsCasAreRemoved) {
    Fixture f;
    SourceTables t;
    t.identifiers[0] =
        f.identifiers(kCycloC6H12 + "3\t64-17-5\tC2H6O\t46.07\t\t\t\tethanol\tethanol\n");
    // The first-choice critical table with cyclohexane and methylcyclopentane
    // swapped, as in the published IUPAC compilation's copy.
    t.iupacCritical = f.table("iupac.tsv",
                              "CAS\tChemical\tMW\tTc\tPc\tVc\n"
                              "96-37-7\tcyclohexane\t84.161\t553.8\t4080000\t0.000308\n"
                              "110-82-7\tmethylcyclopentane\t84.161\t532.7\t3790000\t0.000318\n"
                              "64-17-5\tethanol\t46.07\t514.0\t6137000\t0.000168\n");
    // A formula column of another compound; a molecular weight of another.
    t.crcHvap = f.table("hvap.tsv",
                        "CAS\tChemical\tFormula\tTb\tHvapTb\n"
                        "64-17-5\tEthanol\tC2H4O2\t351.4\t38560\n"
                        "110-82-7\tCyclohexane\tC6H12\t353.9\t29970\n");
    t.mathewsCritical = f.table("mathews.tsv",
                                "CAS\tChemical\tMW\tTc\n"
                                "64-17-5\tmystery\t60.05\t594.0\n");
    const ScreeningResult r = screenSourceRows(t);
    EXPECT_EQ(r.total(), 4);
    EXPECT_FALSE(t.iupacCritical.contains("96-37-7"));
    EXPECT_FALSE(t.iupacCritical.contains("110-82-7"));
    EXPECT_TRUE(t.iupacCritical.contains("64-17-5"));
    EXPECT_FALSE(t.crcHvap.contains("64-17-5"));
    EXPECT_TRUE(t.crcHvap.contains("110-82-7"));
    EXPECT_FALSE(t.mathewsCritical.contains("64-17-5"));

    // The row's own name confirms its CAS although its molecular weight is a
    // misprint (the IUPAC table gives chloroethene 61.49 g/mol).
    t.identifiers[0] =
        f.identifiers("1\t75-01-4\tC2H3Cl\t62.5\t\t\t\tchloroethene\tvinyl chloride\n");
    t.iupacCritical =
        f.table("iupac2.tsv", "CAS\tChemical\tMW\tTc\n75-01-4\tchloroethene\t61.49\t429\n");
    EXPECT_EQ(screenSourceRows(t).total(), 0);
}

TEST(CompoundDataScreening, FormulasAreCountedAsTheTablesWriteThem) {
    using Counts = std::map<std::string, int>;
    EXPECT_EQ(elementCounts("CH3CH2OH (g)"), (Counts{{"C", 2}, {"H", 6}, {"O", 1}}));
    EXPECT_EQ(elementCounts("(CH3)2CO"), (Counts{{"C", 3}, {"H", 6}, {"O", 1}}));
    EXPECT_EQ(elementCounts("ClH"), (Counts{{"Cl", 1}, {"H", 1}}));
    EXPECT_EQ(elementCounts("[CN]- (g)"), (Counts{{"C", 1}, {"N", 1}}));
    EXPECT_FALSE(elementCounts("C6H12*H2O"));
    EXPECT_EQ(nameKey("1,2-Dichloro ethane"), "12dichloroethane");
}

TEST(CompoundDataConsensus, BoilingPointOutvotedByTheOtherTablesAndTheAntoineConstants) {
    Fixture f;
    SourceTables t;
    t.identifiers[0] = f.identifiers("1\t97-95-0\tC6H14O\t102.17\t\t\t\t2-ethylbutan-1-ol\n");
    // The first choice 428.15 K; Yaws and an Antoine set (760 mmHg at 419.9 K)
    // agree on about 419.9 K.
    t.crcOrganicConstants =
        f.table("crc.tsv", "CAS\tName\tTm\tTb\n97-95-0\t2-Ethyl-1-butanol\t158.15\t428.15\n");
    t.yawsBoiling = f.table("yaws.tsv", "CAS\tTb\n97-95-0\t419.9\n");
    const double a = std::log10(101325.0) + 1500.0 / (419.9 - 50.0);
    t.polingAntoine = f.table("poling.tsv", "CAS\tChemical\tA\tB\tC\tTmin\tTmax\n97-95-0\tx\t" +
                                                std::to_string(a) + "\t1500\t-50\t350\t450\n");
    const CompoundConstants k = compoundConstants(t, "97-95-0");
    ASSERT_TRUE(k.tb);
    EXPECT_NEAR(k.tb->value, 419.9, 0.1);
    EXPECT_EQ(k.tb->source, "consensus");

    // Without the Antoine constants the two tables cannot be reconciled: no Tb.
    t.polingAntoine = SourceTable();
    EXPECT_FALSE(compoundConstants(t, "97-95-0").tb);
}

TEST(CompoundDataConsensus, VapourPressureRowDroppedWhenItsAntoineSetMissesTheBoilingPoint) {
    Fixture f;
    SourceTables t;
    t.identifiers[0] = f.identifiers("1\t97-95-0\tC6H14O\t102.17\t\t\t\t2-ethylbutan-1-ol\n");
    t.crcOrganicConstants =
        f.table("crc.tsv", "CAS\tName\tTm\tTb\n97-95-0\t2-Ethyl-1-butanol\t158.15\t400.0\n");
    t.yawsBoiling = f.table("yaws.tsv", "CAS\tTb\n97-95-0\t400.2\n");
    const double a = std::log10(101325.0) + 1500.0 / (419.9 - 50.0);
    t.polingAntoine = f.table("poling.tsv", "CAS\tChemical\tA\tB\tC\tTmin\tTmax\n97-95-0\tx\t" +
                                                std::to_string(a) + "\t1500\t-50\t350\t450\n");
    const NameBook names(t, {"97-95-0"}, 28);
    FileReport report("Psat.txt");
    ConsistencyReport consistency;
    EXPECT_TRUE(buildPsatFile(t, {}, {}, names, report, consistency).empty());
    EXPECT_EQ(report.rejectedCount("Tb and Antoine constants cannot be reconciled (Tb kept)"), 1);

    // With constants that give 760 mmHg at the boiling point the row is written.
    const double good = std::log10(101325.0) + 1500.0 / (400.1 - 50.0);
    t.polingAntoine = f.table("poling2.tsv", "CAS\tChemical\tA\tB\tC\tTmin\tTmax\n97-95-0\tx\t" +
                                                 std::to_string(good) + "\t1500\t-50\t350\t450\n");
    EXPECT_EQ(buildPsatFile(t, {}, {}, names, report, consistency).size(), 1u);
}

TEST(CompoundDataBounds, IdealGasCpRowsOutsideThePhysicalBoundsAreRefused) {
    const std::vector<double> t{298.0, 500.0, 1000.0};
    struct Case {
        const char* what;
        std::vector<double> cp;
        int atoms;
        bool accepted;
    };
    const Case cases[] = {
        {"propylnaphthalene as copied, 28.7 J/(mol K) at 298 K", {28.7, 60.0, 95.0}, 27, false},
        {"a sound row of the same compound", {200.0, 300.0, 420.0}, 27, true},
        {"methane above its classical limit (13.5 R)", {35.7, 60.0, 120.0}, 5, false},
        {"falling with T", {120.0, 110.0, 130.0}, 9, false},
        {"argon, 5/2 R", {20.786, 20.786, 20.786}, 1, true},
        {"a diatomic below 7/2 R", {25.0, 29.5, 32.0}, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(idealGasCpViolation(t, c.cp, c.atoms).empty(), c.accepted);
    }
}

TEST(CompoundDataBounds, AcentricFactorAndCriticalCompressibilityChecks) {
    // n-hexane: Tb 341.88 K, Tc 507.6 K, Pc 30.25 bar, omega 0.301.
    EXPECT_NEAR(edmisterOmega(341.88, 507.6, 30.25), 0.301, 0.02);
    CompoundConstants k;
    k.tfp = Sourced{177.8, ""};
    k.tb = Sourced{341.88, ""};
    k.tc = Sourced{507.6, ""};
    k.pc = Sourced{30.25, ""};
    k.vc = Sourced{368.0, ""};
    k.omega = Sourced{0.301, ""};
    EXPECT_TRUE(checkConstants(k).reason.empty());
    k.omega = Sourced{0.60, ""};  // another compound's value
    EXPECT_FALSE(checkConstants(k).reason.empty());
    k.omega = Sourced{0.301, ""};
    k.vc = Sourced{200.0, ""};  // Zc 0.14
    EXPECT_FALSE(checkConstants(k).reason.empty());
}

TEST(CompoundDataNames, NaturalOrderAndOneNamePerCompound) {
    EXPECT_EQ(naturalOrder("DODECANE,2-METHYL-"), "2-METHYLDODECANE");
    EXPECT_EQ(naturalOrder("SULFIDE,ETHYL-PENTYL"), "ETHYL-PENTYL-SULFIDE");
    EXPECT_EQ(naturalOrder("BENZENE,1,2-DIMETHYL-"), "1,2-DIMETHYLBENZENE");
    for (const char* kept : {"N,N-DIMETHYLANILINE", "CIS-1,2-DICHLOROETHENE", "ETHANOL"})
        EXPECT_EQ(naturalOrder(kept), kept);

    // Two compounds whose first names differ only by punctuation: the more
    // common (first) keeps it, the other takes its next name.
    Fixture f;
    SourceTables t;
    t.identifiers[0] = f.identifiers(
        "1\t540-59-0\tC2H2Cl2\t96.9\t\t\t\t1,2-dichloroethene\t1,2-dichloroethylene\n"
        "2\t156-59-2\tC2H2Cl2\t96.9\t\t\t\tcis-1,2-dichloroethene\tcis-1,2-dichloroethylene\n");
    t.perry2150Hvap = f.table("perry.tsv", "CAS\tChemical\n156-59-2\t1-2-Dichloroethylene\n");
    const NameBook book(t, {"540-59-0", "156-59-2"}, 28);
    ASSERT_TRUE(book.name("540-59-0") && book.name("156-59-2"));
    EXPECT_EQ(*book.name("540-59-0"), "1,2-DICHLOROETHYLENE");
    EXPECT_EQ(*book.name("156-59-2"), "CIS-1,2-DICHLOROETHYLENE");
}

}  // namespace
}  // namespace chemeng::datagen
