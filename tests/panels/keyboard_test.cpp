#include "keyboard.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings.h"

namespace {

TEST(KeyboardKeys, ShiftTableAndWhatKeysDo) {
    // The thirteen shifted keys, their captions and what they then insert.
    struct Row {
        const char* caption;
        const char* second;
        const char* secondText;
    };
    const Row rows[] = {
        {"X^2", "√", "√"},     {"X^3", "3√", "3√"},     {"X^y", "1/X", "1/()"},  {"sin", "asin", "asin"},
        {"cos", "acos", "acos"}, {"tan", "atan", "atan"}, {"log", "lg", "lg"},     {"e", "ln", "ln"},
        {"π", "Rand", ""},      {"sinh", "asinh", "asinh"}, {"cosh", "acosh", "acosh"},
        {"tanh", "atanh", "atanh"}, {"∟", "，", ","},
    };
    std::set<int> shiftedKeys;
    for (const Row& row : rows) {
        const int index = KeyIndexOf(row.caption);
        ASSERT_GE(index, 0) << row.caption;
        shiftedKeys.insert(index);
        EXPECT_EQ(KeyCaption(index, true), row.second);
        EXPECT_EQ(KeyCaption(index, false), row.caption);
        EXPECT_EQ(KeyPress(index, true).Text, row.secondText) << row.caption;
    }
    for (int i = 0; i < kKeyboardKeyCount; ++i) {
        if (shiftedKeys.count(i) == 0) {
            EXPECT_EQ(KeyCaption(i, true), KeyCaption(i, false)) << i;
        }
    }
    EXPECT_EQ(KeyPress(KeyIndexOf("X^y"), true).Action, KeyAction::InsertInside);
    EXPECT_EQ(KeyPress(KeyIndexOf("π"), true).Action, KeyAction::RandomNumber);

    // Digits and "." are keypad keys, so 成对括号 leaves them digits; "0" is text.
    struct Sent {
        const char* caption;
        KeyAction action;
        unsigned key;
        const char* text;
    };
    const Sent sent[] = {
        {"1", KeyAction::SimulateKey, 97, ""},  {"9", KeyAction::SimulateKey, 105, ""},
        {".", KeyAction::SimulateKey, 110, ""}, {"BACK", KeyAction::SimulateKey, 8, ""},
        {"0", KeyAction::Insert, 0, "0"},       {"n！", KeyAction::Insert, 0, "!"},
        {"换行", KeyAction::Insert, 0, "\r\n"},  {"=", KeyAction::Enter, 0, ""},
    };
    for (const Sent& s : sent) {
        const KeyEffect effect = KeyPress(KeyIndexOf(s.caption), false);
        EXPECT_EQ(effect.Action, s.action) << s.caption;
        EXPECT_EQ(effect.VirtualKey, s.key) << s.caption;
        EXPECT_EQ(effect.Text, s.text) << s.caption;
    }
}

TEST(KeyboardKeys, BracketCycleAndRandomRange) {
    struct Row {
        const char* caption;
        const char* next;
        const char* inserts;
    };
    const Row rows[] = {{"（）", "（ ", "()"}, {"（ ", " ）", "("}, {" ）", "（）", ")"}};
    for (const Row& row : rows) {
        EXPECT_EQ(NextBracketCaption(row.caption), row.next);
        EXPECT_EQ(BracketInsertText(row.caption), row.inserts);
    }
    for (std::uint32_t seed : {0u, 1u, 12345u, 0xFFFFFFFFu}) {
        const int n = std::stoi(RandomKeyText(seed));
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 1000);
    }
}

TEST(KeyboardCaret, StepsOverWholeCharactersAndLineEnds) {
    // "∟" is A8 4E: its trail byte is an ASCII "N".
    const std::string text = "1∟N\r\n×2";  // 31 A8 4E 4E 0D 0A A1 C1 32
    struct Row {
        TextPos from;
        TextPos left;
        TextPos right;
    };
    const Row rows[] = {
        {0, 0, 1},  // nothing before the start
        {1, 0, 3},  // over "∟" to the right
        {3, 1, 4},  // back over "∟", not onto its trail byte
        {4, 3, 6},  // "N" after "∟"; CR LF is one step right
        {6, 4, 8},  // back over CR LF in one step
        {8, 6, 9},  // back over "×"
        {9, 8, 9},  // nothing after the end
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CaretLeftOf(text, row.from), row.left) << row.from;
        EXPECT_EQ(CaretRightOf(text, row.from), row.right) << row.from;
    }
    // A line of two-byte characters whose trail bytes are letters.
    const std::string letters = "a∟∟";  // 61 A8 4E A8 4E
    EXPECT_EQ(CaretLeftOf(letters, 5), 3);
    EXPECT_EQ(CaretLeftOf(letters, 3), 1);
}

TEST(KeyboardLayout, BothModesScaleWithTheWindow) {
    const int zero = KeyIndexOf("0"), plus = KeyIndexOf("+"), sin = KeyIndexOf("sin"), equals = KeyIndexOf("=");
    const int back = KeyIndexOf("BACK"), seven = KeyIndexOf("7");
    struct Row {
        int width, height;
        bool scientific;
        int key;
        KeyRect rect;
    };
    const Row rows[] = {
        {540, 285, true, sin, {9, 77, 72, 33}},
        {540, 285, true, zero, {234, 223, 147, 33}},
        {540, 285, true, plus, {460, 113, 72, 70}},
        {1080, 570, true, equals, {920, 370, 144, 140}},
        {310, 285, false, sin, {-224, 77, 41, 33}},  // out of sight: 310 × -391 / 540
        {310, 285, false, seven, {5, 113, 71, 33}},
        {310, 285, false, back, {230, 41, 71, 33}},
        {310, 285, false, zero, {5, 223, 146, 33}},
        {620, 142, false, zero, {11, 111, 292, 16}},
    };
    for (const Row& row : rows) {
        const KeyRect r = KeyboardLayout(row.width, row.height, row.scientific)[row.key];
        EXPECT_EQ(r.Left, row.rect.Left) << row.width << " " << row.key;
        EXPECT_EQ(r.Top, row.rect.Top) << row.width << " " << row.key;
        EXPECT_EQ(r.Width, row.rect.Width) << row.width << " " << row.key;
        EXPECT_EQ(r.Height, row.rect.Height) << row.width << " " << row.key;
    }
    EXPECT_EQ(SwitchedModeWidth(540, false), 310);
    EXPECT_EQ(SwitchedModeWidth(310, true), 540);
}

TEST(KeyboardPlacement, StoredWindowKeptWhenSoundElseOnScreen) {
    struct Row {
        int left, top, width, height;
        bool scientific;
        WindowRect expected;
    };
    const Row rows[] = {
        {285, 285, 540, 285, true, {285, 285, 540, 285}},
        {100, 50, 310, 200, false, {100, 50, 310, 200}},
        {99999, 285, 540, 285, true, {690, 397, 540, 285}},    // off the right edge: centred
        {285, 285, 0, 0, false, {285, 285, 310, 285}},         // no size: the designed one
        {-5000, -5000, 0, 285, true, {690, 397, 540, 285}},
    };
    for (const Row& row : rows) {
        Settings s;
        s.KeyboardLeft = row.left;
        s.KeyboardTop = row.top;
        s.KeyboardWidth = row.width;
        s.KeyboardHeight = row.height;
        s.KeyboardScientific = row.scientific;
        const WindowRect r = KeyboardPlacement(s, 1920, 1080);
        EXPECT_EQ(r.Left, row.expected.Left) << row.left;
        EXPECT_EQ(r.Top, row.expected.Top) << row.left;
        EXPECT_EQ(r.Width, row.expected.Width) << row.left;
        EXPECT_EQ(r.Height, row.expected.Height) << row.left;
    }
}

}  // namespace
