#include "water/if97_region2.h"

#include <array>
#include <cmath>

#include "water/if97_series.h"

namespace chemeng::water::if97 {
namespace {

// IAPWS R7-97(2012), Table 10: region 2, ideal-gas part γ° = ln π + Σ n° τ^J
// (I unused; dimensionless).
constexpr std::array<Term, 9> kR2Ideal{{
    {0, 0, -0.96927686500217e1},
    {0, 1, 0.10086655968018e2},
    {0, -5, -0.56087911283020e-2},
    {0, -4, 0.71452738081455e-1},
    {0, -3, -0.40710498223928},
    {0, -2, 0.14240819171444e1},
    {0, -1, -0.43839511319450e1},
    {0, 2, -0.28408632460772},
    {0, 3, 0.21268463753307e-1},
}};
static_assert(kR2Ideal.size() == 9);

// IAPWS R7-97(2012), Table 11: region 2, residual part γʳ = Σ n π^I (τ − 0.5)^J
// (dimensionless).
constexpr std::array<Term, 43> kR2Res{{
    {1, 0, -0.17731742473213e-2},   {1, 1, -0.17834862292358e-1},
    {1, 2, -0.45996013696365e-1},   {1, 3, -0.57581259083432e-1},
    {1, 6, -0.50325278727930e-1},   {2, 1, -0.33032641670203e-4},
    {2, 2, -0.18948987516315e-3},   {2, 4, -0.39392777243355e-2},
    {2, 7, -0.43797295650573e-1},   {2, 36, -0.26674547914087e-4},
    {3, 0, 0.20481737692309e-7},    {3, 1, 0.43870667284435e-6},
    {3, 3, -0.32277677238570e-4},   {3, 6, -0.15033924542148e-2},
    {3, 35, -0.40668253562649e-1},  {4, 1, -0.78847309559367e-9},
    {4, 2, 0.12790717852285e-7},    {4, 3, 0.48225372718507e-6},
    {5, 7, 0.22922076337661e-5},    {6, 3, -0.16714766451061e-10},
    {6, 16, -0.21171472321355e-2},  {6, 35, -0.23895741934104e2},
    {7, 0, -0.59059564324270e-17},  {7, 11, -0.12621808899101e-5},
    {7, 25, -0.38946842435739e-1},  {8, 8, 0.11256211360459e-10},
    {8, 36, -0.82311340897998e1},   {9, 13, 0.19809712802088e-7},
    {10, 4, 0.10406965210174e-18},  {10, 10, -0.10234747095929e-12},
    {10, 14, -0.10018179379511e-8}, {16, 29, -0.80882908646985e-10},
    {16, 50, 0.10693031879409},     {18, 57, -0.33662250574171},
    {20, 20, 0.89185845355421e-24}, {20, 35, 0.30629316876232e-12},
    {20, 48, -0.42002467698208e-5}, {21, 21, -0.59056029685639e-25},
    {22, 53, 0.37826947613457e-5},  {23, 39, -0.12768608934681e-14},
    {24, 26, 0.73087610595061e-28}, {24, 40, 0.55414715350778e-16},
    {24, 58, -0.94369707241210e-6},
}};
static_assert(kR2Res.size() == 43);

// IAPWS R7-97(2012), Table 10 with n°1 and n°2 of Eq. (19): the ideal-gas part
// of the metastable-vapour equation, readjusted so that it meets region 2 on
// the saturated-vapour line (dimensionless).
constexpr std::array<Term, 9> kR2metaIdeal{{
    {0, -5, -0.56087911283020e-2},
    {0, -4, 0.71452738081455e-1},
    {0, -3, -0.40710498223928},
    {0, -2, 0.14240819171444e1},
    {0, -1, -0.43839511319450e1},
    {0, 0, -0.96937268393049e1},
    {0, 1, 0.10087275970006e2},
    {0, 2, -0.28408632460772},
    {0, 3, 0.21268463753307e-1},
}};
static_assert(kR2metaIdeal.size() == 9);

// IAPWS R7-97(2012), Table 16: residual part of the metastable-vapour
// equation, γʳ = Σ n π^I (τ − 0.5)^J (dimensionless).
constexpr std::array<Term, 13> kR2metaRes{{
    {1, 0, -0.73362260186506e-2},
    {1, 2, -0.88223831943146e-1},
    {1, 5, -0.72334555213245e-1},
    {1, 11, -0.40813178534455e-2},
    {2, 1, 0.20097803380207e-2},
    {2, 7, -0.53045921898642e-1},
    {2, 16, -0.76190409086970e-2},
    {3, 4, -0.63498037657313e-2},
    {3, 16, -0.86043093028588e-1},
    {4, 7, 0.75321581522770e-2},
    {4, 10, -0.79238375446139e-2},
    {5, 9, -0.22888160778447e-3},
    {5, 10, -0.26456501482810e-2},
}};
static_assert(kR2metaRes.size() == 13);

constexpr double kTstar_K = 540.0;  // p* = 1 MPa

// γ = ln π + Σ n° τ^J + Σ n π^I (τ − 0.5)^J, the shape shared by both equations.
template <const auto& kIdeal, const auto& kResidual, unsigned Needs>
Properties gibbsRegion2(double p_MPa, double t_K, Detail detail) {
    const double pi = p_MPa;
    const double tau = kTstar_K / t_K;
    constexpr unsigned kIdealNeeds = Needs & (needs::kF | needs::kFy | needs::kFyy);
    const SeriesDerivatives ideal = seriesDerivatives<kIdeal, kIdealNeeds>(1.0, tau);
    const SeriesDerivatives res = seriesDerivatives<kResidual, Needs>(pi, tau - 0.5);
    GibbsDerivatives g;
    g.g = std::log(pi) + ideal.f + res.f;
    g.gp = 1.0 / pi + res.fx;
    g.gpp = -1.0 / (pi * pi) + res.fxx;
    g.gt = ideal.fy + res.fy;
    g.gtt = ideal.fyy + res.fyy;
    g.gpt = res.fxy;
    return gibbsProperties(p_MPa, t_K, pi, tau, g, detail);
}

template <const auto& kIdeal, const auto& kResidual>
Properties dispatch(double p_MPa, double t_K, Detail detail) {
    switch (detail) {
        case Detail::Basic:
            return gibbsRegion2<kIdeal, kResidual, seriesNeeds(Detail::Basic)>(p_MPa, t_K, detail);
        case Detail::Thermal:
            return gibbsRegion2<kIdeal, kResidual, seriesNeeds(Detail::Thermal)>(p_MPa, t_K,
                                                                                 detail);
        case Detail::Full:
            break;
    }
    return gibbsRegion2<kIdeal, kResidual, seriesNeeds(Detail::Full)>(p_MPa, t_K, detail);
}

}  // namespace

Properties region2(double p_MPa, double t_K, Detail detail) {
    return dispatch<kR2Ideal, kR2Res>(p_MPa, t_K, detail);
}

Properties region2Metastable(double p_MPa, double t_K, Detail detail) {
    return dispatch<kR2metaIdeal, kR2metaRes>(p_MPa, t_K, detail);
}

}  // namespace chemeng::water::if97
