#include "water/if97_region3.h"

#include <array>
#include <cmath>

#include "water/if97_constants.h"
#include "water/if97_series.h"

namespace chemeng::water::if97 {
namespace {

// IAPWS R7-97(2012), Table 30: region 3, coefficient n1 of ln δ in the
// dimensionless Helmholtz free energy φ(δ, τ).
constexpr double kR3LnDelta = 0.10658070028513e1;

// The same table, n2 … n40 with their exponents I (of δ) and J (of τ)
// (dimensionless).
constexpr std::array<Term, 39> kR3{{
    {0, 0, -0.15732845290239e2},   {0, 1, 0.20944396974307e2},    {0, 2, -0.76867707878716e1},
    {0, 7, 0.26185947787954e1},    {0, 10, -0.28080781148620e1},  {0, 12, 0.12053369696517e1},
    {0, 23, -0.84566812812502e-2}, {1, 2, -0.12654315477714e1},   {1, 6, -0.11524407806681e1},
    {1, 15, 0.88521043984318},     {1, 17, -0.64207765181607},    {2, 0, 0.38493460186671},
    {2, 2, -0.85214708824206},     {2, 6, 0.48972281541877e1},    {2, 7, -0.30502617256965e1},
    {2, 22, 0.39420536879154e-1},  {2, 26, 0.12558408424308},     {3, 0, -0.27999329698710},
    {3, 2, 0.13899799569460e1},    {3, 4, -0.20189915023570e1},   {3, 16, -0.82147637173963e-2},
    {3, 26, -0.47596035734923},    {4, 0, 0.43984074473500e-1},   {4, 2, -0.44476435428739},
    {4, 4, 0.90572070719733},      {4, 26, 0.70522450087967},     {5, 1, 0.10770512626332},
    {5, 3, -0.32913623258954},     {5, 26, -0.50871062041158},    {6, 0, -0.22175400873096e-1},
    {6, 2, 0.94260751665092e-1},   {6, 26, 0.16436278447961},     {7, 2, -0.13503372241348e-1},
    {8, 26, -0.14834345352472e-1}, {9, 2, 0.57922953628084e-3},   {9, 26, 0.32308904703711e-2},
    {10, 0, 0.80964802996215e-4},  {10, 1, -0.16557679795037e-3}, {11, 26, -0.44923899061815e-4},
}};
static_assert(kR3.size() == 39);

}  // namespace

Region3Properties region3(double rho_kgm3, double t_K) {
    const double delta = rho_kgm3 / kRhoc_kgm3;
    const double tau = kTc_K / t_K;
    const SeriesDerivatives d = seriesDerivatives<kR3>(delta, tau);
    const double phi = kR3LnDelta * std::log(delta) + d.f;
    const double phiD = kR3LnDelta / delta + d.fx;
    const double phiDD = -kR3LnDelta / (delta * delta) + d.fxx;
    const double phiT = d.fy;
    const double phiTT = d.fyy;
    const double phiDT = d.fxy;

    const double rt = kR_kJkgK * t_K;
    const double dPhiD = delta * phiD;
    const double a = dPhiD - delta * tau * phiDT;  // δφ_δ − δτφ_δτ
    const double b = 2.0 * dPhiD + delta * delta * phiDD;

    Region3Properties out;
    out.rho_kgm3 = rho_kgm3;
    Properties& p = out.props;
    p.t_K = t_K;
    // ρ R T in kJ/m³ = kPa.
    p.p_MPa = 1e-3 * rho_kgm3 * rt * dPhiD;
    p.v_m3kg = 1.0 / rho_kgm3;
    p.u_kJkg = rt * tau * phiT;
    p.h_kJkg = rt * (tau * phiT + dPhiD);
    p.s_kJkgK = kR_kJkgK * (tau * phiT - phi);
    p.cv_kJkgK = -kR_kJkgK * tau * tau * phiTT;
    p.cp_kJkgK = p.cv_kJkgK + kR_kJkgK * a * a / b;
    p.w_ms = std::sqrt(1e3 * rt * (b - a * a / (tau * tau * phiTT)));

    out.dpdrho = 1e-3 * rt * b;
    out.dpdT = 1e-3 * rho_kgm3 * kR_kJkgK * a;
    out.dhdrho = rt / rho_kgm3 * (delta * tau * phiDT + dPhiD + delta * delta * phiDD);
    out.dhdT = kR_kJkgK * (a - tau * tau * phiTT);
    out.dsdrho = kR_kJkgK / rho_kgm3 * (delta * tau * phiDT - dPhiD);
    out.dsdT = p.cv_kJkgK / t_K;
    // (∂v/∂T)_p = (∂p/∂T)_ρ / ((∂p/∂ρ)_T ρ²).
    p.dvdT_m3kgK = out.dpdT / (out.dpdrho * rho_kgm3 * rho_kgm3);
    return out;
}

}  // namespace chemeng::water::if97
