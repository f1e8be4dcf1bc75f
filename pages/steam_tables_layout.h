#pragma once

#include "framework/page_layout.h"

namespace chemeng {

// Control numbers of the Steam Tables page.
namespace SteamTablesCtl {
enum : int {
    SuperheatedMode = 1035,
    SaturationMode = 1030,
    TemperatureChoice = 1031,
    Temperature = 1028,
    Celsius = 1024,
    Fahrenheit = 1025,
    Kelvin = 1036,
    PressureChoice = 1037,
    Pressure = 1019,
    KPa = 1032,
    Bar = 1033,
    MmHg = 1034,
    InHg = 1101,
    Atm = 1102,
    Psia = 1103,
    QualityChoice = 1039,
    Quality = 1042,
    EnthalpyChoice = 1040,
    LiquidEnthalpy = 1044,
    VapourEnthalpy = 1045,
    MixtureEnthalpy = 1051,
    EnergyChoice = 1041,
    LiquidEnergy = 1023,
    VapourEnergy = 1029,
    MixtureEnergy = 1052,
    VolumeChoice = 1043,
    LiquidVolume = 1047,
    VapourVolume = 1048,
    MixtureVolume = 1053,
    American = 1049,
    SI = 1046,
    Ok = 1054,
    Clear = 1050,
};
}  // namespace SteamTablesCtl

// Dialog 109, the Steam Tables page.
const PageLayout& steamTablesLayout();

}  // namespace chemeng
