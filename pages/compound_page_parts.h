#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "compounds/compound_picker.h"
#include "compounds/compound_table.h"
#include "framework/dialog.h"
#include "framework/message_sink.h"
#include "framework/notification.h"
#include "framework/temperature_unit.h"

namespace chemeng {

// The °C, °F and K radios of a compound page, by control number.
struct UnitRadios {
    int celsius;
    int fahrenheit;
    int kelvin;
};

// Checks the radio of `unit` and clears the other two.
void showTemperatureUnit(Dialog& dialog, const UnitRadios& radios, TemperatureUnit unit);

// The unit a click chooses, or nothing when the notification is not a click
// on one of the radios. A click only stores the choice; nothing recomputes.
std::optional<TemperatureUnit> unitClicked(const UnitRadios& radios, int controlId,
                                           Notification notification);

// Rounds a computed result to thousandths into `result`. A value the
// thousandths display cannot hold (beyond the 32-bit step, or not finite) is
// reported instead and leaves `result` as it was; true when it was stored.
bool roundIntoResult(double value, double& result, Dialog& dialog);

// A compound page's table and picker. The table is read when the page is
// first shown; every picker choice is resolved against it.
class PageCompounds {
  public:
    using Loader = std::function<CompoundTable(const std::filesystem::path&, const MessageSink&)>;

    PageCompounds(Dialog& dialog, std::filesystem::path dataDir, int cellsPerRow,
                  PickerControls controls, MiscFormulaRange miscFormulaRange);
    PageCompounds(const PageCompounds&) = delete;
    PageCompounds& operator=(const PageCompounds&) = delete;

    // Reads the page's files (each failure shown in a message box) and fills
    // the picker.
    void load(const Loader& loader);

    // The row a picker choice stands for (see CompoundPicker::rowChosen).
    std::optional<int> rowChosen(int controlId, Notification notification) const {
        return m_picker.rowChosen(controlId, notification);
    }

    const CompoundTable& table() const { return m_table; }
    const std::string& cell(int row, int cell) const { return m_table.cell(row, cell); }

  private:
    Dialog& m_dialog;
    std::filesystem::path m_dataDir;
    CompoundTable m_table;
    CompoundPicker m_picker;
};

}  // namespace chemeng
