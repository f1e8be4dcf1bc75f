#pragma once

namespace chemeng {

// Reduced saturation pressure π = p / pc and its slope dπ/dθ at θ = T / Tc.
struct ReducedPressure {
    double pi = 0.0;
    double slope = 0.0;
};

// Auxiliary equations of IAPWS SR1-86(1992) (Wagner and Pruß 1993), valid for
// θ below 1; ϑ = 1 − θ throughout.
ReducedPressure SatPressureAux(double theta);
double SatLiquidDensityAux(double theta);  // ρ′ / ρc
double SatVapourDensityAux(double theta);  // ρ″ / ρc

// Square-root and exponential laws that take over within a few millikelvin of
// the critical point.
ReducedPressure NearCriticalPressure(double theta);
double NearCriticalLiquidDensity(double theta);
double NearCriticalVapourDensity(double theta);

}  // namespace chemeng
