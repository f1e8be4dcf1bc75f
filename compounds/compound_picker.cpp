#include "compounds/compound_picker.h"

namespace chemeng {

int findByText(const CompoundTable& table, int cell, const std::string& text, int first, int last) {
    for (int row = first; row <= last; ++row) {
        if (table.cell(row, cell) == text) return row;
    }
    return last + 1;
}

CompoundPicker::CompoundPicker(Dialog& dialog, const CompoundTable& table, PickerControls controls,
                               int nameCell, int formulaCell, MiscFormulaRange miscFormulaRange)
    : m_dialog(dialog),
      m_table(table),
      m_controls(controls),
      m_nameCell(nameCell),
      m_formulaCell(formulaCell),
      m_miscFormulaRange(miscFormulaRange) {}

namespace {
bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
}  // namespace

// Groups go by the first ASCII letter of the name, capitals only: small
// letters (and a name with no letter before any row had one) fall to R - X.
// A name without any letter goes where the previous row's letter sent it.
int CompoundPicker::letterGroupFor(const std::string& name, char& lastLetter) const {
    for (char c : name) {
        if (isAsciiLetter(c)) {
            lastLetter = c;
            break;
        }
    }
    const char letter = lastLetter;
    if (letter >= 'A' && letter <= 'D') return m_controls.groupAtoD;
    if (letter >= 'E' && letter <= 'H') return m_controls.groupEtoH;
    if (letter >= 'I' && letter <= 'L') return m_controls.groupItoL;
    if (letter >= 'M' && letter <= 'Q') return m_controls.groupMtoQ;
    return m_controls.groupRtoX;
}

void CompoundPicker::fill() {
    char lastLetter = 'R';
    for (int row = 0; row < m_table.mainCount; ++row) {
        m_dialog.addItem(m_controls.mainFormulas, m_table.cell(row, m_formulaCell));
        const std::string& name = m_table.cell(row, m_nameCell);
        m_dialog.addItem(letterGroupFor(name, lastLetter), name);
    }
    for (int row = m_table.mainCount; row < m_table.mainCount + m_table.miscCount; ++row) {
        m_dialog.addItem(m_controls.miscNames, m_table.cell(row, m_nameCell));
        m_dialog.addItem(m_controls.miscFormulas, m_table.cell(row, m_formulaCell));
    }
    for (int combo : {m_controls.groupAtoD, m_controls.groupEtoH, m_controls.groupItoL,
                      m_controls.groupMtoQ, m_controls.groupRtoX, m_controls.miscNames}) {
        m_dialog.setCurrentIndex(combo, 0);
    }
}

std::optional<int> CompoundPicker::rowChosen(int controlId, Notification notification) const {
    const int mainCount = m_table.mainCount;
    if (controlId == m_controls.mainFormulas && (notification == Notification::SelectionChange ||
                                                 notification == Notification::DoubleClick)) {
        const int index = m_dialog.currentIndex(controlId);
        if (index < 0) return std::nullopt;
        return index;
    }
    if (notification != Notification::SelectionChange) return std::nullopt;

    for (int group : {m_controls.groupAtoD, m_controls.groupEtoH, m_controls.groupItoL,
                      m_controls.groupMtoQ, m_controls.groupRtoX}) {
        if (controlId == group) {
            return findByText(m_table, m_nameCell, m_dialog.currentText(controlId), 0,
                              mainCount - 1);
        }
    }
    if (controlId == m_controls.miscNames) {
        return findByText(m_table, m_nameCell, m_dialog.currentText(controlId), mainCount,
                          mainCount + m_table.miscCount - 1);
    }
    if (controlId == m_controls.miscFormulas) {
        const int rows = m_miscFormulaRange == MiscFormulaRange::MiscCount
                             ? m_table.miscCount
                             : m_table.miscLiquidCount;
        return findByText(m_table, m_formulaCell, m_dialog.currentText(controlId), mainCount,
                          mainCount + rows - 1);
    }
    return std::nullopt;
}

}  // namespace chemeng
