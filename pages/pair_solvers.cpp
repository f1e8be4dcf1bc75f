#include "pages/pair_solvers.h"

#include <utility>

#include "framework/typed_number.h"

namespace chemeng {

namespace U = steam_units;

namespace {

// The formulation's range as the messages name it: 32.018 to 1600 °F and
// 0.08865 to 6000 psia in K and kPa.
constexpr const char* kTemperatureOutOfRange =
    "Temperature is out of range (273.16 K to 1144.26 K)";
constexpr const char* kPressureOutOfRange = "Pressure is out of range (0.6113 kPa to 41368 kPa)";
constexpr const char* kNoStateInRange =
    "No state of water between 273.16 K and 1144.26 K and between 0.6113 kPa and 41368 kPa has "
    "these two values";
constexpr const char* kFormulationFailed =
    "The steam formulation found no state for these values: its iteration did not converge";

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

// An empty field, or one of blanks only, asks for its input.
bool blank(std::string_view text) {
    return parseTypedNumber(text).status == TypedNumberStatus::Empty;
}

const char* givenField(bool volume) {
    return volume ? "Volume" : "Enthalpy";
}

}  // namespace

PairSolvers::PairSolvers(Ifc67Context& ifc67, MessageSink sink)
    : m_ifc67(ifc67), m_sink(std::move(sink)) {}

bool PairSolvers::inputsPresent(std::string_view first, const char* firstMessage,
                                std::string_view second, const char* secondMessage) {
    if (blank(first)) m_sink(firstMessage);
    if (blank(second)) m_sink(secondMessage);
    return !blank(first) && !blank(second);
}

bool PairSolvers::readNumbers(std::string_view first, const char* firstField, double& firstValue,
                              std::string_view second, const char* secondField,
                              double& secondValue) {
    const TypedNumber a = parseTypedNumber(first);
    const TypedNumber b = parseTypedNumber(second);
    if (a.status != TypedNumberStatus::Number) m_sink(notANumberMessage(firstField, first));
    if (b.status != TypedNumberStatus::Number) m_sink(notANumberMessage(secondField, second));
    firstValue = a.value;
    secondValue = b.value;
    return a.status == TypedNumberStatus::Number && b.status == TypedNumberStatus::Number;
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
        case PairSolveStatus::NoStateInRange:
            m_sink(kNoStateInRange);
            break;
        case PairSolveStatus::FormulationFailed:
            m_sink(kFormulationFailed);
            break;
    }
    return SolveOutcome::Stopped;
}

SolveOutcome PairSolvers::SolveTemperaturePressure(std::string_view temperature,
                                                   std::string_view pressure,
                                                   const SteamUnits& units, SteamResults& results) {
    if (!inputsPresent(temperature, "Input Temperature", pressure, "Input Pressure"))
        return SolveOutcome::Stopped;
    double t = 0.0;
    double p = 0.0;
    if (!readNumbers(temperature, "Temperature", t, pressure, "Pressure", p))
        return SolveOutcome::Stopped;
    const SteamPairState s = solveTemperaturePressure(U::temperatureToKelvin(t, units.temperature),
                                                      U::pressureToKPa(p, units.pressure), m_ifc67);
    const SolveOutcome outcome = outcomeOf(s, true, false);
    if (outcome != SolveOutcome::Completed) return outcome;

    results.temperature = t;
    results.pressure = p;
    results.quality = s.quality_percent;
    results.phase = s.phase;
    results.vapourEnthalpy = s.state.h_kJkg;
    results.vapourEnergy = s.state.u_kJkg;
    results.vapourVolume = s.state.v_m3kg;
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
    double t = 0.0;
    double y = 0.0;
    if (!readNumbers(temperature, "Temperature", t, given, givenField(volumeGiven), y))
        return SolveOutcome::Stopped;
    const double t_K = U::temperatureToKelvin(t, units.temperature);
    const double y_SI = givenInSI(y, volumeGiven, units.system);
    const SteamPairState s = volumeGiven ? solveTemperatureVolume(t_K, y_SI, m_ifc67)
                                         : solveTemperatureEnthalpy(t_K, y_SI, m_ifc67);
    const SolveOutcome outcome = outcomeOf(s, false, volumeGiven);
    if (outcome != SolveOutcome::Completed) return outcome;

    results.temperature = t;
    results.pressure = s.p_kPa;
    results.quality = s.quality_percent;
    results.phase = s.phase;
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
    double p = 0.0;
    double y = 0.0;
    if (!readNumbers(pressure, "Pressure", p, given, givenField(volumeGiven), y))
        return SolveOutcome::Stopped;
    const double p_kPa = U::pressureToKPa(p, units.pressure);
    const double y_SI = givenInSI(y, volumeGiven, units.system);
    const SteamPairState s = volumeGiven ? solvePressureVolume(p_kPa, y_SI, m_ifc67)
                                         : solvePressureEnthalpy(p_kPa, y_SI, m_ifc67);
    const SolveOutcome outcome = outcomeOf(s, false, volumeGiven);
    if (outcome != SolveOutcome::Completed) return outcome;

    results.pressure = p;
    results.temperature = s.t_K;
    results.quality = s.quality_percent;
    results.phase = s.phase;
    results.vapourEnthalpy = volumeGiven ? s.state.h_kJkg : y;
    results.vapourVolume = volumeGiven ? y : s.state.v_m3kg;
    results.vapourEnergy = s.state.u_kJkg;
    return outcome;
}

}  // namespace chemeng
