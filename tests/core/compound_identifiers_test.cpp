// data/identifiers.txt read back: the entries, their synonyms, lines that
// cannot be used, and a missing file.
#include "compounds/compound_identifiers.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fixture_paths.h"
#include "support/temp_data_dir.h"

namespace chemeng {
namespace {

TEST(CompoundIdentifiers, ReadsEntriesAndSkipsLinesWithoutNameCasOrFormula) {
    test::TempDataDir dir;
    dir.write("identifiers.txt",
              "2-METHYLPROPANE\t75-28-5\tC4H10\tisobutane|trimethylmethane\r\n"
              "\n"
              "AIR\t132259-10-0\tAIR\t\n"
              "NO-CAS\t\tC2H6\tethane\n"
              "METHYLETHYL-KETONE\t78-93-3\tC4H8O\t2-butanone||mek\n");
    const CompoundIdentifiers ids = loadCompoundIdentifiers(dir.path());
    EXPECT_EQ(ids.status, IdentifiersStatus::Loaded);
    ASSERT_EQ(ids.entries.size(), 3u);
    EXPECT_EQ(ids.skippedLines, 1);
    EXPECT_EQ(ids.entries[0].name, "2-METHYLPROPANE");
    EXPECT_EQ(ids.entries[0].cas, "75-28-5");
    EXPECT_EQ(ids.entries[0].formula, "C4H10");
    EXPECT_EQ(ids.entries[0].synonyms, (std::vector<std::string>{"isobutane", "trimethylmethane"}));
    EXPECT_TRUE(ids.entries[1].synonyms.empty());
    EXPECT_EQ(ids.entries[2].synonyms, (std::vector<std::string>{"2-butanone", "mek"}));
}

TEST(CompoundIdentifiers, MissingFileIsReportedAsSuch) {
    test::TempDataDir dir;
    const CompoundIdentifiers ids = loadCompoundIdentifiers(dir.path());
    EXPECT_EQ(ids.status, IdentifiersStatus::FileMissing);
    EXPECT_TRUE(ids.entries.empty());
}

// The shipped file names the compounds users look for by their everyday names.
TEST(CompoundIdentifiers, ShippedFileKnowsCommonSynonyms) {
    const CompoundIdentifiers ids = loadCompoundIdentifiers(test::shippedDataDir());
    ASSERT_EQ(ids.status, IdentifiersStatus::Loaded);
    EXPECT_EQ(ids.skippedLines, 0);
    const auto casOf = [&](const std::string& synonym) {
        for (const CompoundIdentifier& e : ids.entries)
            if (std::find(e.synonyms.begin(), e.synonyms.end(), synonym) != e.synonyms.end())
                return e.cas;
        return std::string();
    };
    EXPECT_EQ(casOf("isobutane"), "75-28-5");
    EXPECT_EQ(casOf("mek"), "78-93-3");
    EXPECT_EQ(casOf("isopropanol"), "67-63-0");
    EXPECT_EQ(casOf("ethyl alcohol"), "64-17-5");
}

}  // namespace
}  // namespace chemeng
