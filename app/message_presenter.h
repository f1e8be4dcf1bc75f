#pragma once

#include <functional>
#include <string>

class QWidget;

namespace chemeng::ui {

// Shows a page's message. The program shows a modal box with an OK button
// and the program's name as caption; tests put a recorder in its place.
using MessagePresenter = std::function<void(QWidget* owner, const std::string& text)>;

MessagePresenter modalMessageBox();

}  // namespace chemeng::ui
