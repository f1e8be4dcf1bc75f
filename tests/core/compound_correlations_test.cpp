// The correlations behind the compound pages, at full precision.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "compounds/antoine.h"
#include "compounds/correlation_rows.h"
#include "compounds/critical_density.h"
#include "compounds/enthalpy_change.h"
#include "compounds/heat_capacity_correlation.h"
#include "compounds/rackett_density.h"
#include "compounds/table_cells.h"

namespace chemeng {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
using S = CorrelationStatus;

// The benzene gas row of tests/fixtures/heat_caps (Cp in J/(g mol K), 298-1000 K).
constexpr HeatCapacityCoefficients kBenzeneGas{-6.0, 0.05, 2.0e-5, 4.0e-9, 298.0, 1000.0};
constexpr HeatCapacityCoefficients kBenzeneLiquid{62.55, 0.234, -1.0e-5, 0.0, 279.0, 350.0};

TEST(HeatCapacityCorrelation, EvaluatesEachPhasePolynomialWithinItsRange) {
    // -6 + 0.05*298 + 2e-5*298² + 4e-9*298³
    const CorrelationResult gas = heatCapacity(Phase::Gas, kBenzeneGas, 298.0);
    ASSERT_EQ(gas.status, S::Ok);
    EXPECT_NEAR(gas.value, 10.781934368, 1e-12);
    // The liquid is quadratic: a d carried along must not count.
    HeatCapacityCoefficients liquid = kBenzeneLiquid;
    liquid.d = 1.0;
    const CorrelationResult l = heatCapacity(Phase::Liquid, liquid, 300.0);
    ASSERT_EQ(l.status, S::Ok);
    EXPECT_NEAR(l.value, 62.55 + 0.234 * 300.0 - 1.0e-5 * 90000.0, 1e-12);
}

TEST(HeatCapacityCorrelation, BoundsAreInclusiveAndAnythingElseIsOutOfRange) {
    for (double t_K : {298.0, 1000.0, 1000.0 * (1.0 + 1e-13)})
        EXPECT_EQ(heatCapacity(Phase::Gas, kBenzeneGas, t_K).status, S::Ok) << t_K;
    for (double t_K : {297.999, 1000.001, kNaN, kInf, -kInf})
        EXPECT_EQ(heatCapacity(Phase::Gas, kBenzeneGas, t_K).status, S::OutOfRange) << t_K;
    EXPECT_FALSE(HeatCapacityCoefficients{}.hasRange());
    EXPECT_TRUE(HeatCapacityCoefficients{}.allZero());
}

// The enthalpy change is the integral of Cp: its central difference is Cp.
TEST(EnthalpyChange, IsTheIntegralOfTheHeatCapacity) {
    for (Phase phase : {Phase::Gas, Phase::Liquid}) {
        const HeatCapacityCoefficients& cp = phase == Phase::Gas ? kBenzeneGas : kBenzeneLiquid;
        const EnthalpyCoefficients h = integratedCoefficients(cp);
        EXPECT_EQ(h.tmin_K, cp.tmin_K);
        EXPECT_EQ(h.tmax_K, cp.tmax_K);
        const double t_K = 320.0, step = 1e-3;
        const double slope = (enthalpyChange(phase, h, t_K + step, 298.15).value -
                              enthalpyChange(phase, h, t_K - step, 298.15).value) /
                             (2.0 * step);
        EXPECT_NEAR(slope, heatCapacity(phase, cp, t_K).value, 1e-6);
    }
}

TEST(EnthalpyChange, CountsFromTheReferenceAndHoldsOnlyTToTheRange) {
    const EnthalpyCoefficients constant{30.0, 0.0, 0.0, 0.0, 298.0, 1000.0};
    EXPECT_DOUBLE_EQ(enthalpyChange(Phase::Gas, constant, 400.0, 298.0).value, 3060.0);
    EXPECT_DOUBLE_EQ(enthalpyChange(Phase::Gas, constant, 298.0, 400.0).value, -3060.0);
    const EnthalpyCoefficients benzene = integratedCoefficients(kBenzeneGas);
    EXPECT_EQ(enthalpyChange(Phase::Gas, benzene, 500.0, 500.0).value, 0.0);
    // A reference outside the range is fine; T outside it, or a reference
    // that is no temperature, is not.
    EXPECT_EQ(enthalpyChange(Phase::Gas, benzene, 500.0, 10.0).status, S::Ok);
    EXPECT_EQ(enthalpyChange(Phase::Gas, benzene, 1000.1, 298.0).status, S::OutOfRange);
    EXPECT_EQ(enthalpyChange(Phase::Gas, benzene, 500.0, kNaN).status, S::OutOfRange);
}

// A = 0.3 g/mL, B = 0.25, Tc = 600 K, from 250 K.
constexpr RackettCoefficients kTestLiquid{0.3, 0.25, 600.0, 250.0};

TEST(RackettDensity, FollowsTheFormUpToTheCriticalPoint) {
    const CorrelationResult rho = rackettDensity(kTestLiquid, 300.0);
    ASSERT_EQ(rho.status, S::Ok);
    EXPECT_NEAR(rho.value, 0.3 * std::pow(0.25, -std::pow(0.5, 2.0 / 7.0)), 1e-15);
    EXPECT_NEAR(rho.value, 0.93543, 5e-6);
    EXPECT_EQ(rackettDensity(kTestLiquid, 600.0).value, 0.3);  // at Tc, rho = A
    // Benzene (Yaws: A 0.3009, B 0.2677, Tc 562.16 K) at 25 °C against the
    // measured 0.8737 g/cm³ (CRC Handbook of Chemistry and Physics), within
    // the percent such fits claim.
    const CorrelationResult benzene = rackettDensity({0.3009, 0.2677, 562.16, 278.68}, 298.15);
    EXPECT_NEAR(benzene.value, 0.8737, 0.01 * 0.8737);
}

TEST(RackettDensity, ClampsATemperatureARoundingStepAboveTc) {
    const double justAbove = std::nextafter(600.0, 700.0);
    const CorrelationResult rho = rackettDensity(kTestLiquid, justAbove);
    ASSERT_EQ(rho.status, S::Ok);
    EXPECT_EQ(rho.value, 0.3);
    EXPECT_EQ(rackettDensity(kTestLiquid, 600.01).status, S::OutOfRange);
    EXPECT_EQ(rackettDensity(kTestLiquid, 249.99).status, S::OutOfRange);
    EXPECT_EQ(rackettDensity(kTestLiquid, kNaN).status, S::OutOfRange);
}

TEST(RackettDensity, RefusesWhatHasNoFiniteDensity) {
    EXPECT_EQ(rackettDensity({0.3, 0.25, 0.0, 0.0}, 0.0).status, S::NoData);
    EXPECT_EQ(rackettDensity({0.3, 0.25, -5.0, -10.0}, -6.0).status, S::NoData);
    EXPECT_EQ(rackettDensity({0.3, -0.25, 600.0, 250.0}, 300.0).status, S::NotFinite);
    EXPECT_EQ(rackettDensity({1e308, 1e-300, 600.0, 250.0}, 300.0).status, S::NotFinite);
}

// Water, 1-100 °C (Antoine constants as in Felder & Rousseau, Table B.4).
constexpr AntoineCoefficients kWater{8.07131, 1730.63, 233.426, 1.0, 100.0, AntoineScale::Celsius};

TEST(AntoineVaporPressure, MatchesTheSteamTablesOfWater) {
    // Saturation pressure of water: 101.325 kPa = 760 mmHg at 99.97 °C and
    // 3.1699 kPa = 23.776 mmHg at 25 °C (IAPWS-95); the fit is good to a few
    // tenths of a percent.
    EXPECT_NEAR(antoineVaporPressure(kWater, 373.12).value, 760.0, 0.002 * 760.0);
    EXPECT_NEAR(antoineVaporPressure(kWater, 298.15).value, 23.776, 0.005 * 23.776);
}

TEST(AntoineVaporPressure, TakesEachFitInItsOwnScaleAndItsRangeInCelsius) {
    // Ammonia fitted in kelvin, -83 to 60 °C: about 760 mmHg at its normal
    // boiling point, 239.82 K.
    const AntoineCoefficients ammonia{7.36050, 926.132, -32.98, -83.0, 60.0, AntoineScale::Kelvin};
    EXPECT_NEAR(antoineVaporPressure(ammonia, 239.82).value, 760.0, 0.01 * 760.0);
    EXPECT_EQ(antoineVaporPressure(ammonia, 190.15).status, S::Ok);  // -83 °C
    EXPECT_EQ(antoineVaporPressure(ammonia, 190.149).status, S::OutOfRange);

    const double at100 = antoineVaporPressure(kWater, 373.15).value;
    EXPECT_EQ(at100, std::pow(10.0, 8.07131 - 1730.63 / (100.0 + 233.426)));
    EXPECT_EQ(antoineVaporPressure(kWater, 274.15).status, S::Ok);
    EXPECT_EQ(antoineVaporPressure(kWater, 274.149).status, S::OutOfRange);
    EXPECT_EQ(antoineVaporPressure(kWater, kNaN).status, S::OutOfRange);
}

TEST(AntoineVaporPressure, HasNoValueAtThePole) {
    const AntoineCoefficients pole{1.0, 1.0, -10.0, 0.0, 100.0, AntoineScale::Celsius};
    EXPECT_EQ(antoineVaporPressure(pole, 283.15).status, S::NotFinite);
    const AntoineCoefficients huge{400.0, 1.0, 0.0, 0.0, 100.0, AntoineScale::Celsius};
    EXPECT_EQ(antoineVaporPressure(huge, 323.15).status, S::NotFinite);
}

TEST(CriticalDensity, IsMolarMassOverCriticalVolume) {
    EXPECT_NEAR(criticalDensity(58.08, 209.0).value, 0.27789, 5e-6);
    EXPECT_NEAR(criticalDensity(18.015, 56.0).value, 0.32170, 5e-6);
    EXPECT_EQ(criticalDensity(58.08, 0.0).status, S::NotFinite);
    EXPECT_EQ(criticalDensity(0.0, 0.0).status, S::NotFinite);
}

TEST(CorrelationRows, ReadTheChosenRowWithUnusableCellsAsZero) {
    CompoundTable psat(VaporPressureCell::kCount);
    psat.setCell(0, VaporPressureCell::A, "8.07131");
    psat.setCell(0, VaporPressureCell::Tmax, "1e999");
    psat.setCell(1, VaporPressureCell::C, "-32.98Y");
    psat.mainCount = 1;
    psat.miscCount = 1;
    const AntoineCoefficients main = antoineCoefficients(psat, 0);
    EXPECT_EQ(main.a, 8.07131);
    EXPECT_EQ(main.tmax_C, 0.0);
    EXPECT_EQ(main.scale, AntoineScale::Celsius);
    const AntoineCoefficients misc = antoineCoefficients(psat, 1);
    EXPECT_EQ(misc.c, -32.98);
    EXPECT_EQ(misc.scale, AntoineScale::Kelvin);

    CompoundTable cp(HeatCapacityCell::kCount);
    cp.setCell(0, HeatCapacityCell::GasD, "4e-9");
    cp.setCell(0, HeatCapacityCell::LiquidC, "nan");
    cp.setCell(0, HeatCapacityCell::LiquidTmax, "350");
    EXPECT_EQ(heatCapacityCoefficients(cp, 0, Phase::Gas).d, 4e-9);
    const HeatCapacityCoefficients liquid = heatCapacityCoefficients(cp, 0, Phase::Liquid);
    EXPECT_EQ(liquid.c, 0.0);
    EXPECT_EQ(liquid.d, 0.0);
    EXPECT_EQ(liquid.tmax_K, 350.0);

    CompoundTable density(DensityCell::kCount);
    density.setCell(0, DensityCell::Tc, "562.16");
    EXPECT_EQ(rackettCoefficients(density, 0).tc_K, 562.16);
}

}  // namespace
}  // namespace chemeng
