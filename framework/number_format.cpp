#include "framework/number_format.h"

#include <array>
#include <charconv>

namespace chemeng {

namespace {

// Room for the longest "%.3f" of a double (about 310 digits) with margin.
using Buffer = std::array<char, 400>;

std::string print(double value, std::chars_format format, int precision) {
    Buffer buffer;
    auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (error != std::errc{}) return {};
    return std::string(buffer.data(), end);
}

}  // namespace

std::string formatGeneral(double value) {
    return print(value, std::chars_format::general, 15);
}

std::string formatFixed3(double value) {
    return print(value, std::chars_format::fixed, 3);
}

}  // namespace chemeng
