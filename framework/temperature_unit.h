#pragma once

namespace chemeng {

// The temperature unit radios of every page, in their order: °C, °F, K.
// Each page converts to kelvin with its own offsets.
enum class TemperatureUnit : int { Celsius = 0, Fahrenheit = 1, Kelvin = 2 };

}  // namespace chemeng
