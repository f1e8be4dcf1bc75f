#include "framework/temperature_unit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace chemeng {
namespace {

using U = TemperatureUnit;

// Fixed points of the scales (SI Brochure, 9th edition, 2.3.1: T/K = t/°C +
// 273.15; the Fahrenheit degree is 5/9 K with 32 °F at 0 °C).
TEST(TemperatureUnit, ConvertsTheFixedPointsOfEachScale) {
    struct Case {
        double t;
        U unit;
        double t_K;
    };
    const Case cases[] = {
        {0.0, U::Celsius, 273.15},      {100.0, U::Celsius, 373.15},
        {-273.15, U::Celsius, 0.0},     {32.0, U::Fahrenheit, 273.15},
        {212.0, U::Fahrenheit, 373.15}, {-40.0, U::Fahrenheit, 233.15},
        {-459.67, U::Fahrenheit, 0.0},  {298.15, U::Kelvin, 298.15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        EXPECT_NEAR(toKelvin(c.t, c.unit), c.t_K, 1e-12);
        EXPECT_NEAR(fromKelvin(c.t_K, c.unit), c.t, 1e-12);
    }
    EXPECT_EQ(fromKelvin(toKelvin(-40.0, U::Fahrenheit), U::Celsius), -40.0);
}

TEST(TemperatureUnit, RoundTripsWithinARoundingStep) {
    for (U unit : {U::Celsius, U::Fahrenheit, U::Kelvin}) {
        for (double t : {-200.0, -0.01, 0.0, 24.85, 726.85, 1880.87}) {
            EXPECT_NEAR(fromKelvin(toKelvin(t, unit), unit), t, 1e-12 * (1.0 + std::abs(t) + 460.0))
                << t;
        }
    }
}

}  // namespace
}  // namespace chemeng
