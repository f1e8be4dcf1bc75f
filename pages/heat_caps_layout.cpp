#include "pages/heat_caps_layout.h"

#include <array>

namespace chemeng {

namespace {

using K = ControlKind;
using namespace HeatCapsCtl;

constexpr unsigned kShown = kReadOnly | kCentered;

// Widths in characters of the longest texts the data files give: names of
// up to 28 characters (the toolkit counts a combo's width in capitals X and
// adds room for an icon: 25 X hold the widest, 1,2-DIBROMOTETRAFLUOROETHANE), formulas of up to 8
// (main) and 14 (Miscellaneous) characters, ranges such as 294.72, results up to the seven integer
// digits and three decimals the rounding step holds. Each column of coefficients is as wide as its
// longest: a as cut (-857.214), b (-0.00277891), c and d
// (-2.884065e-05).
constexpr int kNameChars = 25;
constexpr int kMainFormulaChars = 8;
constexpr int kMiscFormulaChars = 14;
constexpr int kAChars = 10;
constexpr int kBChars = 12;
constexpr int kCChars = 13;
constexpr int kDChars = 13;
constexpr int kRangeChars = 7;
constexpr int kResultChars = 12;
constexpr int kInputChars = 10;

// Columns 0 and 1: the picker, each letter group beside its label, the two
// formula lists below. Columns 2 to 9: the compound, one phase per pair of
// rows (radio and range, then the polynomial, its coefficients in the even
// columns), and the computation. The phase radios and the unit radios are
// separate groups.
constexpr std::array kControls{
    ControlSpec{0, K::Label, "Compounds", 0, 0, 1, 2, kBold},
    ControlSpec{0, K::Label, "A - D", 1, 0},
    ControlSpec{GroupAtoD, K::ComboBox, "", 1, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "E - H", 2, 0},
    ControlSpec{GroupEtoH, K::ComboBox, "", 2, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "I - L", 3, 0},
    ControlSpec{GroupItoL, K::ComboBox, "", 3, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "M - Q", 4, 0},
    ControlSpec{GroupMtoQ, K::ComboBox, "", 4, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "R - X", 5, 0},
    ControlSpec{GroupRtoX, K::ComboBox, "", 5, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "Miscellaneous", 6, 0},
    ControlSpec{MiscNames, K::ComboBox, "", 6, 1, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "Formula", 7, 0, 1, 2},
    ControlSpec{MainFormulas, K::ListBox, "", 8, 0, 4, 1, kNone, kMainFormulaChars},
    ControlSpec{MiscFormulas, K::ListBox, "", 8, 1, 4, 1, kSorted, kMiscFormulaChars},

    ControlSpec{Name, K::Edit, "Name", 0, 2, 1, 8, kShown},
    ControlSpec{0, K::Label, "Fomula", 1, 2},
    ControlSpec{Formula, K::Edit, "Formula", 1, 3, 1, 2, kReadOnly, kMiscFormulaChars},
    ControlSpec{0, K::Label, "Molecular weight (g mol)", 1, 5, 1, 3},
    ControlSpec{MolecularWeight, K::Edit, "Molecular weight", 1, 8, 1, 2, kCentered, kRangeChars},

    ControlSpec{0, K::Label, "Heat Capacity Function", 2, 2, 1, 8, kBold},
    ControlSpec{0, K::Label, "(Cp (J/g/mol K) : T is in K) ", 3, 2, 1, 3},
    ControlSpec{0, K::Label, "Cp for gases is in the ideal state", 3, 5, 1, 5},

    ControlSpec{Gas, K::RadioButton, "Gas", 4, 2, 1, 1, kNewGroup},
    ControlSpec{0, K::Label, "Min", 4, 3},
    ControlSpec{GasTmin, K::Edit, "Gas Tmin", 4, 4, 1, 1, kShown, kRangeChars},
    ControlSpec{0, K::Label, "K   Max", 4, 5},
    ControlSpec{GasTmax, K::Edit, "Gas Tmax", 4, 6, 1, 1, kShown, kRangeChars},
    ControlSpec{0, K::Label, "K", 4, 7},
    ControlSpec{GasA, K::Edit, "Gas a", 5, 2, 1, 1, kShown, kAChars},
    ControlSpec{0, K::Label, "+", 5, 3},
    ControlSpec{GasB, K::Edit, "Gas b", 5, 4, 1, 1, kShown, kBChars},
    ControlSpec{0, K::Label, "*T +", 5, 5},
    ControlSpec{GasC, K::Edit, "Gas c", 5, 6, 1, 1, kShown, kCChars},
    ControlSpec{0, K::Label, "*T²+", 5, 7},
    ControlSpec{GasD, K::Edit, "Gas d", 5, 8, 1, 1, kShown, kDChars},
    ControlSpec{0, K::Label, "*T³", 5, 9},

    ControlSpec{Liquid, K::RadioButton, "Liquid", 6, 2},
    ControlSpec{0, K::Label, "Min", 6, 3},
    ControlSpec{LiquidTmin, K::Edit, "Liquid Tmin", 6, 4, 1, 1, kShown, kRangeChars},
    ControlSpec{0, K::Label, "K   Max", 6, 5},
    ControlSpec{LiquidTmax, K::Edit, "Liquid Tmax", 6, 6, 1, 1, kShown, kRangeChars},
    ControlSpec{0, K::Label, "K", 6, 7},
    ControlSpec{LiquidA, K::Edit, "Liquid a", 7, 2, 1, 1, kShown, kAChars},
    ControlSpec{0, K::Label, "+", 7, 3},
    ControlSpec{LiquidB, K::Edit, "Liquid b", 7, 4, 1, 1, kShown, kBChars},
    ControlSpec{0, K::Label, "*T +", 7, 5},
    ControlSpec{LiquidC, K::Edit, "Liquid c", 7, 6, 1, 1, kShown, kCChars},
    ControlSpec{0, K::Label, "*T²", 7, 7},

    ControlSpec{0, K::Label, "Temperature", 9, 2},
    ControlSpec{Temperature, K::Edit, "Temperature", 9, 3, 1, 2, kCentered, kInputChars},
    ControlSpec{Celsius, K::RadioButton, "°C", 9, 5, 1, 1, kNewGroup},
    ControlSpec{Fahrenheit, K::RadioButton, "°F", 9, 6},
    ControlSpec{Kelvin, K::RadioButton, "K", 9, 7},
    ControlSpec{Ok, K::PushButton, "OK", 10, 3, 1, 2},
    ControlSpec{0, K::Label, "Cp (J/(g/mol K)", 11, 2},
    ControlSpec{Cp, K::Edit, "Cp", 11, 3, 1, 2, kCentered, kResultChars},
};

constexpr PageLayout kLayout{"Heat Capacities", kControls};

}  // namespace

const PageLayout& heatCapsLayout() {
    return kLayout;
}

}  // namespace chemeng
