#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "framework/dialog.h"
#include "framework/page.h"
#include "framework/page_layout.h"

namespace chemeng {

// The six pages of the program, in tab order.
enum class PageKind {
    PhysicalProperties,
    HeatCapacities,
    Enthalpies,
    Density,
    VaporPressure,
    SteamTables,
};

// How a front end makes one page: the layout its controls are built from
// (the layout's caption is the page's title), and the page object that works
// them.
struct PageEntry {
    PageKind kind;
    const PageLayout* layout;
    std::function<std::unique_ptr<Page>(Dialog& dialog, const std::filesystem::path& dataDir)> make;
};

const PageEntry& pageEntry(PageKind kind);

// Every page, in tab order.
std::vector<PageEntry> pageCatalogue();

}  // namespace chemeng
