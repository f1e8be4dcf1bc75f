#pragma once

#include "framework/page_layout.h"

namespace chemeng {

// The Density of Liquid page: compound picker on the left, the Rackett
// equation with the chosen compound's coefficients, temperature and result
// on the right.
const PageLayout& densityLayout();

}  // namespace chemeng
