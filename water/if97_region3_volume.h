#pragma once

// IAPWS-IF97 region 3 specific volume from pressure and temperature without
// iteration (IAPWS SR5-05(2016)): 20 subregions 3a … 3t and, close to the
// critical point, six auxiliary subregions 3u … 3z, each with its own
// equation v(p, T), chosen by the boundary equations T3xy(p). Inputs in MPa
// and K, v in m³/kg. Consistent with the basic equation to the release's
// tolerances (|Δv/v| from 1e-6 to 1e-3 by subregion, the auxiliary
// equations 1e-3 of v at most); valid in region 3.

namespace chemeng::water::if97 {

enum class Region3Boundary { AB, CD, EF, GH, IJ, JK, MN, OP, QU, RX, UV, WX };

// The boundary temperature T3xy(p) in K (SR5-05 Eqs. 2 and 3, Tables 1 and 9).
double region3BoundaryTemperature(Region3Boundary boundary, double p_MPa);

// Which side of the saturation line a state at p < 22.064 MPa lies on: found
// from T ≤ Ts(p) (a state on the line is liquid), or given for a saturated
// phase, whose T and p may disagree with Ts(p) by a rounding error.
enum class Side { FromTemperature, SaturatedLiquid, SaturatedVapour };

// The subregion as a letter 'a' … 'z'.
char region3Subregion(double p_MPa, double t_K, Side side = Side::FromTemperature);

// The equation of one subregion, whatever the state.
double region3SubregionVolume(char subregion, double p_MPa, double t_K);

// Both steps in one.
double region3VolumePT(double p_MPa, double t_K, Side side = Side::FromTemperature);

}  // namespace chemeng::water::if97
