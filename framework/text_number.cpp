#include "framework/text_number.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace chemeng {

namespace {

bool isCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// from_chars reports out-of-range values as an error without a value;
// strtod gives ±HUGE_VAL on overflow and a (sub)normal or 0 on underflow.
// Decide which by the exponent's sign in the consumed text.
double outOfRangeValue(std::string_view number, bool hex) {
    const char exponentMark = hex ? 'p' : 'e';
    for (std::size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (c == exponentMark || c == exponentMark - ('a' - 'A')) {
            if (i + 1 < number.size() && number[i + 1] == '-') return 0.0;
            break;
        }
    }
    return std::numeric_limits<double>::infinity();
}

// Length of the decimal or hexadecimal number at the start of text (no sign).
std::size_t numberLength(std::string_view text, bool hex) {
    auto isDigit = [hex](char c) { return hex ? isHexDigit(c) : (c >= '0' && c <= '9'); };
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    const char mark = hex ? 'p' : 'e';
    if (i < text.size() && (text[i] == mark || text[i] == mark - ('a' - 'A'))) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponentStart = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        if (j > exponentStart) i = j;
    }
    return i;
}

}  // namespace

double parseLeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isCSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::string_view rest = text.substr(pos);
    double magnitude = 0.0;

    if (startsWithNoCase(rest, "inf")) {
        magnitude = std::numeric_limits<double>::infinity();
    } else if (startsWithNoCase(rest, "nan")) {
        magnitude = std::numeric_limits<double>::quiet_NaN();
    } else {
        bool hex = false;
        if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
            const std::size_t hexLength = numberLength(rest.substr(2), true);
            if (hexLength > 0) {
                hex = true;
                rest = rest.substr(2, hexLength);
            }
        }
        if (!hex) rest = rest.substr(0, numberLength(rest, false));
        if (rest.empty()) return 0.0;
        const auto format = hex ? std::chars_format::hex : std::chars_format::general;
        auto [end, error] =
            std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, format);
        if (error == std::errc::result_out_of_range) {
            magnitude = outOfRangeValue(rest, hex);
        } else if (error != std::errc{}) {
            return 0.0;
        }
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace chemeng
