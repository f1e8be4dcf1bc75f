#pragma once

// IAPWS-IF97 region 4, the saturation line: the saturation-pressure equation
// (IAPWS R7-97(2012) Eq. 30) and its exact inverse, the saturation-temperature
// equation (Eq. 31). Valid from 273.15 K (611.213 Pa) to the critical point
// 647.096 K (22.064 MPa); in MPa and K.

namespace chemeng::water::if97 {

double saturationPressure(double t_K);       // MPa
double saturationTemperature(double p_MPa);  // K

}  // namespace chemeng::water::if97
