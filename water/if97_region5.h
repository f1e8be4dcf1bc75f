#pragma once

// IAPWS-IF97 region 5, high temperature: the basic Gibbs equation (IAPWS
// R7-97(2012) Eq. 32, with the 2007 extension to 50 MPa). Valid for
// 1073.15 K ≤ T ≤ 2273.15 K and 0 < p ≤ 50 MPa; inputs in MPa and K.

#include "water/if97_properties.h"

namespace chemeng::water::if97 {

Properties region5(double p_MPa, double t_K, Detail detail = Detail::Full);

}  // namespace chemeng::water::if97
