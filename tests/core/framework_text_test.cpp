#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "framework/number_format.h"
#include "framework/result_rounding.h"
#include "framework/sorted_insert.h"
#include "framework/text_number.h"

namespace chemeng {
namespace {

struct ParseCase {
    const char* text;
    double expected;
};

TEST(ParseLeadingNumber, ReadsTheLeadingNumberLikeAtof) {
    const ParseCase cases[] = {
        {"25", 25.0},    {"  -12.5e1xyz", -125.0},
        {"+.5", 0.5},    {"7.", 7.0},
        {"1e", 1.0},     {"1e+", 1.0},
        {"abc", 0.0},    {"", 0.0},
        {"   ", 0.0},    {"-", 0.0},
        {".", 0.0},      {"0x10", 16.0},
        {"0x1p3", 8.0},  {"0x", 0.0},
        {"0xg", 0.0},    {"1e-320", 1e-320},
        {"12,5", 12.0},  {"\t\n 3", 3.0},
        {"1e-400", 0.0}, {"298.15 K", 298.15},
        {"-0", 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseLeadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseLeadingNumber, GivesInfinityAndNanAsTheCLibraryDoes) {
    EXPECT_EQ(parseLeadingNumber("1e308"), 1e308);
    EXPECT_EQ(parseLeadingNumber("1e309"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseLeadingNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseLeadingNumber("inf"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseLeadingNumber("-Infinity"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(parseLeadingNumber("nan")));
}

TEST(ParseLeadingNumber, IgnoresTheCLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(parseLeadingNumber("1.5"), 1.5);
    EXPECT_EQ(formatFixed3(1.5), "1.500");
    if (previous != nullptr) std::setlocale(LC_NUMERIC, "C");
}

TEST(NumberFormat, GeneralFormatHasFifteenSignificantDigits) {
    EXPECT_EQ(formatGeneral(0.0), "0");
    EXPECT_EQ(formatGeneral(298.0), "298");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatGeneral(29.124), "29.124");
    EXPECT_EQ(formatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(formatGeneral(1e-5), "1e-05");
    EXPECT_EQ(formatGeneral(1.5e20), "1.5e+20");
    EXPECT_EQ(formatGeneral(-1.7e-10), "-1.7e-10");
}

TEST(NumberFormat, FixedFormatHasThreeDecimals) {
    EXPECT_EQ(formatFixed3(0.2779), "0.278");
    EXPECT_EQ(formatFixed3(29.1), "29.100");
    EXPECT_EQ(formatFixed3(0.0), "0.000");
    EXPECT_EQ(formatFixed3(-2.5), "-2.500");
    EXPECT_EQ(formatFixed3(0.0005), "0.001");  // 0.0005 is stored slightly above
    EXPECT_EQ(formatFixed3(1.0005), "1.000");  // 1.0005 is stored slightly below
    EXPECT_EQ(formatFixed3(1e20), "100000000000000000000.000");
}

TEST(ResultRounding, RoundsHalfUpToThousandths) {
    EXPECT_DOUBLE_EQ(*roundToThousandths(0.99751), 0.998);
    EXPECT_DOUBLE_EQ(*roundToThousandths(0.99749), 0.997);
    EXPECT_DOUBLE_EQ(*roundToThousandths(760.0004), 760.0);
    EXPECT_DOUBLE_EQ(*roundToThousandths(0.0006), 0.001);
    EXPECT_DOUBLE_EQ(*roundToThousandths(0.0004), 0.0);
    EXPECT_DOUBLE_EQ(*roundToThousandths(-1.2345), -1.234);  // floor, so halves go up
}

TEST(ResultRounding, RefusesWhatTheIntegerStepCannotHold) {
    EXPECT_TRUE(roundToThousandths(2147483.647).has_value());
    EXPECT_FALSE(roundToThousandths(2147483.6475).has_value());
    EXPECT_TRUE(roundToThousandths(-2147483.648).has_value());
    EXPECT_FALSE(roundToThousandths(-2147483.6495).has_value());
    EXPECT_FALSE(roundToThousandths(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(roundToThousandths(std::numeric_limits<double>::quiet_NaN()).has_value());
}

TEST(SortedInsert, OrdersAlphabeticallyIgnoringCaseAndKeepsDuplicates) {
    std::vector<std::string> items;
    for (const char* name : {"METHANE", "acetone", "ETHANE", "Benzene", "ETHANE", "1-BUTENE"}) {
        addListItem(items, name, true);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"1-BUTENE", "acetone", "Benzene", "ETHANE", "ETHANE",
                                               "METHANE"}));
    std::vector<std::string> unsorted;
    addListItem(unsorted, "b", false);
    EXPECT_EQ(addListItem(unsorted, "a", false), 1u);
}

}  // namespace
}  // namespace chemeng
