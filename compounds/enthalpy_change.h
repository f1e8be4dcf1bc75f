#pragma once

#include "compounds/correlation_result.h"
#include "compounds/heat_capacity_correlation.h"

namespace chemeng {

// The heat-capacity polynomial integrated term by term,
//   H(T) = A1*T + A2*T^2 + A3*T^3 + A4*T^4   (A4 = 0 for the liquid),
// H in J/(g mol), T in K, valid over the polynomial's range tmin_K..tmax_K.
struct EnthalpyCoefficients {
    double a1 = 0.0;
    double a2 = 0.0;
    double a3 = 0.0;
    double a4 = 0.0;
    double tmin_K = 0.0;
    double tmax_K = 0.0;

    bool hasRange() const { return tmin_K != 0.0 || tmax_K != 0.0; }
    bool allZero() const { return a1 == 0.0 && a2 == 0.0 && a3 == 0.0 && a4 == 0.0; }
};

// A1 = a, A2 = b/2, A3 = c/3, A4 = d/4 at full precision, with the range of
// the heat-capacity fit.
EnthalpyCoefficients integratedCoefficients(const HeatCapacityCoefficients& cp);

// The enthalpy change H(t_K) - H(tr_K) in J/(g mol), summed from the highest
// power down: ((A4*(T^4 - Tr^4) + A3*(T^3 - Tr^3)) + A2*(T^2 - Tr^2)) +
// A1*(T - Tr); the liquid has no fourth-power term. Only t_K is held to the
// range of the fit (the reference is where H is counted from, often 298.15 K
// outside a liquid's range); OutOfRange when t_K lies outside it or either
// temperature is not finite.
CorrelationResult enthalpyChange(Phase phase, const EnthalpyCoefficients& k, double t_K,
                                 double tr_K);

}  // namespace chemeng
