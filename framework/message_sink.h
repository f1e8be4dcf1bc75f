#pragma once

#include <functional>
#include <string>

namespace chemeng {

// Where core code sends a message for the user; a page passes one that shows
// a message box, tests one that records.
using MessageSink = std::function<void(const std::string& message)>;

}  // namespace chemeng
