#pragma once

#include <string>

namespace chemeng {

// What a page may ask of its window. Controls are addressed by their numeric
// identity (each page keeps its numbers as named constants). The Qt adapter
// implements this over real widgets; tests use a recording double; the
// command line uses a headless one. No Qt type appears here.
class Dialog {
  public:
    virtual ~Dialog() = default;

    // Current text of an edit (what the user typed, or what was last shown).
    virtual std::string windowText(int id) const = 0;
    // Puts a text into an edit; pages normally go through Bindings::push.
    virtual void setWindowText(int id, const std::string& text) = 0;

    // Shows or clears a radio button's check mark.
    virtual void setChecked(int id, bool checked) = 0;
    virtual bool isChecked(int id) const = 0;

    // Locks or unlocks an edit against typing.
    virtual void setReadOnly(int id, bool readOnly) = 0;
    virtual bool isReadOnly(int id) const = 0;

    // Adds an item to a combo or list; a control declared sorted in the page
    // layout inserts it at its sorted place (see insertionIndex), others append.
    virtual void addItem(int id, const std::string& text) = 0;
    // Selects an item without any notification; -1 clears the selection.
    virtual void setCurrentIndex(int id, int index) = 0;
    // Index of the current item, or -1 when nothing is selected.
    virtual int currentIndex(int id) const = 0;
    // Text of the current item, or empty when nothing is selected.
    virtual std::string currentText(int id) const = 0;
    virtual int itemCount(int id) const = 0;

    // Modal message with an OK button; the program's name is the caption.
    virtual void messageBox(const std::string& text) = 0;

    // Tells the window that an edit shows a number bound to a page member.
    // A window checks such edits when the user leaves the page: a text typed
    // there that is not a number keeps the user on the page with a message.
    virtual void declareNumberField(int id) { static_cast<void>(id); }
};

}  // namespace chemeng
