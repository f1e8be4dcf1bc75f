#pragma once

#include <filesystem>
#include <memory>
#include <span>

#include "framework/dialog.h"
#include "framework/page.h"
#include "framework/page_layout.h"
#include "fuzz_support.h"

namespace chemeng::fuzz {

// One page of the program as the fuzz targets build it: its layout, how it
// is made over a dialog and a data folder, and how its edits show values.
struct PageKind {
    const char* name;
    const PageLayout& (*layout)();
    std::unique_ptr<Page> (*make)(Dialog& dialog, const std::filesystem::path& dataDir);
    std::span<const FieldRule> rules;
};

// The five compound pages, then the steam page.
std::span<const PageKind> compoundPages();
const PageKind& steamPage();

}  // namespace chemeng::fuzz
