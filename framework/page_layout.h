#pragma once

#include <span>
#include <string_view>

namespace chemeng {

enum class ControlKind {
    Label,        // static text; no identity needed (id 0)
    GroupBox,     // frame with a title around a block of controls
    Edit,         // single-line edit
    ComboBox,     // drop-down list, no typing
    ListBox,      // single-selection list
    RadioButton,  // automatic radio button
    PushButton,
};

// Flags that change a control's behaviour or look.
enum ControlFlag : unsigned {
    kNone = 0,
    kSorted = 1u << 0,    // combo/list inserts items in sorted place
    kReadOnly = 1u << 1,  // edit starts read-only
    kCentered = 1u << 2,  // edit text centred
    kRight = 1u << 3,     // edit text right-aligned
    kNoBorder = 1u << 4,  // edit without frame
    kNewGroup = 1u << 5,  // radio starts an independent group
    kBold = 1u << 6,      // label emphasised (headings)
    kRaised = 1u << 7,    // label set as an exponent: smaller, at the top of its cell
};

// One control of a page: identity, kind, caption, and its cell in the page's
// grid (row, column, spans). Geometry is a grid, not dialog units. An edit's
// label is not drawn: it names the field in messages and to screen readers.
// widthChars sizes an edit or a combo for the longest text it can show, in
// characters (digits for an edit, capitals for a combo); 0 leaves the
// toolkit's default.
struct ControlSpec {
    int id;
    ControlKind kind;
    std::string_view label;
    int row;
    int column;
    int rowSpan = 1;
    int columnSpan = 1;
    unsigned flags = kNone;
    int widthChars = 0;
};

struct PageLayout {
    std::string_view caption;  // the tab's caption
    std::span<const ControlSpec> controls;

    const ControlSpec* find(int id) const {
        for (const ControlSpec& control : controls) {
            if (control.id == id) return &control;
        }
        return nullptr;
    }
};

}  // namespace chemeng
