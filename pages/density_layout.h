#pragma once

#include "framework/page_layout.h"

namespace chemeng {

namespace DensityCtl {
enum : int {
    Compounds = 1001,
    GroupAtoD = 1002,
    Name = 1003,
    GroupEtoH = 1004,
    MiscNames = 1005,
    GroupItoL = 1006,
    GroupRtoX = 1007,
    GroupMtoQ = 1008,
    MolecularWeight = 1010,
    MainFormulas = 1012,
    Formula = 1015,
    Temperature = 1020,
    Celsius = 1022,
    Fahrenheit = 1023,
    Density = 1026,
    Kelvin = 1030,
    Ok = 1054,
    A = 1067,
    B = 1068,
    Tmin = 1069,
    MiscFormulas = 1079,
};
}  // namespace DensityCtl

// The Density of Liquid page: compound picker on the left, the Rackett
// equation with the chosen compound's coefficients, temperature and result
// on the right.
const PageLayout& densityLayout();

}  // namespace chemeng
