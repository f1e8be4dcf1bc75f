#include "water/ifc67_inversions.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "water/ifc67_formulation.h"
#include "water/ifc67_units.h"

namespace chemeng {
namespace {

using namespace ifc67;

constexpr double kMinSaturationPressure_psia = 0.08865;  // K-function at 32.018 °F
constexpr double kMinLiquidTemperature_F = 32.018;
constexpr double kMaxVapourTemperature_F = 1600.0;
constexpr double kMaxPressure_psia = 6000.0;

// Start value of the saturation temperature: a Chebyshev series in
// u = (X - 1.4804712555)/(-1.089944005), X = (ln(1.1 pc / p))^0.4, fitted to
// the K-function. Coefficients c0 … c11 give θ_sat = 1/S.
constexpr std::array<double, 12> kChebyshev = {
    1.52264682686,      -0.682309517937,    0.164114951723,     -0.00202321648831,
    0.00192391110748,   -0.000574549418696, 6.84115542402e-05,  3.36500068426e-05,
    -1.23422483951e-05, 1.48266501702e-06,  -1.02116445578e-06, -4.09080904092e-06,
};
static_assert(kChebyshev.size() == 12);

constexpr int kNewtonEvaluations = 201;  // the last one only reports failure
constexpr int kSearchTrials = 100;
constexpr double kSearchTolerance = 1.0e-5;

// Subregion-3 volume search limits (ft³/lb, psia). 2002.78 psia is the
// saturation pressure at 636 °F, the lowest temperature of subregion 3.
constexpr double kSubregion3MinVolume_ft3lb = 0.0207;
constexpr double kSubregion3MaxVolume_ft3lb = 0.143;
constexpr double kSubregion3MinPressure_psia = 2002.78;
constexpr double kSubregion3MaxPressure_psia = 6000.0;
constexpr double kCriticalBandLow_F = 705.0;

// The relaxed secant step shared by the two searches: how the relaxation
// reacts to the error e of this trial against the previous one. A secant
// through two equal values has no slope and gives no step.
struct RelaxedSecant {
    double relaxation;
    bool first = true;
    double previousPoint = 0.0;
    double previousValue = 0.0;
    double previousError = 0.0;

    double step(double point, double value, double target, double error, double proportional) {
        auto secant = [&] {
            const double rise = value - previousValue;
            return rise == 0.0 ? 0.0 : (point - previousPoint) * (target - value) / rise;
        };
        double delta;
        if (first) {
            delta = error * relaxation * proportional;
        } else if (previousError * error <= 0.0) {
            relaxation *= 0.67;
            delta = secant();
        } else if (std::abs(error) > 0.3 * std::abs(previousError)) {
            relaxation *= 1.5;
            delta = error * relaxation * proportional;
        } else {
            delta = secant();
        }
        return delta;
    }

    void remember(double point, double value, double error) {
        first = false;
        previousPoint = point;
        previousValue = value;
        previousError = error;
    }
};

}  // namespace

double KFunctionTemperature(double p_psia, Ifc67Context& context) {
    if (!(p_psia >= kMinSaturationPressure_psia && p_psia <= kCriticalPressure_psia)) {
        context.raiseFormulationError();
        return 0.0;
    }
    const double tolerance = p_psia > 3200.0 ? 1.0e-10 : (p_psia > 2700.0 ? 1.0e-9 : 1.0e-6);

    const double chebX = std::pow(std::log(3529.058214 / p_psia), 0.4);
    const double u = (chebX - 1.4804712555) * -0.9174783249530328;
    double chPrevious = 1.0;
    double ch = u;
    double series = kChebyshev[0] + kChebyshev[1] * u;
    for (std::size_t k = 2; k < kChebyshev.size(); ++k) {
        const double chNext = 2.0 * u * ch - chPrevious;
        chPrevious = ch;
        ch = chNext;
        series += kChebyshev[k] * ch;
    }
    double t_F = kCriticalTemperature_R / series - kRankineOffset;
    if (t_F > kCriticalTemperature_F) {
        t_F = kCriticalTemperature_F;
    }

    double relaxation = 1.0;
    double backOff = 0.01;
    for (int evaluation = 1; evaluation <= kNewtonEvaluations; ++evaluation) {
        double slope = 0.0;
        const double pSat = KFunction(t_F, slope, context);
        // A temperature that left the K-function's range, or a flat slope,
        // can only end in failure; stop before dividing by it.
        if (!(pSat > 0.0 && slope > 0.0)) {
            context.raiseFormulationError();
            return 0.0;
        }
        const double residual = p_psia - pSat;
        const double relativeResidual = residual / p_psia;
        t_F += relaxation * residual / slope;
        relaxation *= 0.99;
        if (t_F > kCriticalTemperature_F) {
            backOff *= 0.9;
            t_F -= backOff;
        }
        if (evaluation == kNewtonEvaluations) {
            break;
        }
        if (std::abs(relativeResidual) < tolerance) {
            return t_F;
        }
    }
    context.raiseFormulationError();
    return 0.0;
}

double QualityAtTemperature(double t_F, double y, PropertyKind kind, Ifc67Context& context) {
    if (t_F > kCriticalTemperature_F) {
        return 100.0;
    }
    const double pSat = KFunction(t_F, context);
    const double yVapour = SteamProperty(pSat, t_F, 100.0, kind, context);
    if (y >= yVapour) {
        return 100.0;
    }
    const double yLiquid = SteamProperty(pSat, t_F, 0.0, kind, context);
    if (y <= yLiquid) {
        return 0.0;
    }
    return 100.0 * (y - yLiquid) / (yVapour - yLiquid);
}

double QualityAtPressure(double p_psia, double y, PropertyKind kind, Ifc67Context& context) {
    if (p_psia > kCriticalPressure_psia) {
        const double yCritical = SteamProperty(p_psia, kCriticalTemperature_F, 0.0, kind, context);
        return yCritical > y ? 0.0 : 100.0;
    }
    const double tSat = KFunctionTemperature(p_psia, context);
    const double yVapour = SteamProperty(p_psia, tSat, 100.0, kind, context);
    if (y >= yVapour) {
        return 100.0;
    }
    const double yLiquid = SteamProperty(p_psia, tSat, 0.0, kind, context);
    if (y <= yLiquid) {
        return 0.0;
    }
    return 100.0 * (y - yLiquid) / (yVapour - yLiquid);
}

double SinglePhaseSearch(double a, double y, double x_percent, PropertyKind kind, SearchMode mode,
                         Ifc67Context& context) {
    const bool temperatureAtPressure = mode == SearchMode::TemperatureAtPressure;
    double saturation;
    if (temperatureAtPressure) {
        saturation =
            a < kCriticalPressure_psia ? KFunctionTemperature(a, context) : kCriticalTemperature_F;
    } else {
        saturation = a < kCriticalTemperature_F ? KFunction(a, context) : kCriticalPressure_psia;
    }
    if (x_percent > 0.0 && x_percent < 100.0) {
        return saturation;
    }
    // The error is relative to the target, so a zero or unbounded target has
    // none to measure: the search could only fail.
    if (!(std::isfinite(y) && y != 0.0)) {
        context.raiseFormulationError();
        return 0.0;
    }

    const bool liquid = x_percent == 0.0;
    double lo;
    double hi;
    if (temperatureAtPressure) {
        lo = liquid ? kMinLiquidTemperature_F : saturation;
        hi = liquid ? saturation : kMaxVapourTemperature_F;
    } else {
        lo = liquid ? saturation : kMinSaturationPressure_psia;
        hi = liquid ? kMaxPressure_psia : saturation;
    }

    double z = (lo + hi) * 0.5;
    RelaxedSecant search{0.5};
    for (int trial = 1; trial <= kSearchTrials; ++trial) {
        if (z > hi) {
            z = hi;
            search.relaxation = 1.0;
        }
        if (z < lo) {
            z = lo;
            search.relaxation = 1.0;
        }
        context.volumeMemory().clearFlags();
        double yz;
        double error;
        if (temperatureAtPressure) {
            yz = SteamProperty(a, z, x_percent, kind, context);
            error = (y - yz) / y;
        } else {
            // Volume and enthalpy fall as the pressure rises.
            yz = SteamProperty(z, a, x_percent, kind, context);
            error = (yz - y) / y;
        }
        const double delta = search.step(z, yz, y, error, z);
        if (std::abs(error) < kSearchTolerance) {
            return z;
        }
        search.remember(z, yz, error);
        z += delta;
    }
    context.raiseFormulationError();
    return 0.0;
}

double Subregion3Volume(double p_psia, double t_F, double x_percent, Ifc67Context& context) {
    Subregion3VolumeMemory& memory = context.volumeMemory();
    const bool liquid = x_percent == 0.0;
    const bool criticalBand = t_F >= kCriticalBandLow_F && t_F <= kCriticalTemperature_F;
    if (!criticalBand) {
        if (liquid && memory.liquidValid) {
            return memory.liquidVolume_ft3lb;
        }
        if (!liquid && memory.vapourValid) {
            return memory.vapourVolume_ft3lb;
        }
    }
    if (!(p_psia >= kSubregion3MinPressure_psia && p_psia <= kSubregion3MaxPressure_psia)) {
        context.raiseFormulationError();
        context.recordFailure(Subregion3Failure::PressureOutOfRange);
        return 0.0;
    }

    double v;
    double vMax = kSubregion3MaxVolume_ft3lb;
    if (criticalBand) {
        // Straight lines from 0.05078 at 705.47 °F to 0.04427 (liquid) and
        // 0.05730 (vapour) at 705 °F.
        v = (t_F - kCriticalTemperature_F) * ((100.0 - x_percent) * 0.00013851063829787238 -
                                              x_percent * 0.00013872340425531913) +
            0.05078;
    } else if (liquid) {
        // Below 636 °F the first evaluation fails anyway; -58 °F would divide by zero.
        const double denominator = t_F + 58.0;
        v = denominator != 0.0 ? (92.8 / p_psia + 0.077) * (t_F - 482.0) / denominator : vMax;
        const double m = std::max(t_F * 0.0014174947198321685, p_psia / kCriticalPressure_psia);
        vMax = m * m * kReducingVolume_ft3lb;
    } else {
        v = (t_F + kRankineOffset) * 0.3 / p_psia;
    }

    RelaxedSecant search{0.25};
    for (int trial = 1; trial <= kSearchTrials; ++trial) {
        if (v > vMax) {
            v = vMax;
            search.relaxation = 1.0;
        }
        if (v < kSubregion3MinVolume_ft3lb) {
            v = kSubregion3MinVolume_ft3lb;
            search.relaxation = 1.0;
        }
        const double pv = Subregion3Property(v, t_F, PropertyKind::Volume, context);
        if (context.formulationError()) {
            return 0.0;
        }
        const double error = (pv - p_psia) / p_psia;
        const double delta = search.step(v, pv, p_psia, error, v);
        if (std::abs(error) < kSearchTolerance) {
            if (liquid) {
                memory.liquidVolume_ft3lb = v;
                memory.liquidValid = true;
            } else {
                memory.vapourVolume_ft3lb = v;
                memory.vapourValid = true;
            }
            return v;
        }
        search.remember(v, pv, error);
        v += delta;
    }
    context.raiseFormulationError();
    context.recordFailure(Subregion3Failure::NotConverged);
    return 0.0;
}

}  // namespace chemeng
