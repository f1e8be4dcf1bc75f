#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

#include "framework/bindings.h"
#include "framework/page.h"
#include "pages/pair_solvers.h"
#include "pages/steam_tables_layout.h"
#include "water/ifc67_context.h"
#include "water/saturation_state.h"
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
enum SaturationChoice : int {
    kNoProperty = -1,
    kTemperature = 0,
    kPressure = 1,
    kEnthalpy = 2,
    kInternalEnergy = 3,
    kVolume = 4,
};

// Pair codes of superheated mode.
enum PairCode : int {
    kPairTP = 1,
    kPairTV = 2,
    kPairTH = 3,
    kPairTU = 4,
    kPairPV = 5,
    kPairPH = 6,
    kPairPU = 7,
    kPairIncomplete = 100,
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
    bool superheatedMode() const { return m_superheated != 0; }
    int saturationChoice() const { return m_saturationChoice; }
    bool qualityChosen() const { return m_qualityChosen != 0; }
    int pairCode() const { return m_pairCode; }
    const SteamUnits& units() const { return m_units; }
    const SteamResults& results() const { return m_results; }
    const SteamTexts& texts() const { return m_texts; }
    const SaturationTable& saturationTable() const { return m_table; }

    // OK and Enter.
    void Compute();
    // Picks the tabulated row for a typed liquid enthalpy (2), liquid internal
    // energy (3) or vapour volume (4); false after its message.
    bool LookUpSaturationRow(int property);

  private:
    // Superheated choice flags, in this order.
    enum Flag : std::size_t { kFlagT, kFlagP, kFlagH, kFlagV, kFlagU, kFlagX, kFlagCount };

    void toggleProperty(int radio);
    void toggleQuality();
    void setSuperheatedMode(bool on);
    void Refresh();
    void Clear();

    // Each is false when it stopped after a message and nothing is to be shown.
    bool computeSaturationAtTemperature(bool withQuality, double x);
    bool computeSaturationAtPressure(bool withQuality, double x);
    bool computeSuperheated();
    // Saturated liquid and vapour u, h and v at T from the working numbers.
    void saturatedPhases(double t_K);
    void mixByQuality(double x);
    void toAmericanGrid();
    void showResults();
    void lockAllEdits();

    Dialog& m_dialog;
    Bindings m_bindings;
    SaturationTable m_table;
    // Working state of the formulations: the saturation working numbers, the
    // IFC-67 error flag and subregion-3 memory, and the solvers using them.
    SaturationState m_saturation;
    Ifc67Context m_ifc67;
    PairSolvers m_solvers;

    int m_superheated = 0;
    int m_saturationChoice = kTemperature;
    int m_qualityChosen = 0;
    std::array<int, kFlagCount> m_flags{};
    int m_pairCode = kPairIncomplete;
    SteamUnits m_units;

    SteamTexts m_texts;
    SteamResults m_results;
};

}  // namespace chemeng
