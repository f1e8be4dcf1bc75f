#include "framework/temperature_unit.h"

namespace chemeng {

double toKelvin(double t, TemperatureUnit unit) {
    return toKelvin(t, unit, kZeroCelsius_K, kZeroCelsius_K);
}

double fromKelvin(double t_K, TemperatureUnit unit) {
    switch (unit) {
        case TemperatureUnit::Celsius:
            return t_K - kZeroCelsius_K;
        case TemperatureUnit::Fahrenheit:
            return (t_K - kZeroCelsius_K) * 1.8 + 32.0;  // 9/5 °F per K
        case TemperatureUnit::Kelvin:
            break;
    }
    return t_K;
}

double toKelvin(double t, TemperatureUnit unit, double celsiusOffset_K, double fahrenheitOffset_K) {
    switch (unit) {
        case TemperatureUnit::Celsius:
            return t + celsiusOffset_K;
        case TemperatureUnit::Fahrenheit:
            return (t - 32.0) * kKelvinPerFahrenheit + fahrenheitOffset_K;
        case TemperatureUnit::Kelvin:
            break;
    }
    return t;
}

}  // namespace chemeng
