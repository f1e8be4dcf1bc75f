#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "cli_fixture.h"
#include "support/fixture_paths.h"

namespace chemeng::test {
namespace {

using nlohmann::json;

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
    static bool has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
    static std::vector<json> jsonLines(const std::string& text) {
        std::vector<json> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(json::parse(line));
        return lines;
    }

    TempDataDir m_root;
};

TEST_F(CliTest, TextKeepsThePagesDisplayWithLabelsThatCarryTheirUnits) {
    const CliRun vp = run("vapor-pressure WATER --temperature 100");
    EXPECT_EQ(vp.status, 0) << vp.err;
    EXPECT_TRUE(has(vp.out, "Name: WATER\n")) << vp.out;
    EXPECT_TRUE(has(vp.out, "Temperature (°C): 100\n")) << vp.out;
    EXPECT_TRUE(has(vp.out, "p* (mmHg): 760.086\n")) << vp.out;

    const CliRun physical = run("physical 'ethanol'");
    EXPECT_EQ(physical.status, 0) << physical.err;
    EXPECT_TRUE(has(physical.out, "Critical Temperature (K): 513.9\n")) << physical.out;
    EXPECT_TRUE(has(physical.out, "Critical Density (g/cm³): 0.823\n")) << physical.out;
    // Names padded with blanks in the files never carry them into output.
    const CliRun misc = run("physical ammonia");
    EXPECT_TRUE(has(misc.out, "Name: AMMONIA\n")) << misc.out;
}

TEST_F(CliTest, EveryNumberIsANumberAsAWholeOrAUsageErrorNamingOptionAndText) {
    struct Case {
        const char* arguments;
        const char* option;
        const char* text;
    } refused[] = {
        {"vapor-pressure WATER --temperature 25x", "--temperature", "25x"},
        {"vapor-pressure WATER --temperature 10bar", "--temperature", "10bar"},
        {"vapor-pressure WATER --temperature 1e", "--temperature", "1e"},
        {"vapor-pressure WATER --temperature nan", "--temperature", "nan"},
        {"vapor-pressure WATER --temperature ''", "--temperature", "''"},
        {"enthalpy METHANE --phase gas --temperature 400 --reference 3OO", "--reference", "3OO"},
        {"steam state --temperature 200 --pressure 100x", "--pressure", "100x"},
        {"steam saturation --pressure 1MPa --quality half", "--quality", "half"},
        {"vapor-pressure WATER --from 10 --to 2O --step 5", "--to", "2O"},
        {"vapor-pressure WATER --temperature 50 --digits 3.5", "--digits", "3.5"},
    };
    for (const Case& c : refused) {
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.status, 2) << c.arguments;
        EXPECT_TRUE(has(r.err, c.option)) << c.arguments << ": " << r.err;
        const std::string text = c.text;
        if (text != "''") {
            EXPECT_TRUE(has(r.err, "'" + text + "'")) << r.err;
        }
        EXPECT_EQ(r.out, "") << c.arguments;
    }
    // A decimal comma reads as the point, as in the window.
    const CliRun comma = run("vapor-pressure WATER --temperature 99,5 --json");
    EXPECT_EQ(comma.status, 0) << comma.err;
    EXPECT_EQ(json::parse(comma.out)["temperature"], 99.5);
}

TEST_F(CliTest, AUnitWrittenWithTheNumberOverridesTheUnitOption) {
    const auto pressure = [&](const std::string& temperature) {
        const CliRun r =
            run("vapor-pressure WATER --unit F --temperature " + temperature + " --json");
        EXPECT_EQ(r.status, 0) << temperature << ": " << r.err;
        return json::parse(r.out)["vapor_pressure"].get<double>();
    };
    const double at100C = pressure("100C");
    EXPECT_NEAR(at100C, 760.0864, 1e-4);
    EXPECT_NEAR(pressure("373.15K"), at100C, 1e-9);
    EXPECT_NEAR(pressure("212"), at100C, 1e-9);  // the --unit F
    EXPECT_NEAR(pressure("'100 °C'"), at100C, 1e-9);

    // Steam: units of the page switch the page's radio; Pa and MPa are
    // converted by the command line.
    const auto volume = [&](const std::string& p) {
        const CliRun r = run("steam state --temperature 200C --pressure " + p + " --json");
        EXPECT_EQ(r.status, 0) << p << ": " << r.err;
        return json::parse(r.out)["vapor"]["volume"].get<double>();
    };
    const double at100kPa = volume("100kPa");
    EXPECT_NEAR(volume("1bar"), at100kPa, 1e-12);
    EXPECT_NEAR(volume("0.1MPa"), at100kPa, 1e-12);
    EXPECT_NEAR(volume("100000Pa"), at100kPa, 1e-12);
    const CliRun bar = run("steam state --temperature 200 --pressure 1bar");
    EXPECT_TRUE(has(bar.out, "Pressure (bar): 1.000\n")) << bar.out;
    const CliRun fahrenheit = run("steam saturation --temperature 212F");
    EXPECT_TRUE(has(fahrenheit.out, "Temperature (°F): 212.000\n")) << fahrenheit.out;
}

TEST_F(CliTest, QualityIsAFractionOrAPercentage) {
    const auto mixture = [&](const std::string& quality) {
        const CliRun r = run("steam saturation --temperature 100 --quality " + quality + " --json");
        EXPECT_EQ(r.status, 0) << quality << ": " << r.err;
        return json::parse(r.out);
    };
    const json half = mixture("0.5");
    EXPECT_EQ(half["quality"], 0.5);
    EXPECT_EQ(mixture("50%")["mixture"]["enthalpy"], half["mixture"]["enthalpy"]);
    const double liquid = mixture("0")["mixture"]["enthalpy"];
    const double vapour = mixture("1")["mixture"]["enthalpy"];
    EXPECT_NEAR(half["mixture"]["enthalpy"].get<double>(), (liquid + vapour) / 2, 1e-9);

    const CliRun percentWithoutSign = run("steam saturation --temperature 100 --quality 50");
    EXPECT_EQ(percentWithoutSign.status, 2);
    EXPECT_TRUE(has(percentWithoutSign.err, "%")) << percentWithoutSign.err;
    EXPECT_EQ(run("steam saturation --temperature 100 --quality 120%").status, 2);
    EXPECT_EQ(run("steam saturation --temperature 100 --quality -0.1").status, 2);
    const CliRun help = run("steam saturation --help");
    EXPECT_TRUE(has(help.out, "fraction from 0 to 1")) << help.out;
}

TEST_F(CliTest, CompoundNamesIgnoreCaseBlanksAndPunctuationThenSynonymsThenSuggest) {
    EXPECT_EQ(run("physical dimethyl-ether").status, 0);
    EXPECT_EQ(run("physical 'Dimethyl Ether'").status, 0);

    // No identifiers file: no synonyms, and a miss suggests close names.
    const CliRun miss = run("physical ethanl");
    EXPECT_EQ(miss.status, 1);
    EXPECT_TRUE(has(miss.err, "did you mean ETHANOL")) << miss.err;
    EXPECT_EQ(run("physical 64-17-5").status, 1);

    std::ofstream(m_root.path() / "data" / "identifiers.txt")
        << "# name, then CAS number and synonyms\n"
        << "ETHANOL\t64-17-5\tethyl alcohol|grain alcohol\n"
        << "WATER\t7732-18-5\tdihydrogen monoxide\n";
    const CliRun cas = run("physical 64-17-5");
    EXPECT_EQ(cas.status, 0) << cas.err;
    EXPECT_TRUE(has(cas.out, "Name: ETHANOL\n")) << cas.out;
    const CliRun synonym = run("vapor-pressure 'Dihydrogen Monoxide' --temperature 50");
    EXPECT_EQ(synonym.status, 0) << synonym.err;
    EXPECT_TRUE(has(synonym.out, "Name: WATER\n")) << synonym.out;

    // A formula shared by two compounds is ambiguous: status 2, both named.
    const CliRun ambiguous = run("physical C2H6O");
    EXPECT_EQ(ambiguous.status, 2);
    EXPECT_TRUE(has(ambiguous.err, "ETHANOL (C2H6O)")) << ambiguous.err;
    EXPECT_TRUE(has(ambiguous.err, "DIMETHYLETHER (C2H6O)")) << ambiguous.err;
}

TEST_F(CliTest, JsonHasFullPrecisionNumbersStableKeysAndUnits) {
    const CliRun vp = run("vapor-pressure WATER --temperature 100 --json");
    ASSERT_EQ(vp.status, 0) << vp.err;
    const json answer = json::parse(vp.out);
    // Antoine with the fixture's constants, evaluated here independently.
    const double expected = std::pow(10.0, 8.07131 - 1730.63 / (100.0 + 233.426));
    EXPECT_TRUE(answer["vapor_pressure"].is_number_float());
    EXPECT_DOUBLE_EQ(answer["vapor_pressure"].get<double>(), expected);
    EXPECT_NE(answer["vapor_pressure"].get<double>(), 760.086);  // not the page's rounding
    EXPECT_EQ(answer["name"], "WATER");
    EXPECT_EQ(answer["units"]["vapor_pressure"], "mmHg");
    EXPECT_EQ(answer["units"]["temperature"], "°C");
    EXPECT_TRUE(answer["coefficients"]["a"].is_number());

    const CliRun physical = run("physical ethanol --json");
    const json constants = json::parse(physical.out);
    for (const char* key : {"molecular_weight", "critical_temperature", "critical_pressure",
                            "critical_volume", "critical_density", "acentric_factor",
                            "enthalpy_of_formation", "enthalpy_of_vaporization"})
        EXPECT_TRUE(constants[key].is_number()) << key << " in " << physical.out;
    EXPECT_DOUBLE_EQ(constants["critical_density"].get<double>(), 46.069 / 56);

    const CliRun steam = run("steam saturation --temperature 100 --json");
    const json sat = json::parse(steam.out);
    for (const char* phase : {"liquid", "vapor"}) {
        for (const char* key : {"enthalpy", "internal_energy", "volume"}) {
            EXPECT_TRUE(sat[phase][key].is_number_float()) << phase << "." << key;
            EXPECT_FALSE(sat["units"][phase][key].get<std::string>().empty());
        }
    }
    EXPECT_EQ(sat["units"]["liquid"]["enthalpy"], "kJ/kg");  // SI by default
    const CliRun state = run("steam state --temperature 200 --pressure 100 --json");
    EXPECT_EQ(json::parse(state.out)["phase"], "superheated") << state.out;
}

TEST_F(CliTest, MessagesCarryTheirDetailOnStandardErrorOrAsJson) {
    const CliRun range = run("vapor-pressure WATER --temperature 150");
    EXPECT_EQ(range.status, 1);
    EXPECT_EQ(range.out, "");
    EXPECT_TRUE(has(range.err, "Out of Range")) << range.err;
    EXPECT_TRUE(has(range.err, "1 to 100 °C")) << range.err;
    const CliRun kelvin = run("vapor-pressure WATER --temperature 150 --unit K");
    EXPECT_TRUE(has(kelvin.err, "274.15 to 373.15 K")) << kelvin.err;

    const CliRun asJson = run("vapor-pressure WATER --temperature 150 --json");
    EXPECT_EQ(asJson.status, 1);
    EXPECT_EQ(asJson.err, "");
    const json error = json::parse(asJson.out)["error"];
    EXPECT_EQ(error["message"], "Out of Range");
    EXPECT_EQ(error["field"], "temperature");

    const CliRun usage = run("vapor-pressure WATER --temperature 1O0 --json");
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(json::parse(usage.out)["error"]["field"], "temperature");
    const CliRun unknown = run("density TOLUENE --temperature 25 --json");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(json::parse(unknown.out)["error"]["field"], "compound");

    const CliRun steam = run("steam saturation --temperature 400");
    EXPECT_EQ(steam.status, 1);
    EXPECT_TRUE(has(steam.err, "-20 to 373.946 °C")) << steam.err;
}

TEST_F(CliTest, DigitsPrintSignificantDigitsOfTheFullValue) {
    const CliRun page = run("vapor-pressure WATER --temperature 100");
    EXPECT_TRUE(has(page.out, "p* (mmHg): 760.086\n")) << page.out;
    const CliRun digits = run("vapor-pressure WATER --temperature 100 --digits 9");
    EXPECT_TRUE(has(digits.out, "p* (mmHg): 760.086369\n")) << digits.out;
    const CliRun steam = run("steam saturation --temperature 100 --quality 0.25 --digits 4");
    EXPECT_TRUE(has(steam.out, "Quality (%): 25\n")) << steam.out;
}

TEST_F(CliTest, ChoicesOfBasisAndPressureUnit) {
    const json molar =
        json::parse(run("heat-capacity METHANE --phase gas --temperature 500K --json").out);
    const json mass = json::parse(
        run("heat-capacity METHANE --phase gas --temperature 500K --basis mass --json").out);
    EXPECT_DOUBLE_EQ(mass["cp"].get<double>(), molar["cp"].get<double>() / 16.043);
    EXPECT_EQ(mass["units"]["cp"], "J/(g·K)");
    const json kPa =
        json::parse(run("vapor-pressure WATER --temperature 100 --pressure-unit kPa --json").out);
    EXPECT_NEAR(kPa["vapor_pressure"].get<double>(), 101.3365, 1e-4);
    EXPECT_EQ(kPa["units"]["vapor_pressure"], "kPa");
}

TEST_F(CliTest, TablesNameTheVariedQuantityAndComeAsCsvTsvOrJsonLines) {
    const CliRun csv = run("vapor-pressure WATER --from 90 --to 110 --step 10");
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')), "Temperature (°C),p* (mmHg),message");
    EXPECT_TRUE(has(csv.out, "\n90,525.266,\n100,760.086,\n110,,")) << csv.out;
    EXPECT_TRUE(has(csv.out, "Out of Range")) << csv.out;

    const CliRun tsv = run("vapor-pressure WATER --from 90K --to 100K --step 10 --format tsv");
    EXPECT_EQ(tsv.out.substr(0, tsv.out.find('\n')), "Temperature (K)\tp* (mmHg)\tmessage");

    const CliRun lines =
        run("steam saturation --vary pressure --from 100kPa --to 300kPa "
            "--step 100 --format json");
    const auto rows = jsonLines(lines.out);
    ASSERT_EQ(rows.size(), 3u) << lines.out;
    EXPECT_EQ(rows[2]["pressure"], 300.0);
    EXPECT_TRUE(rows[0]["vapor"]["volume"].is_number());
}

TEST_F(CliTest, BatchEchoesIdsAnswersBadLinesAndGoesOn) {
    const CliRun r = run(
        "batch",
        "{\"id\": 1, \"command\":\"vapor-pressure\",\"compound\":\"WATER\",\"temperature\":100}\n"
        "this is not json\n"
        "{\"id\": \"b\", \"command\":\"vapor-pressure\",\"compound\":\"WATER\","
        "\"temperature\":\"500K\"}\n"
        "{\"id\": 4, \"command\":\"boil\"}\n"
        "{\"id\": 5, \"command\":\"steam saturation\",\"temperature\":\"100C\","
        "\"quality\":\"50%\"}\n"
        "{\"id\": 6, \"command\":\"vapor-pressure\",\"compound\":\"WATER\","
        "\"temperature\":\"hot\"}\n"
        "{\"compound\":\"WATER\"}\n"
        "{\"id\": 8, \"command\":\"vapor-pressure\",\"compound\":\"WATER\","
        "\"temperature\":100,\"pressure_unit\":\"kPa\"}\n"
        "{\"id\": 9, \"command\":\"vapor-pressure\",\"compound\":\"WATER\","
        "\"from\":90,\"to\":110,\"step\":10}\n");
    EXPECT_EQ(r.status, 0);
    const auto answers = jsonLines(r.out);
    ASSERT_EQ(answers.size(), 9u) << r.out;
    EXPECT_EQ(answers[7]["units"]["vapor_pressure"], "kPa");
    ASSERT_EQ(answers[8]["rows"].size(), 3u) << answers[8];
    EXPECT_EQ(answers[8]["rows"][2]["error"]["message"], "Out of Range");
    EXPECT_EQ(answers[0]["id"], 1);
    EXPECT_NEAR(answers[0]["vapor_pressure"].get<double>(), 760.0864, 1e-4);
    EXPECT_TRUE(answers[1]["error"]["message"].get<std::string>().find("line 2") !=
                std::string::npos);
    EXPECT_EQ(answers[2]["id"], "b");
    EXPECT_EQ(answers[2]["error"]["message"], "Out of Range");
    EXPECT_EQ(answers[3]["id"], 4);
    EXPECT_TRUE(has(answers[3]["error"]["message"], "unknown command")) << answers[3];
    EXPECT_EQ(answers[4]["quality"], 0.5);
    EXPECT_EQ(answers[5]["error"]["field"], "temperature");
    EXPECT_TRUE(answers[6].contains("error"));
}

TEST_F(CliTest, DataDirectoryFromOptionOrEnvironmentAndErrorsNameThePathTried) {
    TempDataDir elsewhere;  // a working directory without data/
    const std::string data = (m_root.path() / "data").string();
    const CliRun option = runCli(
        elsewhere.path(), "--data-dir '" + data + "' vapor-pressure WATER --temperature 100");
    EXPECT_EQ(option.status, 0) << option.err;
    const CliRun env = runCli(elsewhere.path(), "vapor-pressure WATER --temperature 100", "",
                              "CHEMENG_DATA_DIR='" + data + "' ");
    EXPECT_EQ(env.status, 0) << env.err;

    const CliRun missing = runCli(elsewhere.path(),
                                  "--data-dir /nonexistent/chemeng "
                                  "vapor-pressure WATER --temperature 100");
    EXPECT_TRUE(has(missing.err, "Error opening Psat.txt (tried /nonexistent/chemeng/Psat.txt)"))
        << missing.err;
    EXPECT_TRUE(has(run("--help").out, "CHEMENG_DATA_DIR"));
}

TEST_F(CliTest, VersionNamesTheProgramAndTheDataFiles) {
    const CliRun r = run("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(has(r.out, "chemeng-cli ")) << r.out;
    EXPECT_TRUE(has(r.out, "hash ")) << r.out;
    std::ofstream(m_root.path() / "data" / "Psat.txt", std::ios::app) << "\n";
    EXPECT_NE(run("--version").out, r.out);  // another data set, another identity
}

TEST_F(CliTest, ListsAndSearchesThePagesCompounds) {
    const CliRun all = run("compounds --page physical");
    EXPECT_EQ(all.out,
              "WATER\tH2O\tmain\nETHANOL\tC2H6O\tmain\nDIMETHYLETHER\tC2H6O\tmain\n"
              "AMMONIA\tNH3\tMiscellaneous\n");
    const CliRun found = run("compounds --page heat-capacity --search nitro");
    EXPECT_EQ(found.out.substr(0, 8), "NITROGEN");
}

}  // namespace
}  // namespace chemeng::test
