#include "water/steam_pair_solve.h"

#include <algorithm>
#include <cmath>

#include "framework/range_bounds.h"
#include "water/energies_at.h"
#include "water/iapws95_constants.h"
#include "water/ifc67_formulation.h"
#include "water/ifc67_inversions.h"
#include "water/ifc67_units.h"
#include "water/saturation_state.h"
#include "water/steam_units.h"

namespace chemeng {

namespace U = steam_units;

namespace {

// Range of the English-unit formulation as a whole: subregion 1 from
// 32.018 °F, subregion 2 up to 1600 °F, both from 0.08865 to 6000 psia.
constexpr double kLowestTemperature_F = 32.018;
constexpr double kHighestTemperature_F = 1600.0;
constexpr double kLowestPressure_psia = 0.08865;
constexpr double kHighestPressure_psia = 6000.0;

// Within this relative distance (in °F) of the saturation temperature a
// (T, p) state counts as saturated.
constexpr double kSaturatedBand = 0.0001;

// The pressure searches of (T, v) and (T, h): at most this many evaluations,
// ending when the bracket on ln p is this narrow or the property this close.
constexpr int kPressureSearchSteps = 200;
constexpr double kLogPressureWidth = 1e-13;
constexpr double kPropertyTolerance = 1e-10;

// A value on a limit, also when typed in another unit a rounding step off
// it (0.01 °C reaches °F as 32.01799999999999), is put on the limit itself:
// the formulation refuses anything beyond.
bool onOrWithin(double& value, double low, double high) {
    if (!withinBounds(value, low, high)) return false;
    value = std::clamp(value, low, high);
    return true;
}

bool positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

SteamPairState stopped(PairSolveStatus status) {
    SteamPairState s;
    s.status = status;
    return s;
}

// The phase word of a single phase (quality 0 or 100) or a mixture. A fluid
// above both critical values of IAPWS-95 is neither liquid nor vapour.
SteamPhase phaseOf(double x_percent, double t_K, double p_kPa) {
    if (x_percent > 0.0 && x_percent < 100.0) return SteamPhase::TwoPhase;
    if (t_K > iapws95::kCriticalTemperature_K && p_kPa > iapws95::kCriticalPressure_kPa)
        return SteamPhase::Supercritical;
    return x_percent == 0.0 ? SteamPhase::Subcooled : SteamPhase::Superheated;
}

// A failed evaluation or inversion gives 0 and raises the flag: nothing built
// from it is a state.
SteamPairState finished(SteamPairState s, const Ifc67Context& context) {
    if (context.formulationError()) return stopped(PairSolveStatus::FormulationFailed);
    return s;
}

double volumeOf(double p_psia, double t_F, double x_percent, Ifc67Context& context) {
    return SteamProperty(p_psia, t_F, x_percent, PropertyKind::Volume, context) *
           U::kM3PerKgPerFt3PerLb;
}

double enthalpyOf(double p_psia, double t_F, double x_percent, Ifc67Context& context) {
    return SteamProperty(p_psia, t_F, x_percent, PropertyKind::Enthalpy, context) *
           U::kKJPerKgPerBtuPerLb;
}

// The internal energy of the state at (p, T) with quality x: IAPWS-95 at the
// IFC-67 density of each phase present, weighted by the quality. Fills the
// volume and energy of the phases present into the state.
void fillEnergies(SteamPairState& s, double p_psia, double t_F, Ifc67Context& context) {
    const double x = s.quality_percent;
    double uLiquid = 0.0;
    double uVapour = 0.0;
    if (x < 100.0) {
        s.liquid.v_m3kg = volumeOf(p_psia, t_F, 0.0, context);
        uLiquid = EnergiesAt(s.t_K, 1.0 / s.liquid.v_m3kg).u_kJkg;
        s.liquid.u_kJkg = uLiquid;
    }
    if (x > 0.0) {
        s.vapour.v_m3kg = volumeOf(p_psia, t_F, 100.0, context);
        uVapour = EnergiesAt(s.t_K, 1.0 / s.vapour.v_m3kg).u_kJkg;
        s.vapour.u_kJkg = uVapour;
    }
    s.state.u_kJkg = ((100.0 - x) * uLiquid + x * uVapour) / 100.0;
}

// The values of the phases present. A single phase is the state itself;
// the two saturated phases are evaluated only when everything so far held,
// so that a failing subregion search is not run (and recorded) again.
void fillPhases(SteamPairState& s, double p_psia, double t_F, Ifc67Context& context) {
    if (s.phase == SteamPhase::TwoPhase) {
        if (context.formulationError()) return;
        s.liquid.h_kJkg = enthalpyOf(p_psia, t_F, 0.0, context);
        s.vapour.h_kJkg = enthalpyOf(p_psia, t_F, 100.0, context);
    } else {
        s.liquid = s.vapour = SteamPhaseValues{};
        (s.phase == SteamPhase::Subcooled ? s.liquid : s.vapour) = s.state;
    }
}

enum class Search { Found, NotBracketed, Failed };

struct PressureFound {
    Search outcome = Search::NotBracketed;
    double p_psia = 0.0;
};

// The pressure between lo and hi (psia) at which the property y of the phase
// x (0 liquid, 100 vapour) at T is reached: the Illinois form of false
// position on ln p, on ln v for a volume (v falls about as 1/p). The property
// need not fall with pressure: a compressed liquid's enthalpy rises with it
// at low temperatures. NotBracketed when y lies outside the values at the
// two ends.
PressureFound pressureWith(double t_F, double y, PropertyKind kind, double x_percent, double lo,
                           double hi, Ifc67Context& context) {
    const bool volume = kind == PropertyKind::Volume;
    const auto residual = [&](double lnP) {
        context.volumeMemory().clearFlags();
        const double value = SteamProperty(std::exp(lnP), t_F, x_percent, kind, context);
        return volume ? std::log(value / y) : (value - y) / y;
    };
    double a = std::log(lo);
    double b = std::log(hi);
    double fa = residual(a);
    double fb = residual(b);
    if (context.formulationError()) return {Search::Failed, 0.0};
    if (fa == 0.0) return {Search::Found, lo};
    if (fb == 0.0) return {Search::Found, hi};
    if ((fa < 0.0) == (fb < 0.0)) return {Search::NotBracketed, 0.0};
    int side = 0;
    for (int step = 0; step < kPressureSearchSteps; ++step) {
        const double c = (a * fb - b * fa) / (fb - fa);
        const double fc = residual(c);
        if (context.formulationError()) return {Search::Failed, 0.0};
        if (std::fabs(fc) < kPropertyTolerance || std::fabs(b - a) < kLogPressureWidth)
            return {Search::Found, std::exp(c)};
        if ((fc < 0.0) == (fb < 0.0)) {
            b = c;
            fb = fc;
            if (side == -1) fa *= 0.5;  // the same end twice: halve the other's weight
            side = -1;
        } else {
            a = c;
            fa = fc;
            if (side == 1) fb *= 0.5;
            side = 1;
        }
    }
    return {Search::Failed, 0.0};
}

// (T, v) and (T, h) differ only in which property is given and which one is
// then worked out.
SteamPairState solveAtTemperature(double t_K, double given, PropertyKind kind,
                                  Ifc67Context& context) {
    const bool volumeGiven = kind == PropertyKind::Volume;
    context.startSolve();
    double t_F = U::kelvinToFahrenheit(t_K);
    const double y = given * (volumeGiven ? U::kFt3PerLbPerM3PerKg : U::kBtuPerLbPerKJPerKg);
    if (!onOrWithin(t_F, kLowestTemperature_F, kHighestTemperature_F))
        return stopped(PairSolveStatus::TemperatureOutOfRange);
    if (!positive(y)) return stopped(PairSolveStatus::GivenNotPositive);

    SteamPairState s;
    s.t_K = t_K;
    double p_psia = 0.0;
    PressureFound found;
    if (t_F < ifc67::kCriticalTemperature_F) {
        const double pSat = KFunction(t_F, context);
        found = pressureWith(t_F, y, kind, 0.0, pSat, kHighestPressure_psia, context);
        if (found.outcome == Search::Found) {
            s.quality_percent = 0.0;
        } else if (found.outcome == Search::NotBracketed) {
            const double yLiquid = SteamProperty(pSat, t_F, 0.0, kind, context);
            const double yVapour = SteamProperty(pSat, t_F, 100.0, kind, context);
            if (y > yLiquid && y < yVapour && !context.formulationError()) {
                s.quality_percent = 100.0 * (y - yLiquid) / (yVapour - yLiquid);
                found = {Search::Found, pSat};
            } else {
                found = pressureWith(t_F, y, kind, 100.0, kLowestPressure_psia, pSat, context);
                s.quality_percent = 100.0;
            }
        }
    } else {
        found =
            pressureWith(t_F, y, kind, 100.0, kLowestPressure_psia, kHighestPressure_psia, context);
        s.quality_percent = 100.0;
    }
    if (found.outcome == Search::NotBracketed) return stopped(PairSolveStatus::NoStateInRange);
    if (found.outcome == Search::Failed) return stopped(PairSolveStatus::FormulationFailed);
    p_psia = found.p_psia;

    context.volumeMemory().clearFlags();
    s.p_kPa = p_psia * U::kKPaPerPsia;
    s.phase = phaseOf(s.quality_percent, s.t_K, s.p_kPa);
    if (volumeGiven) {
        s.state.v_m3kg = given;
        s.state.h_kJkg = enthalpyOf(p_psia, t_F, s.quality_percent, context);
    } else {
        s.state.h_kJkg = given;
        s.state.v_m3kg = volumeOf(p_psia, t_F, s.quality_percent, context);
    }
    fillEnergies(s, p_psia, t_F, context);
    fillPhases(s, p_psia, t_F, context);
    return finished(s, context);
}

// The given property of a liquid at the lowest temperature and of a vapour at
// the highest, at p: outside these no state at p has it.
bool withinPressureLine(double p_psia, double y, PropertyKind kind, Ifc67Context& context) {
    const double coldest = SteamProperty(p_psia, kLowestTemperature_F, 0.0, kind, context);
    context.volumeMemory().clearFlags();
    const double hottest = SteamProperty(p_psia, kHighestTemperature_F, 100.0, kind, context);
    context.volumeMemory().clearFlags();
    return context.formulationError() || (y >= coldest && y <= hottest);
}

}  // namespace

SteamPairState solveTemperaturePressure(double t_K, double p_kPa, Ifc67Context& context) {
    context.startSolve();
    double t_F = U::kelvinToFahrenheit(t_K);
    double p_psia = p_kPa * U::kPsiaPerKPa;
    if (!onOrWithin(t_F, kLowestTemperature_F, kHighestTemperature_F))
        return stopped(PairSolveStatus::TemperatureOutOfRange);
    if (!onOrWithin(p_psia, kLowestPressure_psia, kHighestPressure_psia))
        return stopped(PairSolveStatus::PressureOutOfRange);

    SteamPairState s;
    s.t_K = t_K;
    s.p_kPa = p_kPa;
    SaturationState saturation;
    saturation.setReducedPressure(p_kPa * iapws95::kInverseCriticalPressure_perkPa);
    if (saturation.SaturationAtPressure() == SaturationStatus::InRange) {
        const double tSat_F = U::kelvinToFahrenheit(saturation.reducedSaturationTemperature() *
                                                    iapws95::kCriticalTemperature_K);
        if (std::fabs(t_F - tSat_F) / tSat_F <= kSaturatedBand) {
            // On the saturation line: the saturated phase on the side T lies
            // on, from the saturation densities, h = u + pv as for the
            // saturated phases (water/saturated_phases.cpp).
            const bool vapour = t_F > tSat_F;
            const double rho =
                (vapour ? saturation.reducedVapourDensity() : saturation.reducedLiquidDensity()) *
                iapws95::kCriticalDensity_kgm3;
            const Energies e = EnergiesAt(t_K, rho);
            s.phase = SteamPhase::Saturated;
            s.quality_percent = vapour ? 100.0 : 0.0;
            s.state = {e.u_kJkg + p_kPa / rho, e.u_kJkg, 1.0 / rho};
            (vapour ? s.vapour : s.liquid) = s.state;
            return finished(s, context);
        }
        s.quality_percent = t_F > tSat_F ? 100.0 : 0.0;
    } else {
        // At or above the critical pressure there is no saturation: the
        // formulation's liquid side up to its own critical temperature, its
        // vapour side above.
        s.quality_percent = t_F <= ifc67::kCriticalTemperature_F ? 0.0 : 100.0;
    }
    s.phase = phaseOf(s.quality_percent, t_K, p_kPa);

    const double v_ft3lb =
        SteamProperty(p_psia, t_F, s.quality_percent, PropertyKind::Volume, context);
    const double h_Btulb =
        SteamProperty(p_psia, t_F, s.quality_percent, PropertyKind::Enthalpy, context);
    s.state.v_m3kg = v_ft3lb * U::kM3PerKgPerFt3PerLb;
    s.state.h_kJkg = h_Btulb * U::kKJPerKgPerBtuPerLb;
    const Energies e = EnergiesAt(t_K, 1.0 / s.state.v_m3kg);
    s.state.u_kJkg = e.u_kJkg;
    // IAPWS-95 at the IFC-67 density of a cold compressed liquid can give a
    // negative pressure (the two densities differ by parts in 10⁴ and the
    // liquid is stiff), and with it an enthalpy below the internal energy.
    // The pair is then given in the order that a positive pressure implies.
    if (e.u_kJkg > e.h_kJkg) {
        s.state.h_kJkg = e.u_kJkg;
        s.state.u_kJkg = e.h_kJkg;
    }
    (s.phase == SteamPhase::Subcooled ? s.liquid : s.vapour) = s.state;
    return finished(s, context);
}

SteamPairState solveTemperatureVolume(double t_K, double v_m3kg, Ifc67Context& context) {
    return solveAtTemperature(t_K, v_m3kg, PropertyKind::Volume, context);
}

SteamPairState solveTemperatureEnthalpy(double t_K, double h_kJkg, Ifc67Context& context) {
    return solveAtTemperature(t_K, h_kJkg, PropertyKind::Enthalpy, context);
}

SteamPairState solvePressureEnthalpy(double p_kPa, double h_kJkg, Ifc67Context& context) {
    context.startSolve();
    double p_psia = p_kPa * U::kPsiaPerKPa;
    const double h_Btulb = h_kJkg * U::kBtuPerLbPerKJPerKg;
    if (!onOrWithin(p_psia, kLowestPressure_psia, kHighestPressure_psia))
        return stopped(PairSolveStatus::PressureOutOfRange);
    if (!positive(h_Btulb)) return stopped(PairSolveStatus::GivenNotPositive);
    if (!withinPressureLine(p_psia, h_Btulb, PropertyKind::Enthalpy, context))
        return stopped(PairSolveStatus::NoStateInRange);

    SteamPairState s;
    s.p_kPa = p_kPa;
    s.quality_percent = QualityAtPressure(p_psia, h_Btulb, PropertyKind::Enthalpy, context);
    const double t_F = SinglePhaseSearch(p_psia, h_Btulb, s.quality_percent, PropertyKind::Enthalpy,
                                         SearchMode::TemperatureAtPressure, context);
    s.state.h_kJkg = h_kJkg;
    s.state.v_m3kg = volumeOf(p_psia, t_F, s.quality_percent, context);
    s.t_K = U::fahrenheitToKelvin(t_F);
    s.phase = phaseOf(s.quality_percent, s.t_K, s.p_kPa);
    fillEnergies(s, p_psia, t_F, context);
    fillPhases(s, p_psia, t_F, context);
    return finished(s, context);
}

SteamPairState solvePressureVolume(double p_kPa, double v_m3kg, Ifc67Context& context) {
    context.startSolve();
    double p_psia = p_kPa * U::kPsiaPerKPa;
    const double v_ft3lb = v_m3kg * U::kFt3PerLbPerM3PerKg;
    if (!onOrWithin(p_psia, kLowestPressure_psia, kHighestPressure_psia))
        return stopped(PairSolveStatus::PressureOutOfRange);
    if (!positive(v_ft3lb)) return stopped(PairSolveStatus::GivenNotPositive);

    if (QualityAtPressure(p_psia, v_ft3lb, PropertyKind::Volume, context) != 100.0)
        return stopped(PairSolveStatus::NotSuperheatedVapour);
    if (!withinPressureLine(p_psia, v_ft3lb, PropertyKind::Volume, context))
        return stopped(PairSolveStatus::NoStateInRange);
    SteamPairState s;
    s.p_kPa = p_kPa;
    s.quality_percent = 100.0;
    const double t_F = SinglePhaseSearch(p_psia, v_ft3lb, 100.0, PropertyKind::Volume,
                                         SearchMode::TemperatureAtPressure, context);
    s.t_K = U::fahrenheitToKelvin(t_F);
    s.phase = phaseOf(100.0, s.t_K, s.p_kPa);
    s.state.v_m3kg = v_m3kg;
    fillEnergies(s, p_psia, t_F, context);
    s.state.h_kJkg = enthalpyOf(p_psia, t_F, 100.0, context);
    fillPhases(s, p_psia, t_F, context);
    return finished(s, context);
}

}  // namespace chemeng
