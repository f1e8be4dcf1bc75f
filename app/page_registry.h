#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "framework/dialog.h"
#include "framework/page.h"
#include "framework/page_layout.h"

namespace chemeng::ui {

// How the sheet makes one of its pages: the layout its widgets are built
// from, and the page object that works them.
struct PageEntry {
    const PageLayout* layout;
    std::function<std::unique_ptr<Page>(Dialog& dialog, const std::filesystem::path& dataDir)> make;
};

// The six pages of the program, in tab order.
std::vector<PageEntry> standardPages();

}  // namespace chemeng::ui
