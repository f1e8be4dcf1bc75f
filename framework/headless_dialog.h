#pragma once

#include <map>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/page.h"
#include "framework/page_layout.h"

namespace chemeng {

// A Dialog without a window: it keeps every control's state
// in memory, records the messages a page shows, and plays a user's clicks,
// selections and typing (routing them to the page as the real window does).
// Page tests and the command line drive pages through it.
class HeadlessDialog : public Dialog {
  public:
    explicit HeadlessDialog(const PageLayout& layout) : m_layout(layout) {}

    void attach(Page& page) { m_page = &page; }

    // --- Dialog ---
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

    // --- the user's side ---
    // Types into an edit (refused, like the real edit, while it is read-only).
    void type(int id, const std::string& text);
    // Clicks a button or radio (a radio takes the check from its group).
    void click(int id);
    // Chooses an item of a combo or list by index, or by its text.
    void choose(int id, int index);
    bool chooseText(int id, const std::string& text);
    void doubleClick(int id, int index);
    // Presses Enter; true when the page consumed it.
    bool pressEnter();

    const std::vector<std::string>& items(int id) const;
    // Messages shown so far; takeMessages() also forgets them.
    const std::vector<std::string>& messages() const { return m_messages; }
    std::vector<std::string> takeMessages();

  private:
    struct ControlState {
        std::string text;
        bool checked = false;
        bool readOnly = false;
        std::vector<std::string> items;
        int current = -1;
    };
    ControlState& state(int id);
    const ControlState* find(int id) const;

    const PageLayout& m_layout;
    Page* m_page = nullptr;
    std::map<int, ControlState> m_controls;
    std::vector<std::string> m_messages;
};

}  // namespace chemeng
