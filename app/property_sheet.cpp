#include "app/property_sheet.h"

#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/banner_strip.h"
#include "app/qt_dialog.h"

namespace chemeng::ui {

PropertySheet::PropertySheet(std::vector<PageEntry> entries, std::filesystem::path dataDir,
                             MessagePresenter presenter)
    : m_tabs(new QTabWidget) {
    setWindowTitle("Chemical Engineering");
    // The tabs keep the usual margins; the banner strip runs along the whole
    // bottom edge, so that the banner sits where it is drawn, measured from
    // the window's own corner.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* tabsArea = new QVBoxLayout;
    const int margin = style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    tabsArea->setContentsMargins(margin, margin, margin, 0);
    tabsArea->addWidget(m_tabs);
    column->addLayout(tabsArea, 1);
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
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheet::tabChanged);
    m_tabs->setCurrentIndex(0);
    tabChanged(0);

    // The first size shows everything: the toolkit would cap it at two
    // thirds of the screen, whatever the content needs.
    const QSize content = sizeHint().expandedTo(minimumSizeHint());
    const QSize room = screen() != nullptr ? screen()->availableGeometry().size() : content;
    resize(content.boundedTo(room).expandedTo(minimumSizeHint()));
}

PropertySheet::~PropertySheet() {
    // The page widgets belong to the tab widget; detach the pages first so no
    // notification reaches a page being destroyed.
    for (PageSlot& slot : m_pages) {
        slot.dialog->attach(nullptr);
        slot.page.reset();
    }
}

void PropertySheet::tabChanged(int index) {
    if (m_goingBack) return;
    if (m_inFront >= 0 && m_inFront != index && m_inFront < pageCount()) {
        QtDialog& leaving = *m_pages[static_cast<std::size_t>(m_inFront)].dialog;
        m_goingBack = true;
        m_tabs->setCurrentIndex(m_inFront);
        m_goingBack = false;
        if (!leaving.acceptLeaving()) return;
        m_goingBack = true;
        m_tabs->setCurrentIndex(index);
        m_goingBack = false;
    }
    m_inFront = index;
    bringToFront(index);
}

void PropertySheet::bringToFront(int index) {
    if (index < 0 || index >= pageCount()) return;
    PageSlot& slot = m_pages[static_cast<std::size_t>(index)];
    if (slot.initialised) return;
    slot.initialised = true;
    slot.page->onInitDialog();
}

}  // namespace chemeng::ui
