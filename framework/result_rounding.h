#pragma once

#include <optional>

namespace chemeng {

// Results are shown rounded to thousandths: floor(x * 1000 + 0.5) * 0.001,
// the integer step held in a 32-bit signed integer as the program always has.
// A value whose step does not fit that integer (|x| beyond about 2147483.647)
// or that is not finite has no such rendering: the answer is then empty and
// the page reports it instead of showing a wrapped-around number.
std::optional<double> roundToThousandths(double value);

}  // namespace chemeng
