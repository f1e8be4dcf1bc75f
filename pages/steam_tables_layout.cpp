#include "pages/steam_tables_layout.h"

#include <array>

namespace chemeng {

namespace {

namespace C = SteamTablesCtl;
using K = ControlKind;

// Grid columns: 0 property radios and buttons, 1-3 the Liquid, Vapor and
// Mixture edits, 4 American units, 5 SI units, 6 Clear. Every radio belongs
// to one group, as on the original page: a click takes every other check
// mark and the page's Refresh puts the state back.
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
    ControlSpec{C::TemperatureChoice, K::RadioButton, "Temperature", 2, 0},
    ControlSpec{C::Temperature, K::Edit, "", 2, 1},
    ControlSpec{C::Celsius, K::RadioButton, "°C", 2, 2},
    ControlSpec{C::Fahrenheit, K::RadioButton, "°F", 2, 3},
    ControlSpec{C::Kelvin, K::RadioButton, "K", 2, 4},

    ControlSpec{C::PressureChoice, K::RadioButton, "Pressure", 3, 0},
    ControlSpec{C::Pressure, K::Edit, "", 3, 1},
    ControlSpec{C::KPa, K::RadioButton, "kPa", 3, 2},
    ControlSpec{C::Bar, K::RadioButton, "bar", 3, 3},
    ControlSpec{C::MmHg, K::RadioButton, "mmHg", 3, 4},
    ControlSpec{C::InHg, K::RadioButton, "inHg", 4, 2},
    ControlSpec{C::Atm, K::RadioButton, "atm", 4, 3},
    ControlSpec{C::Psia, K::RadioButton, "psia", 4, 4},

    ControlSpec{C::QualityChoice, K::RadioButton, "Quality", 5, 0},
    ControlSpec{C::Quality, K::Edit, "", 5, 1},
    ControlSpec{0, K::Label, "%", 5, 2},

    ControlSpec{C::Ok, K::PushButton, "OK", 6, 0},
    ControlSpec{0, K::Label, "Liquid", 6, 1, 1, 1, kBold},
    ControlSpec{0, K::Label, "Vapor", 6, 2, 1, 1, kBold},
    ControlSpec{0, K::Label, "Mixture", 6, 3, 1, 1, kBold},
    ControlSpec{C::American, K::RadioButton, "American", 6, 4},
    ControlSpec{C::SI, K::RadioButton, "SI", 6, 5},
    ControlSpec{C::Clear, K::PushButton, "Clear", 6, 6},

    ControlSpec{C::EnthalpyChoice, K::RadioButton, "Specific Enthalpy(Ĥ)", 7, 0},
    ControlSpec{C::LiquidEnthalpy, K::Edit, "", 7, 1},
    ControlSpec{C::VapourEnthalpy, K::Edit, "", 7, 2},
    ControlSpec{C::MixtureEnthalpy, K::Edit, "", 7, 3},
    ControlSpec{0, K::Label, "Btu/lb", 7, 4},
    ControlSpec{0, K::Label, "kJ/kg", 7, 5},

    ControlSpec{C::EnergyChoice, K::RadioButton, "Specific Internal Energy(Û)", 8, 0},
    ControlSpec{C::LiquidEnergy, K::Edit, "", 8, 1},
    ControlSpec{C::VapourEnergy, K::Edit, "", 8, 2},
    ControlSpec{C::MixtureEnergy, K::Edit, "", 8, 3},
    ControlSpec{0, K::Label, "Btu/lb", 8, 4},
    ControlSpec{0, K::Label, "kJ/kg", 8, 5},

    ControlSpec{C::VolumeChoice, K::RadioButton, "Specific Volume(V̂)", 9, 0},
    ControlSpec{C::LiquidVolume, K::Edit, "", 9, 1},
    ControlSpec{C::VapourVolume, K::Edit, "", 9, 2},
    ControlSpec{C::MixtureVolume, K::Edit, "", 9, 3},
    ControlSpec{0, K::Label, "ft³/lb", 9, 4},
    ControlSpec{0, K::Label, "m³/kg", 9, 5},
};

constexpr PageLayout kLayout{"Steam Tables", kControls};

}  // namespace

const PageLayout& steamTablesLayout() {
    return kLayout;
}

}  // namespace chemeng
