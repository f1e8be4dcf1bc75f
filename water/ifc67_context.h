#pragma once

#include <string>
#include <utility>

#include "framework/message_sink.h"

namespace chemeng {

// Which property an IFC-67 evaluation gives. In subregion 3, whose inputs are
// volume and temperature, Volume yields the pressure instead.
enum class PropertyKind { Entropy, Enthalpy, Volume };

// What SinglePhaseSearch looks for: the temperature at a given pressure, or
// the pressure at a given temperature.
enum class SearchMode { TemperatureAtPressure, PressureAtTemperature };

// The subregion-3 volumes found last, one per side of the saturation dome.
// A remembered volume is handed back for any later request on its side while
// its flag is set, so the owner clears the flags whenever (p, T) may change.
struct Subregion3VolumeMemory {
    double liquidVolume_ft3lb = 0.0;
    double vapourVolume_ft3lb = 0.0;
    bool liquidValid = false;
    bool vapourValid = false;

    void clearFlags() {
        liquidValid = false;
        vapourValid = false;
    }
};

// Working state of the English-unit IFC-67 evaluations, owned by the steam
// page: the formulation-error flag, the subregion-3 volume memory and the sink
// that shows the two messages of the subregion-3 volume search.
class Ifc67Context {
  public:
    Ifc67Context() = default;
    explicit Ifc67Context(MessageSink sink) : m_sink(std::move(sink)) {}

    // Clears the error flag and both memory flags: what every solve does first.
    void startSolve();

    bool formulationError() const { return m_formulationError; }
    void raiseFormulationError() { m_formulationError = true; }
    void clearFormulationError() { m_formulationError = false; }

    Subregion3VolumeMemory& volumeMemory() { return m_memory; }
    const Subregion3VolumeMemory& volumeMemory() const { return m_memory; }

    void setMessageSink(MessageSink sink) { m_sink = std::move(sink); }
    // Sends a message to the user; without a sink it is dropped.
    void show(const std::string& message) const;

  private:
    bool m_formulationError = false;
    Subregion3VolumeMemory m_memory;
    MessageSink m_sink;
};

}  // namespace chemeng
