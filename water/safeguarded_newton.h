#pragma once

#include <cmath>

namespace chemeng::water {

// One-dimensional root finding for the state solvers: Newton's method kept
// inside a bracket [lo, hi] that shrinks with every evaluation. A bisection
// step replaces Newton's whenever Newton would leave the bracket or is not
// at least halving the distance (the rule of the classic "rtsafe"), so the
// iteration cannot cycle around an inflection such as the steep h(T) of a
// near-critical isobar. The function must be increasing through the root
// (negative at lo, positive at hi); callers negate a decreasing one.
struct RootResult {
    double x = 0.0;
    bool converged = false;
    int evaluations = 0;
};

// f(x) returns {value, derivative}. Ends when |f| is at most
// valueTolerance (the answer is then the point just evaluated), when a step
// is below xTolerance (absolute), or after maxEvaluations.
// `requireProgress` false keeps Newton's step whenever it stays inside the
// bracket: for a function with a second root inside the bracket (the cold
// liquid's isochore), a bisection step could jump to the wrong one, while
// Newton from the right start slides monotonically to the wanted one.
template <typename Function>
RootResult safeguardedNewton(Function f, double lo, double hi, double x0, double xTolerance,
                             int maxEvaluations = 100, bool requireProgress = true,
                             double valueTolerance = 0.0) {
    RootResult out;
    double x = (x0 >= lo && x0 <= hi) ? x0 : 0.5 * (lo + hi);
    double previousStep = hi - lo;
    for (int i = 0; i < maxEvaluations; ++i) {
        const auto [value, slope] = f(x);
        ++out.evaluations;
        if (std::isnan(value)) return {x, false, out.evaluations};  // f has no value here
        if (std::fabs(value) <= valueTolerance) return {x, true, out.evaluations};
        if (value < 0.0) {
            lo = x;
        } else if (value > 0.0) {
            hi = x;
        }
        double next = x - value / slope;
        const bool inside = std::isfinite(next) && next >= lo && next <= hi;
        // A step this small has reached the rounding of f: done, whatever
        // the progress test would say.
        if (inside && std::fabs(next - x) <= xTolerance) return {next, true, out.evaluations};
        const bool newton = inside && (!requireProgress ||
                                       std::fabs(2.0 * value) <= std::fabs(previousStep * slope));
        if (!newton) next = 0.5 * (lo + hi);
        const double step = std::fabs(next - x);
        previousStep = step;
        x = next;
        if (!newton && hi - lo <= xTolerance) return {x, true, out.evaluations};
    }
    out.x = x;
    return out;
}

}  // namespace chemeng::water
