#pragma once

namespace chemeng {

// The temperature unit radios of every page, in their order: °C, °F, K.
enum class TemperatureUnit : int { Celsius = 0, Fahrenheit = 1, Kelvin = 2 };

// A typed temperature in kelvin. Pages differ in the ice point they add:
// °C goes up by celsiusOffset_K, °F by (t - 32) * 5/9 (5/9 as the double
// 0.5555555555555556 the program has always used) plus fahrenheitOffset_K.
double toKelvin(double t, TemperatureUnit unit, double celsiusOffset_K, double fahrenheitOffset_K);

}  // namespace chemeng
