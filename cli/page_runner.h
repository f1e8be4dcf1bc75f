#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/headless_dialog.h"
#include "framework/page.h"
#include "pages/page_catalogue.h"

namespace chemeng::cli {

// One page, opened without a window: made, attached to a headless dialog and
// initialised as when its tab first comes to the front. Commands then play
// the user's part on it and read back what it shows.
class PageRunner {
  public:
    PageRunner(const PageEntry& entry, const std::filesystem::path& dataDir);

    HeadlessDialog& dialog() { return m_dialog; }
    const HeadlessDialog& dialogView() const { return m_dialog; }
    Page& page() { return *m_page; }

    // Messages shown since the last call (loading reports included).
    std::vector<std::string> takeMessages() { return m_dialog.takeMessages(); }

  private:
    HeadlessDialog m_dialog;
    std::unique_ptr<Page> m_page;
};

}  // namespace chemeng::cli
