#include "cli/page_runner.h"

namespace chemeng::cli {

PageRunner::PageRunner(const PageEntry& entry, const std::filesystem::path& dataDir)
    : m_dialog(*entry.layout), m_page(entry.make(m_dialog, dataDir)) {
    m_dialog.attach(*m_page);
    m_page->onInitDialog();
}

}  // namespace chemeng::cli
