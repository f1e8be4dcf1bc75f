#pragma once

#include "framework/notification.h"

namespace chemeng {

struct PageLayout;

// A page of the property sheet: its state and operations. The window around
// it is reached only through the Dialog the page was built with.
class Page {
  public:
    virtual ~Page() = default;

    virtual const PageLayout& layout() const = 0;

    // Runs once, the first time the page is brought to the front, after its
    // controls exist.
    virtual void onInitDialog() {}

    // A control notification routed to the page.
    virtual void onNotify(int controlId, Notification notification) = 0;

    // The Enter key pressed anywhere in the page. Returns true when the page
    // consumed it (the key then goes nowhere else, in particular it never
    // closes the window).
    virtual bool onEnterKey() { return true; }
};

}  // namespace chemeng
