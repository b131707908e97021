#include "number_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(NumberRules, NumberToText) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case { double value; const char* expected; };
    const Case cases[] = {
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.3333333333333"},
        {2.0 / 3, "0.6666666666667"},
        {-0.5, "-0.5"},
        {-3, "-3"},
        {0, "0"},
        {-0.0, "0"},
        {1e12, "1000000000000"},
        {9999999999999, "9999999999999"},
        {9999999999999.5, "1e+013"},  // rounds up into the exponent form
        {1e13, "1e+013"},
        {123456789012345, "1.234567890123e+014"},
        {1.5e300, "1.5e+300"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {1.5e-7, "1.5e-007"},
        {1.0 / 3000000, "3.333333333333e-007"},
        {inf, "1.#INF"},
        {-inf, "-1.#INF"},
        {std::nan(""), "-1.#IND"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(NumberToText(c.value), c.expected);
    }
}

TEST(NumberRules, TextToNumber) {
    struct Case { const char* text; double expected; };
    const Case cases[] = {
        {"12abc", 12},
        {"1,000", 1},
        {"1e+013", 1e13},
        {"2E3", 2000},
        {"2e", 2},         // an "e" without digits is not part of the number
        {"1.#INF", 1},
        {"", 0},
        {".", 0},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5},
        {"1.2.3", 1.2},
        {"  42", 42},
        {"inf", 0},
        {"nan", 0},
        {"0x10", 0},
        {"３．５", 3.5},
        {"　12", 12},      // full-width space
        {"－２", -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.expected);
    }
}

TEST(NumberRules, RoundToPlaces) {
    struct Case { double value; int places; double expected; };
    const Case cases[] = {
        {2.675, 2, 2.68},
        {1.005, 2, 1.01},
        {1234.5, -2, 1200},
        {-1250, -2, -1300},
        {-0.5, 0, -1},
        {-2.5, 0, -3},
        {2.0 / 3, 12, 0.666666666667},
        {0.004, 2, 0},
        {1.7e308, 2, 1.7e308},   // scaling would overflow: unchanged
        {1.7e308, -308, 1.7e308}, // rounding up would overflow: unchanged
        {1234, -400, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.places);
        EXPECT_DOUBLE_EQ(RoundToPlaces(c.value, c.places), c.expected);
    }
    EXPECT_TRUE(std::isnan(RoundToPlaces(std::nan(""), 2)));
}

TEST(NumberRules, IntegerPart) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case { double value; std::int32_t expected; };
    const Case cases[] = {
        {-7.9, -7},
        {4.9999999999999, 5},
        {-0.9999999999995, -1},
        {-2.9999999999995, -3},
        {2.99999999999, 2},     // fraction not close enough to snap
        {2147483647, 2147483647},
        {2147483648.0, -2147483647 - 1},
        {3000000000.0, -1294967296},
        {4294967296.0 + 5, 5},
        {1e20, 1661992960},     // low 32 bits of 100000000000000000000
        {inf, 0},
        {std::nan(""), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value);
        EXPECT_EQ(IntegerPart(c.value), c.expected);
    }
}

TEST(NumberRules, IntegerDivide) {
    struct Case { double x, divisor, expected; };
    const Case cases[] = {
        {17, 5, 3},
        {-17, 5, -3},
        {0.3, 0.1, 3},          // binary quotient 2.9999999999999996
        {1e10, 1, 1e10},        // no 32-bit wrap
        {7, 7.0000001, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " \\ " << c.divisor);
        EXPECT_DOUBLE_EQ(IntegerDivide(c.x, c.divisor), c.expected);
    }
    EXPECT_FALSE(std::signbit(IntegerDivide(-1, 3)));
    EXPECT_TRUE(std::isinf(IntegerDivide(1, 0)));
}

TEST(NumberRules, FormattedNumberText) {
    struct Case { double value; int places; bool thousands; const char* expected; };
    const Case cases[] = {
        {5, 3, false, "5.000"},
        {1234.5, -1, true, "1,234.5"},
        {1234567.891, -1, true, "1,234,567.891"},
        {-123456, -1, true, "-123,456"},
        {123, -1, true, "123"},
        {1000, 0, true, "1,000"},
        {1234.5678, 2, true, "1,234.57"},
        {1.25, 0, false, "1"},  // rounded to 0 places: 1.25 -> 1
        {1e13, -1, true, "1e+013"},  // exponent texts are never grouped
        {1e13, 2, false, "1e+013.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FormattedNumberText(c.value, c.places, c.thousands), c.expected);
    }
}

TEST(NumberRules, Tolerance) {
    EXPECT_TRUE(NearlyEqual(1, 1 + 0.5e-7));
    EXPECT_FALSE(NearlyEqual(1, 1 + 2e-7));
    EXPECT_TRUE(NearlyZero(-1e-7));
    EXPECT_FALSE(NearlyZero(1.1e-7));
    EXPECT_FALSE(IsFinite(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(IsFinite(std::nan("")));
}

}  // namespace
