#include "framework/radio_groups.h"

namespace chemeng {

std::vector<int> radioGroupOf(const PageLayout& layout, int radioId) {
    std::vector<int> group;
    bool found = false;
    for (const ControlSpec& control : layout.controls) {
        if (control.kind != ControlKind::RadioButton) continue;
        if ((control.flags & kNewGroup) != 0 && !group.empty()) {
            if (found) break;
            group.clear();
        }
        group.push_back(control.id);
        if (control.id == radioId) found = true;
    }
    if (!found) return {};
    return group;
}

}  // namespace chemeng
