#include "framework/typed_number.h"

#include <string>

#include "framework/text_number.h"

namespace chemeng {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether text (already trimmed, comma replaced) is exactly
// [sign] digits [. digits] [(e|E) [sign] digits], with at least one mantissa digit.
bool isDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    const auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissaDigits = skipDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += skipDigits();
    }
    if (mantissaDigits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (skipDigits() == 0) return false;
    }
    return i == text.size();
}

}  // namespace

TypedNumber parseTypedNumber(std::string_view text) {
    const std::string_view core = trimmed(text);
    if (core.empty()) return {TypedNumberStatus::Empty, 0.0};
    std::string normalised(core);
    for (char& c : normalised) {
        if (c == ',') c = '.';
    }
    if (!isDecimalNumber(normalised)) return {TypedNumberStatus::NotANumber, 0.0};
    return {TypedNumberStatus::Number, parseLeadingNumber(normalised)};
}

std::string notANumberMessage(std::string_view field, std::string_view text) {
    std::string message(field);
    message += ": '";
    message += trimmed(text);
    message += "' is not a number";
    return message;
}

}  // namespace chemeng
