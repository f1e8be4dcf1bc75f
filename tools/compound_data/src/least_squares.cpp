#include "least_squares.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

namespace chemeng::datagen {

namespace {

// Temperatures are scaled to T/1000 K before the fit so that the columns of
// the design matrix are of comparable size.
constexpr double kTemperatureScale = 1000.0;

Eigen::VectorXd solveLeastSquares(const Eigen::MatrixXd& m, const Eigen::VectorXd& rhs) {
    return m.colPivHouseholderQr().solve(rhs);
}

// Lawson's algorithm: a sequence of weighted least-squares solutions whose
// weights grow where the residual is large converges to the solution with
// the smallest largest residual (the minimax, or Chebyshev, solution).
Eigen::VectorXd minimaxSolve(const Eigen::MatrixXd& m, const Eigen::VectorXd& rhs) {
    constexpr int kIterations = 300;
    const Eigen::Index n = m.rows();
    Eigen::VectorXd w = Eigen::VectorXd::Constant(n, 1.0 / static_cast<double>(n));
    Eigen::VectorXd best = solveLeastSquares(m, rhs);
    double bestMax = (m * best - rhs).cwiseAbs().maxCoeff();
    for (int k = 0; k < kIterations; ++k) {
        const Eigen::VectorXd sw = w.cwiseSqrt();
        const Eigen::VectorXd x = solveLeastSquares(sw.asDiagonal() * m, sw.cwiseProduct(rhs));
        const Eigen::VectorXd r = (m * x - rhs).cwiseAbs();
        const double worst = r.maxCoeff();
        if (worst < bestMax) {
            bestMax = worst;
            best = x;
        }
        w = w.cwiseProduct(r);
        const double sum = w.sum();
        if (!(sum > 0.0)) break;
        w /= sum;
    }
    return best;
}

struct LinearAntoine {
    double a, b, sse;
};

LinearAntoine fitAntoineForC(std::span<const double> t, std::span<const double> log10p, double c) {
    const auto n = static_cast<Eigen::Index>(t.size());
    Eigen::MatrixXd m(n, 2);
    Eigen::VectorXd rhs(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m(i, 0) = 1.0;
        m(i, 1) = -1.0 / (t[k] + c);
        rhs(i) = log10p[k];
    }
    const Eigen::VectorXd ab = solveLeastSquares(m, rhs);
    return {ab(0), ab(1), (m * ab - rhs).squaredNorm()};
}

}  // namespace

namespace {

std::vector<double> polynomialFit(std::span<const double> t, std::span<const double> y, int degree,
                                  bool minimax) {
    const auto n = static_cast<Eigen::Index>(t.size());
    const Eigen::Index terms = degree + 1;
    Eigen::MatrixXd m(n, terms);
    Eigen::VectorXd rhs = Eigen::VectorXd::Ones(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double x = t[k] / kTemperatureScale;
        double power = 1.0;
        for (Eigen::Index j = 0; j < terms; ++j) {
            m(i, j) = power / y[k];
            power *= x;
        }
    }
    const Eigen::VectorXd scaled = minimax ? minimaxSolve(m, rhs) : solveLeastSquares(m, rhs);
    std::vector<double> coefficients(static_cast<std::size_t>(terms));
    double scale = 1.0;
    for (Eigen::Index j = 0; j < terms; ++j) {
        coefficients[static_cast<std::size_t>(j)] = scaled(j) / scale;
        scale *= kTemperatureScale;
    }
    return coefficients;
}

RackettCoefficients rackettFit(std::span<const double> t, std::span<const double> rho, double tc,
                               bool minimax) {
    const auto n = static_cast<Eigen::Index>(t.size());
    Eigen::MatrixXd m(n, 2);
    Eigen::VectorXd rhs(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m(i, 0) = 1.0;
        m(i, 1) = -std::pow(1.0 - t[k] / tc, 2.0 / 7.0);
        rhs(i) = std::log(rho[k]);
    }
    const Eigen::VectorXd lnAB = minimax ? minimaxSolve(m, rhs) : solveLeastSquares(m, rhs);
    return {std::exp(lnAB(0)), std::exp(lnAB(1))};
}

}  // namespace

std::vector<double> fitPolynomialRelative(std::span<const double> t, std::span<const double> y,
                                          int degree) {
    return polynomialFit(t, y, degree, false);
}

std::vector<double> fitPolynomialMinimax(std::span<const double> t, std::span<const double> y,
                                         int degree) {
    return polynomialFit(t, y, degree, true);
}

double evaluatePolynomial(std::span<const double> coefficients, double t) {
    double value = 0.0;
    for (auto it = coefficients.rbegin(); it != coefficients.rend(); ++it) value = value * t + *it;
    return value;
}

RackettCoefficients fitRackett(std::span<const double> t, std::span<const double> rho, double tc) {
    return rackettFit(t, rho, tc, false);
}

RackettCoefficients fitRackettMinimax(std::span<const double> t, std::span<const double> rho,
                                      double tc) {
    return rackettFit(t, rho, tc, true);
}

double rackettDensity(const RackettCoefficients& c, double tc, double t) {
    return c.a * std::pow(c.b, -std::pow(1.0 - t / tc, 2.0 / 7.0));
}

AntoineCoefficients fitAntoine(std::span<const double> t, std::span<const double> p) {
    std::vector<double> log10p(p.size());
    std::transform(p.begin(), p.end(), log10p.begin(), [](double x) { return std::log10(x); });
    const double tmin = *std::min_element(t.begin(), t.end());
    const double cLow = std::max(20.0, -tmin + 1.0);
    const double cHigh = 400.0;

    double bestC = cLow;
    double bestSse = fitAntoineForC(t, log10p, cLow).sse;
    for (double c = cLow + 2.0; c <= cHigh; c += 2.0) {
        const double sse = fitAntoineForC(t, log10p, c).sse;
        if (sse < bestSse) {
            bestSse = sse;
            bestC = c;
        }
    }

    // Golden-section refinement of C within 2 of the best scanned value.
    const double invPhi = (std::sqrt(5.0) - 1.0) / 2.0;
    double lo = std::max(cLow, bestC - 2.0);
    double hi = std::min(cHigh, bestC + 2.0);
    double x1 = hi - invPhi * (hi - lo);
    double x2 = lo + invPhi * (hi - lo);
    double f1 = fitAntoineForC(t, log10p, x1).sse;
    double f2 = fitAntoineForC(t, log10p, x2).sse;
    while (hi - lo > 1e-6) {
        if (f1 < f2) {
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = hi - invPhi * (hi - lo);
            f1 = fitAntoineForC(t, log10p, x1).sse;
        } else {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + invPhi * (hi - lo);
            f2 = fitAntoineForC(t, log10p, x2).sse;
        }
    }
    const double c = 0.5 * (lo + hi);
    const LinearAntoine refined = fitAntoineForC(t, log10p, c);
    if (refined.sse <= bestSse) return {refined.a, refined.b, c};
    const LinearAntoine scanned = fitAntoineForC(t, log10p, bestC);
    return {scanned.a, scanned.b, bestC};
}

}  // namespace chemeng::datagen
