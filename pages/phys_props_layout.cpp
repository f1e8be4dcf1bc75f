#include "pages/phys_props_layout.h"

#include <array>

namespace chemeng {

namespace {

using K = ControlKind;
using namespace PhysPropsCtl;

// Columns: 0 value label, 1 value, 2 note after the value, 3 and 4 the picker.
constexpr std::array kControls{
    ControlSpec{Name, K::Edit, "", 0, 0, 1, 3, kReadOnly | kCentered},
    ControlSpec{0, K::Label, "Formula", 1, 0},
    ControlSpec{Formula, K::Edit, "", 1, 1, 1, 1, kReadOnly | kNoBorder},

    ControlSpec{0, K::Label, "Molecular weight (g mol)", 2, 0},
    ControlSpec{MolecularWeight, K::Edit, "", 2, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "Freezing Point (K)", 3, 0},
    ControlSpec{FreezingPoint, K::Edit, "", 3, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "Boiling Point (K)", 4, 0},
    ControlSpec{BoilingPoint, K::Edit, "", 4, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "Critical Temperature (K)", 5, 0},
    ControlSpec{CriticalTemperature, K::Edit, "", 5, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "Critical Pressure (bar)", 6, 0},
    ControlSpec{CriticalPressure, K::Edit, "", 6, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "Critical Volume (cm³/mol)", 7, 0},
    ControlSpec{CriticalVolume, K::Edit, "", 7, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "Critical Density (g/cm³)", 8, 0},
    ControlSpec{CriticalDensity, K::Edit, "", 8, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "Critical Compressiblilty(Zc )", 9, 0},
    ControlSpec{CriticalCompressibility, K::Edit, "", 9, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "Ascentric Factor(ω)", 10, 0},
    ControlSpec{AcentricFactor, K::Edit, "", 10, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "Enthalpy of Formation(kJ/ g mol)", 11, 0},
    ControlSpec{EnthalpyOfFormation, K::Edit, "", 11, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "(at 298.15K)", 11, 2},
    ControlSpec{0, K::Label, "Enthalpy of Vaporization(kJ/g mol)", 12, 0},
    ControlSpec{EnthalpyOfVaporization, K::Edit, "", 12, 1, 1, 1, kRight},
    ControlSpec{0, K::Label, "(at normal boiling point)", 12, 2},

    ControlSpec{CompoundsHeading, K::Label, "Compounds", 1, 3, 1, 2, kBold},
    ControlSpec{0, K::Label, "A - D", 2, 3},
    ControlSpec{GroupAtoD, K::ComboBox, "", 3, 3, 1, 1, kSorted},
    ControlSpec{0, K::Label, "E - H", 2, 4},
    ControlSpec{GroupEtoH, K::ComboBox, "", 3, 4, 1, 1, kSorted},
    ControlSpec{0, K::Label, "I - L", 4, 3},
    ControlSpec{GroupItoL, K::ComboBox, "", 5, 3, 1, 1, kSorted},
    ControlSpec{0, K::Label, "M - Q", 4, 4},
    ControlSpec{GroupMtoQ, K::ComboBox, "", 5, 4, 1, 1, kSorted},
    ControlSpec{0, K::Label, "R - X", 6, 3},
    ControlSpec{GroupRtoX, K::ComboBox, "", 7, 3, 1, 1, kSorted},
    ControlSpec{0, K::Label, "Miscellaneous", 6, 4},
    ControlSpec{MiscNames, K::ComboBox, "", 7, 4, 1, 1, kSorted},
    ControlSpec{0, K::Label, "Formula", 8, 3},
    ControlSpec{MainFormulas, K::ListBox, "", 9, 3, 4, 1},
    ControlSpec{MiscFormulas, K::ListBox, "", 9, 4, 4, 1, kSorted},
};

constexpr PageLayout kLayout{"Physical Properties", kControls};

}  // namespace

const PageLayout& physPropsLayout() {
    return kLayout;
}

}  // namespace chemeng
