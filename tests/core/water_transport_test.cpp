// Transport properties, surface tension and the melting and sublimation
// curves against the check tables of their IAPWS releases (copied with
// their sources into tests/fixtures/water/).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture_paths.h"
#include "water/melting_sublimation.h"
#include "water/surface_tension.h"
#include "water/thermal_conductivity.h"
#include "water/transport_properties.h"
#include "water/viscosity.h"

namespace chemeng::water {
namespace {

// Rows of a fixture: '#' comment lines and the header line skipped,
// tab-separated cells kept as printed.
std::vector<std::vector<std::string>> readRows(const char* name) {
    std::ifstream in(test::fixtureDir("water") / name);
    EXPECT_TRUE(in.good()) << name;
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> cells;
        std::stringstream cellStream(line);
        std::string cell;
        while (std::getline(cellStream, cell, '\t')) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

// Half a unit in the last printed digit of a number such as "8.94735e-6".
double halfUnit(const std::string& printed) {
    const std::size_t e = printed.find_first_of("eE");
    const std::string mantissa = printed.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::atoi(printed.c_str() + e + 1);
    return 0.5 * std::pow(10.0, exponent - decimals);
}

double number(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

TEST(WaterViscosity, ReproducesReleaseTable4WithoutEnhancement) {
    int checked = 0;
    for (const auto& row : readRows("viscosity_check.tsv")) {
        if (row[0] != "4") continue;
        const double mu = viscosityBackground_Pas(number(row[1]), number(row[2])) * 1e6;
        EXPECT_NEAR(mu, number(row[3]), halfUnit(row[3])) << row[1] << " K, " << row[2];
        ++checked;
    }
    EXPECT_EQ(checked, 11);
}

TEST(WaterViscosity, ReproducesReleaseTable5NearTheCriticalPoint) {
    int checked = 0;
    for (const auto& row : readRows("viscosity_check.tsv")) {
        if (row[0] != "5") continue;
        const double mu = viscosity_Pas(number(row[1]), number(row[2])) * 1e6;
        EXPECT_NEAR(mu, number(row[3]), halfUnit(row[3])) << row[1] << " K, " << row[2];
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(WaterThermalConductivity, ReproducesReleaseTable4WithoutEnhancement) {
    int checked = 0;
    for (const auto& row : readRows("thermal_conductivity_check.tsv")) {
        if (row[0] != "4") continue;
        const double lambda =
            thermalConductivityBackground_WmK(number(row[1]), number(row[2])) * 1e3;
        EXPECT_NEAR(lambda, number(row[3]), halfUnit(row[3])) << row[1] << " K, " << row[2];
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

TEST(WaterThermalConductivity, ReproducesReleaseTable5NearTheCriticalPoint) {
    int checked = 0;
    for (const auto& row : readRows("thermal_conductivity_check.tsv")) {
        if (row[0] != "5") continue;
        const double lambda = thermalConductivity_WmK(number(row[1]), number(row[2])) * 1e3;
        EXPECT_NEAR(lambda, number(row[3]), halfUnit(row[3])) << row[1] << " K, " << row[2];
        ++checked;
    }
    EXPECT_EQ(checked, 8);
}

// The combined evaluation shares one IAPWS-95 point and one correlation
// length between the two releases; it must give what each gives alone.
TEST(WaterThermalConductivity, CombinedWithViscosityAgreesWithEachAlone) {
    for (const auto& row : readRows("thermal_conductivity_check.tsv")) {
        if (row[0] != "5") continue;
        const double t = number(row[1]);
        const double rho = number(row[2]);
        const TransportProperties both = transportProperties(t, rho);
        EXPECT_NEAR(both.viscosity_Pas, viscosity_Pas(t, rho), 1e-15 * viscosity_Pas(t, rho));
        EXPECT_NEAR(both.thermalConductivity_WmK, thermalConductivity_WmK(t, rho),
                    1e-13 * thermalConductivity_WmK(t, rho));
        EXPECT_NEAR(both.kinematicViscosity_m2s * rho, both.viscosity_Pas, 1e-18);
    }
}

TEST(WaterSurfaceTension, ReproducesReleaseTable1) {
    int checked = 0;
    for (const auto& row : readRows("surface_tension_check.tsv")) {
        const double sigma = surfaceTension_Nm(number(row[0])) * 1e3;
        EXPECT_NEAR(sigma, number(row[1]), halfUnit(row[1])) << row[0] << " K";
        ++checked;
    }
    EXPECT_EQ(checked, 23);
    EXPECT_EQ(surfaceTension_Nm(647.096), 0.0);
    EXPECT_TRUE(std::isnan(surfaceTension_Nm(647.2)));
    EXPECT_TRUE(std::isnan(surfaceTension_Nm(240.0)));
}

TEST(WaterMeltingSublimation, ReproducesReleaseTable3) {
    int checked = 0;
    for (const auto& row : readRows("melting_sublimation_check.tsv")) {
        const double t = number(row[1]);
        const std::string& curve = row[0];
        const double p_kPa = curve == "sublimation" ? sublimationPressure_kPa(t)
                             : curve == "Ih"        ? meltingPressureIceIh_kPa(t)
                             : curve == "III"       ? meltingPressureIceIII_kPa(t)
                             : curve == "V"         ? meltingPressureIceV_kPa(t)
                             : curve == "VI"        ? meltingPressureIceVI_kPa(t)
                                                    : meltingPressureIceVII_kPa(t);
        EXPECT_NEAR(p_kPa / 1000.0, number(row[2]), halfUnit(row[2])) << curve << " " << t;
        ++checked;
    }
    EXPECT_EQ(checked, 6);
    // Both curves through the triple point, 611.657 Pa at 273.16 K.
    EXPECT_NEAR(meltingPressureIceIh_kPa(273.16), 0.611657, 1e-12);
    EXPECT_NEAR(sublimationPressure_kPa(273.16), 0.611657, 1e-12);
}

TEST(WaterMeltingSublimation, BoundsTheStableFluid) {
    struct Case {
        double t_K;
        double p_kPa;
        bool fluid;
    };
    const Case cases[] = {
        {300.0, 101.325, true},   {273.16, 0.5, true},       // vapour and liquid above 273.16 K
        {260.0, 101.325, false},  {260.0, 1e-4, true},       // ice Ih; vapour under sublimation
        {260.0, 150000.0, true},  {260.0, 100000.0, false},  // liquid beyond the ice Ih curve
        {265.0, 500000.0, false}, {300.0, 900000.0, true},   // ice V; liquid below ice VI
        {280.0, 900000.0, false}, {250.0, 1e-6, false},      // ice VI; below 251.165 K
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isStableFluid(c.t_K, c.p_kPa), c.fluid) << c.t_K << " K, " << c.p_kPa << " kPa";
    }
}

}  // namespace
}  // namespace chemeng::water
