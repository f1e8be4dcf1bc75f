#include "water/melting_sublimation.h"

#include <array>
#include <cmath>
#include <limits>

namespace chemeng::water {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// IAPWS R14-08(2011): triple point of ice Ih, liquid and vapour.
constexpr double kTriple_K = 273.16;
constexpr double kTriple_kPa = 0.611657;

// Ice Ih melting, Eq. (1): p/pt = 1 + Σ a_i (1 − θ^b_i), θ = T/Tt.
struct PowerTerm {
    double a;
    double b;
};
constexpr std::array<PowerTerm, 3> kIceIh{{
    {0.119539337e7, 0.300000e1},
    {0.808183159e5, 0.257500e2},
    {0.333826860e4, 0.103750e3},
}};
static_assert(kIceIh.size() == 3, "R14-08 ice Ih melting: three terms");

// Ices III, V, VI, Eqs. (2)-(4): p/pn = 1 − a (1 − θ^b), θ = T/Tn.
// Columns: Tn (K), pn (kPa), a, b (R14-08 as coded in two independent
// implementations; the release prints the same constants).
struct SimpleCurve {
    double tn_K;
    double pn_kPa;
    double a;
    double b;
    double tHigh_K;
};
constexpr SimpleCurve kIceIII{251.165, 208566.0, 0.299948, 60.0, 256.164};
constexpr SimpleCurve kIceV{256.164, 350100.0, 1.18721, 8.0, 273.31};
constexpr SimpleCurve kIceVI{273.31, 632400.0, 1.07476, 4.6, 355.0};

// Ice VII, Eq. (5): ln(p/pn) = Σ a_i (1 − θ^b_i) with exponents −1, 5, 22.
constexpr double kIceVII_Tn_K = 355.0;
constexpr double kIceVII_pn_kPa = 2216000.0;
constexpr std::array<PowerTerm, 3> kIceVII{{
    {0.173683e1, -1.0},
    {-0.544606e-1, 5.0},
    {0.806106e-7, 22.0},
}};
static_assert(kIceVII.size() == 3, "R14-08 ice VII melting: three terms");

// Sublimation, Eq. (6): ln(p/pt) = θ⁻¹ Σ a_i θ^b_i.
constexpr std::array<PowerTerm, 3> kSublimation{{
    {-0.212144006e2, 0.333333333e-2},
    {0.273203819e2, 0.120666667e1},
    {-0.610598130e1, 0.170333333e1},
}};
static_assert(kSublimation.size() == 3, "R14-08 sublimation: three terms");

double simpleCurve(const SimpleCurve& c, double t_K) {
    if (!(t_K >= c.tn_K && t_K <= c.tHigh_K)) return kNaN;
    const double theta = t_K / c.tn_K;
    return c.pn_kPa * (1.0 - c.a * (1.0 - std::pow(theta, c.b)));
}

}  // namespace

double meltingPressureIceIh_kPa(double t_K) {
    if (!(t_K >= kLowestLiquidTemperature_K && t_K <= kTriple_K)) return kNaN;
    const double theta = t_K / kTriple_K;
    double sum = 1.0;
    for (const PowerTerm& term : kIceIh) sum += term.a * (1.0 - std::pow(theta, term.b));
    return kTriple_kPa * sum;
}

double meltingPressureIceIII_kPa(double t_K) {
    return simpleCurve(kIceIII, t_K);
}
double meltingPressureIceV_kPa(double t_K) {
    if (t_K == kIceV.tn_K) return kIceV.pn_kPa;
    return simpleCurve(kIceV, t_K);
}
double meltingPressureIceVI_kPa(double t_K) {
    return simpleCurve(kIceVI, t_K);
}

double meltingPressureIceVII_kPa(double t_K) {
    if (!(t_K >= kIceVII_Tn_K && t_K <= 715.0)) return kNaN;
    const double theta = t_K / kIceVII_Tn_K;
    double lnPi = 0.0;
    for (const PowerTerm& term : kIceVII) lnPi += term.a * (1.0 - std::pow(theta, term.b));
    return kIceVII_pn_kPa * std::exp(lnPi);
}

double sublimationPressure_kPa(double t_K) {
    if (!(t_K >= 50.0 && t_K <= kTriple_K)) return kNaN;
    const double theta = t_K / kTriple_K;
    double sum = 0.0;
    for (const PowerTerm& term : kSublimation) sum += term.a * std::pow(theta, term.b);
    return kTriple_kPa * std::exp(sum / theta);
}

bool isStableFluid(double t_K, double p_kPa) {
    if (!(t_K >= kLowestLiquidTemperature_K)) return false;
    // High-pressure ice above the liquid.
    double iceAbove_kPa = std::numeric_limits<double>::infinity();
    if (t_K <= kIceIII.tHigh_K) {
        iceAbove_kPa = meltingPressureIceIII_kPa(t_K);
    } else if (t_K <= kIceV.tHigh_K) {
        iceAbove_kPa = meltingPressureIceV_kPa(t_K);
    } else if (t_K <= kIceVI.tHigh_K) {
        iceAbove_kPa = meltingPressureIceVI_kPa(t_K);
    } else if (t_K <= 715.0) {
        iceAbove_kPa = meltingPressureIceVII_kPa(t_K);
    }
    if (p_kPa > iceAbove_kPa) return false;
    if (t_K >= kTriple_K) return true;
    // Below the triple point: vapour under the sublimation curve, or liquid
    // compressed beyond the ice Ih melting curve.
    return p_kPa <= sublimationPressure_kPa(t_K) || p_kPa >= meltingPressureIceIh_kPa(t_K);
}

}  // namespace chemeng::water
