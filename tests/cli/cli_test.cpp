#include <gtest/gtest.h>
#include <sys/wait.h>

#include <nlohmann/json.hpp>

#include "cli_fixture.h"
#include "support/fixture_paths.h"

namespace chemeng::test {
namespace {

// Each test runs the real executable in a fresh directory holding data/.
class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto data = m_root.path() / "data";
        std::filesystem::create_directories(data);
        writeCliDataSet(data);
        const auto sat = shippedDataDir() / "sat.txt";
        if (std::filesystem::exists(sat)) std::filesystem::copy_file(sat, data / "sat.txt");
    }
    CliRun run(const std::string& arguments, const std::string& input = "") {
        return runCli(m_root.path(), arguments, input);
    }

    TempDataDir m_root;
};

TEST_F(CliTest, ComputesAndPrintsThePagesFields) {
    const CliRun vp = run("vapor-pressure WATER --temperature 100");
    EXPECT_EQ(vp.status, 0) << vp.err;
    EXPECT_NE(vp.out.find("Name: WATER\n"), std::string::npos) << vp.out;
    EXPECT_NE(vp.out.find("p* (mmHg): 760.086\n"), std::string::npos) << vp.out;

    const CliRun kelvin = run("vapor-pressure water --temperature 373.15 --unit K");
    EXPECT_NE(kelvin.out.find("p* (mmHg): 760.086\n"), std::string::npos) << kelvin.out;

    const CliRun physical = run("physical 'ethanol'");
    EXPECT_EQ(physical.status, 0) << physical.err;
    EXPECT_NE(physical.out.find("Critical Temperature (K): 513.9\n"), std::string::npos)
        << physical.out;
    EXPECT_NE(physical.out.find("Critical Density (g/cm³): 0.823\n"), std::string::npos)
        << physical.out;

    const CliRun misc = run("physical ammonia --json");
    EXPECT_EQ(misc.status, 0) << misc.err;
    const auto json = nlohmann::json::parse(misc.out);
    EXPECT_EQ(json["Molecular weight (g mol)"], "17.031");
}

TEST_F(CliTest, PageMessagesAndUnknownCompoundsExitWithOne) {
    const CliRun range = run("vapor-pressure WATER --temperature 150");
    EXPECT_EQ(range.status, 1);
    EXPECT_EQ(range.err, "Out of Range\n");
    EXPECT_EQ(range.out, "");

    const CliRun unknown = run("density TOLUENE --temperature 25");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("TOLUENE"), std::string::npos);
}

TEST_F(CliTest, AnAmbiguousCompoundListsTheCandidatesAndExitsWithTwo) {
    const CliRun r = run("physical C2H6O");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("ETHANOL (C2H6O)"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("DIMETHYLETHER (C2H6O)"), std::string::npos) << r.err;
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
    EXPECT_EQ(run("").status, 2);
    EXPECT_EQ(run("heat-capacity METHANE --temperature 25").status, 2);  // no --phase
    EXPECT_EQ(run("vapor-pressure WATER").status, 2);                    // no temperature
    EXPECT_EQ(run("vapor-pressure WATER --temperature 25 --unit R").status, 2);
    EXPECT_EQ(run("steam state --temperature 100").status, 2);  // a pair needs two
    const CliRun help = run("vapor-pressure --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--temperature"), std::string::npos);
}

TEST_F(CliTest, ATableGivesOneRowPerPointAndKeepsGoingAfterAMessage) {
    const CliRun r = run("vapor-pressure WATER --from 90 --to 110 --step 10");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Temperature,p* (mmHg),message\n"
              "90,525.266,\n"
              "100,760.086,\n"
              "110,,Out of Range\n");
}

TEST_F(CliTest, BatchAnswersEveryLineAndReportsMalformedOnes) {
    const CliRun r =
        run("batch",
            "{\"command\":\"vapor-pressure\",\"compound\":\"WATER\",\"temperature\":100,\"unit\":"
            "\"C\"}\n"
            "this is not json\n"
            "{\"command\":\"vapor-pressure\",\"compound\":\"WATER\",\"temperature\":500}\n"
            "{\"compound\":\"WATER\"}\n");
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::vector<nlohmann::json> answers;
    for (std::string line; std::getline(lines, line);)
        answers.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(answers.size(), 4u) << r.out;
    EXPECT_EQ(answers[0]["p* (mmHg)"], "760.086");
    EXPECT_TRUE(answers[1].contains("error"));
    EXPECT_EQ(answers[2]["error"], "Out of Range");
    EXPECT_TRUE(answers[3].contains("error"));
}

TEST_F(CliTest, ListsAndSearchesThePagesCompounds) {
    const CliRun all = run("compounds --page physical");
    EXPECT_EQ(all.out,
              "WATER\tH2O\tmain\nETHANOL\tC2H6O\tmain\nDIMETHYLETHER\tC2H6O\tmain\nAMMONIA" +
                  std::string(20, ' ') + "\tNH3\tMiscellaneous\n");
    const CliRun found = run("compounds --page heat-capacity --search nitro");
    EXPECT_EQ(found.out.substr(0, 8), "NITROGEN");
}

TEST_F(CliTest, SteamSaturationAndStateComputeOnTheSteamPage) {
    const CliRun sat =
        run("steam saturation --temperature 373.15 --temperature-unit K --system si");
    EXPECT_EQ(sat.status, 0) << sat.err;
    EXPECT_NE(sat.out.find("Pressure (kPa): 101.418\n"), std::string::npos) << sat.out;
    EXPECT_NE(sat.out.find("Vapor Specific Volume (m³/kg): 1.672\n"), std::string::npos) << sat.out;
    const CliRun table =
        run("steam saturation --vary pressure --from 100 --to 200 --step 100 --pressure-unit kPa");
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 3) << table.out;
    const CliRun state = run("steam state --temperature 200 --pressure 100 --system si");
    EXPECT_EQ(state.status, 0) << state.err;
    EXPECT_NE(state.out.find("Quality (%): superheated"), std::string::npos) << state.out;
}

}  // namespace
}  // namespace chemeng::test
