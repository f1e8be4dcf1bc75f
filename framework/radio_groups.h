#pragma once

#include <vector>

#include "framework/page_layout.h"

namespace chemeng {

// Automatic radio buttons: a click checks the clicked radio and clears every
// other radio of its group. A group is a run of radio buttons in layout order
// that starts at a radio flagged kNewGroup (or the page's first radio) and
// ends before the next such radio. Programmatic check marks are not grouped:
// a page may show several radios of one group checked.
std::vector<int> radioGroupOf(const PageLayout& layout, int radioId);

}  // namespace chemeng
