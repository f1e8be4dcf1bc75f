#pragma once

#include <string>
#include <string_view>

#include "framework/message_sink.h"
#include "water/ifc67_context.h"
#include "water/saturation_state.h"
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
};

enum class SolveOutcome {
    Completed,
    Stopped,            // after a message; nothing is to be shown
    StoppedAndCleared,  // after a message; the page empties its fields
};

// The five superheated-mode solvers. Each takes the two typed texts, works the
// state out with the English-unit IFC-67 formulation (volume, enthalpy, phase)
// and IAPWS-95 (internal energy), and leaves its answers in the result slots:
// the two given values as typed, the others in K, kPa, kJ/kg and m³/kg.
class PairSolvers {
  public:
    PairSolvers(Ifc67Context& ifc67, SaturationState& saturation, MessageSink sink);

    // Writes the phase word ("saturated", "superheated" or "subcooled") into
    // qualityText.
    SolveOutcome SolveTemperaturePressure(std::string_view temperature, std::string_view pressure,
                                          const SteamUnits& units, SteamResults& results,
                                          std::string& qualityText);
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
                                    PropertyKind kind, const SteamUnits& units,
                                    SteamResults& results);
    bool inputsPresent(std::string_view first, const char* firstMessage, std::string_view second,
                       const char* secondMessage);
    // A value a rounding step outside a limit is put on the limit.
    bool temperatureInRange(double& t_F);
    bool pressureInRange(double& p_psia);
    bool positive(double value, const char* message);
    bool formulationHeld();
    double mixtureEnergy(double p_psia, double t_F, double t_K, double x_percent);

    Ifc67Context& m_ifc67;
    SaturationState& m_saturation;
    MessageSink m_sink;
};

}  // namespace chemeng
