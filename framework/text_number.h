#pragma once

#include <string_view>

namespace chemeng {

// The leading number of a text, as the C library's atof reads it, but
// independent of the C locale: leading white space, an optional sign, then a
// decimal number with optional exponent, a hexadecimal number ("0x1A",
// "0x1p3"), "inf"/"infinity" or "nan"; anything after the number is ignored.
// A text without a leading number gives 0. Out-of-range values give ±inf
// (overflow) or the nearest representable value (underflow), as strtod does.
double parseLeadingNumber(std::string_view text);

}  // namespace chemeng
