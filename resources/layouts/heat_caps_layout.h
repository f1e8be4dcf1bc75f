#pragma once

#include "framework/page_layout.h"

namespace chemeng {

// Controls of the Heat Capacities page: the compound picker on the left, the
// compound, its polynomial for each phase and the computation on the right.
const PageLayout& heatCapsLayout();

}  // namespace chemeng
