// The IF97 forward equations, the saturation line and the B23 boundary
// against the verification tables of IAPWS R7-97(2012), to their printed
// digits.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/if97_check_values.h"
#include "water/if97_b23.h"
#include "water/if97_region1.h"
#include "water/if97_region2.h"
#include "water/if97_region3.h"
#include "water/if97_region4.h"
#include "water/if97_region5.h"

namespace chemeng::water::if97 {
namespace {

using test::If97CheckValue;

double pick(const Properties& p, const std::string& property) {
    if (property == "v") return p.v_m3kg;
    if (property == "h") return p.h_kJkg;
    if (property == "u") return p.u_kJkg;
    if (property == "s") return p.s_kJkgK;
    if (property == "cp") return p.cp_kJkgK;
    if (property == "w") return p.w_ms;
    if (property == "p") return p.p_MPa;
    ADD_FAILURE() << "no property " << property;
    return NAN;
}

using test::expectIf97Table;

TEST(If97Forward, Region1GibbsEquationMatchesTable5) {
    expectIf97Table("R7-97", "Table_5", 18, [](const If97CheckValue& r) {
        return pick(region1(r.p_MPa, r.t_K), r.property);
    });
}

TEST(If97Forward, Region2GibbsEquationMatchesTable15) {
    expectIf97Table("R7-97", "Table_15", 18, [](const If97CheckValue& r) {
        return pick(region2(r.p_MPa, r.t_K), r.property);
    });
}

TEST(If97Forward, MetastableVapourEquationMatchesTable18) {
    expectIf97Table("R7-97", "Table_18", 18, [](const If97CheckValue& r) {
        return pick(region2Metastable(r.p_MPa, r.t_K), r.property);
    });
}

TEST(If97Forward, Region3HelmholtzEquationMatchesTable33) {
    expectIf97Table("R7-97", "Table_33", 18, [](const If97CheckValue& r) {
        return pick(region3(r.rho_kgm3, r.t_K).props, r.property);
    });
}

TEST(If97Forward, Region5GibbsEquationMatchesTable42) {
    expectIf97Table("R7-97", "Table_42", 18, [](const If97CheckValue& r) {
        return pick(region5(r.p_MPa, r.t_K), r.property);
    });
}

TEST(If97Forward, SaturationPressureMatchesTable35) {
    expectIf97Table("R7-97", "Table_35", 3,
                    [](const If97CheckValue& r) { return saturationPressure(r.t_K); });
}

TEST(If97Forward, SaturationTemperatureMatchesTable36) {
    expectIf97Table("R7-97", "Table_36", 3,
                    [](const If97CheckValue& r) { return saturationTemperature(r.p_MPa); });
}

TEST(If97Forward, B23BoundaryMatchesSection4CheckPoint) {
    expectIf97Table(
        "R7-97", "Sec._4_text", 1, [](const If97CheckValue& r) { return b23Pressure(r.t_K); },
        "b23_p");
    expectIf97Table(
        "R7-97", "Sec._4_text", 1, [](const If97CheckValue& r) { return b23Temperature(r.p_MPa); },
        "b23_T");
}

// The two saturation equations are exact inverses of one another, and the
// metastable-vapour equation meets region 2 on the saturated-vapour line.
TEST(If97Forward, SaturationEquationsInvertEachOther) {
    for (double t = 273.15; t < 647.096; t += 7.3) {
        EXPECT_NEAR(saturationTemperature(saturationPressure(t)), t, 1e-9 * t) << t;
    }
    EXPECT_NEAR(saturationPressure(647.096), 22.064, 1e-6);
}

// R7-97(2012) Sec. 6.2 gives the largest differences on the saturated-vapour
// line as 0.014 % in v and 0.043 kJ/kg in h; held here to those figures as
// printed (half a unit of their last digit above them).
TEST(If97Forward, MetastableVapourMeetsRegion2OnSaturationLine) {
    for (double p = 0.000611213; p <= 10.0; p *= 1.5) {
        const double t = saturationTemperature(p);
        const Properties stable = region2(p, t);
        const Properties meta = region2Metastable(p, t);
        EXPECT_NEAR(meta.v_m3kg, stable.v_m3kg, 1.45e-4 * stable.v_m3kg) << p;
        EXPECT_NEAR(meta.h_kJkg, stable.h_kJkg, 0.0435) << p;
    }
}

}  // namespace
}  // namespace chemeng::water::if97
