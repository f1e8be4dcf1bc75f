#pragma once

#include "compounds/correlation_result.h"

namespace chemeng {

// The temperature scale a set of Antoine constants was fitted in.
enum class AntoineScale { Celsius, Kelvin };

// The Antoine equation log10(p*) = A - B / (T + C), p* in mmHg. T is in the
// scale the constants were fitted in (°C for the main table, K for the
// Miscellaneous one); the range of every fit is given in °C.
struct AntoineCoefficients {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double tmin_C = 0.0;
    double tmax_C = 0.0;
    AntoineScale scale = AntoineScale::Celsius;

    bool allZero() const { return a == 0.0 && b == 0.0 && c == 0.0; }
};

// The vapour pressure at t_K in mmHg. OutOfRange when t_K lies outside the
// fitted range (both bounds included; a bound typed in another unit a
// rounding step off still counts as the bound) or is not finite; NotFinite at
// the pole T = -C or when p* overflows.
CorrelationResult antoineVaporPressure(const AntoineCoefficients& k, double t_K);

}  // namespace chemeng
