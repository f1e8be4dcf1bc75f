#include "framework/temperature_unit.h"

namespace chemeng {

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
