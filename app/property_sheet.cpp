#include "app/property_sheet.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "app/banner_strip.h"
#include "app/qt_dialog.h"

namespace chemeng::ui {

PropertySheet::PropertySheet(std::vector<PageEntry> entries, std::filesystem::path dataDir,
                             MessagePresenter presenter)
    : m_tabs(new QTabWidget) {
    setWindowTitle("Chemical Engineering");
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_tabs, 1);
    column->addWidget(new BannerStrip);

    // Pages are made with the window, in tab order; a page may read data it
    // needs from its first moment (the steam page reads its table here).
    for (const PageEntry& entry : entries) {
        PageSlot slot;
        slot.dialog = std::make_unique<QtDialog>(*entry.layout, presenter);
        slot.page = entry.make(*slot.dialog, dataDir);
        slot.dialog->attach(slot.page.get());
        m_tabs->addTab(slot.dialog->widget(),
                       QString::fromUtf8(entry.layout->caption.data(),
                                         static_cast<qsizetype>(entry.layout->caption.size())));
        m_pages.push_back(std::move(slot));
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheet::bringToFront);
    m_tabs->setCurrentIndex(0);
    bringToFront(0);
}

PropertySheet::~PropertySheet() {
    // The page widgets belong to the tab widget; detach the pages first so no
    // notification reaches a page being destroyed.
    for (PageSlot& slot : m_pages) {
        slot.dialog->attach(nullptr);
        slot.page.reset();
    }
}

void PropertySheet::bringToFront(int index) {
    if (index < 0 || index >= pageCount()) return;
    PageSlot& slot = m_pages[static_cast<std::size_t>(index)];
    if (slot.initialised) return;
    slot.initialised = true;
    slot.page->onInitDialog();
}

}  // namespace chemeng::ui
