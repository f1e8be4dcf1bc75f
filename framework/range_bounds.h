#pragma once

namespace chemeng {

// Whether value lies between low and high, both bounds included. A value
// within a relative 1e-12 of a bound counts as on it: a bound typed in
// another unit arrives a rounding step off (33.8 °F as 0.9999999999999984
// °C, 0.01 °C as 273.15999999999997 K). Never true for a value that is not
// finite.
bool withinBounds(double value, double low, double high);

}  // namespace chemeng
