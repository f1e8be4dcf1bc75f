#pragma once

// IAPWS-IF97 region 1, compressed liquid: the basic Gibbs equation
// (IAPWS R7-97(2012) Eq. 7). Valid for 273.15 K ≤ T ≤ 623.15 K and
// ps(T) ≤ p ≤ 100 MPa; inputs in MPa and K, outputs in the release's units.

#include "water/if97_properties.h"

namespace chemeng::water::if97 {

Properties region1(double p_MPa, double t_K, Detail detail = Detail::Full);

}  // namespace chemeng::water::if97
