#pragma once

#include "framework/page_layout.h"

namespace chemeng {

// Control numbers of the Physical Properties page.
namespace PhysPropsCtl {
enum : int {
    GroupAtoD = 1001,
    GroupEtoH = 1002,
    GroupItoL = 1004,
    GroupRtoX = 1005,
    GroupMtoQ = 1006,
    Name = 1007,
    Formula = 1008,
    BoilingPoint = 1009,
    MolecularWeight = 1010,
    CompoundsHeading = 1011,
    MainFormulas = 1012,
    MiscNames = 1013,
    FreezingPoint = 1020,
    CriticalTemperature = 1022,
    CriticalPressure = 1023,
    CriticalVolume = 1024,
    CriticalDensity = 1028,
    CriticalCompressibility = 1029,
    AcentricFactor = 1030,
    EnthalpyOfFormation = 1075,
    EnthalpyOfVaporization = 1077,
    MiscFormulas = 1078,
};
}  // namespace PhysPropsCtl

// Controls of the Physical Properties page: the values on the left, the
// compound picker on the right.
const PageLayout& physPropsLayout();

}  // namespace chemeng
