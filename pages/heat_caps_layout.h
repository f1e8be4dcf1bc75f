#pragma once

#include "framework/page_layout.h"
#include "pages/heat_capacity_controls.h"

namespace chemeng {

// Control numbers of the Heat Capacities page: the shared ones and the
// edits that show this page's coefficients and result.
namespace HeatCapsCtl {
using namespace HeatCapacityCtl;
enum : int {
    GasA = 1027,
    GasB = 1016,
    GasC = 1017,
    GasD = 1018,
    LiquidA = 1021,
    LiquidB = 1025,
    LiquidC = 1028,
    Cp = Result,
};
}  // namespace HeatCapsCtl

// Controls of the Heat Capacities page: the compound picker on the left, the
// compound, its polynomial for each phase and the computation on the right.
const PageLayout& heatCapsLayout();

}  // namespace chemeng
