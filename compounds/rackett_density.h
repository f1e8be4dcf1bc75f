#pragma once

#include "compounds/correlation_result.h"

namespace chemeng {

// The saturated-liquid density correlation of the Rackett form,
//   rho = A * B^-(1 - T/Tc)^(2/7),
// rho in g/mL, T and Tc in K, fitted from tmin_K up to the critical point.
// The exponent 2/7 is Rackett's (H. G. Rackett, J. Chem. Eng. Data 15 (1970)
// 514-517); A and B are the fitted constants of handbook compilations such as
// C. L. Yaws, Chemical Properties Handbook (1999), table "Density of Liquid".
struct RackettCoefficients {
    double a_gPerMl = 0.0;
    double b = 0.0;
    double tc_K = 0.0;
    double tmin_K = 0.0;
};

// The density at t_K in g/mL. NoData without a positive critical temperature
// (the form has no range to work in); OutOfRange outside [tmin_K, tc_K] or for
// a t_K that is not finite. A temperature a rounding step above Tc (Tc typed
// in °C or °F) is taken as Tc itself: the reduced distance 1 - T/Tc must not
// go negative under the 2/7 power. NotFinite when the constants give no
// finite density (a negative B away from Tc, an overflow).
CorrelationResult rackettDensity(const RackettCoefficients& k, double t_K);

}  // namespace chemeng
