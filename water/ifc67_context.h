#pragma once

#include <vector>

namespace chemeng {

// Which property an IFC-67 evaluation gives. In subregion 3, whose inputs are
// volume and temperature, Volume yields the pressure instead.
enum class PropertyKind { Entropy, Enthalpy, Volume };

// What SinglePhaseSearch looks for: the temperature at a given pressure, or
// the pressure at a given temperature.
enum class SearchMode { TemperatureAtPressure, PressureAtTemperature };

// Why a subregion-3 volume search gave up, in the order the searches failed,
// so that a front end can tell the user each time.
enum class Subregion3Failure {
    PressureOutOfRange,  // outside 2002.78 to 6000 psia
    NotConverged,        // 100 trial points without meeting the tolerance
};

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

// Working state of the English-unit IFC-67 evaluations, owned by whoever runs
// a calculation: the formulation-error flag, the subregion-3 volume memory and
// the record of failed subregion-3 volume searches.
class Ifc67Context {
  public:
    // Clears the error flag, both memory flags and the failure record: what
    // every solve does first.
    void startSolve();

    bool formulationError() const { return m_formulationError; }
    void raiseFormulationError() { m_formulationError = true; }

    Subregion3VolumeMemory& volumeMemory() { return m_memory; }
    const Subregion3VolumeMemory& volumeMemory() const { return m_memory; }

    void recordFailure(Subregion3Failure failure) { m_failures.push_back(failure); }
    const std::vector<Subregion3Failure>& failures() const { return m_failures; }

  private:
    bool m_formulationError = false;
    Subregion3VolumeMemory m_memory;
    std::vector<Subregion3Failure> m_failures;
};

}  // namespace chemeng
