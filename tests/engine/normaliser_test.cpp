#include "normaliser.h"

#include <gtest/gtest.h>

#include "messages.h"
#include "settings.h"

namespace {

struct Case {
    std::string input;     // prepared text, with its end mark
    std::string expected;  // normalised text, or the message
};

void ExpectNormalised(const Case& c, const Settings& settings) {
    SCOPED_TRACE(c.input);
    std::string normalised, message;
    EXPECT_TRUE(NormaliseSymbols(c.input, settings, normalised, message)) << message;
    EXPECT_EQ(normalised, c.expected);
}

void ExpectRefused(const Case& c, const Settings& settings) {
    SCOPED_TRACE(c.input);
    std::string normalised, message;
    EXPECT_FALSE(NormaliseSymbols(c.input, settings, normalised, message));
    EXPECT_EQ(message, c.expected);
}

TEST(Normaliser, RewritesSymbolsAndInsertsMultiplication) {
    const Case cases[] = {
        {"3×4÷2 ", "3*4@2 "},     {"2√8 ", "2|8 "},         {"1∟2 ", "1/2 "},
        {"6/3 ", "6@3 "},         {"2π ", "2*pi "},         {"π2 ", "pi2 "},
        {"(1)π ", "(1)*pi "},     {"1.π ", "1.*pi "},       {"+π ", "+pi "},
        {"[1+2]×{3} ", "(1+2)*(3) "},
        {"2sin30 ", "2*sin30 "},  {"3.ln2 ", "3.*ln2 "},   {"1e5 ", "1*e5 "},
        {"0b101 ", "0b101 "},     {"(2)sin30 ", "(2)sin30 "},
        {"5‰+7\\2 ", "5‰+7\\2 "}, {"2SIN ", "2SIN "},
    };
    for (const Case& c : cases) ExpectNormalised(c, Settings{});
}

TEST(Normaliser, ReportsTheFirstBracketFault) {
    const Case cases[] = {
        {"(1] ", msg::kSquareMismatch},   {"(1+2] ", msg::kSquareMismatch},
        {"[1} ", msg::kCurlyMismatch},    {"{1) ", msg::kParenMismatch},
        {"1) ", msg::kParenMismatch},     {")( ", msg::kParenMismatch},
        {"((1) ", msg::kMissingParen},    {"[(1 ", msg::kMissingParen},
        {"{[1 ", msg::kMissingSquare},    {"{1 ", msg::kMissingCurly},
        {"1)米 ", msg::kParenMismatch},   {"米) ", msg::kUnknownChinese},
    };
    for (const Case& c : cases) ExpectRefused(c, Settings{});
}

TEST(Normaliser, ChineseCharactersAreRefusedOrDropped) {
    Settings settings;
    ExpectRefused({"1+2米 ", msg::kUnknownChinese}, settings);
    settings.IgnoreChinese = true;
    const Case cases[] = {
        {"1+2米 ", "1+2 "},
        {"单价3×2 ", "3*2 "},
        {"2乪(1) ", "2(1) "},  // 乪 is 81 65: its trail byte "e" is no letter
    };
    for (const Case& c : cases) ExpectNormalised(c, settings);
}

TEST(Normaliser, CommaAndSemicolonFollowTheThousandsMode) {
    struct ModeCase { int mode; Case c; };
    const ModeCase cases[] = {
        {0, {"1,000 ", "1,000 "}},     {0, {"max(1;2) ", "max(1,2) "}},
        {1, {"1;000+1 ", "1000+1 "}},  {1, {"max(1,2) ", "max(1,2) "}},
        {2, {"1,000+1 ", "1000+1 "}},  {2, {"max(1;2) ", "max(1,2) "}},
    };
    for (const ModeCase& mc : cases) {
        Settings settings;
        settings.ThousandsSeparator = mc.mode;
        SCOPED_TRACE(mc.mode);
        ExpectNormalised(mc.c, settings);
    }
}

TEST(Normaliser, LoneLeadByteKeepsTheEndMark) {
    for (bool ignoreChinese : {false, true}) {
        Settings settings;
        settings.IgnoreChinese = ignoreChinese;
        SCOPED_TRACE(ignoreChinese);
        ExpectNormalised({"1+\xB0 ", "1+\xB0 "}, settings);
        ExpectNormalised({"1+\xB0", "1+\xB0"}, settings);
    }
}

}  // namespace
