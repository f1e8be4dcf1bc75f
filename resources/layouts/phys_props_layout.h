#pragma once

#include "framework/page_layout.h"

namespace chemeng {

// Controls of the Physical Properties page: the values on the left, the
// compound picker on the right.
const PageLayout& physPropsLayout();

}  // namespace chemeng
