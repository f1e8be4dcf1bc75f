#include "cli/page_runner.h"

namespace chemeng::cli {

PageRunner::PageRunner(const PageLayout& layout, const PageFactory& make,
                       const std::filesystem::path& dataDir)
    : m_dialog(layout), m_page(make(m_dialog, dataDir)) {
    m_dialog.attach(*m_page);
    m_page->onInitDialog();
}

}  // namespace chemeng::cli
