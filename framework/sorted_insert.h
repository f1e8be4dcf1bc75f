#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace chemeng {

// Where a sorted combo or list puts a new item: alphabetical order ignoring
// the case of ASCII letters, ties broken byte by byte, and an item equal to
// existing ones goes after them. The Qt adapter and the test doubles share it
// so that an item's index means the same everywhere.
std::size_t insertionIndex(const std::vector<std::string>& items, std::string_view text);

// Adds text to items at insertionIndex when sorted, else at the end; returns
// the index it went to.
std::size_t addListItem(std::vector<std::string>& items, std::string_view text, bool sorted);

}  // namespace chemeng
