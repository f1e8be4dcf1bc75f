#pragma once

#include <filesystem>
#include <string>

#include "compounds/compound_loaders.h"
#include "compounds/compound_picker.h"
#include "compounds/compound_table.h"
#include "framework/dialog.h"
#include "framework/notification.h"
#include "framework/temperature_unit.h"
#include "pages/heat_capacity_controls.h"

namespace chemeng {

enum class Phase { Gas, Liquid };

// The heat-capacity polynomial of one phase as a row of the table holds it:
// Cp = a + b*T + c*T^2 + d*T^3 in J/(g mol K), T in K, valid from tmin_K to
// tmax_K. The liquid has no d.
struct PhaseCoefficients {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
    double tmin_K = 0.0;
    double tmax_K = 0.0;
};

// A typed temperature in kelvin. The Fahrenheit scale goes through 273.16 on
// both pages; the Celsius offset is the page's own (273 or 273.16).
double temperatureToKelvin(double value, TemperatureUnit unit, double celsiusOffset_K);

// Rounds a result to thousandths into `result`. A value the rounding cannot
// hold (beyond the 32-bit step, or not finite) is reported as
// "Result out of range" and leaves `result` as it was.
void roundIntoResult(double value, double& result, Dialog& dialog);

inline constexpr const char* kResultOutOfRange = "Result out of range";

// What the Heat Capacities and Enthalpies pages share: the compound table
// from Cpgas/Cpliq/HCG/HCL, its picker, the name/formula/weight texts, and the
// phase and unit choices. It keeps the coefficients of the chosen phase as
// read from the chosen row; those of the other phase are always zero. Each
// page turns them into the numbers it shows.
class HeatCapacityCompounds {
  public:
    HeatCapacityCompounds(Dialog& dialog, std::filesystem::path dataDir, GasRangeRule gasRanges);
    HeatCapacityCompounds(const HeatCapacityCompounds&) = delete;
    HeatCapacityCompounds& operator=(const HeatCapacityCompounds&) = delete;

    // Starting choices (gas, °C) with their check marks, then the table is
    // loaded (file failures go to the dialog's message box) and the picker
    // filled.
    void initialise();

    // Handles the picker, the phase radios and the unit radios. True when the
    // shown compound data changed, so the page has to refresh its numbers and
    // push them.
    bool onNotify(int controlId, Notification notification);

    Phase phase() const { return m_phase; }
    TemperatureUnit temperatureUnit() const { return m_unit; }
    const PhaseCoefficients& gas() const { return m_gas; }
    const PhaseCoefficients& liquid() const { return m_liquid; }

    // Display texts, for the page's bindings.
    const std::string& name() const { return m_name; }
    const std::string& formula() const { return m_formula; }
    const std::string& molecularWeight() const { return m_molecularWeight; }

  private:
    void showRow(int row);
    void loadPhase(int row);
    void switchToGas();
    void switchToLiquid();
    PhaseCoefficients coefficientsOf(int row, Phase phase) const;

    Dialog& m_dialog;
    std::filesystem::path m_dataDir;
    GasRangeRule m_gasRanges;
    CompoundTable m_table;
    CompoundPicker m_picker;

    std::string m_name;
    std::string m_formula;
    std::string m_molecularWeight;
    Phase m_phase = Phase::Gas;
    TemperatureUnit m_unit = TemperatureUnit::Celsius;
    PhaseCoefficients m_gas;
    PhaseCoefficients m_liquid;
};

}  // namespace chemeng
