#pragma once

// The sums Σ n_i x^I_i y^J_i from which every IAPWS-IF97 equation is built,
// forward and backward. The exponents are known at compile time, so each sum
// fills one table of the powers of x and one of y (products along a tree,
// so that the multiplications overlap) and then reads them per term; no pow
// call per term.

#include <array>
#include <cstddef>

namespace chemeng::water::if97 {

// One term n·x^I·y^J of a published table; the fields follow the table's
// columns (I, J, n). Exponents are held as doubles because a few tables have
// fractional ones (multiples of 1/4); the evaluator makes them integers.
struct Term {
    double i;
    double j;
    double n;
};

namespace detail {

template <std::size_t N>
constexpr int minExponent(const std::array<Term, N>& terms, bool useI, int scale) {
    int m = 0;
    for (const Term& t : terms) {
        const int e = static_cast<int>((useI ? t.i : t.j) * scale);
        m = e < m ? e : m;
    }
    return m;
}

template <std::size_t N>
constexpr int maxExponent(const std::array<Term, N>& terms, bool useI, int scale) {
    int m = 0;
    for (const Term& t : terms) {
        const int e = static_cast<int>((useI ? t.i : t.j) * scale);
        m = e > m ? e : m;
    }
    return m;
}

// x^lo … x^hi (lo ≤ 0 ≤ hi); x^k as x^(k/2)·x^(k−k/2), so the dependency
// chains are only log2(k) multiplications deep.
template <int Lo, int Hi>
struct Powers {
    std::array<double, static_cast<std::size_t>(Hi - Lo + 1)> value{};

    explicit Powers(double x) {
        double* zero = value.data() - Lo;
        zero[0] = 1.0;
        if constexpr (Hi >= 1) {
            zero[1] = x;
            for (int k = 2; k <= Hi; ++k) zero[k] = zero[k / 2] * zero[k - k / 2];
        }
        if constexpr (Lo <= -1) {
            zero[-1] = 1.0 / x;
            for (int k = 2; k <= -Lo; ++k) zero[-k] = zero[-(k / 2)] * zero[-(k - k / 2)];
        }
    }
    double operator[](int k) const { return value[static_cast<std::size_t>(k - Lo)]; }
};

}  // namespace detail

// Σ n_i x^(IScale·I_i) y^(JScale·J_i): with IScale = 4 a table of quarter
// exponents is summed from x = π^(1/4).
template <const auto& kTerms, int IScale = 1, int JScale = 1>
double powerSeries(double x, double y) {
    constexpr int iLo = detail::minExponent(kTerms, true, IScale);
    constexpr int iHi = detail::maxExponent(kTerms, true, IScale);
    constexpr int jLo = detail::minExponent(kTerms, false, JScale);
    constexpr int jHi = detail::maxExponent(kTerms, false, JScale);
    const detail::Powers<iLo, iHi> xp(x);
    const detail::Powers<jLo, jHi> yp(y);
    double sum = 0.0;
    for (const Term& t : kTerms) {
        sum += t.n * xp[static_cast<int>(t.i * IScale)] * yp[static_cast<int>(t.j * JScale)];
    }
    return sum;
}

// Σ n_i x^I_i of a one-variable table (J unused).
template <const auto& kTerms>
double powerSeries1(double x) {
    constexpr int iLo = detail::minExponent(kTerms, true, 1);
    constexpr int iHi = detail::maxExponent(kTerms, true, 1);
    const detail::Powers<iLo, iHi> xp(x);
    double sum = 0.0;
    for (const Term& t : kTerms) sum += t.n * xp[static_cast<int>(t.i)];
    return sum;
}

// A sum f = Σ n x^I y^J with its first and second partial derivatives, the
// shape of every Gibbs and Helmholtz equation of the formulation.
struct SeriesDerivatives {
    double f = 0.0;
    double fx = 0.0;
    double fxx = 0.0;
    double fy = 0.0;
    double fyy = 0.0;
    double fxy = 0.0;
};

// Each term t = n x^I y^J contributes I t/x, I(I−1) t/x², … ; the divisions
// by x and y happen once at the end (x and y are never zero in the range of
// the equations).
template <const auto& kTerms>
SeriesDerivatives seriesDerivatives(double x, double y) {
    constexpr int iLo = detail::minExponent(kTerms, true, 1);
    constexpr int iHi = detail::maxExponent(kTerms, true, 1);
    constexpr int jLo = detail::minExponent(kTerms, false, 1);
    constexpr int jHi = detail::maxExponent(kTerms, false, 1);
    const detail::Powers<iLo, iHi> xp(x);
    const detail::Powers<jLo, jHi> yp(y);
    SeriesDerivatives d;
    for (const Term& t : kTerms) {
        const double term = t.n * xp[static_cast<int>(t.i)] * yp[static_cast<int>(t.j)];
        const double iTerm = t.i * term;
        const double jTerm = t.j * term;
        d.f += term;
        d.fx += iTerm;
        d.fxx += (t.i - 1.0) * iTerm;
        d.fy += jTerm;
        d.fyy += (t.j - 1.0) * jTerm;
        d.fxy += t.j * iTerm;
    }
    const double rx = 1.0 / x;
    const double ry = 1.0 / y;
    d.fx *= rx;
    d.fxx *= rx * rx;
    d.fy *= ry;
    d.fyy *= ry * ry;
    d.fxy *= rx * ry;
    return d;
}

}  // namespace chemeng::water::if97
