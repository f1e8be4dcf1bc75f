#pragma once

namespace chemeng {

// The temperature unit radios of every page, in their order: °C, °F, K.
enum class TemperatureUnit : int { Celsius = 0, Fahrenheit = 1, Kelvin = 2 };

// 0 °C in kelvin (ITS-90 / SI definition of the Celsius scale).
inline constexpr double kZeroCelsius_K = 273.15;
// The size of a Fahrenheit degree in kelvin, 5/9.
inline constexpr double kKelvinPerFahrenheit = 5.0 / 9.0;

// A typed temperature in kelvin. Pages differ in the ice point they add:
// °C goes up by celsiusOffset_K, °F by (t - 32) * 5/9 plus fahrenheitOffset_K.
double toKelvin(double t, TemperatureUnit unit, double celsiusOffset_K, double fahrenheitOffset_K);

}  // namespace chemeng
