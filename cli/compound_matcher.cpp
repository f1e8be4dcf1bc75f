#include "cli/compound_matcher.h"

#include <algorithm>

namespace chemeng::cli {

std::string normalised(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        out.push_back((c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c);
    }
    return out;
}

std::vector<CompoundChoice> listCompounds(HeadlessDialog& dialog, const PickerView& view) {
    std::vector<CompoundChoice> compounds;
    auto collect = [&](int controlId, bool miscellaneous) {
        const int count = dialog.itemCount(controlId);
        for (int index = 0; index < count; ++index) {
            dialog.choose(controlId, index);
            compounds.push_back({controlId, index, dialog.windowText(view.nameDisplay),
                                 dialog.windowText(view.formulaDisplay), miscellaneous});
        }
    };
    collect(view.controls.mainFormulas, false);
    collect(view.controls.miscNames, true);
    dialog.takeMessages();
    return compounds;
}

MatchResult matchCompound(const std::vector<CompoundChoice>& compounds, const std::string& text) {
    auto select = [&](auto&& matches) {
        std::vector<CompoundChoice> found;
        std::copy_if(compounds.begin(), compounds.end(), std::back_inserter(found), matches);
        return found;
    };
    std::vector<CompoundChoice> found =
        select([&](const CompoundChoice& c) { return c.name == text || c.formula == text; });
    if (found.empty()) {
        const std::string wanted = normalised(text);
        found = select([&](const CompoundChoice& c) {
            return normalised(c.name) == wanted || normalised(c.formula) == wanted;
        });
    }
    if (found.empty()) return {};

    const bool anyMain =
        std::any_of(found.begin(), found.end(), [](auto& c) { return !c.miscellaneous; });
    std::erase_if(found, [anyMain](const CompoundChoice& c) { return anyMain && c.miscellaneous; });

    std::vector<CompoundChoice> distinct;
    for (const CompoundChoice& c : found) {
        const bool seen = std::any_of(distinct.begin(), distinct.end(),
                                      [&](const CompoundChoice& d) { return d.name == c.name; });
        if (!seen) distinct.push_back(c);
    }
    if (distinct.size() > 1) return {std::nullopt, distinct};
    return {distinct.front(), {}};
}

}  // namespace chemeng::cli
