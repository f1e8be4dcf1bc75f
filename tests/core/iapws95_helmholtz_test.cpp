#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "water/helmholtz_ideal.h"
#include "water/helmholtz_residual.h"
#include "water/iapws95_constants.h"

namespace chemeng {
namespace {

// Half a unit in the last printed digit of a published number such as
// "0.204797733e1", the width of the rounding that produced it.
double printedHalfUnit(std::string_view printed) {
    const std::size_t e = printed.find_first_of("eE");
    const std::string_view mantissa = printed.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = e == std::string_view::npos ? 0 : std::atoi(printed.data() + e + 1);
    return 0.5 * std::pow(10.0, exponent - decimals);
}

double published(std::string_view printed) {
    return std::strtod(std::string(printed).c_str(), nullptr);
}

double reducedDensity(double rho) {
    return rho / iapws95::kCriticalDensity_kgm3;
}
double inverseReducedTemperature(double T) {
    return iapws95::kCriticalTemperature_K / T;
}

enum class Part { Ideal, Residual };

double pick(const HelmholtzValues& v, std::string_view name) {
    if (name == "phi") return v.phi;
    if (name == "d") return v.d;
    if (name == "t") return v.t;
    if (name == "dd") return v.dd;
    if (name == "tt") return v.tt;
    if (name == "dt") return v.dt;
    if (name == "ddd") return v.ddd;
    if (name == "ddt") return v.ddt;
    return v.dtt;
}

struct DerivativeCheck {
    double T_K;
    double rho_kgm3;
    Part part;
    const char* derivative;
    const char* printed;
    double extraTolerance;  // absolute, for values that rest on one computation
};

// IAPWS R6-95(2018) Table 6 (500 K, 838.025 kg/m³), the near-critical state
// 647 K, 358 kg/m³ quoted from Wagner and Pruß (2002), and third derivatives
// computed by complex-step differentiation of the published second
// derivatives (reference-data/water/iapws95.md 5.4, stated to ±2 in the last
// two digits).
const DerivativeCheck kDerivativeChecks[] = {
    {500, 838.025, Part::Ideal, "phi", "0.204797733e1", 0},
    {500, 838.025, Part::Ideal, "d", "0.384236747", 0},
    {500, 838.025, Part::Ideal, "dd", "-0.147637878", 0},
    {500, 838.025, Part::Ideal, "t", "0.904611106e1", 0},
    {500, 838.025, Part::Ideal, "tt", "-0.193249185e1", 0},
    {500, 838.025, Part::Ideal, "dt", "0", 0},
    {500, 838.025, Part::Ideal, "ddd", "1.13455795858e-01", 0},
    {500, 838.025, Part::Residual, "phi", "-0.342693206e1", 0},
    {500, 838.025, Part::Residual, "d", "-0.364366650", 0},
    {500, 838.025, Part::Residual, "dd", "0.856063701", 0},
    {500, 838.025, Part::Residual, "t", "-0.581403435e1", 0},
    {500, 838.025, Part::Residual, "tt", "-0.223440737e1", 0},
    {500, 838.025, Part::Residual, "dt", "-0.112176915e1", 0},
    {500, 838.025, Part::Residual, "ddd", "9.17624128137e-01", 2e-12},
    {500, 838.025, Part::Residual, "ddt", "3.92085834542e-01", 2e-12},
    {500, 838.025, Part::Residual, "dtt", "2.73277032555e-01", 2e-12},
    {647, 358, Part::Ideal, "phi", "-0.156319605e1", 0},
    {647, 358, Part::Ideal, "d", "0.899441341", 0},
    {647, 358, Part::Ideal, "dd", "-0.808994726", 0},
    {647, 358, Part::Ideal, "t", "0.980343918e1", 0},
    {647, 358, Part::Ideal, "tt", "-0.343316334e1", 0},
    {647, 358, Part::Ideal, "ddd", "1.45528660119e+00", 0},
    {647, 358, Part::Residual, "phi", "-0.121202657e1", 0},
    {647, 358, Part::Residual, "d", "-0.714012024", 0},
    {647, 358, Part::Residual, "dd", "0.475730696", 0},
    {647, 358, Part::Residual, "t", "-0.321722501e1", 0},
    {647, 358, Part::Residual, "tt", "-0.996029507e1", 0},
    {647, 358, Part::Residual, "dt", "-0.133214720e1", 0},
    {647, 358, Part::Residual, "ddd", "-5.41902834089e-01", 2e-12},
    {647, 358, Part::Residual, "ddt", "1.32770523637e+00", 2e-11},
    {647, 358, Part::Residual, "dtt", "5.35034126322e+01", 2e-10},
};

TEST(Iapws95Helmholtz, ReproducesPublishedDerivativesToTheirPrintedDigits) {
    for (const DerivativeCheck& check : kDerivativeChecks) {
        const double delta = reducedDensity(check.rho_kgm3);
        const double tau = inverseReducedTemperature(check.T_K);
        const HelmholtzValues values =
            check.part == Part::Ideal ? HelmholtzIdeal(delta, tau, HelmholtzSelection::all())
                                      : HelmholtzResidual(delta, tau, HelmholtzSelection::all());
        EXPECT_NEAR(pick(values, check.derivative), published(check.printed),
                    printedHalfUnit(check.printed) + check.extraTolerance)
            << (check.part == Part::Ideal ? "ideal " : "residual ") << check.derivative << " at "
            << check.T_K << " K, " << check.rho_kgm3 << " kg/m3";
    }
}

// p = ρ R T (1 + δ φʳ_δ) at the single-phase states of IAPWS R6-95(2018) Table 7.
TEST(Iapws95Helmholtz, SinglePhasePressuresMatchPublishedTable) {
    struct Case {
        double T_K;
        double rho_kgm3;
        const char* p_MPa;
    };
    const Case cases[] = {
        {300, 0.9965560e3, "0.992418352e-1"}, {300, 0.1005308e4, "0.200022515e2"},
        {300, 0.1188202e4, "0.700004704e3"},  {500, 0.4350000, "0.999679423e-1"},
        {500, 0.4532000e1, "0.999938125"},    {500, 0.8380250e3, "0.100003858e2"},
        {500, 0.1084564e4, "0.700000405e3"},  {647, 0.3580000e3, "0.220384756e2"},
        {900, 0.2410000, "0.100062559"},      {900, 0.5261500e2, "0.200000690e2"},
        {900, 0.8707690e3, "0.700000006e3"},
    };
    for (const Case& c : cases) {
        const double delta = reducedDensity(c.rho_kgm3);
        const HelmholtzValues r = HelmholtzResidual(delta, inverseReducedTemperature(c.T_K),
                                                    HelmholtzSelection{.d = true});
        const double p_MPa =
            c.rho_kgm3 * iapws95::kGasConstant_kJkgK * c.T_K * (1.0 + delta * r.d) / 1000.0;
        EXPECT_NEAR(p_MPa, published(c.p_MPa), printedHalfUnit(c.p_MPa))
            << c.T_K << " K, " << c.rho_kgm3 << " kg/m3";
    }
}

// Every derivative against a central difference of a lower one, evaluated in
// extended precision; the states put the Gaussian and non-analytic terms to
// work on both sides of the critical density and temperature.
TEST(Iapws95Helmholtz, DerivativesAgreeWithDifferencesOfLowerOrders) {
    struct State {
        double delta;
        double tau;
    };
    const State states[] = {
        {3.1, 2.2},    {0.01, 1.5}, {0.3, 0.7},    {2.0, 0.9},     {1.05, 1.002},
        {0.95, 0.999}, {1.2, 1.01}, {0.85, 0.996}, {1.01, 1.0005}, {1.0, 1.01},
    };
    const long double h = 1e-6L;
    const auto eval = [](long double delta, long double tau, Part part) {
        return part == Part::Ideal ? HelmholtzIdeal(delta, tau, HelmholtzSelection::all())
                                   : HelmholtzResidual(delta, tau, HelmholtzSelection::all());
    };
    for (const Part part : {Part::Ideal, Part::Residual}) {
        for (const State& s : states) {
            const long double d = s.delta;
            const long double t = s.tau;
            const HelmholtzValues v =
                part == Part::Ideal ? HelmholtzIdeal(s.delta, s.tau, HelmholtzSelection::all())
                                    : HelmholtzResidual(s.delta, s.tau, HelmholtzSelection::all());
            const auto dp = eval(d + h * d, t, part);
            const auto dm = eval(d - h * d, t, part);
            const auto tp = eval(d, t + h * t, part);
            const auto tm = eval(d, t - h * t, part);
            const long double byDelta = 2 * h * d;
            const long double byTau = 2 * h * t;
            struct Pair {
                const char* name;
                double analytic;
                long double difference;
            };
            const Pair pairs[] = {
                {"d", v.d, (dp.phi - dm.phi) / byDelta},
                {"dd", v.dd, (dp.d - dm.d) / byDelta},
                {"ddd", v.ddd, (dp.dd - dm.dd) / byDelta},
                {"t", v.t, (tp.phi - tm.phi) / byTau},
                {"tt", v.tt, (tp.t - tm.t) / byTau},
                {"dt", v.dt, (tp.d - tm.d) / byTau},
                {"dt via delta", v.dt, (dp.t - dm.t) / byDelta},
                {"ddt", v.ddt, (tp.dd - tm.dd) / byTau},
                {"dtt", v.dtt, (dp.tt - dm.tt) / byDelta},
            };
            for (const Pair& p : pairs) {
                const double expected = static_cast<double>(p.difference);
                EXPECT_NEAR(p.analytic, expected, 1e-7 * std::fmax(1.0, std::fabs(expected)))
                    << (part == Part::Ideal ? "ideal " : "residual ") << p.name
                    << " at delta = " << s.delta << ", tau = " << s.tau;
            }
        }
    }
}

TEST(Iapws95Helmholtz, ComputesOnlyTheSelectedDerivatives) {
    const double delta = 1.3;
    const double tau = 1.1;
    const HelmholtzValues all = HelmholtzResidual(delta, tau, HelmholtzSelection::all());
    const HelmholtzValues some =
        HelmholtzResidual(delta, tau, HelmholtzSelection{.d = true, .tt = true, .ddt = true});
    EXPECT_EQ(some.d, all.d);
    EXPECT_EQ(some.tt, all.tt);
    EXPECT_EQ(some.ddt, all.ddt);
    for (const double unselected : {some.phi, some.t, some.dd, some.dt, some.ddd, some.dtt}) {
        EXPECT_EQ(unselected, 0.0);
    }
    const HelmholtzValues ideal = HelmholtzIdeal(delta, tau, HelmholtzSelection{.t = true});
    EXPECT_EQ(ideal.t, HelmholtzIdeal(delta, tau, HelmholtzSelection::all()).t);
    EXPECT_EQ(ideal.phi, 0.0);
    EXPECT_EQ(ideal.d, 0.0);
}

// At the critical point Δ = 0: the powers Δ^(b−1) … Δ^(b−3) are taken as 0, so
// every derivative is a number, and φ and the first derivatives join their
// values a little away from it. Far out in the compressed liquid the
// exponentials fall under their cut-offs without leaving anything undefined.
TEST(Iapws95Helmholtz, StaysFiniteAtTheCriticalPointAndFarFromIt) {
    const HelmholtzValues critical = HelmholtzResidual(1.0, 1.0, HelmholtzSelection::all());
    const HelmholtzValues near = HelmholtzResidual(1.0, 1.0 + 1e-9, HelmholtzSelection::all());
    for (const double v : {critical.phi, critical.d, critical.t, critical.dd, critical.tt,
                           critical.dt, critical.ddd, critical.ddt, critical.dtt}) {
        EXPECT_TRUE(std::isfinite(v));
    }
    EXPECT_NEAR(critical.phi, near.phi, 1e-8);
    EXPECT_NEAR(critical.d, near.d, 1e-6);
    EXPECT_NEAR(critical.t, near.t, 1e-6);

    const HelmholtzValues dense = HelmholtzResidual(6.0, 3.0, HelmholtzSelection::all());
    for (const double v : {dense.phi, dense.d, dense.t, dense.dd, dense.tt, dense.dt, dense.ddd,
                           dense.ddt, dense.dtt}) {
        EXPECT_TRUE(std::isfinite(v));
    }
}

}  // namespace
}  // namespace chemeng
