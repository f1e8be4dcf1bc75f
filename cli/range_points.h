#pragma once

#include <optional>
#include <string>
#include <vector>

namespace chemeng::cli {

// The points from..to in steps of step, ends included (to within a
// millionth of a step), as the texts a user would type. Empty with an
// explanation in error when the range makes no sense or is too long.
std::vector<std::string> rangePoints(double from, double to, double step, std::string& error);

}  // namespace chemeng::cli
