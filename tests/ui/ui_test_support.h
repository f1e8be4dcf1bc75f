#pragma once

#include <QStringList>
#include <memory>
#include <string>

#include "app/message_presenter.h"
#include "app/property_sheet.h"

namespace chemeng::ui::test {

// Records every message a page shows instead of opening a modal box, so a UI
// test never waits on a dialog.
struct MessageLog {
    QStringList messages;
    MessagePresenter presenter() {
        return
            [this](QWidget*, const std::string& text) { messages << QString::fromStdString(text); };
    }
};

// Fails the running test (instead of hanging) when a modal window stays open,
// and closes it.
void installModalGuard();

}  // namespace chemeng::ui::test
