#include "pages/pair_solvers.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/range_bounds.h"
#include "framework/text_number.h"
#include "water/energies_at.h"
#include "water/ifc67_formulation.h"
#include "water/ifc67_inversions.h"

namespace chemeng {

namespace U = steam_units;

namespace {

// Range of the English-unit formulation as a whole: subregion 1 from
// 32.018 °F, subregion 2 up to 1600 °F, both from 0.08865 to 6000 psia.
constexpr double kLowestTemperature_F = 32.018;
constexpr double kHighestTemperature_F = 1600.0;
constexpr double kLowestPressure_psia = 0.08865;
constexpr double kHighestPressure_psia = 6000.0;
// The same limits in K (273.16 convention) and kPa (×1/0.1450377), as the
// messages name them.
constexpr const char* kTemperatureOutOfRange =
    "Temperature is out of range (273.17 K to 1144.27 K)";
constexpr const char* kPressureOutOfRange = "Pressure is out of range (0.6113 kPa to 41368 kPa)";
constexpr const char* kStateOutOfRange =
    "State out of range of the steam formulation (273.17 K to 1144.27 K, 0.6113 kPa to 41368 kPa)";

// The (T, P) solver's own, narrower range (inclusive).
constexpr double kTpLowestTemperature_K = 273.16;
constexpr double kTpHighestTemperature_K = 705.0;
constexpr double kTpLowestPressure_kPa = 0.7;
constexpr double kTpHighestPressure_kPa = 22000.0;

constexpr double kCriticalTemperature_K = 647.096;
constexpr double kReducedPressurePerKPa = 0.00004532269760696157;  // 1 / 22064 kPa
constexpr double kCriticalDensity_kgm3 = 322.0;
// Within this relative distance (in °F) of the saturation temperature a
// (T, P) state counts as saturated.
constexpr double kSaturatedBand = 0.0001;

// A value on a limit, also when typed in another unit a rounding step off
// it (0.01 °C, the 273.17 K the message names, reaches °F as
// 32.01799999999999), is put on the limit itself: the formulation refuses
// anything beyond.
bool onOrWithin(double& value, double low, double high) {
    if (!withinBounds(value, low, high)) return false;
    value = std::clamp(value, low, high);
    return true;
}

double fahrenheitFromKelvin(double t_K, double offset_K) {
    return U::kelvinToFahrenheit(t_K, offset_K);
}

}  // namespace

PairSolvers::PairSolvers(Ifc67Context& ifc67, SaturationState& saturation, MessageSink sink)
    : m_ifc67(ifc67), m_saturation(saturation), m_sink(std::move(sink)) {}

bool PairSolvers::inputsPresent(std::string_view first, const char* firstMessage,
                                std::string_view second, const char* secondMessage) {
    if (first.empty()) m_sink(firstMessage);
    if (second.empty()) m_sink(secondMessage);
    return !first.empty() && !second.empty();
}

bool PairSolvers::temperatureInRange(double& t_F) {
    if (onOrWithin(t_F, kLowestTemperature_F, kHighestTemperature_F)) return true;
    m_sink(kTemperatureOutOfRange);
    return false;
}

bool PairSolvers::pressureInRange(double& p_psia) {
    if (onOrWithin(p_psia, kLowestPressure_psia, kHighestPressure_psia)) return true;
    m_sink(kPressureOutOfRange);
    return false;
}

bool PairSolvers::positive(double value, const char* message) {
    if (std::isfinite(value) && value > 0.0) return true;
    m_sink(message);
    return false;
}

// A failed evaluation or inversion gives 0 and raises the flag; results built
// from it are refused rather than shown.
bool PairSolvers::formulationHeld() {
    if (!m_ifc67.formulationError()) return true;
    m_sink(kStateOutOfRange);
    return false;
}

double PairSolvers::mixtureEnergy(double p_psia, double t_F, double t_K, double x_percent) {
    double uLiquid = 0.0;
    double uVapour = 0.0;
    if (x_percent < 100.0) {
        const double v =
            SteamProperty(p_psia, t_F, 0.0, PropertyKind::Volume, m_ifc67) * U::kM3PerKgPerFt3PerLb;
        uLiquid = EnergiesAt(t_K, 1.0 / v).u_kJkg;
    }
    if (x_percent > 0.0) {
        const double v = SteamProperty(p_psia, t_F, 100.0, PropertyKind::Volume, m_ifc67) *
                         U::kM3PerKgPerFt3PerLb;
        uVapour = EnergiesAt(t_K, 1.0 / v).u_kJkg;
    }
    return ((100.0 - x_percent) * uLiquid + x_percent * uVapour) / 100.0;
}

SolveOutcome PairSolvers::SolveTemperaturePressure(std::string_view temperature,
                                                   std::string_view pressure,
                                                   const SteamUnits& units, SteamResults& results,
                                                   std::string& qualityText) {
    m_ifc67.startSolve();
    if (!inputsPresent(temperature, "Input Temperature", pressure, "Input Pressure"))
        return SolveOutcome::Stopped;
    const double t = parseLeadingNumber(temperature);
    const double p = parseLeadingNumber(pressure);
    results.temperature = t;
    results.pressure = p;

    double t_K = U::temperatureToKelvin(t, units.temperature, U::kZeroCelsius_K);
    double p_kPa = U::pressureToKPa(p, units.pressure);
    // A typed "nan" is refused as well.
    if (!onOrWithin(t_K, kTpLowestTemperature_K, kTpHighestTemperature_K)) {
        m_sink("Temperature is out of range");
        return SolveOutcome::Stopped;
    }
    if (!onOrWithin(p_kPa, kTpLowestPressure_kPa, kTpHighestPressure_kPa)) {
        m_sink("Pressure is out of range");
        return SolveOutcome::Stopped;
    }

    m_saturation.setReducedPressure(p_kPa * kReducedPressurePerKPa);
    m_saturation.SaturationAtPressure();
    const double tSat_F = fahrenheitFromKelvin(
        m_saturation.reducedSaturationTemperature() * kCriticalTemperature_K, U::kZeroCelsius_K);
    const double t_F = fahrenheitFromKelvin(t_K, U::kZeroCelsius_K);
    const double p_psia = p_kPa * U::kPsiaPerKPa;

    if (std::fabs(t_F - tSat_F) / tSat_F <= kSaturatedBand) {
        // On the saturation line: the saturated phase on the side T lies on,
        // from the saturation densities. (No correction of the liquid side
        // between 280 K and 300 K: IAPWS-95 at the saturated-liquid density is
        // already the tabulated value there.)
        qualityText = "saturated";
        const double rho = (t_F > tSat_F ? m_saturation.reducedVapourDensity()
                                         : m_saturation.reducedLiquidDensity()) *
                           kCriticalDensity_kgm3;
        const Energies e = EnergiesAt(t_K, rho);
        results.vapourEnthalpy = e.h_kJkg;
        results.vapourEnergy = e.u_kJkg;
        results.vapourVolume = 1.0 / rho;
        return formulationHeld() ? SolveOutcome::Completed : SolveOutcome::Stopped;
    }

    const double x = t_F > tSat_F ? 100.0 : 0.0;
    qualityText = x == 100.0 ? "superheated" : "subcooled";
    const double v = SteamProperty(p_psia, t_F, x, PropertyKind::Volume, m_ifc67);
    const double h = SteamProperty(p_psia, t_F, x, PropertyKind::Enthalpy, m_ifc67);
    results.vapourVolume = v * U::kM3PerKgPerFt3PerLb;
    results.quality = x;
    results.vapourEnthalpy = h * U::kKJPerKgPerBtuPerLb;
    const Energies e = EnergiesAt(t_K, 1.0 / results.vapourVolume);
    results.vapourEnergy = e.u_kJkg;
    if (e.u_kJkg > e.h_kJkg) {
        results.vapourEnthalpy = e.u_kJkg;
        results.vapourEnergy = e.h_kJkg;
    }
    return formulationHeld() ? SolveOutcome::Completed : SolveOutcome::Stopped;
}

SolveOutcome PairSolvers::SolveTemperatureVolume(std::string_view temperature,
                                                 std::string_view volume, const SteamUnits& units,
                                                 SteamResults& results) {
    return solveAtTemperature(temperature, volume, PropertyKind::Volume, units, results);
}

SolveOutcome PairSolvers::SolveTemperatureEnthalpy(std::string_view temperature,
                                                   std::string_view enthalpy,
                                                   const SteamUnits& units, SteamResults& results) {
    return solveAtTemperature(temperature, enthalpy, PropertyKind::Enthalpy, units, results);
}

// (T, v) and (T, h) differ only in which property is given and which one is
// then worked out: the quality from the given one at T, the pressure by the
// single-phase search, the other property at (p, T), the mixture energy.
SolveOutcome PairSolvers::solveAtTemperature(std::string_view temperature, std::string_view given,
                                             PropertyKind kind, const SteamUnits& units,
                                             SteamResults& results) {
    const bool volumeGiven = kind == PropertyKind::Volume;
    m_ifc67.startSolve();
    if (!inputsPresent(temperature, "Input Temperature", given,
                       volumeGiven ? "Input volume" : "Input Enthalpy"))
        return SolveOutcome::Stopped;
    const double t = parseLeadingNumber(temperature);
    double y = parseLeadingNumber(given);
    results.temperature = t;
    (volumeGiven ? results.vapourVolume : results.vapourEnthalpy) = y;

    const double t_K = U::temperatureToKelvin(t, units.temperature);
    double t_F = U::kelvinToFahrenheit(t_K);
    if (units.system == UnitSystem::SI) {
        y *= volumeGiven ? U::kFt3PerLbPerM3PerKg : U::kBtuPerLbPerKJPerKg;
    }
    if (!temperatureInRange(t_F) ||
        !positive(y, volumeGiven ? "Volume must be a positive number"
                                 : "Enthalpy must be a positive number"))
        return SolveOutcome::Stopped;

    const double x = QualityAtTemperature(t_F, y, kind, m_ifc67);
    results.quality = x;
    const double p = SinglePhaseSearch(t_F, y, x, kind, SearchMode::PressureAtTemperature, m_ifc67);
    if (volumeGiven) {
        results.vapourEnthalpy =
            SteamProperty(p, t_F, x, PropertyKind::Enthalpy, m_ifc67) * U::kKJPerKgPerBtuPerLb;
    } else {
        results.vapourVolume =
            SteamProperty(p, t_F, x, PropertyKind::Volume, m_ifc67) * U::kM3PerKgPerFt3PerLb;
    }
    results.pressure = p * U::kKPaPerPsia;
    results.vapourEnergy = mixtureEnergy(p, t_F, t_K, x);
    return formulationHeld() ? SolveOutcome::Completed : SolveOutcome::Stopped;
}

SolveOutcome PairSolvers::SolvePressureEnthalpy(std::string_view pressure,
                                                std::string_view enthalpy, const SteamUnits& units,
                                                SteamResults& results) {
    m_ifc67.startSolve();
    if (!inputsPresent(pressure, "Input Pressure", enthalpy, "Input Enthalpy"))
        return SolveOutcome::Stopped;
    const double p = parseLeadingNumber(pressure);
    double h = parseLeadingNumber(enthalpy);
    results.pressure = p;
    results.vapourEnthalpy = h;

    double p_psia = U::pressureToKPa(p, units.pressure) * U::kPsiaPerKPa;
    if (units.system == UnitSystem::SI) h *= U::kBtuPerLbPerKJPerKg;
    if (!pressureInRange(p_psia) || !positive(h, "Enthalpy must be a positive number"))
        return SolveOutcome::Stopped;

    const double x = QualityAtPressure(p_psia, h, PropertyKind::Enthalpy, m_ifc67);
    results.quality = x;
    const double t_F = SinglePhaseSearch(p_psia, h, x, PropertyKind::Enthalpy,
                                         SearchMode::TemperatureAtPressure, m_ifc67);
    results.vapourVolume =
        SteamProperty(p_psia, t_F, x, PropertyKind::Volume, m_ifc67) * U::kM3PerKgPerFt3PerLb;
    const double t_K = U::fahrenheitToKelvin(t_F);
    results.temperature = t_K;
    results.vapourEnergy = mixtureEnergy(p_psia, t_F, t_K, x);
    return formulationHeld() ? SolveOutcome::Completed : SolveOutcome::Stopped;
}

SolveOutcome PairSolvers::SolvePressureVolume(std::string_view pressure, std::string_view volume,
                                              const SteamUnits& units, SteamResults& results) {
    m_ifc67.startSolve();
    if (!inputsPresent(pressure, "Input Pressure", volume, "Input volume"))
        return SolveOutcome::Stopped;
    const double p = parseLeadingNumber(pressure);
    double v = parseLeadingNumber(volume);
    results.pressure = p;
    results.vapourVolume = v;

    double p_psia = U::pressureToKPa(p, units.pressure) * U::kPsiaPerKPa;
    if (units.system == UnitSystem::SI) v *= U::kFt3PerLbPerM3PerKg;
    if (!pressureInRange(p_psia) || !positive(v, "Volume must be a positive number"))
        return SolveOutcome::Stopped;

    const double x = QualityAtPressure(p_psia, v, PropertyKind::Volume, m_ifc67);
    if (x != 100.0) {
        m_sink("out of range");
        return SolveOutcome::StoppedAndCleared;
    }
    results.quality = 100.0;
    const double t_F = SinglePhaseSearch(p_psia, v, 100.0, PropertyKind::Volume,
                                         SearchMode::TemperatureAtPressure, m_ifc67);
    const double t_K = U::fahrenheitToKelvin(t_F);
    results.temperature = t_K;
    results.vapourEnergy = mixtureEnergy(p_psia, t_F, t_K, 100.0);
    results.vapourEnthalpy =
        SteamProperty(p_psia, t_F, 100.0, PropertyKind::Enthalpy, m_ifc67) * U::kKJPerKgPerBtuPerLb;
    return formulationHeld() ? SolveOutcome::Completed : SolveOutcome::Stopped;
}

}  // namespace chemeng
