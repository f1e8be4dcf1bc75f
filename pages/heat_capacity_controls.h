#pragma once

namespace chemeng {

// Controls the Heat Capacities and Enthalpies pages have in common: the two
// dialogs share their numbers, so both pages and their layouts use these.
namespace HeatCapacityCtl {
enum : int {
    GroupAtoD = 1002,
    Name = 1003,
    GroupEtoH = 1004,
    MiscNames = 1005,
    GroupItoL = 1006,
    GroupRtoX = 1007,
    GroupMtoQ = 1008,
    MolecularWeight = 1010,
    MainFormulas = 1012,
    Gas = 1013,
    Formula = 1015,
    Temperature = 1020,
    Celsius = 1022,
    Fahrenheit = 1023,
    Result = 1026,
    Kelvin = 1030,
    LiquidTmin = 1044,
    LiquidTmax = 1045,
    GasTmin = 1046,
    GasTmax = 1047,
    Ok = 1054,
    MiscFormulas = 1079,
    Liquid = 1094,
};
}  // namespace HeatCapacityCtl

}  // namespace chemeng
