#include "framework/sorted_insert.h"

#include <algorithm>

namespace chemeng {

namespace {

unsigned char foldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool sortsBefore(std::string_view a, std::string_view b) {
    const bool folded =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                     [](char x, char y) { return foldCase(x) < foldCase(y); });
    if (folded) return true;
    const bool foldedAfter =
        std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                     [](char x, char y) { return foldCase(x) < foldCase(y); });
    if (foldedAfter) return false;
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

}  // namespace

std::size_t insertionIndex(const std::vector<std::string>& items, std::string_view text) {
    const auto place = std::upper_bound(
        items.begin(), items.end(), text,
        [](std::string_view value, const std::string& item) { return sortsBefore(value, item); });
    return static_cast<std::size_t>(place - items.begin());
}

std::size_t addListItem(std::vector<std::string>& items, std::string_view text, bool sorted) {
    const std::size_t index = sorted ? insertionIndex(items, text) : items.size();
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(index), std::string(text));
    return index;
}

}  // namespace chemeng
