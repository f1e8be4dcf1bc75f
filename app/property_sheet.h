#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/message_presenter.h"
#include "pages/page_catalogue.h"

class QTabWidget;

namespace chemeng::ui {

class QtDialog;

// The program's one window: a tab per page above a bare strip with the
// banner; no OK, Cancel, Apply or Help buttons. Each page's initialisation
// runs the first time its tab comes to the front. A page keeps the user while
// a number field holds a typed text that is not a number. The window opens
// large enough to show every page whole when the screen can hold it, and
// cannot be made smaller than that.
class PropertySheet : public QWidget {
    Q_OBJECT
  public:
    PropertySheet(std::vector<PageEntry> entries, std::filesystem::path dataDir,
                  MessagePresenter presenter);
    ~PropertySheet() override;

    QTabWidget* tabs() const { return m_tabs; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    Page& page(int index) const { return *m_pages.at(static_cast<std::size_t>(index)).page; }

  private:
    void tabChanged(int index);
    void bringToFront(int index);

    struct PageSlot {
        std::unique_ptr<QtDialog> dialog;
        std::unique_ptr<Page> page;
        bool initialised = false;
    };
    QTabWidget* m_tabs;
    std::vector<PageSlot> m_pages;
    int m_inFront = -1;
    bool m_goingBack = false;  // putting the page the user may not leave back in front
};

}  // namespace chemeng::ui
