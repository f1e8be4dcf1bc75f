#pragma once

#include <QObject>
#include <QWidget>
#include <map>
#include <set>

#include "app/message_presenter.h"
#include "framework/dialog.h"
#include "framework/notification.h"
#include "framework/page_layout.h"

class QGridLayout;

namespace chemeng {
class Page;
}

namespace chemeng::ui {

// The Dialog of one page over real widgets. It builds the page's widgets from
// its layout table (each widget's object name is its control number), routes
// their notifications to the page and gives the page the Enter key.
//
// Only the user chooses: keyboard focus entering a list, or the mouse wheel
// over a combo that has no focus, never makes a choice, and a combo shows no
// item until the user has chosen one in it.
class QtDialog : public QObject, public Dialog {
    Q_OBJECT
  public:
    QtDialog(const PageLayout& layout, MessagePresenter presenter);
    ~QtDialog() override;

    QWidget* widget() const { return m_widget; }
    void attach(Page* page) { m_page = page; }

    // The check made when the user leaves the page: every number field whose
    // text the user typed holds a number (or nothing). Otherwise shows the
    // refusal, puts the focus on the field and returns false.
    bool acceptLeaving();

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
    void declareNumberField(int id) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    QWidget* makeControl(const ControlSpec& entry);
    QWidget* control(int id) const;
    void notify(int id, Notification notification);
    void radioClicked(int id);

    const PageLayout& m_layout;
    MessagePresenter m_presenter;
    QWidget* m_widget;  // owned by the tab widget once added, else by us
    Page* m_page = nullptr;
    std::map<int, QWidget*> m_controls;
    bool m_settingSelection = false;  // programmatic selections notify nobody
    // Combos the user has not chosen from yet: the page's own selection,
    // held but not shown.
    std::map<int, int> m_heldComboIndex;
    std::set<int> m_numberFields;
    std::set<int> m_typedByUser;  // edits whose text the user typed since the page last set it
};

}  // namespace chemeng::ui
