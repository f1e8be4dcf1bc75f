#pragma once

#include "framework/page_layout.h"

namespace chemeng {

// Dialog 109, the Steam Tables page.
const PageLayout& steamTablesLayout();

}  // namespace chemeng
