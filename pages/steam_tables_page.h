#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>

#include "framework/bindings.h"
#include "framework/page.h"
#include "pages/pair_solvers.h"
#include "pages/steam_tables_layout.h"
#include "water/ifc67_context.h"
#include "water/saturated_phases.h"
#include "water/saturation_table.h"
#include "water/steam_units.h"

namespace chemeng {

class Dialog;

// What the page shows in its twelve edits.
struct SteamTexts {
    std::string temperature;
    std::string pressure;
    std::string quality;
    std::string liquidEnthalpy;
    std::string vapourEnthalpy;
    std::string mixtureEnthalpy;
    std::string liquidEnergy;
    std::string vapourEnergy;
    std::string mixtureEnergy;
    std::string liquidVolume;
    std::string vapourVolume;
    std::string mixtureVolume;
};

// Saturation choice: which single property a saturation calculation starts
// from.
enum class SaturationChoice {
    None,
    Temperature,
    Pressure,
    Enthalpy,
    InternalEnergy,
    Volume,
};

// The pair of properties chosen in superheated mode. (T, u) and (p, u) name
// pairs the selection rules never complete: internal energy is not a
// superheated input.
enum class PairCode {
    TP,
    TV,
    TH,
    TU,
    PV,
    PH,
    PU,
    Incomplete,
};

// The Steam Tables page: saturated properties from one property (or a
// temperature or pressure with a quality), and single-phase or saturated
// properties from a pair, in American or SI units.
class CSteamTables : public Page {
  public:
    // Reads <dataDir>/sat.txt at once; a missing file is reported through the
    // dialog and leaves the table empty.
    CSteamTables(Dialog& dialog, std::filesystem::path dataDir);

    const PageLayout& layout() const override;
    void onInitDialog() override;
    void onNotify(int controlId, Notification notification) override;
    bool onEnterKey() override;

    // --- state, for tests and the window ---
    SaturationChoice saturationChoice() const { return m_saturationChoice; }
    bool qualityChosen() const { return m_qualityChosen; }
    PairCode pairCode() const { return m_pairCode; }
    const SteamUnits& units() const { return m_units; }
    const SteamResults& results() const { return m_results; }
    const SteamTexts& texts() const { return m_texts; }
    const SaturationTable& saturationTable() const { return m_table; }

    // OK and Enter.
    void Compute();
    // Picks the tabulated row for a typed liquid enthalpy, liquid internal
    // energy or vapour volume; false after its message.
    bool LookUpSaturationRow(SaturationChoice property);

  private:
    // Superheated choice flags, in this order.
    enum Flag : std::size_t { kFlagT, kFlagP, kFlagH, kFlagV, kFlagU, kFlagX, kFlagCount };

    // A radio click: mode, property or unit.
    void onSelectionClick(int controlId);
    void toggleProperty(int radio);
    void toggleQuality();
    void setSuperheatedMode(bool on);
    void Refresh();
    void Clear();

    // Each is false when it stopped after a message and nothing is to be shown.
    bool computeSaturationAtTemperature(bool withQuality, double x);
    bool computeSaturationAtPressure(bool withQuality, double x);
    bool computeSuperheated();
    // The saturated liquid and vapour u, h and v into the result slots.
    void showSaturatedPhases(const SaturatedPhases& phases);
    void mixByQuality(double x);
    void toAmericanGrid();
    void showResults();
    void lockAllEdits();
    // Empties every result field, keeping what is typed in the edits the
    // current selection reads, and zeroes the result slots: no result on
    // screen may belong to other inputs, units or modes.
    void emptyResults();
    // Whether the current selection reads its input from this edit.
    bool isInput(int edit) const;
    // The twelve edits with the text each shows.
    static const std::array<std::pair<int, std::string SteamTexts::*>, 12>& textsByEdit();

    Dialog& m_dialog;
    Bindings m_bindings;
    SaturationTable m_table;
    // Working state of the IFC-67 evaluations (error flag, subregion-3 memory)
    // and the solvers using it.
    Ifc67Context m_ifc67;
    PairSolvers m_solvers;

    bool m_superheated = false;
    SaturationChoice m_saturationChoice = SaturationChoice::Temperature;
    bool m_qualityChosen = false;
    std::array<bool, kFlagCount> m_flags{};
    PairCode m_pairCode = PairCode::Incomplete;
    SteamUnits m_units;

    SteamTexts m_texts;
    SteamResults m_results;
};

}  // namespace chemeng
