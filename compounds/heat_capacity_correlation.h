#pragma once

#include "compounds/correlation_result.h"

namespace chemeng {

enum class Phase { Gas, Liquid };

// The heat-capacity polynomial of one phase of a compound:
//   ideal gas: Cp = a + b*T + c*T^2 + d*T^3
//   liquid:    Cp = a + b*T + c*T^2        (d is 0)
// Cp in J/(g mol K), T in K, fitted from tmin_K to tmax_K (both included).
struct HeatCapacityCoefficients {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
    double tmin_K = 0.0;
    double tmax_K = 0.0;

    // A range of 0 to 0 K is what a row without a fitted range reads as.
    bool hasRange() const { return tmin_K != 0.0 || tmax_K != 0.0; }
    bool allZero() const { return a == 0.0 && b == 0.0 && c == 0.0 && d == 0.0; }
};

// Cp at t_K in J/(g mol K), evaluated in nested (Horner) form,
// ((d*T + c)*T + b)*T + a for the gas and (c*T + b)*T + a for the liquid.
// OutOfRange when t_K lies outside [tmin_K, tmax_K] (a bound typed in another
// unit a rounding step off still counts as the bound) or is not finite.
CorrelationResult heatCapacity(Phase phase, const HeatCapacityCoefficients& k, double t_K);

}  // namespace chemeng
