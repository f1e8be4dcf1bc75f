#pragma once

#include <optional>
#include <string>
#include <vector>

#include "compounds/compound_picker.h"
#include "framework/headless_dialog.h"

namespace chemeng::cli {

// Where a page's picker shows a compound, and how to choose it again.
struct PickerView {
    PickerControls controls;
    int nameDisplay;
    int formulaDisplay;
};

// A compound as the user can choose it: the picker control and item that
// choose it, and the name and formula the page then shows.
struct CompoundChoice {
    int controlId;
    int index;
    std::string name;
    std::string formula;
    bool miscellaneous;
};

// Every compound a page offers, main rows in row order, then the
// Miscellaneous ones in their list's order; found by choosing each through
// the page's own picker.
std::vector<CompoundChoice> listCompounds(HeadlessDialog& dialog, const PickerView& view);

struct MatchResult {
    std::optional<CompoundChoice> choice;   // the one compound meant
    std::vector<CompoundChoice> ambiguous;  // when several different ones match
};

// Matches a user's text against names and formulas: exactly as shown first,
// then ignoring case and blanks. A main compound wins over a Miscellaneous
// one; rows of the same name are one compound (the picker shows the first).
MatchResult matchCompound(const std::vector<CompoundChoice>& compounds, const std::string& text);

// Upper-case ASCII with every blank removed, for lenient comparison.
std::string normalised(const std::string& text);

}  // namespace chemeng::cli
