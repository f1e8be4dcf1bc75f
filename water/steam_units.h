#pragma once

// Units of the steam page and the conversions the whole steam subsystem
// shares. Inside the subsystem everything works in K, kPa, kJ/kg and m³/kg.
// The pressure factors follow from 1 atm = 101.3 kPa = 760 mmHg = 29.92 inHg
// = 14.7 psia; the energy factor from the International Table Btu (1 Btu/lb =
// 2.326 kJ/kg exactly); the volume factor from 1 lb = 0.45359237 kg and
// 1 ft = 0.3048 m, rounded to eight digits on the way in.
#include "framework/temperature_unit.h"

namespace chemeng {

// In the order of the page's pressure radios.
enum class PressureUnit { KPa, Bar, MmHg, InHg, Atm, Psia };
// American: Btu/lb and ft³/lb; SI: kJ/kg and m³/kg.
enum class UnitSystem { American, SI };

struct SteamUnits {
    UnitSystem system = UnitSystem::American;
    TemperatureUnit temperature = TemperatureUnit::Celsius;
    PressureUnit pressure = PressureUnit::KPa;
};

namespace steam_units {

// Every steam path converts °C and °F with kZeroCelsius_K (273.15 K) and
// kKelvinPerFahrenheit (5/9) of framework/temperature_unit.h.
inline constexpr double kFahrenheitPerKelvin = 1.8;

inline constexpr double kKJPerKgPerBtuPerLb = 2.326;
inline constexpr double kBtuPerLbPerKJPerKg = 0.42992261392949266;
// Not exact inverses: the first is rounded to eight digits.
inline constexpr double kM3PerKgPerFt3PerLb = 0.06242796;
inline constexpr double kFt3PerLbPerM3PerKg = 16.018463521793763;

// The English-unit formulation's pressures: kPa → psia on the way in, psia →
// kPa on the way out (two separately rounded factors).
inline constexpr double kPsiaPerKPa = 0.1450377;
inline constexpr double kKPaPerPsia = 6.89475908677537;

// A typed temperature in kelvin, and a temperature in kelvin in the page's
// unit: °C is T + 273.15, °F is (T − 32) × 5/9 + 273.15.
double temperatureToKelvin(double t, TemperatureUnit unit);
double temperatureFromKelvin(double t_K, TemperatureUnit unit);
// °F from K and back as the English-unit formulation is fed and read.
double kelvinToFahrenheit(double t_K);
double fahrenheitToKelvin(double t_F);

double pressureToKPa(double p, PressureUnit unit);
double pressureFromKPa(double p_kPa, PressureUnit unit);

}  // namespace steam_units
}  // namespace chemeng
