// The IF97 backward and boundary equations against the verification tables of
// IAPWS R7-97(2012), SR2-01(2014), SR3-03(2014), SR4-04(2014) and
// SR5-05(2016), to their printed digits.
#include <gtest/gtest.h>

#include <string>

#include "support/if97_check_values.h"
#include "water/if97_backward_hs_region1_2.h"
#include "water/if97_backward_hs_region3.h"
#include "water/if97_backward_region1_2.h"
#include "water/if97_backward_region3.h"
#include "water/if97_region3_volume.h"

namespace chemeng::water::if97 {
namespace {

using test::expectIf97Table;
using R = test::If97CheckValue;

TEST(If97Backward, Region1TemperatureFromPHMatchesR797Table7) {
    expectIf97Table("R7-97", "Table_7", 3,
                    [](const R& r) { return region1TemperaturePH(r.p_MPa, r.h_kJkg); });
}

TEST(If97Backward, Region1TemperatureFromPSMatchesR797Table9) {
    expectIf97Table("R7-97", "Table_9", 3,
                    [](const R& r) { return region1TemperaturePS(r.p_MPa, r.s_kJkgK); });
}

TEST(If97Backward, Region2TemperatureFromPHMatchesR797Table24) {
    expectIf97Table("R7-97", "Table_24", 9,
                    [](const R& r) { return region2TemperaturePH(r.p_MPa, r.h_kJkg); });
}

TEST(If97Backward, Region2TemperatureFromPSMatchesR797Table29) {
    expectIf97Table("R7-97", "Table_29", 9,
                    [](const R& r) { return region2TemperaturePS(r.p_MPa, r.s_kJkgK); });
}

TEST(If97Backward, B2bcBoundaryMatchesR797Section631CheckPoint) {
    expectIf97Table(
        "R7-97", "Sec._6.3.1_text", 1, [](const R& r) { return b2bcPressure(r.h_kJkg); }, "b2bc_p");
    expectIf97Table(
        "R7-97", "Sec._6.3.1_text", 1, [](const R& r) { return b2bcEnthalpy(r.p_MPa); }, "b2bc_h");
}

// The check points of Tables 24 and 29 are grouped by subregion; the
// automatic choice must put each into its own.
TEST(If97Backward, Region2SubregionChoiceFollowsTheTables) {
    const Subregion2 expected[] = {Subregion2::A, Subregion2::A, Subregion2::A,
                                   Subregion2::B, Subregion2::B, Subregion2::B,
                                   Subregion2::C, Subregion2::C, Subregion2::C};
    const auto ph = test::if97Checks("R7-97", "Table_24");
    const auto ps = test::if97Checks("R7-97", "Table_29");
    ASSERT_EQ(ph.size(), 9u);
    ASSERT_EQ(ps.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(subregion2PH(ph[i].p_MPa, ph[i].h_kJkg), expected[i]) << ph[i].describe();
        EXPECT_EQ(subregion2PS(ps[i].p_MPa, ps[i].s_kJkgK), expected[i]) << ps[i].describe();
    }
}

TEST(If97Backward, Region1PressureFromHSMatchesSR201Table3) {
    expectIf97Table("SR2-01(2014)", "Table_3", 3,
                    [](const R& r) { return region1PressureHS(r.h_kJkg, r.s_kJkgK); });
}

TEST(If97Backward, Region2PressureFromHSMatchesSR201Table9) {
    expectIf97Table("SR2-01(2014)", "Table_9", 9,
                    [](const R& r) { return region2PressureHS(r.h_kJkg, r.s_kJkgK); });
}

TEST(If97Backward, B2abBoundaryMatchesSR201Section3CheckPoint) {
    expectIf97Table("SR2-01(2014)", "Sec._3_text", 1,
                    [](const R& r) { return b2abEnthalpy(r.s_kJkgK); });
}

TEST(If97Backward, B3abBoundaryMatchesSR303Section32CheckPoint) {
    expectIf97Table("SR3-03(2014)", "Sec._3.2_text", 1,
                    [](const R& r) { return b3abEnthalpy(r.p_MPa); });
}

TEST(If97Backward, Region3TemperatureFromPHMatchesSR303Table5) {
    expectIf97Table("SR3-03(2014)", "Table_5", 6,
                    [](const R& r) { return region3TemperaturePH(r.p_MPa, r.h_kJkg); });
}

TEST(If97Backward, Region3VolumeFromPHMatchesSR303Table8) {
    expectIf97Table("SR3-03(2014)", "Table_8", 6,
                    [](const R& r) { return region3VolumePH(r.p_MPa, r.h_kJkg); });
}

TEST(If97Backward, Region3TemperatureFromPSMatchesSR303Table12) {
    expectIf97Table("SR3-03(2014)", "Table_12", 6,
                    [](const R& r) { return region3TemperaturePS(r.p_MPa, r.s_kJkgK); });
}

TEST(If97Backward, Region3VolumeFromPSMatchesSR303Table15) {
    expectIf97Table("SR3-03(2014)", "Table_15", 6,
                    [](const R& r) { return region3VolumePS(r.p_MPa, r.s_kJkgK); });
}

TEST(If97Backward, Region3SaturationPressureFromHMatchesSR303Table18) {
    expectIf97Table("SR3-03(2014)", "Table_18", 3,
                    [](const R& r) { return saturationPressure3H(r.h_kJkg); });
}

TEST(If97Backward, Region3SaturationPressureFromSMatchesSR303Table20) {
    expectIf97Table("SR3-03(2014)", "Table_20", 3,
                    [](const R& r) { return saturationPressure3S(r.s_kJkgK); });
}

TEST(If97Backward, Region3PressureFromHSMatchesSR404Table5) {
    expectIf97Table("SR4-04(2014)", "Table_5", 6,
                    [](const R& r) { return region3PressureHS(r.h_kJkg, r.s_kJkgK); });
}

TEST(If97Backward, SaturatedLiquidBoundariesMatchSR404Table11) {
    expectIf97Table(
        "SR4-04(2014)", "Table_11", 3,
        [](const R& r) { return saturatedLiquidEnthalpy1(r.s_kJkgK); }, "b14");
    expectIf97Table(
        "SR4-04(2014)", "Table_11", 3,
        [](const R& r) { return saturatedLiquidEnthalpy3a(r.s_kJkgK); }, "b3a4");
}

TEST(If97Backward, SaturatedVapourBoundariesMatchSR404Table18) {
    expectIf97Table(
        "SR4-04(2014)", "Table_18", 3,
        [](const R& r) { return saturatedVapourEnthalpy2ab(r.s_kJkgK); }, "b2ab4");
    expectIf97Table(
        "SR4-04(2014)", "Table_18", 3,
        [](const R& r) { return saturatedVapourEnthalpy2c3b(r.s_kJkgK); }, "b2c3b4");
}

TEST(If97Backward, B13BoundaryMatchesSR404Table24) {
    expectIf97Table("SR4-04(2014)", "Table_24", 3,
                    [](const R& r) { return b13Enthalpy(r.s_kJkgK); });
}

TEST(If97Backward, B23TemperatureFromHSMatchesSR404Table26) {
    expectIf97Table("SR4-04(2014)", "Table_26", 3,
                    [](const R& r) { return b23TemperatureHS(r.h_kJkg, r.s_kJkgK); });
}

TEST(If97Backward, SaturationTemperatureFromHSMatchesSR404Table29) {
    expectIf97Table("SR4-04(2014)", "Table_29", 3,
                    [](const R& r) { return saturationTemperatureHS(r.h_kJkg, r.s_kJkgK); });
}

Region3Boundary boundaryNamed(const std::string& check) {
    const std::string xy = check.substr(check.size() - 2);
    const std::pair<const char*, Region3Boundary> names[] = {
        {"ab", Region3Boundary::AB}, {"cd", Region3Boundary::CD}, {"ef", Region3Boundary::EF},
        {"gh", Region3Boundary::GH}, {"ij", Region3Boundary::IJ}, {"jk", Region3Boundary::JK},
        {"mn", Region3Boundary::MN}, {"op", Region3Boundary::OP}, {"qu", Region3Boundary::QU},
        {"rx", Region3Boundary::RX}, {"uv", Region3Boundary::UV}, {"wx", Region3Boundary::WX}};
    for (const auto& [name, boundary] : names) {
        if (xy == name) return boundary;
    }
    ADD_FAILURE() << "no boundary " << check;
    return Region3Boundary::AB;
}

TEST(If97Region3Volume, SubregionBoundariesMatchSR505Tables3And11) {
    const auto boundary = [](const R& r) {
        return region3BoundaryTemperature(boundaryNamed(r.check), r.p_MPa);
    };
    expectIf97Table("SR5-05(2016)", "Table_3", 10, boundary);
    expectIf97Table("SR5-05(2016)", "Table_11", 2, boundary);
}

// Each check point lies in the subregion whose equation it checks, so the
// automatic choice is tested with the equations.
char subregionNamed(const R& r) {
    return r.check.back();
}

TEST(If97Region3Volume, SubregionEquationsMatchSR505Table5) {
    expectIf97Table("SR5-05(2016)", "Table_5", 40, [](const R& r) {
        EXPECT_EQ(region3Subregion(r.p_MPa, r.t_K), subregionNamed(r)) << r.describe();
        return region3VolumePT(r.p_MPa, r.t_K);
    });
}

// The release prints 3.701940010e-3 m³/kg for 3z at 647.15 K, 22.064 MPa; its
// own coefficients give 3.7019400095e-3 (in double and in 50-digit decimal
// arithmetic), one unit below in the last printed digit. That row is held to
// 1.5 units of the last digit, the others to half a unit.
TEST(If97Region3Volume, AuxiliaryEquationsMatchSR505Table13) {
    const auto rows = test::if97Checks("SR5-05(2016)", "Table_13");
    ASSERT_EQ(rows.size(), 12u);
    for (const auto& r : rows) {
        EXPECT_EQ(region3Subregion(r.p_MPa, r.t_K), subregionNamed(r)) << r.describe();
        const bool misprinted = r.check == "region3_v_pT_z" && r.t_K == 647.15;
        const double tolerance = (misprinted ? 3.0 : 1.0) * r.halfLastDigit();
        EXPECT_NEAR(region3VolumePT(r.p_MPa, r.t_K), r.value, tolerance) << r.describe();
    }
}

}  // namespace
}  // namespace chemeng::water::if97
