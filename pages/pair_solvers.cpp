#include "pages/pair_solvers.h"

#include <utility>

#include "framework/temperature_unit.h"
#include "framework/text_number.h"

namespace chemeng {

namespace U = steam_units;

namespace {

// The formulation's range as the messages name it: 32.018 to 1600 °F and
// 0.08865 to 6000 psia in K (273.16 convention) and kPa (×1/0.1450377).
constexpr const char* kTemperatureOutOfRange =
    "Temperature is out of range (273.17 K to 1144.27 K)";
constexpr const char* kPressureOutOfRange = "Pressure is out of range (0.6113 kPa to 41368 kPa)";
constexpr const char* kStateOutOfRange =
    "State out of range of the steam formulation (273.17 K to 1144.27 K, 0.6113 kPa to 41368 kPa)";

// A volume or enthalpy typed in the page's unit system, in m³/kg or kJ/kg.
// American values are divided by the factor the solve multiplies them with
// on its way to the formulation's ft³/lb and Btu/lb, so that they arrive
// there as typed.
double givenInSI(double typed, bool volume, UnitSystem system) {
    if (system == UnitSystem::SI) return typed;
    return typed / (volume ? U::kFt3PerLbPerM3PerKg : U::kBtuPerLbPerKJPerKg);
}

const char* failureMessage(Subregion3Failure failure) {
    return failure == Subregion3Failure::PressureOutOfRange ? "out of range on Pressure"
                                                            : "Too many iteration!";
}

}  // namespace

PairSolvers::PairSolvers(Ifc67Context& ifc67, MessageSink sink)
    : m_ifc67(ifc67), m_sink(std::move(sink)) {}

bool PairSolvers::inputsPresent(std::string_view first, const char* firstMessage,
                                std::string_view second, const char* secondMessage) {
    if (first.empty()) m_sink(firstMessage);
    if (second.empty()) m_sink(secondMessage);
    return !first.empty() && !second.empty();
}

SolveOutcome PairSolvers::outcomeOf(const SteamPairState& state, bool temperaturePressurePair,
                                    bool volumeGiven) {
    // The subregion-3 searches that failed on the way, in their order.
    for (Subregion3Failure failure : m_ifc67.failures()) m_sink(failureMessage(failure));
    switch (state.status) {
        case PairSolveStatus::Solved:
            return SolveOutcome::Completed;
        case PairSolveStatus::TemperatureOutOfRange:
            m_sink(temperaturePressurePair ? "Temperature is out of range"
                                           : kTemperatureOutOfRange);
            break;
        case PairSolveStatus::PressureOutOfRange:
            m_sink(temperaturePressurePair ? "Pressure is out of range" : kPressureOutOfRange);
            break;
        case PairSolveStatus::GivenNotPositive:
            m_sink(volumeGiven ? "Volume must be a positive number"
                               : "Enthalpy must be a positive number");
            break;
        case PairSolveStatus::NotSuperheatedVapour:
            m_sink("out of range");
            return SolveOutcome::StoppedAndCleared;
        case PairSolveStatus::FormulationFailed:
            m_sink(kStateOutOfRange);
            break;
    }
    return SolveOutcome::Stopped;
}

SolveOutcome PairSolvers::SolveTemperaturePressure(std::string_view temperature,
                                                   std::string_view pressure,
                                                   const SteamUnits& units, SteamResults& results,
                                                   std::string& qualityText) {
    if (!inputsPresent(temperature, "Input Temperature", pressure, "Input Pressure"))
        return SolveOutcome::Stopped;
    const double t = parseLeadingNumber(temperature);
    const double p = parseLeadingNumber(pressure);
    const double t_K = toKelvin(t, units.temperature, U::kZeroCelsius_K, U::kZeroCelsius_K);
    const SteamPairState s =
        solveTemperaturePressure(t_K, U::pressureToKPa(p, units.pressure), m_ifc67);
    const SolveOutcome outcome = outcomeOf(s, true, false);
    if (outcome != SolveOutcome::Completed) return outcome;

    results.temperature = t;
    results.pressure = p;
    results.vapourEnthalpy = s.state.h_kJkg;
    results.vapourEnergy = s.state.u_kJkg;
    results.vapourVolume = s.state.v_m3kg;
    if (s.phase == SteamPhase::Saturated) {
        qualityText = "saturated";
    } else {
        results.quality = s.quality_percent;
        qualityText = s.phase == SteamPhase::Superheated ? "superheated" : "subcooled";
    }
    return outcome;
}

SolveOutcome PairSolvers::SolveTemperatureVolume(std::string_view temperature,
                                                 std::string_view volume, const SteamUnits& units,
                                                 SteamResults& results) {
    return solveAtTemperature(temperature, volume, true, units, results);
}

SolveOutcome PairSolvers::SolveTemperatureEnthalpy(std::string_view temperature,
                                                   std::string_view enthalpy,
                                                   const SteamUnits& units, SteamResults& results) {
    return solveAtTemperature(temperature, enthalpy, false, units, results);
}

SolveOutcome PairSolvers::solveAtTemperature(std::string_view temperature, std::string_view given,
                                             bool volumeGiven, const SteamUnits& units,
                                             SteamResults& results) {
    if (!inputsPresent(temperature, "Input Temperature", given,
                       volumeGiven ? "Input volume" : "Input Enthalpy"))
        return SolveOutcome::Stopped;
    const double t = parseLeadingNumber(temperature);
    const double y = parseLeadingNumber(given);
    const double t_K = toKelvin(t, units.temperature, U::kIcePoint_K, U::kIcePoint_K);
    const double y_SI = givenInSI(y, volumeGiven, units.system);
    const SteamPairState s = volumeGiven
                                 ? solveTemperatureVolume(t_K, y_SI, m_ifc67, U::kIcePoint_K)
                                 : solveTemperatureEnthalpy(t_K, y_SI, m_ifc67, U::kIcePoint_K);
    const SolveOutcome outcome = outcomeOf(s, false, volumeGiven);
    if (outcome != SolveOutcome::Completed) return outcome;

    results.temperature = t;
    results.pressure = s.p_kPa;
    results.quality = s.quality_percent;
    results.vapourEnthalpy = volumeGiven ? s.state.h_kJkg : y;
    results.vapourVolume = volumeGiven ? y : s.state.v_m3kg;
    results.vapourEnergy = s.state.u_kJkg;
    return outcome;
}

SolveOutcome PairSolvers::SolvePressureEnthalpy(std::string_view pressure,
                                                std::string_view enthalpy, const SteamUnits& units,
                                                SteamResults& results) {
    return solveAtPressure(pressure, enthalpy, false, units, results);
}

SolveOutcome PairSolvers::SolvePressureVolume(std::string_view pressure, std::string_view volume,
                                              const SteamUnits& units, SteamResults& results) {
    return solveAtPressure(pressure, volume, true, units, results);
}

SolveOutcome PairSolvers::solveAtPressure(std::string_view pressure, std::string_view given,
                                          bool volumeGiven, const SteamUnits& units,
                                          SteamResults& results) {
    if (!inputsPresent(pressure, "Input Pressure", given,
                       volumeGiven ? "Input volume" : "Input Enthalpy"))
        return SolveOutcome::Stopped;
    const double p = parseLeadingNumber(pressure);
    const double y = parseLeadingNumber(given);
    const double p_kPa = U::pressureToKPa(p, units.pressure);
    const double y_SI = givenInSI(y, volumeGiven, units.system);
    const SteamPairState s = volumeGiven
                                 ? solvePressureVolume(p_kPa, y_SI, m_ifc67, U::kIcePoint_K)
                                 : solvePressureEnthalpy(p_kPa, y_SI, m_ifc67, U::kIcePoint_K);
    const SolveOutcome outcome = outcomeOf(s, false, volumeGiven);
    if (outcome != SolveOutcome::Completed) return outcome;

    results.pressure = p;
    results.temperature = s.t_K;
    results.quality = s.quality_percent;
    results.vapourEnthalpy = volumeGiven ? s.state.h_kJkg : y;
    results.vapourVolume = volumeGiven ? y : s.state.v_m3kg;
    results.vapourEnergy = s.state.u_kJkg;
    return outcome;
}

}  // namespace chemeng
