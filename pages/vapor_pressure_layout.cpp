#include "pages/vapor_pressure_layout.h"

#include <array>

namespace chemeng {

namespace {

using K = ControlKind;
namespace C = VaporPressureCtl;

// Picker in columns 0-2, equation block in columns 4-11; column 3 is a gap.
constexpr std::array kControls{
    ControlSpec{0, K::Label, "Compounds", 0, 0, 1, 3, kBold},
    ControlSpec{0, K::Label, "A - D", 1, 0},
    ControlSpec{0, K::Label, "E - H", 1, 1},
    ControlSpec{0, K::Label, "I - L", 1, 2},
    ControlSpec{C::GroupAtoD, K::ComboBox, "", 2, 0, 1, 1, kSorted},
    ControlSpec{C::GroupEtoH, K::ComboBox, "", 2, 1, 1, 1, kSorted},
    ControlSpec{C::GroupItoL, K::ComboBox, "", 2, 2, 1, 1, kSorted},
    ControlSpec{0, K::Label, "M - Q", 3, 0},
    ControlSpec{0, K::Label, "R - X", 3, 1},
    ControlSpec{0, K::Label, "Miscellaneous", 3, 2},
    ControlSpec{C::GroupMtoQ, K::ComboBox, "", 4, 0, 1, 1, kSorted},
    ControlSpec{C::GroupRtoX, K::ComboBox, "", 4, 1, 1, 1, kSorted},
    ControlSpec{C::MiscNames, K::ComboBox, "", 4, 2, 1, 1, kSorted},
    ControlSpec{0, K::Label, "Formula", 5, 0},
    ControlSpec{C::MainFormulas, K::ListBox, "", 6, 0, 5, 2},
    ControlSpec{C::MiscFormulas, K::ListBox, "", 6, 2, 5, 1, kSorted},

    ControlSpec{C::Name, K::Edit, "", 0, 4, 1, 8, kReadOnly | kCentered},
    ControlSpec{0, K::Label, "Fomula", 1, 4},
    ControlSpec{C::Formula, K::Edit, "", 1, 5, 1, 3, kReadOnly},
    ControlSpec{0, K::Label, "Vapor Pressure (mmHg)", 2, 4, 1, 4, kBold},
    ControlSpec{0, K::Label, "(T is in", 2, 8},
    ControlSpec{0, K::Label, "°C", 2, 9},
    ControlSpec{0, K::Label, ")", 2, 10},
    ControlSpec{0, K::Label, "Min", 3, 4},
    ControlSpec{C::Tmin, K::Edit, "", 3, 5, 1, 1, kReadOnly | kCentered},
    ControlSpec{0, K::Label, "°C", 3, 6},
    ControlSpec{0, K::Label, "Max", 3, 7},
    ControlSpec{C::Tmax, K::Edit, "", 3, 8, 1, 1, kReadOnly | kCentered},
    ControlSpec{0, K::Label, "°C", 3, 9},
    // log10 p* = A - B / (T + C), over two rows
    ControlSpec{0, K::Label, "log10p*=", 4, 4},
    ControlSpec{C::A, K::Edit, "", 4, 5, 1, 1, kCentered},
    ControlSpec{0, K::Label, "-", 4, 6},
    ControlSpec{C::B, K::Edit, "", 4, 7, 1, 2, kCentered},
    ControlSpec{0, K::Label, "/ (T +", 5, 4},
    ControlSpec{C::C, K::Edit, "", 5, 5, 1, 1, kCentered},
    ControlSpec{0, K::Label, ")", 5, 6},
    ControlSpec{0, K::Label, "Temperature", 6, 4},
    ControlSpec{C::Temperature, K::Edit, "", 6, 5},
    ControlSpec{C::Celsius, K::RadioButton, "°C", 6, 6, 1, 1, kNewGroup},
    ControlSpec{C::Fahrenheit, K::RadioButton, "°F", 6, 7},
    ControlSpec{C::Kelvin, K::RadioButton, "K", 6, 8},
    ControlSpec{C::Ok, K::PushButton, "OK", 7, 5},
    ControlSpec{0, K::Label, "p* (mmHg)", 8, 4},
    ControlSpec{C::Pressure, K::Edit, "", 8, 5, 1, 1, kCentered},
};

constexpr PageLayout kLayout{"Vapor Pressure", kControls};

}  // namespace

const PageLayout& vaporPressureLayout() {
    return kLayout;
}

}  // namespace chemeng
