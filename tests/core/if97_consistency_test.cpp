// The IF97 backward equations against the forward (basic) equations they
// invert, on grids over their ranges, and the basic equations of neighbouring
// regions against each other along their common boundaries.
//
// Bounds cited from IAPWS R7-97(2012) and SR3-03(2014) are those releases'
// tolerated inconsistencies. For SR2-01, SR4-04 and SR5-05 the bound is this
// test's own, set just above the largest deviation found on its grid, so that
// a change to a coefficient or a subregion choice shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "water/if97_b23.h"
#include "water/if97_backward_hs_region1_2.h"
#include "water/if97_backward_hs_region3.h"
#include "water/if97_backward_region1_2.h"
#include "water/if97_backward_region3.h"
#include "water/if97_constants.h"
#include "water/if97_region1.h"
#include "water/if97_region2.h"
#include "water/if97_region3_volume.h"
#include "water/if97_region4.h"
#include "water/if97_region5.h"
#include "water/if97_solvers.h"

namespace chemeng::water::if97 {
namespace {

// The largest deviation over a grid, kept with where it happened.
struct Worst {
    double value = 0.0;
    std::string where;
    void add(double deviation, double t, double p) {
        if (deviation > value || std::isnan(deviation)) {
            value = std::isnan(deviation) ? HUGE_VAL : deviation;
            where = "T=" + std::to_string(t) + " K, p=" + std::to_string(p) + " MPa";
        }
    }
};

// (T, p) over region 1: 273.15 K … 623.15 K, ps(T) … 100 MPa.
void forRegion1(const std::function<void(double, double)>& visit) {
    for (double t = 273.15; t <= 623.15; t += 1.7) {
        const double ps = saturationPressure(t);
        for (double p = ps; p <= 100.0; p = std::min(100.0, p * 1.08) + (p >= 100.0)) visit(t, p);
    }
}

// (T, p) over region 2 from the triple-point pressure: below ps(T) up to
// 623.15 K, below B23 up to 863.15 K, below 100 MPa up to 1073.15 K.
void forRegion2(const std::function<void(double, double)>& visit) {
    for (double t = 273.15; t <= 1073.15; t += 2.3) {
        const double top = t <= 623.15   ? saturationPressure(t)
                           : t <= 863.15 ? b23Pressure(t)
                                         : 100.0;
        for (double p = 611.213e-6; p <= top; p *= 1.05) visit(t, p);
        visit(t, top);
    }
}

// (T, p) over region 3: 623.15 K … TB23(p), pB23(T) … 100 MPa.
void forRegion3(const std::function<void(double, double)>& visit) {
    for (double t = 623.2; t <= 863.15; t += 1.1) {
        for (double p = std::max(b23Pressure(t), 16.53) + 1e-3; p <= 100.0; p += 0.37) {
            visit(t, p);
        }
    }
}

// R7-97(2012) Sec. 5.2: both region-1 backward equations within 25 mK.
TEST(If97Consistency, Region1BackwardTemperaturesWithin25mK) {
    Worst ph, ps;
    forRegion1([&](double t, double p) {
        const Properties q = region1(p, t);
        ph.add(std::abs(region1TemperaturePH(p, q.h_kJkg) - t), t, p);
        ps.add(std::abs(region1TemperaturePS(p, q.s_kJkgK) - t), t, p);
    });
    EXPECT_LE(ph.value, 0.025) << ph.where;
    EXPECT_LE(ps.value, 0.025) << ps.where;
}

// R7-97(2012) Sec. 6.3: 10 mK in subregions 2a and 2b, 25 mK in 2c.
TEST(If97Consistency, Region2BackwardTemperaturesWithinTolerance) {
    Worst ph[3], ps[3];
    forRegion2([&](double t, double p) {
        const Properties q = region2(p, t);
        ph[static_cast<int>(subregion2PH(p, q.h_kJkg))].add(
            std::abs(region2TemperaturePH(p, q.h_kJkg) - t), t, p);
        ps[static_cast<int>(subregion2PS(p, q.s_kJkgK))].add(
            std::abs(region2TemperaturePS(p, q.s_kJkgK) - t), t, p);
    });
    const double tolerance[3] = {0.010, 0.010, 0.025};
    for (int sub = 0; sub < 3; ++sub) {
        EXPECT_GT(ph[sub].value, 0.0) << "subregion " << sub << " not reached";
        EXPECT_LE(ph[sub].value, tolerance[sub]) << "T(p,h) " << sub << ' ' << ph[sub].where;
        EXPECT_LE(ps[sub].value, tolerance[sub]) << "T(p,s) " << sub << ' ' << ps[sub].where;
    }
}

// SR2-01(2014) p(h,s): region 1 held to 15 kPa (largest on the grid 14.0 kPa,
// at low pressure where p hardly moves h and s), region 2 to 0.0088 % (largest
// 0.006 %, in 2c).
TEST(If97Consistency, PressureFromHSInRegions1And2) {
    Worst one, two;
    forRegion1([&](double t, double p) {
        const Properties q = region1(p, t);
        one.add(std::abs(region1PressureHS(q.h_kJkg, q.s_kJkgK) - p), t, p);
    });
    forRegion2([&](double t, double p) {
        const Properties q = region2(p, t);
        two.add(std::abs(region2PressureHS(q.h_kJkg, q.s_kJkgK) - p) / p, t, p);
    });
    EXPECT_LE(one.value, 0.015) << one.where;
    EXPECT_LE(two.value, 0.0088e-2) << two.where;
}

// SR3-03(2014): T(p,h) and T(p,s) within 25 mK, v(p,h) and v(p,s) within
// 0.01 %. SR4-04(2014) p(h,s) held to 0.01 % (largest on the grid 0.008 %).
TEST(If97Consistency, Region3BackwardEquations) {
    Worst th, ts, vh, vs, phs;
    forRegion3([&](double t, double p) {
        const Solved r = region3AtPT(p, t);
        ASSERT_TRUE(r.converged) << t << ' ' << p;
        const Properties& q = r.props;
        th.add(std::abs(region3TemperaturePH(p, q.h_kJkg) - t), t, p);
        ts.add(std::abs(region3TemperaturePS(p, q.s_kJkgK) - t), t, p);
        vh.add(std::abs(region3VolumePH(p, q.h_kJkg) / q.v_m3kg - 1.0), t, p);
        vs.add(std::abs(region3VolumePS(p, q.s_kJkgK) / q.v_m3kg - 1.0), t, p);
        phs.add(std::abs(region3PressureHS(q.h_kJkg, q.s_kJkgK) / p - 1.0), t, p);
    });
    EXPECT_LE(th.value, 0.025) << th.where;
    EXPECT_LE(ts.value, 0.025) << ts.where;
    EXPECT_LE(vh.value, 1e-4) << vh.where;
    EXPECT_LE(vs.value, 1e-4) << vs.where;
    EXPECT_LE(phs.value, 1e-4) << phs.where;
}

// SR5-05(2016) v(p,T) against the basic equation: the 20 subregions 3a … 3t
// held to 1e-5 of v (largest on the grid 9e-6), the auxiliary 3u … 3x to
// 1e-3 (largest 9.6e-4). The two auxiliary equations closest to the critical
// point, 3y and 3z, deviate by up to 1.5 % on a fine grid around it and are
// held only to their check values.
TEST(If97Consistency, Region3VolumeEquationsAgainstTheBasicEquation) {
    Worst main, auxiliary;
    int reached[26] = {};
    const auto visit = [&](double t, double p) {
        const Solved r = region3AtPT(p, t);
        if (!r.converged) return;
        const char sub = region3Subregion(p, t);
        ++reached[sub - 'a'];
        const double dv = std::abs(region3SubregionVolume(sub, p, t) / r.props.v_m3kg - 1.0);
        if (sub <= 't') {
            main.add(dv, t, p);
        } else if (sub <= 'x') {
            auxiliary.add(dv, t, p);
        }
    };
    forRegion3(visit);
    for (double t = 640.0; t <= 660.0; t += 0.1) {
        for (double p = 20.0; p <= 24.0; p += 0.02) {
            if (p > b23Pressure(t)) visit(t, p);
        }
    }
    for (char sub = 'a'; sub <= 'x'; ++sub) EXPECT_GT(reached[sub - 'a'], 0) << sub;
    EXPECT_LE(main.value, 1e-5) << main.where;
    EXPECT_LE(auxiliary.value, 1e-3) << auxiliary.where;
}

// The region-3 saturation pressure from h or s (SR3-03 Eqs. 10 and 11) along
// both branches of the saturation line above 623.15 K, and the saturated
// enthalpies h'(s), h''(s) of SR4-04 along the whole line; bounds held here:
// 0.01 % (largest 0.0094 %) and 0.01 kJ/kg (largest 0.0072 kJ/kg).
TEST(If97Consistency, SaturationLineEquationsInHAndS) {
    Worst psatH, psatS, liquid, vapour;
    for (double t = 273.15; t < 647.09; t += 0.07) {
        const double p = saturationPressure(t);
        const SaturatedPhases sat = saturatedPhases(p, t);
        ASSERT_TRUE(sat.converged) << t;
        const double sl = sat.liquid.s_kJkgK;
        const double sv = sat.vapour.s_kJkgK;
        if (t > 623.15) {
            for (const Properties& q : {sat.liquid, sat.vapour}) {
                psatH.add(std::abs(saturationPressure3H(q.h_kJkg) / p - 1.0), t, p);
                psatS.add(std::abs(saturationPressure3S(q.s_kJkgK) / p - 1.0), t, p);
            }
        }
        const double hl = t <= 623.15       ? saturatedLiquidEnthalpy1(sl)
                          : sl <= kSc_kJkgK ? saturatedLiquidEnthalpy3a(sl)
                                            : sat.liquid.h_kJkg;
        liquid.add(std::abs(hl - sat.liquid.h_kJkg), t, p);
        const double hv = sv >= 5.85       ? saturatedVapourEnthalpy2ab(sv)
                          : sv > kSc_kJkgK ? saturatedVapourEnthalpy2c3b(sv)
                                           : sat.vapour.h_kJkg;
        vapour.add(std::abs(hv - sat.vapour.h_kJkg), t, p);
    }
    EXPECT_LE(psatH.value, 1e-4) << psatH.where;
    EXPECT_LE(psatS.value, 1e-4) << psatS.where;
    EXPECT_LE(liquid.value, 0.01) << liquid.where;
    EXPECT_LE(vapour.value, 0.01) << vapour.where;
}

// SR4-04 boundary equations against the basic equations along the lines they
// stand for: hB13(s) on T = 623.15 K (largest 0.018 kJ/kg), TB23(h,s) on the
// B23 line (largest 5 mK), and Tsat(h,s) across the wet-steam part of the
// dome at s ≥ 5.85 kJ/(kg·K) (largest 0.7 mK); bounds 0.02 kJ/kg, 10 mK and
// 1 mK.
TEST(If97Consistency, BoundaryEquationsInHAndS) {
    Worst b13, b23, tsat;
    for (double p = kPsat13_MPa; p <= 100.0; p += 0.1) {
        const Properties one = region1(p, kT13_K);
        b13.add(std::abs(b13Enthalpy(one.s_kJkgK) - one.h_kJkg), kT13_K, p);
        const double t = b23Temperature(p);
        const Properties two = region2(p, t);
        b23.add(std::abs(b23TemperatureHS(two.h_kJkg, two.s_kJkgK) - t), t, p);
    }
    for (double t = 273.15; t <= 623.15; t += 0.9) {
        const double p = saturationPressure(t);
        const Properties l = region1(p, t);
        const Properties v = region2(p, t);
        for (double x = 0.0; x <= 1.0; x += 0.02) {
            const double s = l.s_kJkgK + x * (v.s_kJkgK - l.s_kJkgK);
            if (s < 5.85) continue;
            const double h = l.h_kJkg + x * (v.h_kJkg - l.h_kJkg);
            tsat.add(std::abs(saturationTemperatureHS(h, s) - t), t, p);
        }
    }
    EXPECT_LE(b13.value, 0.02) << b13.where;
    EXPECT_LE(b23.value, 0.010) << b23.where;
    EXPECT_LE(tsat.value, 0.001) << tsat.where;
}

// Neighbouring basic equations along their common boundaries within the
// permissible inconsistencies of R7-97(2012) Sec. 10 (the Prague values):
// 0.05 % in v, 0.2 kJ/kg in h, 0.2 J/(kg·K) in s, 1 % in cp.
struct Mismatch {
    Worst v, h, s, cp;
    void add(const Properties& a, const Properties& b) {
        v.add(std::abs(a.v_m3kg / b.v_m3kg - 1.0), a.t_K, a.p_MPa);
        h.add(std::abs(a.h_kJkg - b.h_kJkg), a.t_K, a.p_MPa);
        s.add(std::abs(a.s_kJkgK - b.s_kJkgK), a.t_K, a.p_MPa);
        cp.add(std::abs(a.cp_kJkgK / b.cp_kJkgK - 1.0), a.t_K, a.p_MPa);
    }
    void expectWithinPragueValues(const char* boundary) const {
        EXPECT_LE(v.value, 5e-4) << boundary << ' ' << v.where;
        EXPECT_LE(h.value, 0.2) << boundary << ' ' << h.where;
        EXPECT_LE(s.value, 0.2e-3) << boundary << ' ' << s.where;
        EXPECT_LE(cp.value, 0.01) << boundary << ' ' << cp.where;
    }
};

TEST(If97Consistency, BasicEquationsAgreeAlongRegionBoundaries) {
    Mismatch b13, b23, b25;
    // From just above the point where both lines leave the saturation line
    // (there region 3 has a liquid and a vapour root).
    for (double p = kPsat13_MPa + 0.01; p <= 100.0; p += 0.05) {
        b13.add(region1(p, kT13_K), region3AtPT(p, kT13_K).props);
        const double t = b23Temperature(p);
        b23.add(region2(p, t), region3AtPT(p, t).props);
    }
    for (double p = 1e-3; p <= 50.0; p += 0.05) b25.add(region2(p, kT25_K), region5(p, kT25_K));
    b13.expectWithinPragueValues("623.15 K");
    b23.expectWithinPragueValues("B23");
    b25.expectWithinPragueValues("1073.15 K");
}

}  // namespace
}  // namespace chemeng::water::if97
