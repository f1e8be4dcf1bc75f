#pragma once

#include <span>
#include <vector>

// The least-squares fits that turn a source correlation into the simpler
// forms the compound files hold. Every fit works on sampled points of the
// source; the caller measures the deviation of the written coefficients.
namespace chemeng::datagen {

// Polynomial a0 + a1 T + ... of the given degree minimising the sum of squared
// relative deviations ((fit - y)/y)^2. Coefficients lowest power first.
std::vector<double> fitPolynomialRelative(std::span<const double> t, std::span<const double> y,
                                          int degree);

// The same polynomial with the smallest largest relative deviation instead
// (minimax); used where the least-squares fit misses the acceptance limit.
std::vector<double> fitPolynomialMinimax(std::span<const double> t, std::span<const double> y,
                                         int degree);

double evaluatePolynomial(std::span<const double> coefficients, double t);

// Rackett form rho = A B^-((1 - T/Tc)^(2/7)), fitted in ln rho (which is
// linear in ln A and ln B).
struct RackettCoefficients {
    double a;
    double b;
};
RackettCoefficients fitRackett(std::span<const double> t, std::span<const double> rho, double tc);
// The same form with the smallest largest deviation in ln rho (minimax).
RackettCoefficients fitRackettMinimax(std::span<const double> t, std::span<const double> rho,
                                      double tc);
double rackettDensity(const RackettCoefficients& c, double tc, double t);

// Antoine log10 p = A - B/(t + C) through points (t, p), minimising the squared
// error in log10 p: linear in A, B for a fixed C; C by a coarse scan in steps
// of 2 and a golden-section refinement.
struct AntoineCoefficients {
    double a;
    double b;
    double c;
};
AntoineCoefficients fitAntoine(std::span<const double> t, std::span<const double> p);

// Largest |f(x_i)/y_i - 1| over the points.
template <typename F>
double maxRelativeDeviation(std::span<const double> x, std::span<const double> y, F&& f) {
    double worst = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double d = f(x[i]) / y[i] - 1.0;
        const double ad = d < 0 ? -d : d;
        if (!(ad <= worst)) worst = ad;  // NaN propagates as a failure
    }
    return worst;
}

}  // namespace chemeng::datagen
