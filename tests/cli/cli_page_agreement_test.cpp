#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "cli/compound_pages.h"
#include "cli_fixture.h"
#include "framework/headless_dialog.h"
#include "framework/result_rounding.h"
#include "framework/text_number.h"

namespace chemeng::test {
namespace {

// The command line must print what the window shows: for each page, the
// same request is played by hand on the page (as a user would in the window)
// and through chemeng-cli. Every field the command prints must read as the
// page's control does, and the full-precision result in --json must round to
// the very value the page shows.
class CliPageAgreement : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(m_root.path() / "data");
        writeCliDataSet(m_root.path() / "data");
    }

    // Plays choose-compound, phase, unit, typing and Enter on the page; the
    // text of every control afterwards.
    std::map<int, std::string> byHand(const cli::CompoundPageSpec& pageDescription,
                                      int compoundControl, const std::string& compound,
                                      int phaseRadio, int unitRadio,
                                      std::vector<std::pair<int, std::string>> typed) {
        const PageEntry& entry = pageEntry(pageDescription.page);
        HeadlessDialog dialog(*entry.layout);
        auto page = entry.make(dialog, m_root.path() / "data");
        dialog.attach(*page);
        page->onInitDialog();
        if (phaseRadio != 0) dialog.click(phaseRadio);
        EXPECT_TRUE(dialog.chooseText(compoundControl, compound)) << compound;
        if (unitRadio != 0) dialog.click(unitRadio);
        for (const auto& [id, text] : typed) dialog.type(id, text);
        dialog.pressEnter();
        EXPECT_TRUE(dialog.messages().empty());
        std::map<int, std::string> shown;
        for (const auto* fields : {&pageDescription.compoundFields, &pageDescription.gasFields,
                                   &pageDescription.liquidFields}) {
            for (const cli::FieldSpec& f : *fields) shown[f.id] = dialog.windowText(f.id);
        }
        if (pageDescription.computes())
            shown[pageDescription.result.id] = dialog.windowText(pageDescription.result.id);
        return shown;
    }

    static std::string trimmed(std::string text) {
        while (!text.empty() && text.back() == ' ') text.pop_back();
        text.erase(0, text.find_first_not_of(' '));
        return text;
    }

    void expectSameAsPage(const cli::CompoundPageSpec& pageDescription,
                          const std::string& arguments, bool liquid,
                          const std::map<int, std::string>& page, double tolerance = 1e-9) {
        const CliRun r = runCli(m_root.path(), arguments);
        ASSERT_EQ(r.status, 0) << r.err;
        std::map<std::string, std::string> printed;
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);) {
            const auto colon = line.find(": ");
            if (colon != std::string::npos) printed[line.substr(0, colon)] = line.substr(colon + 2);
        }
        auto fields = pageDescription.compoundFields;
        const auto& phase = liquid ? pageDescription.liquidFields : pageDescription.gasFields;
        fields.insert(fields.end(), phase.begin(), phase.end());
        for (const cli::FieldSpec& f : fields) {
            ASSERT_EQ(printed.count(std::string(f.label)), 1u) << f.label << "\n" << r.out;
            EXPECT_EQ(printed[std::string(f.label)], trimmed(page.at(f.id))) << f.label;
        }
        if (!pageDescription.computes()) return;
        const std::string resultLabel = std::string(pageDescription.result.label) + " (" +
                                        std::string(pageDescription.result.unit) + ")";
        EXPECT_EQ(printed[resultLabel], page.at(pageDescription.result.id)) << r.out;

        const CliRun json = runCli(m_root.path(), arguments + " --json");
        ASSERT_EQ(json.status, 0) << json.err;
        const double full =
            nlohmann::json::parse(json.out)[std::string(pageDescription.result.key)];
        EXPECT_NEAR(*roundToThousandths(full),
                    parseLeadingNumber(page.at(pageDescription.result.id)), tolerance);
    }

    TempDataDir m_root;
};

TEST_F(CliPageAgreement, PhysicalProperties) {
    const auto& pageDescription = *cli::findCompoundPage("physical");
    expectSameAsPage(pageDescription, "physical AMMONIA", false,
                     byHand(pageDescription, pageDescription.picker.controls.miscNames,
                            "AMMONIA" + std::string(20, ' '), 0, 0, {}));
    expectSameAsPage(
        pageDescription, "physical ETHANOL", false,
        byHand(pageDescription, pageDescription.picker.controls.groupEtoH, "ETHANOL", 0, 0, {}));
}

TEST_F(CliPageAgreement, HeatCapacity) {
    const auto& pageDescription = *cli::findCompoundPage("heat-capacity");
    expectSameAsPage(pageDescription,
                     "heat-capacity METHANE --phase gas --temperature 500 --unit K", false,
                     byHand(pageDescription, pageDescription.picker.controls.groupMtoQ, "METHANE",
                            pageDescription.gasRadio, pageDescription.unitRadios[2],
                            {{pageDescription.temperature.id, "500"}}));
    // °C on this page adds 273; the command line must add the same.
    expectSameAsPage(
        pageDescription, "heat-capacity NITROGEN --phase gas --temperature 25C", false,
        byHand(pageDescription, pageDescription.picker.controls.miscNames, "NITROGEN        ",
               pageDescription.gasRadio, pageDescription.unitRadios[0],
               {{pageDescription.temperature.id, "25"}}));
}

TEST_F(CliPageAgreement, Enthalpy) {
    const auto& pageDescription = *cli::findCompoundPage("enthalpy");
    expectSameAsPage(
        pageDescription, "enthalpy NITROGEN --phase gas --temperature 500 --reference 300 --unit K",
        false,
        byHand(pageDescription, pageDescription.picker.controls.miscNames, "NITROGEN        ",
               pageDescription.gasRadio, pageDescription.unitRadios[2],
               {{pageDescription.temperature.id, "500"}, {pageDescription.reference.id, "300"}}),
        // The page rounds A3 = c/3 up to a multiple of 1e-10 before use; the
        // full value integrates c/3 itself. The two differ by at most
        // 1e-10 * (T³ - Tr³) and one rounding step.
        1e-10 * (500.0 * 500 * 500 - 300.0 * 300 * 300) + 0.001);
}

TEST_F(CliPageAgreement, Density) {
    const auto& pageDescription = *cli::findCompoundPage("density");
    expectSameAsPage(
        pageDescription, "density BENZENE --temperature 77 --unit F", false,
        byHand(pageDescription, pageDescription.picker.controls.groupAtoD, "BENZENE", 0,
               pageDescription.unitRadios[1], {{pageDescription.temperature.id, "77"}}));
}

TEST_F(CliPageAgreement, VaporPressure) {
    const auto& pageDescription = *cli::findCompoundPage("vapor-pressure");
    expectSameAsPage(
        pageDescription, "vapor-pressure WATER --temperature 25", false,
        byHand(pageDescription, pageDescription.picker.controls.groupRtoX, "WATER", 0,
               pageDescription.unitRadios[0], {{pageDescription.temperature.id, "25"}}));
    expectSameAsPage(pageDescription, "vapor-pressure AMMONIA --temperature 240K", false,
                     byHand(pageDescription, pageDescription.picker.controls.miscNames,
                            "AMMONIA" + std::string(20, ' '), 0, pageDescription.unitRadios[2],
                            {{pageDescription.temperature.id, "240"}}));
}

}  // namespace
}  // namespace chemeng::test
