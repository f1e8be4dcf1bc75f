#pragma once

#include "water/iapws95_properties.h"

namespace chemeng::water {

// Viscosity (IAPWS 2008) and thermal conductivity (IAPWS 2011), both with
// their critical enhancements, from one IAPWS-95 evaluation and one shared
// correlation length: SI units (Pa·s, m²/s, W/(m·K)).
struct TransportProperties {
    double viscosity_Pas = 0.0;
    double kinematicViscosity_m2s = 0.0;
    double thermalConductivity_WmK = 0.0;
    double prandtl = 0.0;
};

// At an evaluated IAPWS-95 point (T, ρ with ρ > 0).
TransportProperties transportProperties(const Iapws95Point& point);

// At T (K) and ρ (kg/m³), ρ > 0; no range check (the releases extrapolate
// smoothly; the state solvers apply the IAPWS-95 range).
TransportProperties transportProperties(double t_K, double rho_kgm3);

}  // namespace chemeng::water
