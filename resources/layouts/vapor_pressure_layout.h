#pragma once

#include "framework/page_layout.h"

namespace chemeng {

// The Vapor Pressure page: compound picker on the left, the Antoine
// constants with the fit's range, temperature and result on the right.
const PageLayout& vaporPressureLayout();

}  // namespace chemeng
