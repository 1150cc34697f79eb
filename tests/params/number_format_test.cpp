#include "params/number_format.h"

#include <gtest/gtest.h>

namespace kestrovin {
namespace {

struct Case {
    double value;
    int precision;
    int decimals;
    const char* text;
};

TEST(NumberFormat, RoundsToSignificantDigitsAndDecimals) {
    for (const Case& c : {
             Case{31.875, 4, 3, "31,880"},   // P limits even where D allows more
             Case{12.5, 4, 3, "12,500"},
             Case{239.6, 3, 1, "240,0"},
             Case{255 * 0.47 - 30, 3, 1, "89,9"},   // exact decimal half, just below in binary
             Case{(44 - 39) * 0.47 - 20, 3, 1, "-17,7"},
             Case{255 / 2.0, 3, 1, "128,0"},
             Case{0.5, 3, 0, "1"},
             Case{-0.5, 3, 0, "-1"},
             Case{0.25, 3, 1, "0,3"},
             Case{0.045, 3, 2, "0,05"},
             Case{6375, 4, 0, "6375"},
             Case{166.1325, 3, 1, "166,0"},
             Case{5.0, 3, 2, "5,00"},
             Case{0.0, 3, 1, "0,0"},
             Case{-0.04, 3, 1, "0,0"},   // rounds to zero: no sign
             Case{-20.0, 3, 2, "-20,00"},
             Case{975.0, 3, 1, "975,0"},
         })
        EXPECT_EQ(FormatPD(c.value, c.precision, c.decimals, ","), c.text) << c.value << " at " << c.precision << "/" << c.decimals;
}

TEST(NumberFormat, ScientificWhenTheIntegerPartOutgrowsPrecision) {
    for (const Case& c : {
             Case{1234.5, 3, 1, "1,23E3"},
             Case{5000, 3, 1, "5E3"},
             Case{999.96, 3, 1, "1E3"},   // the carry makes a fourth integer digit
             Case{-123456, 4, 0, "-1,235E5"},
             Case{1e20, 4, 2, "1E20"},
         })
        EXPECT_EQ(FormatPD(c.value, c.precision, c.decimals, ","), c.text) << c.value;
}

TEST(NumberFormat, UsesTheGivenSeparator) {
    EXPECT_EQ(FormatPD(31.875, 4, 3, "."), "31.880");
    EXPECT_EQ(FormatPD(1234.5, 3, 1, "."), "1.23E3");
}

TEST(NumberFormat, ReadBackIsTheNumberTheTextShows) {
    EXPECT_DOUBLE_EQ(RoundPD(239.6, 3, 1), 240.0);
    EXPECT_DOUBLE_EQ(RoundPD(80.0, 3, 1), 80.0);
    EXPECT_DOUBLE_EQ(RoundPD(-42.04, 3, 1), -42.0);
    EXPECT_DOUBLE_EQ(RoundPD(89.85, 3, 1), 89.9);
    EXPECT_DOUBLE_EQ(RoundPD(0.01, 3, 1), 0.0);
}

}  // namespace
}  // namespace kestrovin
