#include "water/steam_units.h"

#include <array>

namespace chemeng::steam_units {

namespace {
struct PressureFactors {
    double toKPa;
    double fromKPa;
};

// kPa, bar, mmHg, inHg, atm, psia; 1 atm = 101.3 kPa = 760 mmHg = 29.92 inHg
// = 14.7 psia, as stored doubles.
constexpr std::array<PressureFactors, 6> kPressureFactors{{
    {1.0, 1.0},
    {100.0, 0.01},
    {0.1332894736842105, 7.502467917077986},
    {3.385695187165775, 0.295360315893386},
    {101.3, 0.009871668311944718},
    {6.891156462585035, 0.14511352418558734},
}};
static_assert(kPressureFactors.size() == 6, "one pair per pressure unit");

const PressureFactors& factorsOf(PressureUnit unit) {
    return kPressureFactors[static_cast<std::size_t>(unit)];
}
}  // namespace

double temperatureToKelvin(double t, TemperatureUnit unit) {
    return toKelvin(t, unit, kZeroCelsius_K, kZeroCelsius_K);
}

double temperatureFromKelvin(double t_K, TemperatureUnit unit) {
    switch (unit) {
        case TemperatureUnit::Celsius:
            return t_K - kZeroCelsius_K;
        case TemperatureUnit::Fahrenheit:
            return kelvinToFahrenheit(t_K);
        case TemperatureUnit::Kelvin:
            break;
    }
    return t_K;
}

double kelvinToFahrenheit(double t_K) {
    return (t_K - kZeroCelsius_K) * kFahrenheitPerKelvin + 32.0;
}

double fahrenheitToKelvin(double t_F) {
    return (t_F - 32.0) * kKelvinPerFahrenheit + kZeroCelsius_K;
}

double pressureToKPa(double p, PressureUnit unit) {
    return p * factorsOf(unit).toKPa;
}

double pressureFromKPa(double p_kPa, PressureUnit unit) {
    return p_kPa * factorsOf(unit).fromKPa;
}

}  // namespace chemeng::steam_units
