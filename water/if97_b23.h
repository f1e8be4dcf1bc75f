#pragma once

// IAPWS-IF97 boundary between regions 2 and 3 (IAPWS R7-97(2012) Eqs. 5
// and 6): a quadratic p(T) and its inverse, from 623.15 K / 16.5292 MPa to
// 863.15 K / 100 MPa; in MPa and K.

namespace chemeng::water::if97 {

double b23Pressure(double t_K);       // MPa
double b23Temperature(double p_MPa);  // K

}  // namespace chemeng::water::if97
