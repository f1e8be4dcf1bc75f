#pragma once

#include <string>
#include <string_view>

namespace chemeng {

enum class TypedNumberStatus {
    Number,
    Empty,       // nothing but blanks: the page asks for the input
    NotANumber,  // anything else that is not one number as a whole
};

struct TypedNumber {
    TypedNumberStatus status = TypedNumberStatus::Empty;
    double value = 0.0;  // meaningful for Number only
};

// A number as the user typed it into a field. The whole text must be one
// decimal number: blanks around it, an optional sign, digits with at most one
// decimal separator and an optional exponent. A decimal comma reads as the
// decimal point ("12,5" is 12.5), as engineers in half the world type it.
// Units, thousands separators, hexadecimal, "inf" and "nan" are refused, so
// that "10bar" or "122F" never passes as a plain 10 or 122. A number too
// large for a double is a Number of ±inf (range checks refuse it).
TypedNumber parseTypedNumber(std::string_view text);

// The message that refuses a typed text: "Temperature: '10bar' is not a
// number". The text is shown trimmed of surrounding blanks.
std::string notANumberMessage(std::string_view field, std::string_view text);

}  // namespace chemeng
