#pragma once

// The sums Σ n_i x^I_i y^J_i from which every IAPWS-IF97 equation is built,
// forward and backward. The exponents are known at compile time, so each sum
// computes just the powers of x and of y its table uses (each the product of
// two smaller ones) and then reads them per term; no pow call per term.

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

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

// The exponents a table uses on one of its variables, as a bit set per sign
// (|e| ≤ 63 in every IF97 table).
struct ExponentSet {
    std::uint64_t positive = 0;
    std::uint64_t negative = 0;
};

template <std::size_t N>
constexpr ExponentSet usedExponents(const std::array<Term, N>& terms, bool useI, int scale) {
    ExponentSet set;
    for (const Term& t : terms) {
        const int e = static_cast<int>((useI ? t.i : t.j) * scale);
        if (e > 0) set.positive |= std::uint64_t{1} << e;
        if (e < 0) set.negative |= std::uint64_t{1} << -e;
    }
    return set;
}

// How to form every needed power x^e (e ≥ 2) as a product of two smaller
// ones: a pair already needed where one exists (the most balanced), else the
// two halves of e, which join the set. Only the powers a table uses, and the
// few steps between them, are ever computed.
struct PowerPlan {
    int count = 0;
    std::array<int, 64> target{};
    std::array<int, 64> left{};
};

constexpr PowerPlan planPowers(std::uint64_t needed) {
    std::uint64_t set = needed | 2u;  // x^1 is given
    std::array<int, 64> left{};
    const auto has = [&set](int e) { return ((set >> e) & 1u) != 0; };
    for (int e = 63; e >= 2; --e) {
        if (!has(e)) continue;
        int chosen = 0;
        for (int a = e / 2; a >= 1 && chosen == 0; --a) {
            if (has(a) && has(e - a)) chosen = a;
        }
        if (chosen == 0) {
            chosen = e / 2;
            set |= (std::uint64_t{1} << chosen) | (std::uint64_t{1} << (e - chosen));
        }
        left[static_cast<std::size_t>(e)] = chosen;
    }
    PowerPlan plan;
    for (int e = 2; e < 64; ++e) {
        if (!has(e)) continue;
        plan.target[static_cast<std::size_t>(plan.count)] = e;
        plan.left[static_cast<std::size_t>(plan.count)] = left[static_cast<std::size_t>(e)];
        ++plan.count;
    }
    return plan;
}

// The powers of x that one table uses, indexed by exponent (scaled to
// integers); entries no term uses are left unset.
template <const auto& kTerms, bool UseI, int Scale>
class Powers {
  public:
    static constexpr int kLo = minExponent(kTerms, UseI, Scale);
    static constexpr int kHi = maxExponent(kTerms, UseI, Scale);

    explicit Powers(double x) {
        double* zero = m_value.data() - kLo;
        zero[0] = 1.0;
        if constexpr (kHi >= 1) {
            zero[1] = x;
            fill<1, kPositive>(
                zero, std::make_index_sequence<static_cast<std::size_t>(kPositive.count)>{});
        }
        if constexpr (kLo <= -1) {
            zero[-1] = 1.0 / x;
            fill<-1, kNegative>(
                zero, std::make_index_sequence<static_cast<std::size_t>(kNegative.count)>{});
        }
    }
    double operator[](int k) const { return m_value[static_cast<std::size_t>(k - kLo)]; }

  private:
    static constexpr ExponentSet kUsed = usedExponents(kTerms, UseI, Scale);
    static constexpr PowerPlan kPositive = planPowers(kUsed.positive);
    static constexpr PowerPlan kNegative = planPowers(kUsed.negative);

    template <int Sign, const PowerPlan& kPlan, std::size_t... K>
    static void fill(double* zero, std::index_sequence<K...>) {
        ((zero[Sign * kPlan.target[K]] =
              zero[Sign * kPlan.left[K]] * zero[Sign * (kPlan.target[K] - kPlan.left[K])]),
         ...);
    }

    // Every entry a term reads is written by the constructor.
    std::array<double, static_cast<std::size_t>(kHi - kLo + 1)> m_value;
};

template <const auto& kTerms, int IScale, int JScale, typename XPowers, typename YPowers,
          std::size_t... K>
double unrolledSum(const XPowers& xp, const YPowers& yp, std::index_sequence<K...>) {
    double sum[2] = {0.0, 0.0};
    const auto add = [&]<std::size_t Index>() {
        constexpr Term t = kTerms[Index];
        sum[Index % 2] +=
            t.n * xp[static_cast<int>(t.i * IScale)] * yp[static_cast<int>(t.j * JScale)];
    };
    (add.template operator()<K>(), ...);
    return sum[0] + sum[1];
}

template <const auto& kTerms>
constexpr std::size_t termCount() {
    return std::tuple_size_v<std::decay_t<decltype(kTerms)>>;
}

}  // namespace detail

// Σ n_i x^(IScale·I_i) y^(JScale·J_i): with IScale = 4 a table of quarter
// exponents is summed from x = π^(1/4).
template <const auto& kTerms, int IScale = 1, int JScale = 1>
double powerSeries(double x, double y) {
    const detail::Powers<kTerms, true, IScale> xp(x);
    const detail::Powers<kTerms, false, JScale> yp(y);
    return detail::unrolledSum<kTerms, IScale, JScale>(
        xp, yp, std::make_index_sequence<detail::termCount<kTerms>()>{});
}

// Σ n_i x^I_i of a one-variable table (J unused).
template <const auto& kTerms>
double powerSeries1(double x) {
    const detail::Powers<kTerms, true, 1> xp(x);
    const detail::Powers<kTerms, false, 1> yp(1.0);
    return detail::unrolledSum<kTerms, 1, 1>(
        xp, yp, std::make_index_sequence<detail::termCount<kTerms>()>{});
}

// A sum f = Σ n x^I y^J with its first and second partial derivatives, the
// shape of every Gibbs and Helmholtz equation of the formulation. A caller
// names the ones it needs (Needs flags); the others stay zero.
struct SeriesDerivatives {
    double f = 0.0;
    double fx = 0.0;
    double fxx = 0.0;
    double fy = 0.0;
    double fyy = 0.0;
    double fxy = 0.0;
};

namespace needs {
constexpr unsigned kF = 1;
constexpr unsigned kFx = 2;
constexpr unsigned kFxx = 4;
constexpr unsigned kFy = 8;
constexpr unsigned kFyy = 16;
constexpr unsigned kFxy = 32;
constexpr unsigned kAll = 63;
}  // namespace needs

namespace detail {

// Two banks of partial sums, filled alternately, halve the chains of
// dependent additions; the terms are unrolled so that every exponent and
// coefficient is a constant of the compiled code.
template <const auto& kTerms, unsigned Needs, typename XPowers, typename YPowers, std::size_t... K>
SeriesDerivatives unrolledDerivatives(const XPowers& xp, const YPowers& yp,
                                      std::index_sequence<K...>) {
    double f[2] = {0.0, 0.0};
    double fx[2] = {0.0, 0.0};
    double fxx[2] = {0.0, 0.0};
    double fy[2] = {0.0, 0.0};
    double fyy[2] = {0.0, 0.0};
    double fxy[2] = {0.0, 0.0};
    const auto add = [&]<std::size_t Index>() {
        constexpr Term t = kTerms[Index];
        constexpr int i = static_cast<int>(t.i);
        constexpr int j = static_cast<int>(t.j);
        constexpr std::size_t bank = Index % 2;
        const double term = t.n * xp[i] * yp[j];
        if constexpr ((Needs & needs::kF) != 0) f[bank] += term;
        if constexpr (i != 0 && (Needs & needs::kFx) != 0) fx[bank] += t.i * term;
        if constexpr (i != 0 && i != 1 && (Needs & needs::kFxx) != 0) {
            fxx[bank] += t.i * (t.i - 1.0) * term;
        }
        if constexpr (j != 0 && (Needs & needs::kFy) != 0) fy[bank] += t.j * term;
        if constexpr (j != 0 && j != 1 && (Needs & needs::kFyy) != 0) {
            fyy[bank] += t.j * (t.j - 1.0) * term;
        }
        if constexpr (i != 0 && j != 0 && (Needs & needs::kFxy) != 0) {
            fxy[bank] += t.i * t.j * term;
        }
    };
    (add.template operator()<K>(), ...);
    return {f[0] + f[1],   fx[0] + fx[1],   fxx[0] + fxx[1],
            fy[0] + fy[1], fyy[0] + fyy[1], fxy[0] + fxy[1]};
}

}  // namespace detail

// Each term t = n x^I y^J contributes I t/x, I(I−1) t/x², … ; the divisions
// by x and y happen once at the end (x and y are never zero in the range of
// the equations).
template <const auto& kTerms, unsigned Needs = needs::kAll>
SeriesDerivatives seriesDerivatives(double x, double y) {
    const detail::Powers<kTerms, true, 1> xp(x);
    const detail::Powers<kTerms, false, 1> yp(y);
    SeriesDerivatives d = detail::unrolledDerivatives<kTerms, Needs>(
        xp, yp, std::make_index_sequence<detail::termCount<kTerms>()>{});
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
