#pragma once

// Constants and limits of IAPWS-IF97 (IAPWS R7-97(2012), Sec. 2 and 3), in
// the release's own units: K, MPa, kg/m³, kJ/kg, kJ/(kg·K).

namespace chemeng::water::if97 {

// Specific gas constant of the industrial formulation; slightly different from
// the 0.46151805 of IAPWS-95, and every IF97 equation was fitted with it.
constexpr double kR_kJkgK = 0.461526;
constexpr double kTc_K = 647.096;
constexpr double kPc_MPa = 22.064;
constexpr double kRhoc_kgm3 = 322.0;

// The range of the formulation: 273.15 K to 1073.15 K up to 100 MPa, and
// 1073.15 K to 2273.15 K up to 50 MPa.
constexpr double kTmin_K = 273.15;
constexpr double kT13_K = 623.15;    // regions 1 and 3 meet; B23 starts here
constexpr double kT2max_K = 863.15;  // B23 ends here at 100 MPa
constexpr double kT25_K = 1073.15;   // regions 2 and 5 meet
constexpr double kTmax_K = 2273.15;
constexpr double kPmax_MPa = 100.0;
constexpr double kP5max_MPa = 50.0;

// The saturation pressure at 273.15 K and at 623.15 K by the region-4
// equation (R7-97(2012) Eq. 30), where regions 1, 2 and 3 meet the line.
constexpr double kPsatTmin_MPa = 0.6112126774443467e-3;
constexpr double kPsat13_MPa = 16.529164252604626;

}  // namespace chemeng::water::if97
