#pragma once

#include <filesystem>
#include <memory>
#include <span>

#include "framework/dialog.h"
#include "framework/page.h"
#include "framework/page_layout.h"
#include "fuzz_support.h"
#include "pages/page_catalogue.h"

namespace chemeng::fuzz {

// One page of the program as the fuzz targets build it: its catalogue entry
// (layout and factory) and how its edits show values.
struct FuzzPage {
    const PageEntry& entry;
    std::span<const FieldRule> rules;

    const PageLayout& layout() const { return *entry.layout; }
    std::unique_ptr<Page> make(Dialog& dialog, const std::filesystem::path& dataDir) const {
        return entry.make(dialog, dataDir);
    }
};

// The five compound pages, then the steam page.
std::span<const FuzzPage> compoundPages();
const FuzzPage& steamPage();

}  // namespace chemeng::fuzz
