#include "water/helmholtz_residual.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>

namespace chemeng {
namespace {

// IAPWS R6-95(2018), Table 2 (coefficients as printed; all dimensionless).
// Terms 1 … 7: n δ^d τ^t. Columns d, t, n.
struct PolynomialTerm {
    int d;
    double t;
    double n;
};
constexpr std::array<PolynomialTerm, 7> kPolynomialTerms{{
    {1, -0.5, 0.12533547935523e-1},
    {1, 0.875, 0.78957634722828e1},
    {1, 1.0, -0.87803203303561e1},
    {2, 0.5, 0.31802509345418},
    {2, 0.75, -0.26145533859358},
    {3, 0.375, -0.78199751687981e-2},
    {4, 1.0, 0.88089493102134e-2},
}};
static_assert(kPolynomialTerms.size() == 7, "IAPWS-95 terms 1 to 7");

// Terms 8 … 51: n δ^d τ^t exp(−δ^c). Columns c, d, t, n.
struct ExponentialTerm {
    int c;
    int d;
    int t;
    double n;
};
constexpr std::array<ExponentialTerm, 44> kExponentialTerms{{
    {1, 1, 4, -0.66856572307965},     {1, 1, 6, 0.20433810950965},
    {1, 1, 12, -0.66212605039687e-4}, {1, 2, 1, -0.19232721156002},
    {1, 2, 5, -0.25709043003438},     {1, 3, 4, 0.16074868486251},
    {1, 4, 2, -0.40092828925807e-1},  {1, 4, 13, 0.39343422603254e-6},
    {1, 5, 9, -0.75941377088144e-5},  {1, 7, 3, 0.56250979351888e-3},
    {1, 9, 4, -0.15608652257135e-4},  {1, 10, 11, 0.11537996422951e-8},
    {1, 11, 4, 0.36582165144204e-6},  {1, 13, 13, -0.13251180074668e-11},
    {1, 15, 1, -0.62639586912454e-9}, {2, 1, 7, -0.10793600908932},
    {2, 2, 1, 0.17611491008752e-1},   {2, 2, 9, 0.22132295167546},
    {2, 2, 10, -0.40247669763528},    {2, 3, 10, 0.58083399985759},
    {2, 4, 3, 0.49969146990806e-2},   {2, 4, 7, -0.31358700712549e-1},
    {2, 4, 10, -0.74315929710341},    {2, 5, 10, 0.47807329915480},
    {2, 6, 6, 0.20527940895948e-1},   {2, 6, 10, -0.13636435110343},
    {2, 7, 10, 0.14180634400617e-1},  {2, 9, 1, 0.83326504880713e-2},
    {2, 9, 2, -0.29052336009585e-1},  {2, 9, 3, 0.38615085574206e-1},
    {2, 9, 4, -0.20393486513704e-1},  {2, 9, 8, -0.16554050063734e-2},
    {2, 10, 6, 0.19955571979541e-2},  {2, 10, 9, 0.15870308324157e-3},
    {2, 12, 8, -0.16388568342530e-4}, {3, 3, 16, 0.43613615723811e-1},
    {3, 4, 22, 0.34994005463765e-1},  {3, 4, 23, -0.76788197844621e-1},
    {3, 5, 23, 0.22446277332006e-1},  {4, 14, 10, -0.62689710414685e-4},
    {6, 3, 50, -0.55711118565645e-9}, {6, 6, 44, -0.19905718354408},
    {6, 6, 46, 0.31777497330738},     {6, 6, 50, -0.11841182425981},
}};
static_assert(kExponentialTerms.size() == 44, "IAPWS-95 terms 8 to 51");

// Terms 52 … 54: n δ^d τ^t exp(−α(δ − ε)² − β(τ − γ)²).
// Columns d, t, n, α, β, γ, ε.
struct GaussianTerm {
    int d;
    int t;
    double n;
    double alpha;
    double beta;
    double gamma;
    double epsilon;
};
constexpr std::array<GaussianTerm, 3> kGaussianTerms{{
    {3, 0, -0.31306260323435e2, 20, 150, 1.21, 1},
    {3, 1, 0.31546140237781e2, 20, 150, 1.21, 1},
    {3, 4, -0.25213154341695e4, 20, 250, 1.25, 1},
}};
static_assert(kGaussianTerms.size() == 3, "IAPWS-95 terms 52 to 54");

// Terms 55, 56: n Δ^b δ ψ, non-analytic at the critical point.
// Columns a, b, B, n, C, D, A, β.
struct NonAnalyticTerm {
    double a;
    double b;
    double B;
    double n;
    double C;
    double D;
    double A;
    double beta;
};
constexpr std::array<NonAnalyticTerm, 2> kNonAnalyticTerms{{
    {3.5, 0.85, 0.2, -0.14874640856724, 28, 700, 0.32, 0.3},
    {3.5, 0.95, 0.2, 0.31806110878444, 32, 800, 0.32, 0.3},
}};
static_assert(kNonAnalyticTerms.size() == 2, "IAPWS-95 terms 55 and 56");

// Both non-analytic terms share a, B, A and β, so θ and Δ are shared too.
// With β = 0.3 and A = 0.32 the exponents and factor are used as these decimals.
constexpr double kOneOverTwoBeta = 1.6666666666666667;          // 1/(2β)
constexpr double kOneOverTwoBetaMinusOne = 0.6666666666666667;  // 1/(2β) − 1
constexpr double kAOverTwoBeta = 0.5333333333333333;            // A/(2β)
constexpr bool nonAnalyticTermsShareParameters() {
    for (const NonAnalyticTerm& term : kNonAnalyticTerms) {
        if (term.a != 3.5 || term.B != 0.2 || term.A != 0.32 || term.beta != 0.3) return false;
    }
    return true;
}
static_assert(nonAnalyticTermsShareParameters(), "θ and Δ are evaluated once for both terms");

constexpr double kExponentCutoff = 700.0;
// The Gaussian and non-analytic terms (52 … 56) are dropped once their
// exponential falls below e^−100 ≈ 4e-44: even times their largest
// coefficients and derivative factors (below 1e14 over the range) they stay
// under 1e-29, far below the last bit of any φ value. This spares the
// exponentials and real powers of those terms in the liquid and in the
// transport reference state at 1.5 Tc.
constexpr double kNegligibleExponent = 100.0;

constexpr int kMaxDeltaPower = 15;
constexpr int kMaxTauPower = 50;

// Terms 1 … 7 have τ exponents in eighths; only these eighths are formed.
constexpr std::array<int, 6> kTauEighthsUsed{-4, 3, 4, 6, 7, 8};
constexpr bool polynomialExponentsAreKnownEighths() {
    for (const PolynomialTerm& term : kPolynomialTerms) {
        const double eighths = term.t * 8.0;
        bool known = false;
        for (int k : kTauEighthsUsed) known = known || eighths == static_cast<double>(k);
        if (!known) return false;
    }
    return true;
}
static_assert(polynomialExponentsAreKnownEighths(), "τ^t of terms 1 to 7 comes from square roots");

constexpr bool exponentialExponentsFitTables() {
    for (const ExponentialTerm& term : kExponentialTerms) {
        if (term.d < 1 || term.d > kMaxDeltaPower || term.t < 0 || term.t > kMaxTauPower)
            return false;
        if (term.c < 1 || term.c > 6 || term.c == 5) return false;
    }
    return true;
}
static_assert(exponentialExponentsFitTables(), "power tables cover every exponent");

// Terms 1 … 51 reduced to what the loop needs: the table indices and the
// exponents as doubles (integer to floating conversion kept out of the loop).
struct PowerTerm {
    double n;
    double d;
    double t;
    double c;
    int dIndex;
    int tIndex;  // τ^t: integer power, or eighth-power slot for terms 1 … 7
    int cIndex;
};

constexpr int eighthsSlot(double t) {
    return static_cast<int>(t * 8.0) + 4;
}

constexpr std::array<PowerTerm, 7> compilePolynomialTerms() {
    std::array<PowerTerm, 7> out{};
    for (std::size_t i = 0; i < kPolynomialTerms.size(); ++i) {
        const PolynomialTerm& p = kPolynomialTerms[i];
        out[i] = {p.n, static_cast<double>(p.d), p.t, 0.0, p.d, eighthsSlot(p.t), 0};
    }
    return out;
}

constexpr std::array<PowerTerm, 44> compileExponentialTerms() {
    std::array<PowerTerm, 44> out{};
    for (std::size_t i = 0; i < kExponentialTerms.size(); ++i) {
        const ExponentialTerm& e = kExponentialTerms[i];
        out[i] = {e.n,
                  static_cast<double>(e.d),
                  static_cast<double>(e.t),
                  static_cast<double>(e.c),
                  e.d,
                  e.t,
                  e.c};
    }
    return out;
}

constexpr std::array<PowerTerm, 7> kPolynomial = compilePolynomialTerms();
constexpr std::array<PowerTerm, 44> kExponential = compileExponentialTerms();

// x^0 … x^N by products of earlier powers: N multiplications, but a
// dependency chain only log2(N) deep.
template <typename Real, std::size_t Size>
void fillPowers(std::array<Real, Size>& powers, Real x) {
    powers[0] = 1;
    powers[1] = x;
    for (std::size_t k = 2; k < Size; ++k) powers[k] = powers[k / 2] * powers[k - k / 2];
}

// Sums over terms 1 … 51 of b = n δ^d τ^t exp(−δ^c) times the polynomial
// factors of each derivative; dividing by powers of δ and τ happens once at
// the end. With u = c δ^c:
//   δ φ_δ = Σ b (d − u),  δ² φ_δδ = Σ b [(d − u)(d − 1 − u) − c u], …
template <typename Real>
struct PowerSums {
    Real s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    Real t1 = 0, t2 = 0;
    Real m11 = 0, m21 = 0, m12 = 0;
};

// The evaluation is forced inline into each caller below so that, for the
// selections the solvers ask for again and again, the flags are constants
// and every untaken branch and unused sum disappears from the code.
template <typename Real>
[[gnu::always_inline]] inline void accumulate(PowerSums<Real>& s, const HelmholtzSelection& sel,
                                              Real b, Real d, Real t, Real c, Real u) {
    const Real dm = d - u;
    if (sel.phi) s.s0 += b;
    if (sel.d) s.s1 += b * dm;
    if (sel.dd || sel.ddd || sel.ddt) {
        const Real p2 = dm * (d - 1 - u) - c * u;
        if (sel.dd) s.s2 += b * p2;
        if (sel.ddd) s.s3 += b * ((d - 2 - u) * p2 - c * u * (2 * d - 1 + c - 2 * u));
        if (sel.ddt) s.m21 += b * t * p2;
    }
    if (sel.t || sel.tt || sel.dt || sel.dtt) {
        const Real bt = b * t;
        if (sel.t) s.t1 += bt;
        if (sel.tt) s.t2 += bt * (t - 1);
        if (sel.dt) s.m11 += bt * dm;
        if (sel.dtt) s.m12 += bt * (t - 1) * dm;
    }
}

template <typename Real>
[[gnu::always_inline]] inline void addGaussianTerms(
    HelmholtzParts<Real>& out, const HelmholtzSelection& sel, Real delta, Real tau,
    const std::array<Real, kMaxDeltaPower + 1>& deltaPow,
    const std::array<Real, kMaxTauPower + 1>& tauPow) {
    using std::exp;
    for (const GaussianTerm& term : kGaussianTerms) {
        const Real alpha = static_cast<Real>(term.alpha);
        const Real beta = static_cast<Real>(term.beta);
        const Real dd = delta - static_cast<Real>(term.epsilon);
        const Real dt = tau - static_cast<Real>(term.gamma);
        const Real arg = alpha * dd * dd + beta * dt * dt;
        if (arg > static_cast<Real>(kNegligibleExponent)) continue;
        const Real d = static_cast<Real>(term.d);
        const Real t = static_cast<Real>(term.t);
        const Real b = static_cast<Real>(term.n) * deltaPow[static_cast<std::size_t>(term.d)] *
                       tauPow[static_cast<std::size_t>(term.t)] * exp(-arg);
        const Real f = d / delta - 2 * alpha * dd;
        const Real g = t / tau - 2 * beta * dt;
        const Real p = f * f - d / (delta * delta) - 2 * alpha;
        const Real q = g * g - t / (tau * tau) - 2 * beta;
        if (sel.phi) out.phi += b;
        if (sel.d) out.d += b * f;
        if (sel.dd) out.dd += b * p;
        if (sel.ddd) {
            out.ddd += b * (f * f * f - 3 * f * (d / (delta * delta) + 2 * alpha) +
                            2 * d / (delta * delta * delta));
        }
        if (sel.t) out.t += b * g;
        if (sel.tt) out.tt += b * q;
        if (sel.dt) out.dt += b * f * g;
        if (sel.ddt) out.ddt += b * g * p;
        if (sel.dtt) out.dtt += b * f * q;
    }
}

// Terms 55 and 56 with x = δ − 1, y = τ − 1, q = x²:
//   θ = −y + A q^(1/(2β)), Δ = θ² + B q^a, ψ = exp(−C x² − D y²),
//   term = n δ Δ^b ψ.
// Derivatives are built from those of Δ (chain rule on Δ^b) and of ψ
// (separable in x and y), then the product with δ.
template <typename Real>
[[gnu::always_inline]] inline void addNonAnalyticTerms(HelmholtzParts<Real>& out,
                                                       const HelmholtzSelection& sel, Real delta,
                                                       Real tau) {
    using std::exp;
    using std::fabs;
    using std::pow;
    const Real x = delta - 1;
    const Real y = tau - 1;
    const Real q = x * x;
    // Far from the critical point both ψ factors fall below the cut-off and
    // the terms vanish; the powers below are then not worth forming.
    bool anyTerm = false;
    for (const NonAnalyticTerm& term : kNonAnalyticTerms) {
        const Real psiArg = -static_cast<Real>(term.C) * q - static_cast<Real>(term.D) * y * y;
        anyTerm = anyTerm || !(psiArg < -static_cast<Real>(kNegligibleExponent));
    }
    if (!anyTerm) return;

    const bool wantX = sel.d || sel.dd || sel.ddd || sel.dt || sel.ddt || sel.dtt;
    const bool wantXX = sel.dd || sel.ddd || sel.ddt;
    const bool wantXXX = sel.ddd;
    const bool wantT = sel.t || sel.tt || sel.dt || sel.ddt || sel.dtt;

    // Shared by both terms.
    const NonAnalyticTerm& shared = kNonAnalyticTerms[0];
    const Real A = static_cast<Real>(shared.A);
    const Real B = static_cast<Real>(shared.B);
    const Real a = static_cast<Real>(shared.a);
    const Real m = static_cast<Real>(kOneOverTwoBeta);
    const Real c1 = 2 * static_cast<Real>(kAOverTwoBeta);
    const Real absX = fabs(x);
    const Real qPowAMinusTwo = q * absX;           // q^(a − 2) = |x|³ for a = 3.5
    const Real qPowAMinusOne = q * qPowAMinusTwo;  // q^(a − 1)
    const Real P = q > 0 ? pow(q, static_cast<Real>(kOneOverTwoBetaMinusOne)) : Real(0);
    const Real qPowM = q > 0 ? pow(q, m) : Real(0);
    const Real theta = -y + A * qPowM;
    const Real Delta = theta * theta + B * q * qPowAMinusOne;

    Real th1 = 0, th2 = 0, th3 = 0;  // θ_x, θ_xx, θ_xxx
    Real D1 = 0, D2 = 0, D3 = 0;     // Δ_x, Δ_xx, Δ_xxx
    if (wantX) {
        th1 = c1 * x * P;
        D1 = 2 * theta * th1 + 2 * a * B * x * qPowAMinusOne;
    }
    if (wantXX) {
        th2 = c1 * (2 * m - 1) * P;
        D2 = 2 * th1 * th1 + 2 * theta * th2 + 2 * a * B * (2 * a - 1) * qPowAMinusOne;
    }
    if (wantXXX) {
        th3 = q > 0 ? c1 * (2 * m - 1) * 2 * (m - 1) * x * P / q : Real(0);
        D3 = 6 * th1 * th2 + 2 * theta * th3 +
             2 * a * B * (2 * a - 1) * 2 * (a - 1) * x * qPowAMinusTwo;
    }
    // τ derivatives of Δ: Δ_τ = −2θ, Δ_ττ = 2, Δ_xτ = −2θ_x, Δ_xxτ = −2θ_xx, Δ_xττ = 0.
    const Real DT = -2 * theta;
    const Real DTT = 2;
    const Real DXT = -2 * th1;
    const Real DXXT = -2 * th2;

    for (const NonAnalyticTerm& term : kNonAnalyticTerms) {
        const Real C = static_cast<Real>(term.C);
        const Real Dcoef = static_cast<Real>(term.D);
        const Real psiArg = -C * q - Dcoef * y * y;
        if (psiArg < -static_cast<Real>(kNegligibleExponent)) continue;
        const Real nPsi = static_cast<Real>(term.n) * exp(psiArg);
        const Real b = static_cast<Real>(term.b);

        // Δ^b and the powers Δ^(b−1), Δ^(b−2), Δ^(b−3), taken as 0 when Δ = 0.
        Real w0 = 0, w1 = 0, w2 = 0, w3 = 0;
        if (Delta != 0) {
            w0 = pow(Delta, b);
            w1 = w0 / Delta;
            w2 = w1 / Delta;
            w3 = w2 / Delta;
        }
        const Real f1 = b * w1;
        const Real f2 = b * (b - 1) * w2;
        const Real f3 = b * (b - 1) * (b - 2) * w3;

        // ψ derivatives divided by ψ.
        const Real px1 = -2 * C * x;
        const Real px2 = 4 * C * C * q - 2 * C;
        const Real px3 = 12 * C * C * x - 8 * C * C * C * q * x;
        const Real pt1 = -2 * Dcoef * y;
        const Real pt2 = 4 * Dcoef * Dcoef * y * y - 2 * Dcoef;

        // Derivatives of Δ^b.
        const Real bx = f1 * D1;
        const Real bxx = wantXX ? f1 * D2 + f2 * D1 * D1 : Real(0);
        const Real bt = f1 * DT;
        const Real btt = f1 * DTT + f2 * DT * DT;
        const Real bxt = f1 * DXT + f2 * D1 * DT;

        // g = Δ^b ψ / ψ and its derivatives.
        const Real g = w0;
        if (sel.phi) out.phi += nPsi * delta * g;
        if (wantX) {
            const Real gx = bx + w0 * px1;
            if (sel.d) out.d += nPsi * (g + delta * gx);
            if (wantXX) {
                const Real gxx = bxx + 2 * bx * px1 + w0 * px2;
                if (sel.dd) out.dd += nPsi * (2 * gx + delta * gxx);
                if (wantXXX) {
                    const Real bxxx = f1 * D3 + 3 * f2 * D1 * D2 + f3 * D1 * D1 * D1;
                    const Real gxxx = bxxx + 3 * bxx * px1 + 3 * bx * px2 + w0 * px3;
                    out.ddd += nPsi * (3 * gxx + delta * gxxx);
                }
            }
        }
        if (wantT) {
            const Real gt = bt + w0 * pt1;
            const Real gtt = btt + 2 * bt * pt1 + w0 * pt2;
            if (sel.t) out.t += nPsi * delta * gt;
            if (sel.tt) out.tt += nPsi * delta * gtt;
            if (sel.dt || sel.ddt || sel.dtt) {
                const Real gxt = bxt + bx * pt1 + bt * px1 + w0 * px1 * pt1;
                if (sel.dt) out.dt += nPsi * (gt + delta * gxt);
                if (sel.ddt) {
                    const Real bxxt = f1 * DXXT + f2 * (D2 * DT + 2 * D1 * DXT) + f3 * D1 * D1 * DT;
                    const Real gxxt = bxxt + bxx * pt1 + 2 * bxt * px1 + 2 * bx * px1 * pt1 +
                                      bt * px2 + w0 * px2 * pt1;
                    out.ddt += nPsi * (2 * gxt + delta * gxxt);
                }
                if (sel.dtt) {
                    const Real bxtt = f2 * (D1 * DTT + 2 * DXT * DT) + f3 * D1 * DT * DT;
                    const Real gxtt = bxtt + 2 * bxt * pt1 + bx * pt2 + btt * px1 +
                                      2 * bt * px1 * pt1 + w0 * px1 * pt2;
                    out.dtt += nPsi * (gtt + delta * gxtt);
                }
            }
        }
    }
}

template <typename Real>
[[gnu::always_inline]] inline HelmholtzParts<Real> evaluateResidual(Real delta, Real tau,
                                                                    HelmholtzSelection sel) {
    using std::exp;
    using std::sqrt;

    std::array<Real, kMaxDeltaPower + 1> deltaPow;
    fillPowers(deltaPow, delta);
    std::array<Real, kMaxTauPower + 1> tauPow;
    fillPowers(tauPow, tau);

    // τ^(k/8) for the exponents of terms 1 … 7, from three square roots.
    std::array<Real, 13> tauEighths{};
    const Real r2 = sqrt(tau);
    const Real r4 = sqrt(r2);
    const Real r8 = sqrt(r4);
    tauEighths[eighthsSlot(-0.5)] = 1 / r2;
    tauEighths[eighthsSlot(0.375)] = r8 * r4;
    tauEighths[eighthsSlot(0.5)] = r2;
    tauEighths[eighthsSlot(0.75)] = r2 * r4;
    tauEighths[eighthsSlot(0.875)] = r2 * r4 * r8;
    tauEighths[eighthsSlot(1.0)] = tau;

    // exp(−δ^c) for the five values of c, with the 700 cut-off.
    std::array<Real, 7> expDeltaC{};
    for (std::size_t c : {1u, 2u, 3u, 4u, 6u}) {
        const Real dc = deltaPow[c];
        expDeltaC[c] = dc > static_cast<Real>(kExponentCutoff) ? Real(0) : exp(-dc);
    }

    PowerSums<Real> sums;
    for (const PowerTerm& term : kPolynomial) {
        const Real b = static_cast<Real>(term.n) * deltaPow[static_cast<std::size_t>(term.dIndex)] *
                       tauEighths[static_cast<std::size_t>(term.tIndex)];
        accumulate<Real>(sums, sel, b, static_cast<Real>(term.d), static_cast<Real>(term.t),
                         Real(0), Real(0));
    }
    for (const PowerTerm& term : kExponential) {
        const auto c = static_cast<std::size_t>(term.cIndex);
        const Real e = expDeltaC[c];
        if (e == 0) continue;
        const Real b = static_cast<Real>(term.n) * deltaPow[static_cast<std::size_t>(term.dIndex)] *
                       tauPow[static_cast<std::size_t>(term.tIndex)] * e;
        const Real cReal = static_cast<Real>(term.c);
        accumulate<Real>(sums, sel, b, static_cast<Real>(term.d), static_cast<Real>(term.t), cReal,
                         cReal * deltaPow[c]);
    }

    HelmholtzParts<Real> out;
    const Real invDelta = 1 / delta;
    const Real invTau = 1 / tau;
    if (sel.phi) out.phi = sums.s0;
    if (sel.d) out.d = sums.s1 * invDelta;
    if (sel.dd) out.dd = sums.s2 * invDelta * invDelta;
    if (sel.ddd) out.ddd = sums.s3 * invDelta * invDelta * invDelta;
    if (sel.t) out.t = sums.t1 * invTau;
    if (sel.tt) out.tt = sums.t2 * invTau * invTau;
    if (sel.dt) out.dt = sums.m11 * invDelta * invTau;
    if (sel.ddt) out.ddt = sums.m21 * invDelta * invDelta * invTau;
    if (sel.dtt) out.dtt = sums.m12 * invDelta * invTau * invTau;

    addGaussianTerms(out, sel, delta, tau, deltaPow, tauPow);
    addNonAnalyticTerms(out, sel, delta, tau);
    return out;
}

constexpr bool sameSelection(const HelmholtzSelection& a, const HelmholtzSelection& b) {
    return a.phi == b.phi && a.d == b.d && a.t == b.t && a.dd == b.dd && a.tt == b.tt &&
           a.dt == b.dt && a.ddd == b.ddd && a.ddt == b.ddt && a.dtt == b.dtt;
}

// The selections of the hot paths: u and h; p and (∂p/∂ρ)_T; the phase
// equilibrium at T and at p; every property at (T, ρ) with and without s.
constexpr HelmholtzSelection kEnergies{.d = true, .t = true};
constexpr HelmholtzSelection kPressure{.d = true, .dd = true};
constexpr HelmholtzSelection kEquilibriumAtT{.phi = true, .d = true, .dd = true};
constexpr HelmholtzSelection kEquilibriumAtP{
    .phi = true, .d = true, .t = true, .dd = true, .dt = true};
constexpr HelmholtzSelection kProperties{
    .phi = true, .d = true, .t = true, .dd = true, .tt = true, .dt = true};
constexpr HelmholtzSelection kPropertiesWithoutPhi{
    .d = true, .t = true, .dd = true, .tt = true, .dt = true};

}  // namespace

HelmholtzValues HelmholtzResidual(double delta, double tau, HelmholtzSelection selection) {
    // Same arithmetic in the same order in every branch: the results are
    // bit for bit those of the general evaluation.
    if (sameSelection(selection, kProperties)) {
        return evaluateResidual<double>(delta, tau, kProperties);
    }
    if (sameSelection(selection, kPropertiesWithoutPhi)) {
        return evaluateResidual<double>(delta, tau, kPropertiesWithoutPhi);
    }
    if (sameSelection(selection, kPressure)) return evaluateResidual<double>(delta, tau, kPressure);
    if (sameSelection(selection, kEnergies)) return evaluateResidual<double>(delta, tau, kEnergies);
    if (sameSelection(selection, kEquilibriumAtT)) {
        return evaluateResidual<double>(delta, tau, kEquilibriumAtT);
    }
    if (sameSelection(selection, kEquilibriumAtP)) {
        return evaluateResidual<double>(delta, tau, kEquilibriumAtP);
    }
    return evaluateResidual<double>(delta, tau, selection);
}

HelmholtzParts<long double> HelmholtzResidual(long double delta, long double tau,
                                              HelmholtzSelection selection) {
    return evaluateResidual<long double>(delta, tau, selection);
}

}  // namespace chemeng
