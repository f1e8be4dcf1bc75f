#include <gtest/gtest.h>

#include "fixed_line.h"
#include "number_text.h"

namespace chemeng::datagen {
namespace {

TEST(CompoundDataFormatting, NumbersKeepTheirDigitsOrDropDecimalsToFit) {
    struct Case {
        double value;
        int width, decimals, minDecimals;
        const char* expected;  // nullptr: cannot be written
    };
    const Case cases[] = {
        {562.05, 6, 2, 0, "562.05"},     {1234.56, 6, 2, 0, "1234.6"},
        {-0.0004, 6, 3, 3, "0.000"},     {-241.822, 9, 3, 1, "-241.822"},
        {123456789.0, 6, 2, 0, nullptr}, {0.125, 5, 2, 2, "0.12"},  // ties to even, as printf
    };
    for (const Case& c : cases) {
        const auto text = fixedFitting(c.value, c.width, c.decimals, c.minDecimals);
        if (c.expected == nullptr) {
            EXPECT_FALSE(text) << c.value;
        } else {
            ASSERT_TRUE(text) << c.value;
            EXPECT_EQ(*text, c.expected);
        }
    }
    EXPECT_EQ(scientificText(-1.8992361e-4, 6), "-1.899236E-04");
    EXPECT_EQ(scientificFitting(-5.0591e-3, 10, 5, 1).value(), "-5.059E-03");
}

TEST(CompoundDataFormatting, FixedLineRefusesOverlongTextsAndWrittenWindows) {
    FixedLine line;
    EXPECT_TRUE(line.put(3, 8, "C2H6O", FixedLine::Align::Left));
    EXPECT_TRUE(line.put(63, 6, "514.00"));
    EXPECT_FALSE(line.put(71, 6, "1234567"));  // longer than its window
    EXPECT_FALSE(line.put(60, 6, "1"));        // would land on Tc
    EXPECT_TRUE(line.put(71, 6, "61.37"));
    EXPECT_EQ(line.text(), "   C2H6O" + std::string(55, ' ') + "514.00  " + " 61.37");
}

}  // namespace
}  // namespace chemeng::datagen
