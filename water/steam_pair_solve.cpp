#include "water/steam_pair_solve.h"

#include <algorithm>
#include <cmath>

#include "framework/range_bounds.h"
#include "water/energies_at.h"
#include "water/iapws95_constants.h"
#include "water/ifc67_formulation.h"
#include "water/ifc67_inversions.h"
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

// The (T, p) pair's own, narrower range (inclusive).
constexpr double kTpLowestTemperature_K = 273.16;
constexpr double kTpHighestTemperature_K = 705.0;
constexpr double kTpLowestPressure_kPa = 0.7;
constexpr double kTpHighestPressure_kPa = 22000.0;

// Within this relative distance (in °F) of the saturation temperature a
// (T, p) state counts as saturated.
constexpr double kSaturatedBand = 0.0001;

// A value on a limit, also when typed in another unit a rounding step off
// it (0.01 °C, the 273.17 K the range names, reaches °F as
// 32.01799999999999), is put on the limit itself: the formulation refuses
// anything beyond.
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

SteamPhase phaseOfQuality(double x_percent) {
    if (x_percent == 0.0) return SteamPhase::Subcooled;
    if (x_percent == 100.0) return SteamPhase::Superheated;
    return SteamPhase::TwoPhase;
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

// The enthalpies of the phases present. A single phase is the state itself;
// the two saturated phases are evaluated only when everything so far held,
// so that a failing subregion search is not run (and recorded) again.
void fillPhaseEnthalpies(SteamPairState& s, double p_psia, double t_F, Ifc67Context& context) {
    if (s.phase == SteamPhase::Subcooled) {
        s.liquid = s.state;
    } else if (s.phase == SteamPhase::Superheated) {
        s.vapour = s.state;
    } else if (!context.formulationError()) {
        s.liquid.h_kJkg = enthalpyOf(p_psia, t_F, 0.0, context);
        s.vapour.h_kJkg = enthalpyOf(p_psia, t_F, 100.0, context);
    }
}

// (T, v) and (T, h) differ only in which property is given and which one is
// then worked out: the quality from the given one at T, the pressure by the
// single-phase search, the other property at (p, T), the mixture energy.
SteamPairState solveAtTemperature(double t_K, double given, PropertyKind kind,
                                  Ifc67Context& context, double celsiusZero_K) {
    const bool volumeGiven = kind == PropertyKind::Volume;
    context.startSolve();
    double t_F = U::kelvinToFahrenheit(t_K, celsiusZero_K);
    const double y = given * (volumeGiven ? U::kFt3PerLbPerM3PerKg : U::kBtuPerLbPerKJPerKg);
    if (!onOrWithin(t_F, kLowestTemperature_F, kHighestTemperature_F))
        return stopped(PairSolveStatus::TemperatureOutOfRange);
    if (!positive(y)) return stopped(PairSolveStatus::GivenNotPositive);

    SteamPairState s;
    s.t_K = t_K;
    s.quality_percent = QualityAtTemperature(t_F, y, kind, context);
    s.phase = phaseOfQuality(s.quality_percent);
    const double p_psia = SinglePhaseSearch(t_F, y, s.quality_percent, kind,
                                            SearchMode::PressureAtTemperature, context);
    if (volumeGiven) {
        s.state.v_m3kg = given;
        s.state.h_kJkg = enthalpyOf(p_psia, t_F, s.quality_percent, context);
    } else {
        s.state.h_kJkg = given;
        s.state.v_m3kg = volumeOf(p_psia, t_F, s.quality_percent, context);
    }
    s.p_kPa = p_psia * U::kKPaPerPsia;
    fillEnergies(s, p_psia, t_F, context);
    fillPhaseEnthalpies(s, p_psia, t_F, context);
    return finished(s, context);
}

}  // namespace

SteamPairState solveTemperaturePressure(double t_K, double p_kPa, Ifc67Context& context) {
    context.startSolve();
    if (!onOrWithin(t_K, kTpLowestTemperature_K, kTpHighestTemperature_K))
        return stopped(PairSolveStatus::TemperatureOutOfRange);
    if (!onOrWithin(p_kPa, kTpLowestPressure_kPa, kTpHighestPressure_kPa))
        return stopped(PairSolveStatus::PressureOutOfRange);

    SaturationState saturation;
    saturation.setReducedPressure(p_kPa * iapws95::kInverseCriticalPressure_perkPa);
    saturation.SaturationAtPressure();
    const double tSat_F = U::kelvinToFahrenheit(
        saturation.reducedSaturationTemperature() * iapws95::kCriticalTemperature_K,
        kPairSolveCelsiusZero_K);
    const double t_F = U::kelvinToFahrenheit(t_K, kPairSolveCelsiusZero_K);
    const double p_psia = p_kPa * U::kPsiaPerKPa;

    SteamPairState s;
    s.t_K = t_K;
    s.p_kPa = p_kPa;
    if (std::fabs(t_F - tSat_F) / tSat_F <= kSaturatedBand) {
        // On the saturation line: the saturated phase on the side T lies on,
        // from the saturation densities.
        const bool vapour = t_F > tSat_F;
        const double rho =
            (vapour ? saturation.reducedVapourDensity() : saturation.reducedLiquidDensity()) *
            iapws95::kCriticalDensity_kgm3;
        const Energies e = EnergiesAt(t_K, rho);
        s.phase = SteamPhase::Saturated;
        s.quality_percent = vapour ? 100.0 : 0.0;
        s.state = {e.h_kJkg, e.u_kJkg, 1.0 / rho};
        (vapour ? s.vapour : s.liquid) = s.state;
        return finished(s, context);
    }

    s.quality_percent = t_F > tSat_F ? 100.0 : 0.0;
    s.phase = phaseOfQuality(s.quality_percent);
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
    (s.phase == SteamPhase::Superheated ? s.vapour : s.liquid) = s.state;
    return finished(s, context);
}

SteamPairState solveTemperatureVolume(double t_K, double v_m3kg, Ifc67Context& context,
                                      double celsiusZero_K) {
    return solveAtTemperature(t_K, v_m3kg, PropertyKind::Volume, context, celsiusZero_K);
}

SteamPairState solveTemperatureEnthalpy(double t_K, double h_kJkg, Ifc67Context& context,
                                        double celsiusZero_K) {
    return solveAtTemperature(t_K, h_kJkg, PropertyKind::Enthalpy, context, celsiusZero_K);
}

SteamPairState solvePressureEnthalpy(double p_kPa, double h_kJkg, Ifc67Context& context,
                                     double celsiusZero_K) {
    context.startSolve();
    double p_psia = p_kPa * U::kPsiaPerKPa;
    const double h_Btulb = h_kJkg * U::kBtuPerLbPerKJPerKg;
    if (!onOrWithin(p_psia, kLowestPressure_psia, kHighestPressure_psia))
        return stopped(PairSolveStatus::PressureOutOfRange);
    if (!positive(h_Btulb)) return stopped(PairSolveStatus::GivenNotPositive);

    SteamPairState s;
    s.p_kPa = p_kPa;
    s.quality_percent = QualityAtPressure(p_psia, h_Btulb, PropertyKind::Enthalpy, context);
    s.phase = phaseOfQuality(s.quality_percent);
    const double t_F = SinglePhaseSearch(p_psia, h_Btulb, s.quality_percent, PropertyKind::Enthalpy,
                                         SearchMode::TemperatureAtPressure, context);
    s.state.h_kJkg = h_kJkg;
    s.state.v_m3kg = volumeOf(p_psia, t_F, s.quality_percent, context);
    s.t_K = U::fahrenheitToKelvin(t_F, celsiusZero_K);
    fillEnergies(s, p_psia, t_F, context);
    fillPhaseEnthalpies(s, p_psia, t_F, context);
    return finished(s, context);
}

SteamPairState solvePressureVolume(double p_kPa, double v_m3kg, Ifc67Context& context,
                                   double celsiusZero_K) {
    context.startSolve();
    double p_psia = p_kPa * U::kPsiaPerKPa;
    const double v_ft3lb = v_m3kg * U::kFt3PerLbPerM3PerKg;
    if (!onOrWithin(p_psia, kLowestPressure_psia, kHighestPressure_psia))
        return stopped(PairSolveStatus::PressureOutOfRange);
    if (!positive(v_ft3lb)) return stopped(PairSolveStatus::GivenNotPositive);

    if (QualityAtPressure(p_psia, v_ft3lb, PropertyKind::Volume, context) != 100.0)
        return stopped(PairSolveStatus::NotSuperheatedVapour);
    SteamPairState s;
    s.p_kPa = p_kPa;
    s.quality_percent = 100.0;
    s.phase = SteamPhase::Superheated;
    const double t_F = SinglePhaseSearch(p_psia, v_ft3lb, 100.0, PropertyKind::Volume,
                                         SearchMode::TemperatureAtPressure, context);
    s.t_K = U::fahrenheitToKelvin(t_F, celsiusZero_K);
    s.state.v_m3kg = v_m3kg;
    fillEnergies(s, p_psia, t_F, context);
    s.state.h_kJkg = enthalpyOf(p_psia, t_F, 100.0, context);
    fillPhaseEnthalpies(s, p_psia, t_F, context);
    return finished(s, context);
}

}  // namespace chemeng
