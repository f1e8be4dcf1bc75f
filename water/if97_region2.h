#pragma once

// IAPWS-IF97 region 2, vapour: the basic Gibbs equation (IAPWS R7-97(2012)
// Eq. 15) and the supplementary equation for metastable vapour (Eq. 18).
// Inputs in MPa and K, outputs in the release's units.
//
// region2: 273.15 K ≤ T ≤ 623.15 K with 0 < p ≤ ps(T); 623.15 K < T ≤
// 863.15 K with 0 < p ≤ pB23(T); 863.15 K < T ≤ 1073.15 K with 0 < p ≤
// 100 MPa.
// region2Metastable: supersaturated vapour from the saturated-vapour line to
// the 5 % equilibrium-moisture line, at pressures up to 10 MPa.

#include "water/if97_properties.h"

namespace chemeng::water::if97 {

Properties region2(double p_MPa, double t_K, Detail detail = Detail::Full);
Properties region2Metastable(double p_MPa, double t_K, Detail detail = Detail::Full);

}  // namespace chemeng::water::if97
