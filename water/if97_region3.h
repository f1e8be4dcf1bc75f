#pragma once

// IAPWS-IF97 region 3, around the critical point: the basic Helmholtz
// equation (IAPWS R7-97(2012) Eq. 28) in density and temperature. Valid for
// 623.15 K ≤ T ≤ TB23(p) and pB23(T) ≤ p ≤ 100 MPa; inputs in kg/m³ and K,
// outputs in the release's units (p in MPa).

#include "water/if97_properties.h"

namespace chemeng::water::if97 {

struct Region3Properties {
    Properties props;
    double rho_kgm3 = 0.0;
    // Partial derivatives of p (MPa), h (kJ/kg) and s (kJ/(kg·K)) with respect
    // to ρ at constant T and to T at constant ρ, for the inversions that
    // solve for (ρ, T).
    double dpdrho = 0.0;
    double dpdT = 0.0;
    double dhdrho = 0.0;
    double dhdT = 0.0;
    double dsdrho = 0.0;
    double dsdT = 0.0;
};

Region3Properties region3(double rho_kgm3, double t_K);

}  // namespace chemeng::water::if97
