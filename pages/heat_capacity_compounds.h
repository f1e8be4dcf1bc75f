#pragma once

#include <filesystem>
#include <string>

#include "compounds/compound_loaders.h"
#include "compounds/heat_capacity_correlation.h"
#include "framework/dialog.h"
#include "framework/notification.h"
#include "framework/temperature_unit.h"
#include "pages/compound_page_parts.h"
#include "pages/heat_capacity_controls.h"

namespace chemeng {

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

    // What a notification changed.
    enum class Change {
        None,
        Compound,  // a compound or a phase was chosen: new coefficients to show
        Unit,      // a temperature unit was chosen
    };
    // Handles the picker, the phase radios and the unit radios.
    Change onNotify(int controlId, Notification notification);

    Phase phase() const { return m_phase; }
    TemperatureUnit temperatureUnit() const { return m_unit; }
    const HeatCapacityCoefficients& gas() const { return m_gas; }
    const HeatCapacityCoefficients& liquid() const { return m_liquid; }
    const HeatCapacityCoefficients& chosen() const {
        return m_phase == Phase::Gas ? m_gas : m_liquid;
    }

    // Display texts, for the page's bindings.
    const std::string& name() const { return m_name; }
    const std::string& formula() const { return m_formula; }
    const std::string& molecularWeight() const { return m_molecularWeight; }

  private:
    void showRow(int row);
    void loadPhase(int row);
    void switchToGas();
    void switchToLiquid();

    Dialog& m_dialog;
    GasRangeRule m_gasRanges;
    PageCompounds m_compounds;

    std::string m_name;
    std::string m_formula;
    std::string m_molecularWeight;
    Phase m_phase = Phase::Gas;
    TemperatureUnit m_unit = TemperatureUnit::Celsius;
    HeatCapacityCoefficients m_gas;
    HeatCapacityCoefficients m_liquid;
};

}  // namespace chemeng
