#include "effective_values.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(EffectiveValues, OpacityOutsideItsRangeIsFullAndAlphaIsComputedInDoubles) {
    struct Case {
        int opacity;
        int effective;
        int alpha;
    };
    const Case cases[] = {
        {100, 100, 254},  // 100 × 2.55 is just below 255
        {1, 1, 2},          {50, 50, 127},       {40, 40, 102},       {99, 99, 252},       {0, 100, 254},
        {-5, 100, 254},     {101, 100, 254},     {INT_MAX, 100, 254}, {INT_MIN, 100, 254},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opacity);
        EXPECT_EQ(EffectiveOpacity(c.opacity), c.effective);
        EXPECT_EQ(WindowAlpha(c.opacity), c.alpha);
    }
}

TEST(EffectiveValues, ColourKeepsOnlyItsThreeBytes) {
    struct Case {
        int colour;
        std::uint32_t masked;
    };
    const Case cases[] = {
        {0, 0}, {16777215, 0xFFFFFF}, {0x123456, 0x123456}, {0x7F123456, 0x123456}, {-1, 0xFFFFFF}, {INT_MIN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        EXPECT_EQ(MaskColour(c.colour), c.masked);
    }
}

TEST(EffectiveValues, UndoDepthAndFontSizeStayUsable) {
    struct Case {
        int value;
        int depth;
        int size;
    };
    const Case cases[] = {
        {INT_MIN, kDefaultUndoDepth, 1}, {-3, kDefaultUndoDepth, 1}, {0, kDefaultUndoDepth, 1},
        {1, 1, 1}, {14, 14, 14}, {72, 72, 72}, {73, 73, 72}, {500, 500, 72}, {501, 500, 72}, {INT_MAX, 500, 72},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(EffectiveUndoDepth(c.value), c.depth);
        EXPECT_EQ(EffectiveFontSize(c.value), c.size);
    }
}

TEST(EffectiveValues, FontSizeStepsStayWithinTheRange) {
    struct Case {
        int size, step, stepped;
    };
    const Case cases[] = {
        {14, 2, 16}, {14, -2, 12}, {2, -2, 1}, {70, 2, 72}, {72, 2, 72}, {INT_MAX, 2, 72}, {INT_MIN, -2, 1},
        {14, INT_MAX, 72}, {14, INT_MIN, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " by " << c.step);
        EXPECT_EQ(StepFontSize(c.size, c.step), c.stepped);
    }
}

TEST(EffectiveValues, FaceNameIsCutToThirtyOneCharactersWhole) {
    std::string thirtyHan;
    for (int i = 0; i < 30; ++i) thirtyHan += "宋";
    struct Case {
        std::string face;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""}, {"Times New Roman", "Times New Roman"}, {"宋体", "宋体"},
        {std::string(31, 'a'), std::string(31, 'a')},
        {std::string(40, 'a'), std::string(31, 'a')},
        {thirtyHan + "体", thirtyHan + "体"},              // 31 characters, 62 bytes
        {thirtyHan + "体x", thirtyHan + "体"},
        {"a" + thirtyHan + "体", "a" + thirtyHan},         // the 32nd character goes whole
        {std::string(30, 'a') + "宋体", std::string(30, 'a') + "宋"},
        {std::string(30, 'a') + "\xD5", std::string(30, 'a') + "\xD5"},  // a lone lead byte is one character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        EXPECT_EQ(FontFaceForLogFont(c.face), c.expected);
    }
}

}  // namespace
