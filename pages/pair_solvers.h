#pragma once

#include <string>
#include <string_view>

#include "framework/message_sink.h"
#include "water/ifc67_context.h"
#include "water/steam_pair_solve.h"
#include "water/steam_units.h"

namespace chemeng {

// The steam page's numeric results: what Compute and the pair solvers fill
// and Compute formats. Units depend on the step that wrote them.
struct SteamResults {
    double temperature = 0.0;
    double pressure = 0.0;
    double liquidEnthalpy = 0.0;
    double vapourEnthalpy = 0.0;
    double mixtureEnthalpy = 0.0;
    double liquidEnergy = 0.0;
    double vapourEnergy = 0.0;
    double mixtureEnergy = 0.0;
    double liquidVolume = 0.0;
    double vapourVolume = 0.0;
    double mixtureVolume = 0.0;
    double quality = 0.0;  // percent
    // What a superheated-mode solve found; Compute shows its word and column.
    SteamPhase phase = SteamPhase::Subcooled;
};

enum class SolveOutcome {
    Completed,
    Stopped,            // after a message; nothing is to be shown
    StoppedAndCleared,  // after a message; the page empties its fields
};

// The five superheated-mode solvers of the page. Each reads the two typed
// texts (each a number as a whole, or refused naming its field), converts
// them from the page's units, has the state worked out by the steam pair
// solve (water/steam_pair_solve.h), turns a refusal into the page's message
// and leaves its answers and the phase in the result slots: the two given
// values as typed, the others in K, kPa, kJ/kg and m³/kg.
class PairSolvers {
  public:
    PairSolvers(Ifc67Context& ifc67, MessageSink sink);

    SolveOutcome SolveTemperaturePressure(std::string_view temperature, std::string_view pressure,
                                          const SteamUnits& units, SteamResults& results);
    SolveOutcome SolveTemperatureVolume(std::string_view temperature, std::string_view volume,
                                        const SteamUnits& units, SteamResults& results);
    SolveOutcome SolveTemperatureEnthalpy(std::string_view temperature, std::string_view enthalpy,
                                          const SteamUnits& units, SteamResults& results);
    SolveOutcome SolvePressureEnthalpy(std::string_view pressure, std::string_view enthalpy,
                                       const SteamUnits& units, SteamResults& results);
    // Superheated vapour only.
    SolveOutcome SolvePressureVolume(std::string_view pressure, std::string_view volume,
                                     const SteamUnits& units, SteamResults& results);

  private:
    SolveOutcome solveAtTemperature(std::string_view temperature, std::string_view given,
                                    bool volumeGiven, const SteamUnits& units,
                                    SteamResults& results);
    SolveOutcome solveAtPressure(std::string_view pressure, std::string_view given,
                                 bool volumeGiven, const SteamUnits& units, SteamResults& results);
    bool inputsPresent(std::string_view first, const char* firstMessage, std::string_view second,
                       const char* secondMessage);
    // Both texts as numbers; false after a message naming each that is not one.
    bool readNumbers(std::string_view first, const char* firstField, double& firstValue,
                     std::string_view second, const char* secondField, double& secondValue);
    // Tells the user why the solve stopped; Completed when it did not.
    SolveOutcome outcomeOf(const SteamPairState& state, bool temperaturePressurePair,
                           bool volumeGiven);

    Ifc67Context& m_ifc67;
    MessageSink m_sink;
};

}  // namespace chemeng
