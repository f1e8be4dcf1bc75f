#pragma once

// Which IF97 region a state lies in, decided from the given pair as the
// releases prescribe: (p, T) by the saturation line, T = 623.15 K, the B23
// line and T = 1073.15 K (IAPWS R7-97(2012) Sec. 4 and Fig. 1); (p, h) and
// (p, s) by the saturated-liquid and -vapour properties at Ts(p), by the
// properties on T = 623.15 K and on B23, and in region 3 by psat3(h) or
// psat3(s) (R7-97 Sec. 5.2.1 and 6.3; SR3-03(2014) Sec. 4); (h, s) by the
// boundary equations of IAPWS SR4-04(2014) Sec. 4. Inputs in MPa, K, kJ/kg,
// kJ/(kg·K).
//
// A state on a boundary belongs to the lower-numbered region (the saturation
// line to region 1 for (p, T), T = 623.15 K to region 1, B23 to region 2,
// T = 1073.15 K to region 2).

#include "water/if97_solvers.h"
#include "water/water_state.h"

namespace chemeng::water::if97 {

struct RegionChoice {
    Status status = Status::Ok;  // a range limit crossed, or InvalidInput
    Region region = Region::One;
};

// For (p, T) the range check is complete; for (p, h) and (p, s) it covers
// p and the temperature limits found on the way (273.15 K, 1073.15 K at
// p > 50 MPa, 2273.15 K). The (h, s) choice only places the pair: its range
// is known once p and T are solved.
RegionChoice regionTP(double p_MPa, double t_K);
RegionChoice regionPH(double p_MPa, double h_kJkg);
RegionChoice regionPS(double p_MPa, double s_kJkgK);
RegionChoice regionHS(double h_kJkg, double s_kJkgK);

}  // namespace chemeng::water::if97
