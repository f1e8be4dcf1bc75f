#include "framework/typed_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace chemeng {
namespace {

struct NumberCase {
    const char* text;
    double value;
};

TEST(TypedNumber, ReadsWholeDecimalNumbersWithPointOrComma) {
    const NumberCase cases[] = {
        {"25", 25.0},       {"  -40.5 ", -40.5}, {"+7", 7.0},     {"12,5", 12.5},
        {",5", 0.5},        {"5.", 5.0},         {"1e3", 1000.0}, {"2.5E-2", 0.025},
        {"\t0,01\n", 0.01}, {"-0", -0.0},        {"007", 7.0},    {"1E+2", 100.0},
    };
    for (const NumberCase& c : cases) {
        const TypedNumber n = parseTypedNumber(c.text);
        EXPECT_EQ(n.status, TypedNumberStatus::Number) << c.text;
        EXPECT_DOUBLE_EQ(n.value, c.value) << c.text;
    }
}

TEST(TypedNumber, RefusesTextThatIsNotOneNumber) {
    for (const char* text : {"10bar", "122F", "abc", "1,234.5", "1.2.3", "0x1A", "inf", "nan", "-",
                             ".", "e5", "5e", "5e+", "1 2", "--5", "12,5,", "+-1"}) {
        EXPECT_EQ(parseTypedNumber(text).status, TypedNumberStatus::NotANumber) << text;
    }
}

TEST(TypedNumber, BlanksAloneAreAnEmptyField) {
    for (const char* text : {"", " ", "   ", "\t\n"}) {
        EXPECT_EQ(parseTypedNumber(text).status, TypedNumberStatus::Empty) << '"' << text << '"';
    }
}

TEST(TypedNumber, OverflowIsANumberTheRangeCheckRefuses) {
    const TypedNumber n = parseTypedNumber("-1e999");
    EXPECT_EQ(n.status, TypedNumberStatus::Number);
    EXPECT_EQ(n.value, -std::numeric_limits<double>::infinity());
}

TEST(TypedNumber, MessageNamesTheFieldAndTheTrimmedText) {
    EXPECT_EQ(notANumberMessage("Temperature", " 10bar "), "Temperature: '10bar' is not a number");
}

}  // namespace
}  // namespace chemeng
