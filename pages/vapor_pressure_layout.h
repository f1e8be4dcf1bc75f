#pragma once

#include "framework/page_layout.h"

namespace chemeng {

namespace VaporPressureCtl {
enum : int {
    GroupAtoD = 1002,
    Name = 1003,
    GroupEtoH = 1004,
    MiscNames = 1005,
    GroupItoL = 1006,
    GroupRtoX = 1007,
    GroupMtoQ = 1008,
    MainFormulas = 1012,
    Formula = 1015,
    Temperature = 1020,
    Celsius = 1022,
    Fahrenheit = 1023,
    Pressure = 1026,
    Kelvin = 1030,
    Ok = 1054,
    A = 1067,
    B = 1068,
    Tmin = 1069,
    C = 1070,
    Tmax = 1071,
    MiscFormulas = 1083,
};
}  // namespace VaporPressureCtl

// The Vapor Pressure page: compound picker on the left, the Antoine
// constants with the fit's range, temperature and result on the right.
const PageLayout& vaporPressureLayout();

}  // namespace chemeng
