#include "pages/heat_caps_layout.h"

#include <array>

namespace chemeng {

namespace {

using K = ControlKind;
using namespace HeatCapsCtl;

constexpr unsigned kShown = kReadOnly | kCentered;

// Columns: 0 and 1 the picker; 2 to 9 the compound, one phase per pair of
// rows (radio and range, then the polynomial), and the computation. The
// phase radios and the unit radios are separate groups.
constexpr std::array kControls{
    ControlSpec{0, K::Label, "Compounds", 0, 0, 1, 2, kBold},
    ControlSpec{0, K::Label, "A - D", 1, 0},
    ControlSpec{GroupAtoD, K::ComboBox, "", 2, 0, 1, 1, kSorted},
    ControlSpec{0, K::Label, "E - H", 1, 1},
    ControlSpec{GroupEtoH, K::ComboBox, "", 2, 1, 1, 1, kSorted},
    ControlSpec{0, K::Label, "I - L", 3, 0},
    ControlSpec{GroupItoL, K::ComboBox, "", 4, 0, 1, 1, kSorted},
    ControlSpec{0, K::Label, "M - Q", 3, 1},
    ControlSpec{GroupMtoQ, K::ComboBox, "", 4, 1, 1, 1, kSorted},
    ControlSpec{0, K::Label, "R - X", 5, 0},
    ControlSpec{GroupRtoX, K::ComboBox, "", 6, 0, 1, 1, kSorted},
    ControlSpec{0, K::Label, "Miscellaneous", 5, 1},
    ControlSpec{MiscNames, K::ComboBox, "", 6, 1, 1, 1, kSorted},
    ControlSpec{0, K::Label, "Formula", 7, 0},
    ControlSpec{MainFormulas, K::ListBox, "", 8, 0, 5, 1},
    ControlSpec{MiscFormulas, K::ListBox, "", 8, 1, 5, 1, kSorted},

    ControlSpec{Name, K::Edit, "", 0, 2, 1, 8, kShown},
    ControlSpec{0, K::Label, "Fomula", 1, 2},
    ControlSpec{Formula, K::Edit, "", 1, 3, 1, 2, kReadOnly},
    ControlSpec{0, K::Label, "Molecular weight (g mol)", 1, 5, 1, 3},
    ControlSpec{MolecularWeight, K::Edit, "", 1, 8, 1, 2, kCentered},

    ControlSpec{0, K::Label, "Heat Capacity Function", 2, 2, 1, 8, kBold},
    ControlSpec{0, K::Label, "(Cp (J/g/mol K) : T is in K) ", 3, 2, 1, 4},
    ControlSpec{0, K::Label, "Cp for gases is in the ideal state", 3, 6, 1, 4},

    ControlSpec{Gas, K::RadioButton, "Gas", 4, 2, 1, 1, kNewGroup},
    ControlSpec{0, K::Label, "Min", 4, 3},
    ControlSpec{GasTmin, K::Edit, "", 4, 4, 1, 1, kShown},
    ControlSpec{0, K::Label, "K", 4, 5},
    ControlSpec{0, K::Label, "Max", 4, 6},
    ControlSpec{GasTmax, K::Edit, "", 4, 7, 1, 1, kShown},
    ControlSpec{0, K::Label, "K", 4, 8},
    ControlSpec{GasA, K::Edit, "", 5, 2, 1, 1, kShown},
    ControlSpec{0, K::Label, "+", 5, 3},
    ControlSpec{GasB, K::Edit, "", 5, 4, 1, 1, kShown},
    ControlSpec{0, K::Label, "*T +", 5, 5},
    ControlSpec{GasC, K::Edit, "", 5, 6, 1, 1, kShown},
    ControlSpec{0, K::Label, "*T²+", 5, 7},
    ControlSpec{GasD, K::Edit, "", 5, 8, 1, 1, kShown},
    ControlSpec{0, K::Label, "*T³", 5, 9},

    ControlSpec{Liquid, K::RadioButton, "Liquid", 6, 2},
    ControlSpec{0, K::Label, "Min", 6, 3},
    ControlSpec{LiquidTmin, K::Edit, "", 6, 4, 1, 1, kShown},
    ControlSpec{0, K::Label, "K", 6, 5},
    ControlSpec{0, K::Label, "Max", 6, 6},
    ControlSpec{LiquidTmax, K::Edit, "", 6, 7, 1, 1, kShown},
    ControlSpec{0, K::Label, "K", 6, 8},
    ControlSpec{LiquidA, K::Edit, "", 7, 2, 1, 1, kShown},
    ControlSpec{0, K::Label, "+", 7, 3},
    ControlSpec{LiquidB, K::Edit, "", 7, 4, 1, 1, kShown},
    ControlSpec{0, K::Label, "*T +", 7, 5},
    ControlSpec{LiquidC, K::Edit, "", 7, 6, 1, 1, kShown},
    ControlSpec{0, K::Label, "*T²", 7, 7},

    ControlSpec{0, K::Label, "Temperature", 9, 2},
    ControlSpec{Temperature, K::Edit, "", 9, 3, 1, 2, kCentered},
    ControlSpec{Celsius, K::RadioButton, "°C", 9, 5, 1, 1, kNewGroup},
    ControlSpec{Fahrenheit, K::RadioButton, "°F", 9, 6},
    ControlSpec{Kelvin, K::RadioButton, "K", 9, 7},
    ControlSpec{Ok, K::PushButton, "OK", 10, 3, 1, 2},
    ControlSpec{0, K::Label, "Cp (J/(g/mol K)", 11, 2, 1, 2},
    ControlSpec{Cp, K::Edit, "", 11, 4, 1, 2, kCentered},
};

constexpr PageLayout kLayout{"Heat Capacities", kControls};

}  // namespace

const PageLayout& heatCapsLayout() {
    return kLayout;
}

}  // namespace chemeng
