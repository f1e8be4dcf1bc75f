#pragma once

// IAPWS-IF97 backward equations p(h,s) for regions 1 and 2 (IAPWS
// SR2-01(2014)). Inputs in kJ/kg and kJ/(kg·K), results in MPa. Consistent
// with the forward equations to 0.0088 % (region 1) and 0.0096 % (region 2)
// of p; valid in their region only.

namespace chemeng::water::if97 {

// The boundary between subregions 2a and 2b in h–s (Eq. 2): 2a lies at or
// below it; above it, 2b for s ≥ 5.85 kJ/(kg·K) and 2c below.
double b2abEnthalpy(double s_kJkgK);  // kJ/kg

double region1PressureHS(double h_kJkg, double s_kJkgK);
double region2PressureHS(double h_kJkg, double s_kJkgK);

}  // namespace chemeng::water::if97
