#include "water/if97_region_choice.h"

#include <cmath>

#include "water/if97_b23.h"
#include "water/if97_backward_hs_region1_2.h"
#include "water/if97_backward_hs_region3.h"
#include "water/if97_backward_region3.h"
#include "water/if97_constants.h"
#include "water/if97_region1.h"
#include "water/if97_region2.h"
#include "water/if97_region4.h"
#include "water/if97_region5.h"

namespace chemeng::water::if97 {
namespace {

// Bounds of the saturated properties up to 623.15 K (regions 1 and 2 at
// Ts, R7-97(2012)): h' ≤ 1670.86 kJ/kg and s' ≤ 3.77829 kJ/(kg·K) (at
// 623.15 K); 2500.89 ≤ h'' ≤ 2803.29 kJ/kg (at 273.15 K and 508.44 K) and
// 5.21088 ≤ s'' ≤ 9.15576 kJ/(kg·K). Above 16.53 MPa, region 1 at 623.15 K
// stays below the same h' and s' bounds, and along B23 (in region 2)
// h ≤ 2812.94 kJ/kg and s ≤ 5.26058 kJ/(kg·K) (SR4-04). On the 1073.15 K isotherm of region 2,
// h ≥ 3715.18 kJ/kg and s + R ln(p/1 MPa) ≥ 8.16589 kJ/(kg·K) (both least
// at 100 MPa). A property
// beyond one of these bounds decides its side without evaluating the
// equation at the boundary.
constexpr double kHLiquidMax_kJkg = 1671.0;
constexpr double kHVapourMin_kJkg = 2500.0;
constexpr double kHVapourMax_kJkg = 2803.3;
constexpr double kH1073Min_kJkg = 3715.1;
constexpr double kSLiquidMax_kJkgK = 3.7783;
constexpr double kSVapourMin_kJkgK = 5.2108;
constexpr double kSVapourMax_kJkgK = 9.1558;
constexpr double kS1073PlusRLnPMin_kJkgK = 8.1658;

// SR4-04(2014): entropies where the h–s boundary equations meet.
constexpr double kS13Min_kJkgK = 3.397782955;      // T = 623.15 K at 100 MPa
constexpr double kSLiquid623_kJkgK = 3.778281340;  // s'(623.15 K)
constexpr double kS2bc_kJkgK = 5.85;
constexpr double kSVapour273_kJkgK = 9.155759395;  // s''(273.15 K)
// The B23 line in h–s runs inside this box (SR4-04 Sec. 4.6).
constexpr double kSB23Min_kJkgK = 5.048096828;
constexpr double kSB23Max_kJkgK = 5.260578707;
constexpr double kHB23Min_kJkg = 2.563592004e3;
constexpr double kHB23Max_kJkg = 2.812942061e3;

RegionChoice choice(Region region) {
    return {Status::Ok, region};
}
RegionChoice failure(Status status) {
    return {status, Region::One};
}

bool validPressure(double p_MPa) {
    return std::isfinite(p_MPa) && p_MPa > 0.0;
}

// Vapour at p with a property above the region-2 saturated or boundary value:
// region 2 up to 1073.15 K, region 5 up to 2273.15 K at p ≤ 50 MPa.
// `value(region, T)` is the forward property at p.
template <typename Value>
RegionChoice vapourSide(double p_MPa, double target, bool surelyBelow1073, Value value) {
    if (surelyBelow1073 || target <= value(Region::Two, kT25_K)) return choice(Region::Two);
    if (p_MPa > kP5max_MPa) return failure(Status::AboveMaximumTemperature);
    if (target > value(Region::Five, kTmax_K)) return failure(Status::AboveMaximumTemperature);
    return choice(Region::Five);
}

// Liquid at p with a property at or below region 1's at the boundary: region 1
// unless below 273.15 K, which only a property below `lowCheck` can be.
template <typename Value>
RegionChoice liquidSide(double target, double lowCheck, Value value) {
    if (target < lowCheck && target < value(Region::One, kTmin_K)) {
        return failure(Status::BelowMinimumTemperature);
    }
    return choice(Region::One);
}

// The (p, h) and (p, s) choices share their logic; Traits give the property,
// its bounds and its backward temperatures.
template <typename Traits>
RegionChoice regionPX(double p_MPa, double x) {
    if (!validPressure(p_MPa) || !std::isfinite(x)) return failure(Status::InvalidInput);
    if (p_MPa > kPmax_MPa) return failure(Status::AboveMaximumPressure);
    const auto value = [p_MPa](Region region, double t_K) {
        return Traits::of(gibbsRegion(region, p_MPa, t_K, Detail::Basic));
    };
    const auto vapour = [&] {
        return vapourSide(p_MPa, x, Traits::surelyBelow1073(p_MPa, x), value);
    };
    const auto liquid = [&] { return liquidSide(x, Traits::kLiquidLowCheck, value); };

    // (A saturation pressure at 273.15 K that went through kPa and back may
    // come out a rounding error low.)
    if (p_MPa < kPsatTmin_MPa * (1.0 - 1e-12)) {
        // No liquid below the triple-point pressure in IF97's range.
        if (x < value(Region::Two, kTmin_K)) return failure(Status::BelowMinimumTemperature);
        return vapour();
    }
    if (p_MPa <= kPsat13_MPa) {
        if (x > Traits::kVapourMax) return vapour();
        const double ts = saturationTemperature(p_MPa);
        if (x <= Traits::kLiquidMax && x <= value(Region::One, ts)) return liquid();
        if (x >= Traits::kVapourMin && x >= value(Region::Two, ts)) return vapour();
        return choice(Region::Four);
    }
    if (x <= Traits::kLiquidMax && x <= value(Region::One, kT13_K)) return liquid();
    if (x > Traits::kB23Max || x >= value(Region::Two, b23Temperature(p_MPa))) return vapour();
    if (p_MPa < kPc_MPa && p_MPa < Traits::psat3(x)) return choice(Region::Four);
    return choice(Region::Three);
}

struct EnthalpyTraits {
    static constexpr double kLiquidMax = kHLiquidMax_kJkg;
    static constexpr double kVapourMin = kHVapourMin_kJkg;
    static constexpr double kVapourMax = kHVapourMax_kJkg;
    static constexpr double kB23Max = kHB23Max_kJkg + 0.01;
    static bool surelyBelow1073(double, double h) { return h < kH1073Min_kJkg; }
    // h at 273.15 K is below 100 kJ/kg at every pressure up to 100 MPa.
    static constexpr double kLiquidLowCheck = 100.0;
    static double of(const Properties& p) { return p.h_kJkg; }
    static double psat3(double h) { return saturationPressure3H(h); }
};

struct EntropyTraits {
    static constexpr double kLiquidMax = kSLiquidMax_kJkgK;
    static constexpr double kVapourMin = kSVapourMin_kJkgK;
    static constexpr double kVapourMax = kSVapourMax_kJkgK;
    static constexpr double kB23Max = kSB23Max_kJkgK + 1e-5;
    static bool surelyBelow1073(double p, double s) {
        return s < kS1073PlusRLnPMin_kJkgK - kR_kJkgK * std::log(p);
    }
    // s at 273.15 K is below 0.01 kJ/(kg·K) at every pressure.
    static constexpr double kLiquidLowCheck = 0.01;
    static double of(const Properties& p) { return p.s_kJkgK; }
    static double psat3(double s) { return saturationPressure3S(s); }
};

}  // namespace

RegionChoice regionTP(double p_MPa, double t_K) {
    if (!validPressure(p_MPa) || !std::isfinite(t_K) || t_K <= 0.0) {
        return failure(Status::InvalidInput);
    }
    if (t_K < kTmin_K) return failure(Status::BelowMinimumTemperature);
    if (t_K > kTmax_K) return failure(Status::AboveMaximumTemperature);
    if (p_MPa > kPmax_MPa) return failure(Status::AboveMaximumPressure);
    if (t_K > kT25_K) {
        if (p_MPa > kP5max_MPa) return failure(Status::AboveMaximumPressure);
        return choice(Region::Five);
    }
    if (t_K <= kT13_K) {
        return choice(p_MPa >= saturationPressure(t_K) ? Region::One : Region::Two);
    }
    return choice(p_MPa > b23Pressure(t_K) ? Region::Three : Region::Two);
}

RegionChoice regionPH(double p_MPa, double h_kJkg) {
    return regionPX<EnthalpyTraits>(p_MPa, h_kJkg);
}

RegionChoice regionPS(double p_MPa, double s_kJkgK) {
    return regionPX<EntropyTraits>(p_MPa, s_kJkgK);
}

RegionChoice regionHS(double h_kJkg, double s_kJkgK) {
    if (!std::isfinite(h_kJkg) || !std::isfinite(s_kJkgK)) return failure(Status::InvalidInput);
    const double h = h_kJkg;
    const double s = s_kJkgK;
    if (s <= kSLiquid623_kJkgK) {
        if (h < saturatedLiquidEnthalpy1(s)) return choice(Region::Four);
        if (s >= kS13Min_kJkgK && h > b13Enthalpy(s)) return choice(Region::Three);
        return choice(Region::One);
    }
    if (s <= kSc_kJkgK) {
        return choice(h < saturatedLiquidEnthalpy3a(s) ? Region::Four : Region::Three);
    }
    if (s < kS2bc_kJkgK) {
        if (h < saturatedVapourEnthalpy2c3b(s)) return choice(Region::Four);
        if (s < kSB23Min_kJkgK || h < kHB23Min_kJkg) return choice(Region::Three);
        if (s > kSB23Max_kJkgK || h > kHB23Max_kJkg) return choice(Region::Two);
        // Inside the box: region 3 when the region-2c pressure lies above
        // the B23 pressure at TB23(h, s).
        const double pB23 = b23Pressure(b23TemperatureHS(h, s));
        return choice(region2PressureHS(h, s) > pB23 ? Region::Three : Region::Two);
    }
    if (s <= kSVapour273_kJkgK && h < saturatedVapourEnthalpy2ab(s)) return choice(Region::Four);
    return choice(Region::Two);
}

}  // namespace chemeng::water::if97
