#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "compounds/fixed_column_file.h"
#include "support/fixture_paths.h"
#include "water/saturation_equilibrium.h"
#include "water/saturation_table_format.h"

namespace chemeng {
namespace {

using Format = SaturationTableFormat;

// Unit of the last digit of a number written in fixed notation.
double lastDigitUnit(const std::string& text) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return 1.0;
    return std::pow(10.0, -static_cast<double>(text.size() - point - 1));
}

// Reads a cell as the table loader does (blanks removed) and insists that
// the whole cell is one number.
bool parseCell(const std::string& line, int cell, std::string& text, double& value) {
    const Format::Window w = Format::kWindows[static_cast<std::size_t>(cell)];
    text = cutField(line, Field{w.start, w.length, Cleaning::BlanksRemoved});
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0';
}

class SaturationTableFile : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_lines = new std::vector<std::string>;
        readLines(test::shippedDataDir() / "sat.txt", Format::kRowCount + 10,
                  [](const std::string& line) { s_lines->push_back(line); });
    }
    static void TearDownTestSuite() {
        delete s_lines;
        s_lines = nullptr;
    }
    static const std::vector<std::string>& lines() { return *s_lines; }

  private:
    static std::vector<std::string>* s_lines;
};
std::vector<std::string>* SaturationTableFile::s_lines = nullptr;

// Every number sits inside its window with blanks between the windows, the
// temperatures step by 0.1 K from the triple point, and the columns the
// nearest-row look-up relies on are strictly monotonic.
TEST_F(SaturationTableFile, LayoutAndOrderHoldOnEveryRow) {
    ASSERT_EQ(static_cast<int>(lines().size()), Format::kRowCount);
    std::vector<bool> inWindow(Format::kLineLength, false);
    for (const Format::Window& w : Format::kWindows) {
        for (int c = w.start; c < w.start + w.length; ++c)
            inWindow[static_cast<std::size_t>(c)] = true;
    }
    double previous[8] = {};
    for (int row = 0; row < Format::kRowCount; ++row) {
        const std::string& line = lines()[static_cast<std::size_t>(row)];
        ASSERT_EQ(static_cast<int>(line.size()), Format::kLineLength) << "row " << row;
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (!inWindow[c]) {
                ASSERT_EQ(line[c], ' ') << "row " << row << ", column " << c;
            }
        }
        double value[8];
        for (int cell = 0; cell < 8; ++cell) {
            std::string text;
            ASSERT_TRUE(parseCell(line, cell, text, value[cell]))
                << "row " << row << ", cell " << cell;
        }
        EXPECT_NEAR(value[0], Format::temperature_K(row), 1e-9) << "row " << row;
        if (row > 0) {
            EXPECT_GT(value[1], previous[1]) << "pressure, row " << row;
            EXPECT_LT(value[3], previous[3]) << "vapour volume, row " << row;
            EXPECT_GT(value[4], previous[4]) << "liquid enthalpy, row " << row;
            EXPECT_GT(value[6], previous[6]) << "liquid internal energy, row " << row;
        }
        std::copy(value, value + 8, previous);
    }
    EXPECT_EQ(Format::temperature_K(0), 273.16);
    EXPECT_LT(previous[0], 647.096);
}

// The committed rows are what the generator's solver gives now, to the last
// written digit, and each is a true equilibrium.
TEST_F(SaturationTableFile, SampleRowsAgreeWithTheSolver) {
    ASSERT_EQ(static_cast<int>(lines().size()), Format::kRowCount);
    for (const int row : {0, 1, 84, 1000, 1837, 2500, 3000, 3500, 3700, 3738, 3739}) {
        const PhaseEquilibrium state = solvePhaseEquilibrium(Format::temperature_K(row));
        ASSERT_TRUE(state.converged) << "row " << row;
        EXPECT_LE(state.pressureMismatch, kEquilibriumTolerance) << "row " << row;
        EXPECT_LE(state.gibbsMismatch, kEquilibriumTolerance) << "row " << row;
        const auto regenerated = Format::formatRow(state);
        ASSERT_TRUE(regenerated.has_value()) << "row " << row;
        const std::string& committed = lines()[static_cast<std::size_t>(row)];
        for (int cell = 0; cell < 8; ++cell) {
            std::string committedText, regeneratedText;
            double committedValue = 0, regeneratedValue = 0;
            ASSERT_TRUE(parseCell(committed, cell, committedText, committedValue));
            ASSERT_TRUE(parseCell(*regenerated, cell, regeneratedText, regeneratedValue));
            // Equal text, or one unit apart where the last digit rounds either way.
            EXPECT_NEAR(committedValue, regeneratedValue, 1.01 * lastDigitUnit(committedText))
                << "row " << row << ", cell " << cell;
        }
    }
}

// IAPWS R6-95(2018) Table 8: the saturation states at 275, 450 and 625 K
// from the phase-equilibrium condition, to their printed digits.
TEST(PhaseEquilibrium, ReproducesPublishedSaturationStates) {
    struct Case {
        double T_K;
        double p_MPa, rhoLiquid, rhoVapour, hLiquid, hVapour;
    };
    const Case cases[] = {
        {275, 0.698451167e-3, 0.999887406e3, 0.550664919e-2, 0.775972202e1, 0.250428995e4},
        {450, 0.932203564, 0.890341250e3, 0.481200360e1, 0.749161585e3, 0.277441078e4},
        {625, 0.169082693e2, 0.567090385e3, 0.118290280e3, 0.168626976e4, 0.255071625e4},
    };
    // Nine significant digits are printed: half a unit in the ninth.
    const auto tolerance = [](double printed) {
        return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(printed))) - 8);
    };
    for (const Case& c : cases) {
        const PhaseEquilibrium s = solvePhaseEquilibrium(c.T_K);
        ASSERT_TRUE(s.converged) << c.T_K;
        EXPECT_NEAR(s.p_MPa, c.p_MPa, tolerance(c.p_MPa)) << c.T_K;
        EXPECT_NEAR(s.rhoLiquid_kgm3, c.rhoLiquid, tolerance(c.rhoLiquid)) << c.T_K;
        EXPECT_NEAR(s.rhoVapour_kgm3, c.rhoVapour, tolerance(c.rhoVapour)) << c.T_K;
        EXPECT_NEAR(s.hLiquid_kJkg, c.hLiquid, tolerance(c.hLiquid)) << c.T_K;
        EXPECT_NEAR(s.hVapour_kJkg, c.hVapour, tolerance(c.hVapour)) << c.T_K;
    }
}

TEST(PhaseEquilibrium, RefusesTemperaturesAtOrAboveTheCriticalPoint) {
    for (const double T : {647.096, 700.0, 0.0}) {
        EXPECT_FALSE(solvePhaseEquilibrium(T).converged) << T;
    }
}

}  // namespace
}  // namespace chemeng
