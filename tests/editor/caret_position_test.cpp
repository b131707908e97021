#include <gtest/gtest.h>

#include "caret_position.h"

namespace {

TEST(CaretPosition, LineAndColumnCountBytesUpToTheCaret) {
    struct Case {
        const char* text;
        TextPos caret;
        const char* shown;
    };
    const Case cases[] = {
        {"2×\r\n", 3, " 行: 1,列: 4,"},  // the CR behind the caret counts
        // Between CR and LF, and at the very end: the head ends in CR LF and
        // its empty last piece is dropped, so the line's own bytes count.
        {"2×\r\n", 4, " 行: 1,列: 3,"},
        {"2×\r\n", 5, " 行: 1,列: 3,"},
        {"\r\n\r\n", 0, " 行: 1,列: 1,"},
        {"\r\n\r\n", 2, " 行: 2,列: 1,"},
        {"1+2\r\n4", 5, " 行: 2,列: 1,"},
        {"1+2\r\n4", 6, " 行: 2,列: 1,"},
        {"abc", 0, " 行: 1,列: 1,"},
        {"abc", 3, " 行: 1,列: 3,"},
        {"a\r\nb\r\nc", 99, " 行: 3,列: 1,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CaretPositionText(c.text, c.caret).value_or("none"), c.shown);
    }
    EXPECT_FALSE(CaretPositionText("", 0).has_value());
}

}  // namespace
