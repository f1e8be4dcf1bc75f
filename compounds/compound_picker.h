#pragma once

#include <optional>
#include <string>

#include "compounds/compound_table.h"
#include "framework/dialog.h"
#include "framework/notification.h"

namespace chemeng {

// The controls of one page's compound picker, by control number.
struct PickerControls {
    int groupAtoD;
    int groupEtoH;
    int groupItoL;
    int groupMtoQ;
    int groupRtoX;
    int miscNames;
    int mainFormulas;  // unsorted: item k is row k
    int miscFormulas;  // sorted
};

// Which Miscellaneous rows the formula list searches: all of them, or only
// those with liquid data (the heat-capacity pages).
enum class MiscFormulaRange { MiscCount, MiscLiquidCount };

// First row in [first, last] whose cell equals text byte for byte; last + 1
// when none does.
int findByText(const CompoundTable& table, int cell, const std::string& text, int first, int last);

// Lets the user choose a compound of a page's table four ways: by name from a
// letter group or from the Miscellaneous names, by formula from the main
// formula list (by position) or from the Miscellaneous formulas. The lists
// hold copies of the table's cells; every choice is resolved against the
// table again.
class CompoundPicker {
  public:
    CompoundPicker(Dialog& dialog, const CompoundTable& table, PickerControls controls,
                   int nameCell, int formulaCell, MiscFormulaRange miscFormulaRange);

    // Fills the six combos and two lists from the table, then shows each
    // combo's first item without choosing anything.
    void fill();

    // The row a user's choice in one of the picker's controls stands for, or
    // nothing when the notification is not a choice in the picker (or the
    // main formula list has no current item).
    std::optional<int> rowChosen(int controlId, Notification notification) const;

  private:
    int letterGroupFor(const std::string& name, char& lastLetter) const;

    Dialog& m_dialog;
    const CompoundTable& m_table;
    PickerControls m_controls;
    int m_nameCell;
    int m_formulaCell;
    MiscFormulaRange m_miscFormulaRange;
};

}  // namespace chemeng
