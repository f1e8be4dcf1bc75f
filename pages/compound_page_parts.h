#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

// A number typed into a field, or nothing once the user has been told why
// not: `emptyMessage` for a field left blank, "<label>: '<text>' is not a
// number" for anything but one number as a whole (see parseTypedNumber).
std::optional<double> typedNumber(Dialog& dialog, const std::string& text, std::string_view label,
                                  const char* emptyMessage);

// The message refusing a typed text, naming the field (see
// notANumberMessage). A text longer than a message box line is quoted by its
// first 40 characters and "...".
std::string notANumberRefusal(std::string_view label, std::string_view text);

// A page's result edit. It shows a result rounded to thousandths in the
// general format, and is emptied whenever what it answered no longer stands
// (another compound, phase or unit, a refused computation), so that an old
// result never sits beside new inputs.
class ResultField {
  public:
    explicit ResultField(int controlId) : m_controlId(controlId) {}

    // For the page's bindings.
    const std::string* text() const { return &m_text; }

    // Rounds `value` to thousandths and holds it for the next push. A value
    // the display cannot hold (beyond the 32-bit step, or not finite) is
    // reported as "Result out of range" and empties the field instead; true
    // when the value is held.
    bool set(double value, Dialog& dialog);
    // Holds a value as it is, not computed here (a tabulated density).
    void setAsIs(double value);
    // Empties the field, on screen at once.
    void clear(Dialog& dialog);

  private:
    int m_controlId;
    std::string m_text = "0";  // the page opens with 0 in its result
};

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
