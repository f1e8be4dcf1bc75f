#pragma once

#include <QStringList>
#include <optional>

namespace chemeng::ui {

// The window's command line: --help and --version, no other options.
//
// answerWithoutWindow runs before QApplication exists, so that --help and
// --version work on a machine without a display (package checks, help2man);
// it returns the exit status when the program is done, nothing otherwise.
// acceptWindowArguments runs once QApplication has taken its own options
// (-platform, -style, ...) and refuses whatever is left: it prints the
// reason and returns false.
std::optional<int> answerWithoutWindow(int argc, char* argv[]);
bool acceptWindowArguments(const QStringList& arguments);

}  // namespace chemeng::ui
