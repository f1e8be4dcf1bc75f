#pragma once

#include <QObject>
#include <QWidget>
#include <map>

#include "app/message_presenter.h"
#include "framework/dialog.h"
#include "framework/notification.h"
#include "framework/page_layout.h"

namespace chemeng {
class Page;
}

namespace chemeng::ui {

// The Dialog of one page over real widgets. It builds the page's widgets from
// its layout table (each widget's object name is its control number), routes
// their notifications to the page and gives the page the Enter key.
class QtDialog : public QObject, public Dialog {
    Q_OBJECT
  public:
    QtDialog(const PageLayout& layout, MessagePresenter presenter);
    ~QtDialog() override;

    QWidget* widget() const { return m_widget; }
    void attach(Page* page) { m_page = page; }

    std::string windowText(int id) const override;
    void setWindowText(int id, const std::string& text) override;
    void setChecked(int id, bool checked) override;
    bool isChecked(int id) const override;
    void setReadOnly(int id, bool readOnly) override;
    bool isReadOnly(int id) const override;
    void addItem(int id, const std::string& text) override;
    void setCurrentIndex(int id, int index) override;
    int currentIndex(int id) const override;
    std::string currentText(int id) const override;
    int itemCount(int id) const override;
    void messageBox(const std::string& text) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    QWidget* control(int id) const;
    void notify(int id, Notification notification);
    void radioClicked(int id);

    const PageLayout& m_layout;
    MessagePresenter m_presenter;
    QWidget* m_widget;  // owned by the tab widget once added, else by us
    Page* m_page = nullptr;
    std::map<int, QWidget*> m_controls;
    bool m_settingSelection = false;  // programmatic selections notify nobody
};

}  // namespace chemeng::ui
