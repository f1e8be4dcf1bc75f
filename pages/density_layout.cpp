#include "pages/density_layout.h"

#include <array>

namespace chemeng {

namespace {

using K = ControlKind;
namespace C = DensityCtl;

// Picker in columns 0-2, equation block in columns 4-9; column 3 is a gap.
constexpr std::array kControls{
    ControlSpec{C::Compounds, K::Label, "Compounds", 0, 0, 1, 3, kBold},
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

    ControlSpec{C::Name, K::Edit, "", 0, 4, 1, 6, kReadOnly | kCentered},
    ControlSpec{0, K::Label, "Fomula", 1, 4},
    ControlSpec{C::Formula, K::Edit, "", 1, 5, 1, 3, kReadOnly | kNoBorder},
    ControlSpec{0, K::Label, "Molecular weight (g mol)", 2, 4},
    ControlSpec{C::MolecularWeight, K::Edit, "", 2, 5, 1, 2, kCentered},
    ControlSpec{0, K::Label, "Density of Liquid ( g/mL)", 3, 4, 1, 3, kBold},
    ControlSpec{0, K::Label, "( T is in K)", 3, 7, 1, 2},
    ControlSpec{0, K::Label, "Min", 4, 4},
    ControlSpec{C::Tmin, K::Edit, "", 4, 5, 1, 1, kReadOnly | kCentered},
    ControlSpec{0, K::Label, "K", 4, 6},
    // rho = A * B^-(1-T/Tc)^(2/7); the exponent sits a row above B.
    ControlSpec{0, K::Label, "2/7", 5, 8},
    ControlSpec{C::A, K::Edit, "", 6, 4, 1, 1, kCentered},
    ControlSpec{0, K::Label, "*", 6, 5},
    ControlSpec{C::B, K::Edit, "", 6, 6, 1, 1, kCentered},
    ControlSpec{0, K::Label, " - (1-T/Tc)", 5, 7},
    ControlSpec{0, K::Label, "Temperature", 7, 4},
    ControlSpec{C::Temperature, K::Edit, "", 7, 5, 1, 1, kCentered},
    ControlSpec{C::Celsius, K::RadioButton, "°C", 7, 6, 1, 1, kNewGroup},
    ControlSpec{C::Fahrenheit, K::RadioButton, "°F", 7, 7},
    ControlSpec{C::Kelvin, K::RadioButton, "K", 7, 8},
    ControlSpec{C::Ok, K::PushButton, "OK", 8, 5},
    ControlSpec{0, K::Label, "ρ (mL)", 9, 4},
    ControlSpec{C::Density, K::Edit, "", 9, 5, 1, 1, kCentered},
};

constexpr PageLayout kLayout{"Density of Liquid", kControls};

}  // namespace

const PageLayout& densityLayout() {
    return kLayout;
}

}  // namespace chemeng
