#pragma once

#include "framework/page_layout.h"
#include "pages/heat_capacity_controls.h"

namespace chemeng {

// Control numbers of the Enthalpies page: the shared ones, the reference
// temperature, and the edits of this page's coefficients and result.
namespace EnthalpiesCtl {
using namespace HeatCapacityCtl;
enum : int {
    ReferenceTemperature = 1024,
    GasA1 = 1027,
    GasA2 = 1016,
    GasA3 = 1017,
    GasA4 = 1018,
    LiquidA1 = 1021,
    LiquidA2 = 1025,
    LiquidA3 = 1028,
    H = Result,
};
}  // namespace EnthalpiesCtl

// Controls of the Enthalpies page: the compound picker on the left, the
// compound, its enthalpy function for each phase and the computation on the
// right.
const PageLayout& enthalpiesLayout();

}  // namespace chemeng
