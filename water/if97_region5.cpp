#include "water/if97_region5.h"

#include <array>
#include <cmath>

#include "water/if97_series.h"

namespace chemeng::water::if97 {
namespace {

// IAPWS R7-97(2012), Table 37: region 5, ideal-gas part γ° = ln π + Σ n° τ^J
// (I unused; dimensionless).
constexpr std::array<Term, 6> kR5Ideal{{
    {0, 0, -0.13179983674201e2},
    {0, 1, 0.68540841634434e1},
    {0, -3, -0.24805148933466e-1},
    {0, -2, 0.36901534980333},
    {0, -1, -0.31161318213925e1},
    {0, 2, -0.32961626538917},
}};
static_assert(kR5Ideal.size() == 6);

// IAPWS R7-97(2012), Table 38: region 5, residual part γʳ = Σ n π^I τ^J
// (dimensionless).
constexpr std::array<Term, 6> kR5Res{{
    {1, 1, 0.15736404855259e-2},
    {1, 2, 0.90153761673944e-3},
    {1, 3, -0.50270077677648e-2},
    {2, 3, 0.22440037409485e-5},
    {2, 9, -0.41163275453471e-5},
    {3, 7, 0.37919454822955e-7},
}};
static_assert(kR5Res.size() == 6);

constexpr double kTstar_K = 1000.0;  // p* = 1 MPa

}  // namespace

namespace {

template <unsigned Needs>
Properties gibbs5(double p_MPa, double t_K, Detail detail) {
    const double pi = p_MPa;
    const double tau = kTstar_K / t_K;
    constexpr unsigned kIdealNeeds = Needs & (needs::kF | needs::kFy | needs::kFyy);
    const SeriesDerivatives ideal = seriesDerivatives<kR5Ideal, kIdealNeeds>(1.0, tau);
    const SeriesDerivatives res = seriesDerivatives<kR5Res, Needs>(pi, tau);
    GibbsDerivatives g;
    g.g = std::log(pi) + ideal.f + res.f;
    g.gp = 1.0 / pi + res.fx;
    g.gpp = -1.0 / (pi * pi) + res.fxx;
    g.gt = ideal.fy + res.fy;
    g.gtt = ideal.fyy + res.fyy;
    g.gpt = res.fxy;
    return gibbsProperties(p_MPa, t_K, pi, tau, g, detail);
}

}  // namespace

Properties region5(double p_MPa, double t_K, Detail detail) {
    switch (detail) {
        case Detail::Basic:
            return gibbs5<seriesNeeds(Detail::Basic)>(p_MPa, t_K, detail);
        case Detail::Thermal:
            return gibbs5<seriesNeeds(Detail::Thermal)>(p_MPa, t_K, detail);
        case Detail::Full:
            break;
    }
    return gibbs5<seriesNeeds(Detail::Full)>(p_MPa, t_K, detail);
}

}  // namespace chemeng::water::if97
