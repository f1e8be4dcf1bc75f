#pragma once

#include "framework/page_layout.h"

namespace chemeng {

// Controls of the Enthalpies page: the compound picker on the left, the
// compound, its enthalpy function for each phase and the computation on the
// right.
const PageLayout& enthalpiesLayout();

}  // namespace chemeng
