#include "water/helmholtz_ideal.h"

#include <array>
#include <cmath>

namespace chemeng {
namespace {

// IAPWS R6-95(2018), Table 1: ideal-gas coefficients, dimensionless.
// n°1 and n°2 are the table's −8.3204464837497 and 6.6832105275932 carried to
// twelve and thirteen digits (−8.32044648375, 6.683210527593). They only fix
// the zero of internal energy and entropy at the triple-point liquid; the
// rounding moves u by R·Tc·2e-13, below 1e-10 kJ/kg.
constexpr double kN1 = -8.32044648375;
constexpr double kN2 = 6.683210527593;
constexpr double kN3 = 3.00632;

struct ExponentialTerm {
    double n;      // n°i
    double gamma;  // γ°i
};

// Terms i = 4 … 8: n°i ln(1 − exp(−γ°i τ)).
constexpr std::array<ExponentialTerm, 5> kExponentialTerms{{
    {0.012436, 1.28728967},
    {0.97315, 3.53734222},
    {1.27950, 7.74073708},
    {0.96956, 9.24437796},
    {0.24873, 27.5075105},
}};
static_assert(kExponentialTerms.size() == 5, "IAPWS-95 Table 1 has five exponential terms");

template <typename Real>
HelmholtzParts<Real> evaluateIdeal(Real delta, Real tau, HelmholtzSelection sel) {
    using std::exp;
    using std::log;
    using std::log1p;
    HelmholtzParts<Real> out;
    const bool needSums = sel.phi || sel.t || sel.tt;
    if (needSums) {
        Real sumPhi = 0;
        Real sumT = 0;
        Real sumTT = 0;
        for (const ExponentialTerm& term : kExponentialTerms) {
            const Real n = static_cast<Real>(term.n);
            const Real gamma = static_cast<Real>(term.gamma);
            const Real e = exp(-gamma * tau);  // shared by φ°, φ°_τ and φ°_ττ
            const Real oneMinusE = 1 - e;
            if (sel.phi) sumPhi += n * log1p(-e);
            if (sel.t) sumT += n * gamma * (1 / oneMinusE - 1);
            if (sel.tt) sumTT += n * gamma * gamma * e / (oneMinusE * oneMinusE);
        }
        const Real n1 = static_cast<Real>(kN1);
        const Real n2 = static_cast<Real>(kN2);
        const Real n3 = static_cast<Real>(kN3);
        if (sel.phi) out.phi = log(delta) + n1 + n2 * tau + n3 * log(tau) + sumPhi;
        if (sel.t) out.t = n2 + n3 / tau + sumT;
        if (sel.tt) out.tt = -n3 / (tau * tau) - sumTT;
    }
    if (sel.d) out.d = 1 / delta;
    if (sel.dd) out.dd = -1 / (delta * delta);
    if (sel.ddd) out.ddd = 2 / (delta * delta * delta);
    return out;
}

}  // namespace

HelmholtzValues HelmholtzIdeal(double delta, double tau, HelmholtzSelection selection) {
    return evaluateIdeal<double>(delta, tau, selection);
}

HelmholtzParts<long double> HelmholtzIdeal(long double delta, long double tau,
                                           HelmholtzSelection selection) {
    return evaluateIdeal<long double>(delta, tau, selection);
}

}  // namespace chemeng
