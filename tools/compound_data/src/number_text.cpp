#include "number_text.h"

#include <array>
#include <charconv>

namespace chemeng::datagen {

namespace {

std::string toChars(double value, std::chars_format format, int decimals) {
    std::array<char, 128> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, decimals);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text)
        if (c == 'e') c = 'E';
    // "-0.000" and "-0.00E+00" carry no information beyond "0.000".
    if (!text.empty() && text.front() == '-' &&
        text.find_first_of("123456789", 1) >= text.find('E', 1))
        text.erase(0, 1);
    return text;
}

}  // namespace

std::string fixedText(double value, int decimals) {
    return toChars(value, std::chars_format::fixed, decimals);
}

std::string scientificText(double value, int decimals) {
    return toChars(value, std::chars_format::scientific, decimals);
}

std::optional<std::string> fixedFitting(double value, int width, int maxDecimals, int minDecimals) {
    for (int d = maxDecimals; d >= minDecimals; --d) {
        std::string text = fixedText(value, d);
        if (static_cast<int>(text.size()) <= width) return text;
    }
    return std::nullopt;
}

std::optional<std::string> scientificFitting(double value, int width, int maxDecimals,
                                             int minDecimals) {
    for (int d = maxDecimals; d >= minDecimals; --d) {
        std::string text = scientificText(value, d);
        if (static_cast<int>(text.size()) <= width) return text;
    }
    return std::nullopt;
}

}  // namespace chemeng::datagen
