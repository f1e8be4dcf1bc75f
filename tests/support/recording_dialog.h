#pragma once

#include "framework/headless_dialog.h"

namespace chemeng::test {

// Page tests drive pages through the headless dialog: it records the
// messages shown and plays clicks, choices and typing.
using RecordingDialog = HeadlessDialog;

}  // namespace chemeng::test
