#include <gtest/gtest.h>
#include <sys/wait.h>

#include <nlohmann/json.hpp>

#include "cli/compound_pages.h"
#include "cli_fixture.h"
#include "framework/headless_dialog.h"

namespace chemeng::test {
namespace {

// The command line must print what the window shows: for each page, the
// same request is played by hand on the page (as a user would in the window)
// and through chemeng-cli, and every field the command prints must read as
// the page's control does.
class CliPageAgreement : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(m_root.path() / "data");
        writeCliDataSet(m_root.path() / "data");
    }

    // Plays choose-compound, phase, unit, typing and Enter on the page.
    std::map<std::string, std::string> byHand(const char* command, int compoundControl,
                                              const std::string& compound, int phaseRadio,
                                              int unitRadio,
                                              std::vector<std::pair<int, std::string>> typed) {
        const cli::CompoundPageSpec& pageSpec = *cli::findCompoundPage(command);
        const PageEntry& entry = pageEntry(pageSpec.page);
        HeadlessDialog dialog(*entry.layout);
        auto page = entry.make(dialog, m_root.path() / "data");
        dialog.attach(*page);
        page->onInitDialog();
        EXPECT_TRUE(dialog.chooseText(compoundControl, compound)) << compound;
        if (phaseRadio != 0) dialog.click(phaseRadio);
        if (unitRadio != 0) dialog.click(unitRadio);
        for (const auto& [id, text] : typed) dialog.type(id, text);
        dialog.pressEnter();
        EXPECT_TRUE(dialog.messages().empty());
        std::map<std::string, std::string> shown;
        const auto* phaseFields = phaseRadio != 0 && phaseRadio == pageSpec.liquidRadio
                                      ? &pageSpec.liquidFields
                                      : &pageSpec.gasFields;
        for (const auto* fields : {&pageSpec.compoundFields, phaseFields}) {
            for (const cli::FieldSpec& f : *fields)
                shown[std::string(f.label)] = dialog.windowText(f.id);
        }
        if (pageSpec.computes())
            shown[std::string(pageSpec.result.label)] = dialog.windowText(pageSpec.result.id);
        return shown;
    }

    void expectSameAsPage(const std::string& arguments,
                          const std::map<std::string, std::string>& page) {
        const CliRun r = runCli(m_root.path(), arguments + " --json");
        ASSERT_EQ(r.status, 0) << r.err;
        const auto printed = nlohmann::json::parse(r.out);
        ASSERT_FALSE(printed.empty());
        for (const auto& [label, value] : printed.items()) {
            const auto it = page.find(label);
            if (it == page.end())
                continue;  // typed inputs are echoed, not shown by the page's own part
            EXPECT_EQ(value.get<std::string>(), it->second) << label;
        }
    }

    TempDataDir m_root;
};

TEST_F(CliPageAgreement, PhysicalProperties) {
    const auto& pageSpec = *cli::findCompoundPage("physical");
    expectSameAsPage("physical AMMONIA", byHand("physical", pageSpec.picker.controls.miscNames,
                                                "AMMONIA" + std::string(20, ' '), 0, 0, {}));
}

TEST_F(CliPageAgreement, HeatCapacity) {
    const auto& pageSpec = *cli::findCompoundPage("heat-capacity");
    expectSameAsPage(
        "heat-capacity METHANE --phase gas --temperature 500 --unit K",
        byHand("heat-capacity", pageSpec.picker.controls.groupMtoQ, "METHANE", pageSpec.gasRadio,
               pageSpec.unitRadios[2], {{pageSpec.temperatureEdit, "500"}}));
}

TEST_F(CliPageAgreement, Enthalpy) {
    const auto& pageSpec = *cli::findCompoundPage("enthalpy");
    expectSameAsPage("enthalpy NITROGEN --phase gas --temperature 500 --reference 300 --unit K",
                     byHand("enthalpy", pageSpec.picker.controls.miscNames, "NITROGEN        ",
                            pageSpec.gasRadio, pageSpec.unitRadios[2],
                            {{pageSpec.temperatureEdit, "500"}, {pageSpec.referenceEdit, "300"}}));
}

TEST_F(CliPageAgreement, Density) {
    const auto& pageSpec = *cli::findCompoundPage("density");
    expectSameAsPage("density BENZENE --temperature 77 --unit F",
                     byHand("density", pageSpec.picker.controls.groupAtoD, "BENZENE", 0,
                            pageSpec.unitRadios[1], {{pageSpec.temperatureEdit, "77"}}));
}

TEST_F(CliPageAgreement, VaporPressure) {
    const auto& pageSpec = *cli::findCompoundPage("vapor-pressure");
    expectSameAsPage("vapor-pressure WATER --temperature 25",
                     byHand("vapor-pressure", pageSpec.picker.controls.groupRtoX, "WATER", 0,
                            pageSpec.unitRadios[0], {{pageSpec.temperatureEdit, "25"}}));
}

}  // namespace
}  // namespace chemeng::test
