#include "water/if97_region1.h"

#include <array>

#include "water/if97_series.h"

namespace chemeng::water::if97 {
namespace {

// IAPWS R7-97(2012), Table 2: region 1, coefficients n_i and exponents I_i,
// J_i of the dimensionless Gibbs free energy γ(π, τ) (dimensionless).
constexpr std::array<Term, 34> kR1{{
    {0, -2, 0.14632971213167},        {0, -1, -0.84548187169114},
    {0, 0, -0.37563603672040e1},      {0, 1, 0.33855169168385e1},
    {0, 2, -0.95791963387872},        {0, 3, 0.15772038513228},
    {0, 4, -0.16616417199501e-1},     {0, 5, 0.81214629983568e-3},
    {1, -9, 0.28319080123804e-3},     {1, -7, -0.60706301565874e-3},
    {1, -1, -0.18990068218419e-1},    {1, 0, -0.32529748770505e-1},
    {1, 1, -0.21841717175414e-1},     {1, 3, -0.52838357969930e-4},
    {2, -3, -0.47184321073267e-3},    {2, 0, -0.30001780793026e-3},
    {2, 1, 0.47661393906987e-4},      {2, 3, -0.44141845330846e-5},
    {2, 17, -0.72694996297594e-15},   {3, -4, -0.31679644845054e-4},
    {3, 0, -0.28270797985312e-5},     {3, 6, -0.85205128120103e-9},
    {4, -5, -0.22425281908000e-5},    {4, -2, -0.65171222895601e-6},
    {4, 10, -0.14341729937924e-12},   {5, -8, -0.40516996860117e-6},
    {8, -11, -0.12734301741641e-8},   {8, -6, -0.17424871230634e-9},
    {21, -29, -0.68762131295531e-18}, {23, -31, 0.14478307828521e-19},
    {29, -38, 0.26335781662795e-22},  {30, -39, -0.11947622640071e-22},
    {31, -40, 0.18228094581404e-23},  {32, -41, -0.93537087292458e-25},
}};
static_assert(kR1.size() == 34);

constexpr double kPstar_MPa = 16.53;
constexpr double kTstar_K = 1386.0;

}  // namespace

namespace {

template <unsigned Needs>
GibbsDerivatives gibbs1(double pi, double tau) {
    // γ = Σ n (7.1 − π)^I (τ − 1.222)^J; the inner variable 7.1 − π flips the
    // sign of the π derivatives.
    const SeriesDerivatives d = seriesDerivatives<kR1, Needs>(7.1 - pi, tau - 1.222);
    return {d.f, -d.fx, d.fxx, d.fy, d.fyy, -d.fxy};
}

}  // namespace

Properties region1(double p_MPa, double t_K, Detail detail) {
    const double pi = p_MPa / kPstar_MPa;
    const double tau = kTstar_K / t_K;
    GibbsDerivatives g;
    switch (detail) {
        case Detail::Basic:
            g = gibbs1<seriesNeeds(Detail::Basic)>(pi, tau);
            break;
        case Detail::Thermal:
            g = gibbs1<seriesNeeds(Detail::Thermal)>(pi, tau);
            break;
        case Detail::Full:
            g = gibbs1<seriesNeeds(Detail::Full)>(pi, tau);
            break;
    }
    return gibbsProperties(p_MPa, t_K, pi, tau, g, detail);
}

}  // namespace chemeng::water::if97
