#include "text_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(TextRules, CutsByBytes) {
    const std::string text = "1×2";  // 31 A1 C1 32
    EXPECT_EQ(TextLength(text), 4);
    EXPECT_EQ(TextLeft(text, 2), "1\xA1");  // cuts inside the character
    EXPECT_EQ(TextLeft(text, 0), "");
    EXPECT_EQ(TextLeft(text, 99), text);
    EXPECT_EQ(TextRight(text, 1), "2");
    EXPECT_EQ(TextRight(text, -1), "");
    EXPECT_EQ(TextMid(text, 2, 2), "×");
    EXPECT_EQ(TextMid(text, 0, 2), "");
    EXPECT_EQ(TextMid(text, 5, 1), "");
    EXPECT_EQ(TextMid(text, 4, 10), "2");
    EXPECT_EQ(TextCharCode(text, 1), '1');
    EXPECT_LT(TextCharCode(text, 2), 0);
    EXPECT_EQ(TextCharCode(text, 9), 0);
}

TEST(TextRules, FindsOnlyAtCharacterStarts) {
    struct Case { std::string text, pattern; TextPos start; TextPos expected; };
    const Case cases[] = {
        {"1×2", "2", 1, 4},
        {"a∟b", "N", 1, -1},          // "∟" is A8 4E: its trail byte is "N"
        {"∟N", "N", 1, 3},
        {"∟N", "N", 2, 3},            // a start inside a character goes on from the next one
        {"∟∟N", "N", 2, 5},
        {"abcabc", "bc", 3, 5},
        {"abc", "", 1, 1},
        {"", "", 1, -1},
        {"abc", "x", 1, -1},
        {"abc", "c", 0, 3},
        {"xπ|", "|", 1, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.pattern);
        EXPECT_EQ(TextFind(c.text, c.pattern, c.start), c.expected);
    }
    EXPECT_EQ(TextFind("SIN", "sin", 1, true), 1);
    EXPECT_EQ(TextFind("SIN", "sin"), -1);
    EXPECT_EQ(TextFindLast("1=2=3", "="), 4);
    EXPECT_EQ(TextFindLast("∟N", "N"), 3);
    EXPECT_EQ(TextFindLast("a∟", "N"), -1);
    EXPECT_FALSE(TextContains("a∟b", "N"));
}

TEST(TextRules, SplitsAndSubstitutes) {
    EXPECT_EQ(TextSplit("a,,b,", ","), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(TextSplit(",a", ","), (std::vector<std::string>{"", "a"}));
    EXPECT_TRUE(TextSplit("", ",").empty());
    EXPECT_EQ(TextSplit("1∟2∟3", "∟"), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(TextSplit("∟N", "N"), (std::vector<std::string>{"∟"}));
    EXPECT_EQ(TextSubstitute("aaa", "aa", "b"), "ba");
    EXPECT_EQ(TextSubstitute("∟N∟", "N", "x"), "∟x∟");
    EXPECT_EQ(TextReplaceAt("12345", 2, 3, "x"), "1x5");
    EXPECT_EQ(TextReplaceAt("12", 3, 0, "x"), "12x");
}

TEST(TextRules, TrimsAndFolds) {
    EXPECT_EQ(TrimAll(" 1 +\xA1\xA1" "2 "), "1+2");
    EXPECT_EQ(TrimRight("1+2 \xA1\xA1 "), "1+2");
    EXPECT_EQ(TrimRight("\xA1\xA1"), "");
    // A lead byte takes the next byte with it, even a blank: B0 A1 | A1 20.
    EXPECT_EQ(TrimRight("\xB0\xA1\xA1 "), "\xB0\xA1\xA1 ");
    EXPECT_EQ(TrimRight("\xB0\xA1\xA1\xA1 "), "\xB0\xA1");
    EXPECT_EQ(ToLower("SIN×Ab"), "sin×ab");
    EXPECT_EQ(ToUpper("sin×ab"), "SIN×AB");
    EXPECT_EQ(ToHalfWidth("３．５"), "3.5");
    EXPECT_EQ(ToHalfWidth("\xA1\xA1" "12"), " 12");
    EXPECT_EQ(ToHalfWidth("～☆★（）＼"), "~**()\\");
    EXPECT_EQ(ToHalfWidth("Ｓｉｎ×"), "Sin×");
    EXPECT_EQ(ToHalfWidth("1\xA3"), "1\xA3");  // a lone lead byte at the end stays
}

}  // namespace
