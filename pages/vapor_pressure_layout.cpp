#include "pages/vapor_pressure_layout.h"

#include <array>

namespace chemeng {

namespace {

using K = ControlKind;
namespace C = VaporPressureCtl;

// Widths in characters of the longest texts the data files give: names of
// up to 28 characters (the toolkit counts a combo's width in capitals X and
// adds room for an icon: 25 X hold the widest, 1,2-DIBROMOTETRAFLUOROETHANE), formulas of up to 8
// (main) and 14 (Miscellaneous) characters, the coefficients as cut, results up to the seven
// integer digits and three decimals the rounding step holds.
constexpr int kNameChars = 25;
constexpr int kMainFormulaChars = 8;
constexpr int kMiscFormulaChars = 14;
constexpr int kCoefficientChars = 9;
constexpr int kRangeChars = 7;
constexpr int kResultChars = 12;
constexpr int kInputChars = 10;

// Columns 0 and 1: the picker, each letter group beside its label, the two
// formula lists below. Columns 2 to 8: the compound, its range and the
// Antoine equation on one row.
constexpr std::array kControls{
    ControlSpec{0, K::Label, "Compounds", 0, 0, 1, 2, kBold},
    ControlSpec{0, K::Label, "A - D", 1, 0},
    ControlSpec{C::GroupAtoD, K::ComboBox, "", 1, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "E - H", 2, 0},
    ControlSpec{C::GroupEtoH, K::ComboBox, "", 2, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "I - L", 3, 0},
    ControlSpec{C::GroupItoL, K::ComboBox, "", 3, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "M - Q", 4, 0},
    ControlSpec{C::GroupMtoQ, K::ComboBox, "", 4, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "R - X", 5, 0},
    ControlSpec{C::GroupRtoX, K::ComboBox, "", 5, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "Miscellaneous", 6, 0},
    ControlSpec{C::MiscNames, K::ComboBox, "", 6, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "Formula", 7, 0, 1, 2},
    ControlSpec{C::MainFormulas, K::ListBox, "", 8, 0, 2, 1, kNone, kMainFormulaChars},
    ControlSpec{C::MiscFormulas, K::ListBox, "", 8, 1, 2, 1, kSorted, kMiscFormulaChars},

    ControlSpec{C::Name, K::Edit, "Name", 0, 2, 1, 7, kReadOnly | kCentered},
    ControlSpec{0, K::Label, "Fomula", 1, 2},
    ControlSpec{C::Formula, K::Edit, "Formula", 1, 3, 1, 3, kReadOnly, kMiscFormulaChars},
    ControlSpec{0, K::Label, "Vapor Pressure (mmHg)", 2, 2, 1, 3, kBold},
    ControlSpec{0, K::Label, "(T is in °C )", 2, 5, 1, 3},
    ControlSpec{0, K::Label, "Min", 3, 2},
    ControlSpec{C::Tmin, K::Edit, "Tmin", 3, 3, 1, 1, kReadOnly | kCentered, kRangeChars},
    ControlSpec{0, K::Label, "°C", 3, 4},
    ControlSpec{0, K::Label, "Max", 4, 2},
    ControlSpec{C::Tmax, K::Edit, "Tmax", 4, 3, 1, 1, kReadOnly | kCentered, kRangeChars},
    ControlSpec{0, K::Label, "°C", 4, 4},
    // log10 p* = A - B / (T + C)
    ControlSpec{0, K::Label, "log10p*=", 5, 2},
    ControlSpec{C::A, K::Edit, "A", 5, 3, 1, 1, kCentered, kCoefficientChars},
    ControlSpec{0, K::Label, "-", 5, 4},
    ControlSpec{C::B, K::Edit, "B", 5, 5, 1, 1, kCentered, kCoefficientChars},
    ControlSpec{0, K::Label, "/ (T +", 5, 6},
    ControlSpec{C::C, K::Edit, "C", 5, 7, 1, 1, kCentered, kCoefficientChars},
    ControlSpec{0, K::Label, ")", 5, 8},
    ControlSpec{0, K::Label, "Temperature", 6, 2},
    ControlSpec{C::Temperature, K::Edit, "Temperature", 6, 3, 1, 1, kNone, kInputChars},
    ControlSpec{C::Celsius, K::RadioButton, "°C", 6, 4, 1, 1, kNewGroup},
    ControlSpec{C::Fahrenheit, K::RadioButton, "°F", 6, 5},
    ControlSpec{C::Kelvin, K::RadioButton, "K", 6, 6},
    ControlSpec{C::Ok, K::PushButton, "OK", 7, 3},
    ControlSpec{0, K::Label, "p* (mmHg)", 8, 2},
    ControlSpec{C::Pressure, K::Edit, "p*", 8, 3, 1, 1, kCentered, kResultChars},
};

constexpr PageLayout kLayout{"Vapor Pressure", kControls};

}  // namespace

const PageLayout& vaporPressureLayout() {
    return kLayout;
}

}  // namespace chemeng
