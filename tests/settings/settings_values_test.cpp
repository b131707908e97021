#include "setting_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();

TEST(SettingValues, OnlyExactTrueTextIsTrue) {
    struct Case {
        std::string text;
        bool expected;
    };
    using std::string_literals::operator""s;
    const Case cases[] = {
        {"真", true},  {"\xD5\xE6", true}, {"真 ", false}, {" 真", false}, {"真真", false},
        {"假", false}, {"true", false},    {"TRUE", false}, {"1", false},   {"", false},
        {"真\0"s, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(BoolFromSetting(c.text), c.expected);
    }
    EXPECT_EQ(BoolToSetting(true), "\xD5\xE6");
    EXPECT_EQ(BoolToSetting(false), "\xBC\xD9");
}

TEST(SettingValues, ReadsIntegersLikeANumberReader) {
    struct Case {
        std::string text;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"-3", -3}, {"  12", 12}, {"12  ", 12},
        {"　12", 12},                 // full-width space
        {"-3.9", -3},                 // toward zero
        {"-0.5", 0}, {".5", 0}, {"1e3", 1000}, {"1.5e1", 15}, {"-2.5e+2", -250}, {"25e-1", 2},
        {"1e", 1}, {"1e+", 1},        // an exponent needs a digit
        {"0x10", 0},                  // stops at "x"
        {"12abc", 12}, {"1 2", 1}, {"abc", 0}, {"", 0}, {"-", 0}, {"+-3", 0}, {"- 3", 0}, {"inf", 0},
        {"１２３", 123},               // full-width digits
        {"－４５", -45}, {"＋６", 6}, {"７．９", 7}, {"1２", 12}, {"１e２", 100},
        {"1ｅ2", 1},                  // only digits, signs and the point fold
        {"16777215", 16777215}, {"2147483647", kInt32Max},
        {"2147483648", kInt32Max},    // held, not wrapped
        {"-2147483648", kInt32Min}, {"99999999999999999999999", kInt32Max}, {"1e10", kInt32Max},
        {"-1e10", kInt32Min}, {"1e400", kInt32Max}, {"1e-400", 0}, {"0000000000000000000000012", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Int32FromSetting(c.text), c.expected);
    }
}

TEST(SettingValues, ReadsSixtyFourBitCountsExactly) {
    struct Case {
        std::string text;
        std::int64_t expected;
    };
    const Case cases[] = {
        {"1", 1}, {"2147483648", 2147483648LL},
        {"9007199254740993", 9007199254740993LL},   // beyond a double's exact integers
        {"9223372036854775807", kInt64Max}, {"9223372036854775808", kInt64Max},
        {"-9223372036854775808", kInt64Min}, {"-9223372036854775809", kInt64Min},
        {"123456789012345678901234567890", kInt64Max}, {"-9223372036854775807.9", -9223372036854775807LL},
        {"1e18", 1000000000000000000LL}, {"1e19", kInt64Max}, {"-1e19", kInt64Min}, {"1e999", kInt64Max},
        {"abc", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Int64FromSetting(c.text), c.expected);
    }
}

TEST(SettingValues, SaturatesDoublesInsteadOfOverflowing) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double value;
        std::int32_t expected32;
        std::int64_t expected64;
    };
    const Case cases[] = {
        {0.0, 0, 0}, {2.9, 2, 2}, {-2.9, -2, -2},
        {2147483647.9, kInt32Max, 2147483647LL}, {2147483648.0, kInt32Max, 2147483648LL},
        {-2147483648.5, kInt32Min, -2147483648LL}, {9223372036854775808.0, kInt32Max, kInt64Max},
        {-9223372036854775808.0, kInt32Min, kInt64Min}, {inf, kInt32Max, kInt64Max}, {-inf, kInt32Min, kInt64Min},
        {nan, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(SaturatedInt32(c.value), c.expected32);
        EXPECT_EQ(SaturatedInt64(c.value), c.expected64);
    }
}

}  // namespace
