#pragma once

namespace chemeng {

// Control notifications a page reacts to.
enum class Notification {
    Clicked,          // push button or radio button
    SelectionChange,  // combo or list: the current item changed by the user
    DoubleClick,      // list: an item was double-clicked
};

}  // namespace chemeng
