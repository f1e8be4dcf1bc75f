#pragma once

namespace chemeng {

// The temperature unit radios of every page, in their order: °C, °F, K.
enum class TemperatureUnit : int { Celsius = 0, Fahrenheit = 1, Kelvin = 2 };

// 0 °C in kelvin: the Celsius scale is the kelvin scale shifted by exactly
// 273.15 (SI Brochure, 9th edition, 2.3.1). 0.01 °C, not 0 °C, is the triple
// point of water at 273.16 K.
inline constexpr double kZeroCelsius_K = 273.15;
// The size of a Fahrenheit degree in kelvin, exactly 5/9; 32 °F is 0 °C.
inline constexpr double kKelvinPerFahrenheit = 5.0 / 9.0;

// A temperature typed in `unit`, in kelvin: °C + 273.15, (°F - 32) * 5/9 +
// 273.15, K as it is.
double toKelvin(double t, TemperatureUnit unit);
// The reverse: a temperature in kelvin expressed in `unit`.
double fromKelvin(double t_K, TemperatureUnit unit);

// Deprecated: the ice point chosen by the caller. Kept for the steam page
// until it moves to toKelvin(t, unit).
double toKelvin(double t, TemperatureUnit unit, double celsiusOffset_K, double fahrenheitOffset_K);

}  // namespace chemeng
