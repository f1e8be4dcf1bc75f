#include "pages/steam_tables_layout.h"

#include <array>

namespace chemeng {

namespace {

namespace C = SteamTablesCtl;
using K = ControlKind;

// Every value is shown with three decimals; the largest, a pressure of some
// 40000 kPa or a vapour volume at the lowest pressures, fits in 11 digits.
constexpr int kValueChars = 11;

// Grid columns: 0 and 1 the property radios (OK and Clear below them), 2-4
// the Liquid, Vapor and Mixture edits, 5 American units, 6 SI units. Group
// boxes frame the whole page, the two mode radios, and the property rows with
// the grid. Every radio belongs to one group, as on the original page: a
// click takes every other check mark and the page's Refresh puts the state
// back.
constexpr std::array kControls{
    ControlSpec{0, K::GroupBox, "", 0, 0, 10, 7},
    ControlSpec{0, K::GroupBox, "", 0, 0, 2, 2},
    ControlSpec{C::SuperheatedMode, K::RadioButton, "Superheated Properties", 0, 0, 1, 2,
                kNewGroup},
    ControlSpec{C::SaturationMode, K::RadioButton, "Saturation Properties", 1, 0, 1, 2},
    ControlSpec{0, K::Label,
                "Pick two values for Superheated properties.  Pick one value for Saturation "
                "properties except if you involve Quality; then pick a second property other "
                "than Quality. Not every pair of properties can arbitrarily be selected. ",
                0, 2, 1, 5},
    ControlSpec{0, K::Label, "Allow some time for complicated calculations.", 1, 2, 1, 5},

    ControlSpec{0, K::GroupBox, "", 2, 0, 8, 7},
    ControlSpec{C::TemperatureChoice, K::RadioButton, "Temperature", 2, 0, 1, 2},
    ControlSpec{C::Temperature, K::Edit, "Temperature", 2, 2, 1, 1, kNone, kValueChars},
    ControlSpec{C::Celsius, K::RadioButton, "°C", 2, 3},
    ControlSpec{C::Fahrenheit, K::RadioButton, "°F", 2, 4},
    ControlSpec{C::Kelvin, K::RadioButton, "K", 2, 5},

    ControlSpec{C::PressureChoice, K::RadioButton, "Pressure", 3, 0, 1, 2},
    ControlSpec{C::Pressure, K::Edit, "Pressure", 3, 2, 1, 1, kNone, kValueChars},
    ControlSpec{C::KPa, K::RadioButton, "kPa", 3, 3},
    ControlSpec{C::Bar, K::RadioButton, "bar", 3, 4},
    ControlSpec{C::MmHg, K::RadioButton, "mmHg", 3, 5},
    ControlSpec{C::InHg, K::RadioButton, "inHg", 4, 3},
    ControlSpec{C::Atm, K::RadioButton, "atm", 4, 4},
    ControlSpec{C::Psia, K::RadioButton, "psia", 4, 5},

    ControlSpec{C::QualityChoice, K::RadioButton, "Quality", 5, 0, 1, 2},
    ControlSpec{C::Quality, K::Edit, "Quality", 5, 2, 1, 1, kNone, kValueChars},
    ControlSpec{0, K::Label, "%", 5, 3},

    ControlSpec{C::Ok, K::PushButton, "OK", 6, 0},
    ControlSpec{C::Clear, K::PushButton, "Clear", 6, 1},
    ControlSpec{0, K::Label, "Liquid", 6, 2, 1, 1, kBold},
    ControlSpec{0, K::Label, "Vapor", 6, 3, 1, 1, kBold},
    ControlSpec{0, K::Label, "Mixture", 6, 4, 1, 1, kBold},
    ControlSpec{C::American, K::RadioButton, "American", 6, 5},
    ControlSpec{C::SI, K::RadioButton, "SI", 6, 6},

    ControlSpec{C::EnthalpyChoice, K::RadioButton, "Specific Enthalpy(Ĥ)", 7, 0, 1, 2},
    ControlSpec{C::LiquidEnthalpy, K::Edit, "Liquid enthalpy", 7, 2, 1, 1, kNone, kValueChars},
    ControlSpec{C::VapourEnthalpy, K::Edit, "Vapor enthalpy", 7, 3, 1, 1, kNone, kValueChars},
    ControlSpec{C::MixtureEnthalpy, K::Edit, "Mixture enthalpy", 7, 4, 1, 1, kNone, kValueChars},
    ControlSpec{0, K::Label, "Btu/lb", 7, 5},
    ControlSpec{0, K::Label, "kJ/kg", 7, 6},

    ControlSpec{C::EnergyChoice, K::RadioButton, "Specific Internal Energy(Û)", 8, 0, 1, 2},
    ControlSpec{C::LiquidEnergy, K::Edit, "Liquid internal energy", 8, 2, 1, 1, kNone, kValueChars},
    ControlSpec{C::VapourEnergy, K::Edit, "Vapor internal energy", 8, 3, 1, 1, kNone, kValueChars},
    ControlSpec{C::MixtureEnergy, K::Edit, "Mixture internal energy", 8, 4, 1, 1, kNone,
                kValueChars},
    ControlSpec{0, K::Label, "Btu/lb", 8, 5},
    ControlSpec{0, K::Label, "kJ/kg", 8, 6},

    ControlSpec{C::VolumeChoice, K::RadioButton, "Specific Volume(V̂)", 9, 0, 1, 2},
    ControlSpec{C::LiquidVolume, K::Edit, "Liquid volume", 9, 2, 1, 1, kNone, kValueChars},
    ControlSpec{C::VapourVolume, K::Edit, "Vapor volume", 9, 3, 1, 1, kNone, kValueChars},
    ControlSpec{C::MixtureVolume, K::Edit, "Mixture volume", 9, 4, 1, 1, kNone, kValueChars},
    ControlSpec{0, K::Label, "ft³/lb", 9, 5},
    ControlSpec{0, K::Label, "m³/kg", 9, 6},
};

constexpr PageLayout kLayout{"Steam Tables", kControls};

}  // namespace

const PageLayout& steamTablesLayout() {
    return kLayout;
}

}  // namespace chemeng
