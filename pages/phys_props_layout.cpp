#include "pages/phys_props_layout.h"

#include <array>

namespace chemeng {

namespace {

using K = ControlKind;
using namespace PhysPropsCtl;

// Widths in characters of the longest texts the data files give: names of
// up to 28 characters (the toolkit counts a combo's width in capitals X and
// adds room for an icon: 25 X hold the widest, 1,2-DIBROMOTETRAFLUOROETHANE), formulas of up to 8
// (main) and 14 (Miscellaneous) characters, values cut from windows of at most 9 characters.
constexpr int kNameChars = 25;
constexpr int kMainFormulaChars = 8;
constexpr int kMiscFormulaChars = 14;
constexpr int kValueChars = 10;

// Columns: 0 value label, 1 value, 2 note after the value, 3 and 4 the
// picker, each letter group beside its label, the two formula lists below.
// The name sits in a frame across the top of the values.
constexpr std::array kControls{
    ControlSpec{0, K::GroupBox, "", 0, 0, 1, 3},
    ControlSpec{Name, K::Edit, "Name", 0, 0, 1, 3, kReadOnly | kCentered},
    ControlSpec{0, K::Label, "Formula", 1, 0},
    ControlSpec{Formula, K::Edit, "Formula", 1, 1, 1, 1, kReadOnly | kNoBorder, kMiscFormulaChars},

    ControlSpec{0, K::Label, "Molecular weight (g mol)", 2, 0},
    ControlSpec{MolecularWeight, K::Edit, "Molecular weight", 2, 1, 1, 1, kRight, kValueChars},
    ControlSpec{0, K::Label, "Freezing Point (K)", 3, 0},
    ControlSpec{FreezingPoint, K::Edit, "Freezing Point", 3, 1, 1, 1, kRight, kValueChars},
    ControlSpec{0, K::Label, "Boiling Point (K)", 4, 0},
    ControlSpec{BoilingPoint, K::Edit, "Boiling Point", 4, 1, 1, 1, kRight, kValueChars},
    ControlSpec{0, K::Label, "Critical Temperature (K)", 5, 0},
    ControlSpec{CriticalTemperature, K::Edit, "Critical Temperature", 5, 1, 1, 1, kRight,
                kValueChars},
    ControlSpec{0, K::Label, "Critical Pressure (bar)", 6, 0},
    ControlSpec{CriticalPressure, K::Edit, "Critical Pressure", 6, 1, 1, 1, kRight, kValueChars},
    ControlSpec{0, K::Label, "Critical Volume (cm³/mol)", 7, 0},
    ControlSpec{CriticalVolume, K::Edit, "Critical Volume", 7, 1, 1, 1, kRight, kValueChars},
    ControlSpec{0, K::Label, "Critical Density (g/cm³)", 8, 0},
    ControlSpec{CriticalDensity, K::Edit, "Critical Density", 8, 1, 1, 1, kRight, kValueChars},
    ControlSpec{0, K::Label, "Critical Compressiblilty(Zc )", 9, 0},
    ControlSpec{CriticalCompressibility, K::Edit, "Critical Compressibility", 9, 1, 1, 1, kRight,
                kValueChars},
    ControlSpec{0, K::Label, "Ascentric Factor(ω)", 10, 0},
    ControlSpec{AcentricFactor, K::Edit, "Acentric Factor", 10, 1, 1, 1, kRight, kValueChars},
    ControlSpec{0, K::Label, "Enthalpy of Formation(kJ/ g mol)", 11, 0},
    ControlSpec{EnthalpyOfFormation, K::Edit, "Enthalpy of Formation", 11, 1, 1, 1, kRight,
                kValueChars},
    ControlSpec{0, K::Label, "(at 298.15K)", 11, 2},
    ControlSpec{0, K::Label, "Enthalpy of Vaporization(kJ/g mol)", 12, 0},
    ControlSpec{EnthalpyOfVaporization, K::Edit, "Enthalpy of Vaporization", 12, 1, 1, 1, kRight,
                kValueChars},
    ControlSpec{0, K::Label, "(at normal boiling point)", 12, 2},

    ControlSpec{CompoundsHeading, K::Label, "Compounds", 0, 3, 1, 2, kBold},
    ControlSpec{0, K::Label, "A - D", 1, 3},
    ControlSpec{GroupAtoD, K::ComboBox, "", 1, 4, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "E - H", 2, 3},
    ControlSpec{GroupEtoH, K::ComboBox, "", 2, 4, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "I - L", 3, 3},
    ControlSpec{GroupItoL, K::ComboBox, "", 3, 4, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "M - Q", 4, 3},
    ControlSpec{GroupMtoQ, K::ComboBox, "", 4, 4, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "R - X", 5, 3},
    ControlSpec{GroupRtoX, K::ComboBox, "", 5, 4, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "Miscellaneous", 6, 3},
    ControlSpec{MiscNames, K::ComboBox, "", 6, 4, 1, 1, kSorted, kNameChars},
    ControlSpec{0, K::Label, "Formula", 7, 3, 1, 2},
    ControlSpec{MainFormulas, K::ListBox, "", 8, 3, 5, 1, kNone, kMainFormulaChars},
    ControlSpec{MiscFormulas, K::ListBox, "", 8, 4, 5, 1, kSorted, kMiscFormulaChars},
};

constexpr PageLayout kLayout{"Physical Properties", kControls};

}  // namespace

const PageLayout& physPropsLayout() {
    return kLayout;
}

}  // namespace chemeng
