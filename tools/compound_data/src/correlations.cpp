#include "correlations.h"

#include <cmath>

namespace chemeng::datagen {

double dippr100(std::span<const double, 5> c, double t) {
    return (((c[4] * t + c[3]) * t + c[2]) * t + c[1]) * t + c[0];
}

double dippr101(std::span<const double, 5> c, double t) {
    return std::exp(c[0] + c[1] / t + c[2] * std::log(t) + c[3] * std::pow(t, c[4]));
}

double dippr105(std::span<const double, 4> c, double t) {
    return c[0] / std::pow(c[1], 1.0 + std::pow(1.0 - t / c[2], c[3]));
}

double dippr106(double tc, std::span<const double, 4> c, double t) {
    const double tr = t / tc;
    return c[0] * std::pow(1.0 - tr, c[1] + c[2] * tr + c[3] * tr * tr);
}

double dippr114(double tc, std::span<const double, 4> c, double t) {
    const double a = c[0], b = c[1], cc = c[2], d = c[3];
    const double x = 1.0 - t / tc;
    return a * a / x + b - 2.0 * a * cc * x - a * d * x * x - cc * cc * x * x * x / 3.0 -
           cc * d * std::pow(x, 4) / 2.0 - d * d * std::pow(x, 5) / 5.0;
}

double ppdsHvap(double tc, std::span<const double, 5> c, double t) {
    const double tau = 1.0 - t / tc;
    return kGasConstant * tc *
           (c[0] * std::cbrt(tau) + c[1] * std::pow(tau, 2.0 / 3.0) + c[2] * tau +
            c[3] * tau * tau + c[4] * std::pow(tau, 6));
}

double ppdsLiquidDensity(double tc, double rhoc, std::span<const double, 4> c, double t) {
    const double tau = 1.0 - t / tc;
    return rhoc + c[0] * std::pow(tau, 0.35) + c[1] * std::pow(tau, 2.0 / 3.0) + c[2] * tau +
           c[3] * std::pow(tau, 4.0 / 3.0);
}

double trcGasCp(std::span<const double, 8> a, double t) {
    double cp = a[0] + a[1] / (t * t) * std::exp(-a[2] / t);
    if (t > a[7]) {
        const double y = (t - a[7]) / (t + a[6]);
        const double dt = t - a[7];
        cp += a[3] * y * y + (a[4] - a[5] / (dt * dt)) * std::pow(y, 8);
    }
    return kGasConstant * cp;
}

double shomateCp(std::span<const ShomateSegment> segments, double t) {
    const ShomateSegment* use = &segments.front();
    if (t < segments.front().tmin_K) {
        t = segments.front().tmin_K;
    } else if (t > segments.back().tmax_K) {
        use = &segments.back();
        t = segments.back().tmax_K;
    } else {
        for (const ShomateSegment& s : segments)
            if (t >= s.tmin_K && t <= s.tmax_K) {
                use = &s;
                break;
            }
    }
    return use->a + use->b * t + use->c * t * t + use->d * t * t * t + use->e / (t * t);
}

double zabranskySpline(std::span<const double, 4> a, double t) {
    const double x = t / 100.0;
    return kGasConstant * (a[0] + a[1] * x + a[2] * x * x + a[3] * x * x * x);
}

double zabranskyQuasi(std::span<const double, 6> a, double tc, double t) {
    const double tr = t / tc;
    return kGasConstant * (a[0] * std::log(1.0 - tr) + a[1] / (1.0 - tr) + a[2] + a[3] * tr +
                           a[4] * tr * tr + a[5] * tr * tr * tr);
}

double antoineMmHg(double a, double b, double c, double t) {
    return std::pow(10.0, a - b / (t + c));
}

}  // namespace chemeng::datagen
