// The key handlers of the expression box on the in-memory box and engine,
// with a host that records what the window would have been asked to do.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "marked_text.h"
#include "engine_session.h"
#include "key_handlers.h"
#include "messages.h"

namespace {

class FakeHost : public KeyHandlerHost {
public:
    void SetKeyDelayTimer(unsigned intervalMs) override {
        timer = intervalMs;
        if (intervalMs != 0) ++timerStarts;
    }
    // Each read moves the clock on by `step`.
    std::uint32_t TickCount() override {
        const std::uint32_t t = now;
        now += step;
        return t;
    }
    void FocusBox() override { ++focusCalls; }
    bool IsNumLockOn() override { return numLock; }
    void PressNumLock() override {
        numLock = !numLock;
        calls.push_back("numlock");
    }
    bool IsFullScreenChecked() override { return fullScreen; }
    void SetFullScreen(bool on) override {
        fullScreen = on;
        calls.push_back(on ? "full screen" : "normal view");
    }
    void FontSizeChanged() override { calls.push_back("font"); }
    void UpdateModeStatus() override { calls.push_back("mode"); }
    void FractionConvert() override { calls.push_back("fraction"); }

    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }

    std::vector<std::string> calls;
    unsigned timer = 0;
    int timerStarts = 0;
    int focusCalls = 0;
    std::uint32_t now = 5000;
    std::uint32_t step = 0;
    bool numLock = true;
    bool fullScreen = false;
};

struct KeySession : EngineSession {
    FakeHost host;
    KeyHandlers keys{box, status, engine, settings, host};

    // "1+|2" puts the caret between + and 2; "1[+2]" selects "+2".
    void Put(const std::string& marked) {
        const MarkedText parsed = ParseMarked(marked, '|');
        box.SetText(parsed.Text);
        box.SetSelectionStart(parsed.Start);
        box.SetSelectionLength(parsed.Length);
    }

    // The text with the caret or the selection marked as Put takes it.
    std::string Shown() const { return ShowMarked(box, '|'); }

    // One keystroke: key-down, the character the box types unless the key
    // was consumed, key-up.
    void Type(char ch, unsigned key, int shift = 0) {
        if (!keys.KeyDownHandler(key, shift)) box.ReplaceSelection(std::string(1, ch));
        keys.KeyUpHandler(key, shift);
    }

    void PressEnter(int shift) {
        EXPECT_TRUE(keys.KeyDownHandler(vk::kEnter, shift));
        EXPECT_TRUE(keys.KeyUpHandler(vk::kEnter, shift));
    }
};

std::string Timing(const std::string& seconds) { return msg::kTimingPrefix + seconds + msg::kTimingSuffix; }

TEST(EnterKey, ShortPressEvaluatesOrStartsANewLineBySwapSetting) {
    struct Case {
        bool swapped;
        int shift;
        bool evaluates;
    };
    const Case cases[] = {
        {false, 0, true},  {false, kShiftCtrl, false},
        // Shift, Ctrl+Shift and Alt are not Ctrl alone.
        {false, kShiftShift, true}, {false, kShiftCtrl | kShiftShift, true}, {false, kShiftAlt, true},
        {true, 0, false},  {true, kShiftCtrl, true},
        {true, kShiftShift, false}, {true, kShiftCtrl | kShiftShift, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "swapped " << c.swapped << " shift " << c.shift);
        KeySession s;
        s.settings.EnterInsertsNewLine = c.swapped;
        s.host.step = 16;
        s.Put("1+2|");
        s.PressEnter(c.shift);
        EXPECT_EQ(s.Shown(), c.evaluates ? "1+2=3|" : "1+2\r\n|");
        EXPECT_EQ(s.status.PartText(StatusPart::Message), c.evaluates ? Timing("0.016") : "");
        EXPECT_EQ(s.host.timer, 0u);
        EXPECT_EQ(s.host.timerStarts, 1);
        EXPECT_FALSE(s.keys.EnterLongPress());
    }
}

TEST(EnterKey, TimingShowsWholeMillisecondsAsSeconds) {
    struct Case {
        std::uint32_t start;
        std::uint32_t step;
        const char* seconds;
    };
    const Case cases[] = {
        {5000, 0, "0"}, {5000, 16, "0.016"}, {5000, 1500, "1.5"},
        {0xFFFFFFF8u, 16, "0.016"},  // across the wrap of the tick count
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        KeySession s;
        s.host.now = c.start;
        s.host.step = c.step;
        s.Put("2*3|");
        s.PressEnter(0);
        EXPECT_EQ(s.status.PartText(StatusPart::Message), Timing(c.seconds));
    }
}

TEST(EnterKey, FailedEvaluationKeepsTheEngineMessageAndAddsNothing) {
    KeySession s;
    s.settings.NewLinePasteResult = true;
    s.settings.NewLineAfterResult = true;
    s.host.step = 16;
    s.Put("1+|");
    s.PressEnter(0);
    EXPECT_EQ(s.box.Text(), "1+");
    EXPECT_EQ(s.engine.FailureCount(), 1);
    EXPECT_NE(s.status.PartText(StatusPart::Message).rfind(msg::kTimingPrefix, 0), 0u);
    EXPECT_FALSE(s.status.PartText(StatusPart::Message).empty());
}

TEST(EnterKey, AfterResultOptionsRunInTheOrderOfTheComputingKey) {
    struct Case {
        bool ctrlComputes;  // swap setting on, Ctrl+Enter pressed: order B
        bool pasteResult;
        bool newLine;
        const char* shown;
    };
    const Case cases[] = {
        {false, false, false, "1+2=3|"},      {false, true, false, "1+2=3\r\n3|"},
        {false, false, true, "1+2=3\r\n|"},   {false, true, true, "1+2=3\r\n3\r\n|"},
        {true, false, false, "1+2=3|"},       {true, true, false, "1+2=3\r\n3|"},
        {true, false, true, "1+2=3\r\n|"},    {true, true, true, "1+2=3\r\n\r\n3|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        KeySession s;
        s.settings.EnterInsertsNewLine = c.ctrlComputes;
        s.settings.NewLinePasteResult = c.pasteResult;
        s.settings.NewLineAfterResult = c.newLine;
        s.Put("1+2|");
        s.PressEnter(c.ctrlComputes ? kShiftCtrl : 0);
        EXPECT_EQ(s.Shown(), c.shown);
    }
}

TEST(EnterKey, HeldEnterInsertsLineBreaksAndItsReleaseActsOnlyAfterARepeat) {
    // D key-down of Enter (auto-repeat included), T a tick, U the release.
    // With the swap setting on, a short release inserts one more line break.
    struct Case {
        const char* events;
        int lineBreaks;
        bool longPress;
    };
    const Case cases[] = {
        {"DU", 1, false},   {"DTU", 1, true},    {"DTTU", 2, true},
        {"DTDU", 2, false}, {"DTDTU", 2, true},  {"DDDU", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.events);
        KeySession s;
        s.settings.RealTimeMode = false;
        s.settings.EnterInsertsNewLine = true;
        s.Put("1+2|");
        bool releaseConsumed = false;
        for (const char* e = c.events; *e; ++e) {
            if (*e == 'D') {
                EXPECT_TRUE(s.keys.KeyDownHandler(vk::kEnter, 0));
                EXPECT_EQ(s.host.timer, KeyHandlers::kKeyDelayMs);
            } else if (*e == 'T') {
                s.keys.DelayedNewline();
            } else {
                releaseConsumed = s.keys.KeyUpHandler(vk::kEnter, 0);
            }
        }
        std::string expected = "1+2";
        for (int i = 0; i < c.lineBreaks; ++i) expected += "\r\n";
        EXPECT_EQ(s.Shown(), expected + "|");
        EXPECT_EQ(s.keys.EnterLongPress(), c.longPress);
        EXPECT_EQ(releaseConsumed, !c.longPress);
        EXPECT_EQ(s.host.timer, 0u);
        EXPECT_EQ(s.status.PartText(StatusPart::Message), "");
    }
}

TEST(EnterKey, ReleaseAfterLongPressDoesNotEvaluateEvenAsCtrlEnter) {
    // As the virtual keyboard's "=" calls it: Ctrl counted when swapped.
    KeySession s;
    s.settings.RealTimeMode = false;
    s.Put("1+2|");
    s.keys.KeyDownHandler(vk::kEnter, kShiftCtrl);
    s.keys.DelayedNewline();
    s.keys.KeyUpHandler(vk::kEnter, 0);
    EXPECT_EQ(s.Shown(), "1+2\r\n|");
    s.Put("1+2|");
    s.keys.KeyUpHandler(vk::kEnter, 0);
    EXPECT_EQ(s.Shown(), "1+2|");
}

TEST(RealTime, TypingEvaluatesTheLineAndKeepsTheCaret) {
    KeySession s;
    ASSERT_TRUE(s.settings.RealTimeMode);
    s.Type('1', vk::Digit(1));
    EXPECT_EQ(s.Shown(), "1|");
    s.Type('+', vk::kEquals, kShiftShift);
    EXPECT_EQ(s.Shown(), "1+|");
    s.Type('2', vk::Digit(2));
    EXPECT_EQ(s.Shown(), "1+2|=3");
    s.Type('+', vk::kEquals, kShiftShift);
    s.Type('4', vk::Digit(4));
    EXPECT_EQ(s.Shown(), "1+2+4|=7");
}

TEST(RealTime, ModifierKeysAndCtrlShortcutsDoNotEvaluate) {
    struct Case {
        unsigned key;
        int shift;
        bool evaluates;
    };
    const Case cases[] = {
        {vk::kShift, kShiftShift, false}, {vk::kControl, 0, false}, {vk::kAlt, 0, false},
        {vk::kNumLock, 0, false},
        {vk::kLetterA, kShiftCtrl, false}, {vk::kLetterC, kShiftCtrl, false}, {vk::kLetterD, kShiftCtrl, false},
        {vk::kLetterZ, kShiftCtrl, false}, {vk::kLetterY, kShiftCtrl, false}, {vk::kLetterT, kShiftCtrl, false},
        {vk::kLetterV, kShiftCtrl, true},  // a paste changed the line
        {vk::kLetterZ, kShiftCtrl | kShiftShift, true}, {vk::kLetterA, 0, true}, {vk::kRight, 0, true},
        {vk::kNumpad5, kShiftCtrl, true}, {vk::kEnter, kShiftCtrl, false},  // short Ctrl+Enter: a new line only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " shift " << c.shift);
        KeySession s;
        s.Put("1+|2");
        const bool consumed = s.keys.KeyUpHandler(c.key, c.shift);
        if (c.key == vk::kEnter) {
            EXPECT_TRUE(consumed);
            EXPECT_EQ(s.Shown(), "1+\r\n|2");
        } else {
            EXPECT_FALSE(consumed);
            EXPECT_EQ(s.Shown(), c.evaluates ? "1+|2=3" : "1+|2");
        }
    }
}

TEST(RealTime, SelectionSurvivesWhenTheTextStaysTheSame) {
    struct Case {
        bool realTime;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {true, "1[23]45", "1[23]45"},  // a lone number: nothing written
        {true, "[1+]2", "|1+2=3"},     // a result written: the caret goes back to the start
        {false, "1+2|", "1+2|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        KeySession s;
        s.settings.RealTimeMode = c.realTime;
        s.Put(c.before);
        EXPECT_FALSE(s.keys.KeyUpHandler(vk::kRight, kShiftShift));
        EXPECT_EQ(s.Shown(), c.after);
    }
}

TEST(KeyDown, CtrlDigitsSetPlacesAndEveryCtrlKeyIsConsumed) {
    struct Case {
        unsigned key;
        int shift;
        bool consumed;
        int precision;
    };
    const Case cases[] = {
        {vk::Digit(5), kShiftCtrl, true, 5},   {vk::Digit(0), kShiftCtrl, true, 0},
        {vk::Digit(9), kShiftCtrl, true, 9},   {vk::kNumpad5, kShiftCtrl, true, 12},
        {vk::Digit(5), 0, false, 12},          {vk::Digit(5), kShiftCtrl | kShiftShift, false, 12},
        {vk::kLeft, kShiftCtrl, true, 12},     {vk::Digit(5), kShiftCtrl | kShiftAlt, false, 12},
        {vk::kRight, kShiftCtrl, true, 12},    {vk::kLetterV, kShiftCtrl, true, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " shift " << c.shift);
        KeySession s;
        s.Put("1+|2");
        EXPECT_EQ(s.keys.KeyDownHandler(c.key, c.shift), c.consumed);
        EXPECT_EQ(s.settings.Precision, c.precision);
        EXPECT_EQ(s.host.Count("mode"), c.precision != 12 ? 1 : 0);
        EXPECT_EQ(s.host.Count("font"), 0);
        EXPECT_EQ(s.host.focusCalls, 1);
        EXPECT_EQ(s.Shown(), "1+|2");
    }
}

TEST(KeyDown, CtrlMinusAndEqualsChangeTheFontSizeWithinItsRange) {
    struct Case {
        int size;
        unsigned key;
        int shift;
        int expected;
    };
    const Case cases[] = {
        {14, vk::kMinus, kShiftCtrl, 12}, {14, vk::kEquals, kShiftCtrl, 16},
        {3, vk::kMinus, kShiftCtrl, 1},   {2, vk::kMinus, kShiftCtrl, 1},
        {1, vk::kMinus, kShiftCtrl, 1},   {1, vk::kEquals, kShiftCtrl, 3},
        {71, vk::kEquals, kShiftCtrl, 72}, {72, vk::kEquals, kShiftCtrl, 72},
        {72, vk::kMinus, kShiftCtrl, 70},
        {14, vk::kMinus, 0, 14},          {14, vk::kEquals, kShiftShift, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.size << " key " << c.key << " shift " << c.shift);
        KeySession s;
        s.settings.FontSize = c.size;
        EXPECT_EQ(s.keys.KeyDownHandler(c.key, c.shift), c.shift == kShiftCtrl);
        EXPECT_EQ(s.settings.FontSize, c.expected);
        EXPECT_EQ(s.host.Count("font"), c.expected != c.size ? 1 : 0);
    }
}

TEST(KeyDown, NumLockIsSwitchedBackOnWithoutTouchingTheText) {
    struct Case {
        unsigned key;
        bool numLockNow;
        int presses;
    };
    const Case cases[] = {{vk::kNumLock, false, 1}, {vk::kNumLock, true, 0}, {vk::kNumpad0, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " on " << c.numLockNow);
        KeySession s;
        s.Put("12  |");
        s.settings.SpaceSplitsExpressions = true;  // a Backspace would take both blanks
        // Twice: a guard that alternated would act differently the second time.
        for (int i = 0; i < 2; ++i) {
            s.host.numLock = c.numLockNow;
            EXPECT_FALSE(s.keys.KeyDownHandler(c.key, 0));
        }
        EXPECT_EQ(s.host.Count("numlock"), 2 * c.presses);
        EXPECT_EQ(s.Shown(), "12  |");
    }
}

TEST(KeyDown, FullScreenKeyTogglesAndProcessingGoesOn) {
    struct Case {
        bool on;
        int mods;
        int hotKey;
        unsigned key;
        int shift;
        bool checked;
        const char* call;  // nullptr: no view change
    };
    const Case cases[] = {
        {true, 0, vk::kF1, vk::kF1, 0, false, "full screen"},
        {true, 0, vk::kF1, vk::kF1, 0, true, "normal view"},
        {false, 0, vk::kF1, vk::kF1, 0, false, nullptr},
        {true, 0, vk::kF1, vk::kF1, kShiftShift, false, nullptr},
        {true, 0, vk::kF1, vk::kF1 + 1, 0, false, nullptr},
        {true, kShiftShift, vk::kEnter, vk::kEnter, kShiftShift, false, "full screen"},
        {true, kShiftCtrl, 'F', 'F', kShiftCtrl, true, "normal view"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mods " << c.mods << " key " << c.key << " shift " << c.shift);
        KeySession s;
        s.settings.FullScreenKeyOn = c.on;
        s.settings.FullScreenKeyMods = c.mods;
        s.settings.FullScreenKeyKey = c.hotKey;
        s.host.fullScreen = c.checked;
        const bool consumed = s.keys.KeyDownHandler(c.key, c.shift);
        EXPECT_EQ(s.host.calls, c.call ? std::vector<std::string>{c.call} : std::vector<std::string>{});
        EXPECT_EQ(s.host.focusCalls, 1);
        // The key itself is then handled as any other.
        EXPECT_EQ(consumed, c.key == vk::kEnter || c.shift == kShiftCtrl);
        EXPECT_EQ(s.host.timerStarts, c.key == vk::kEnter ? 1 : 0);
    }
}

TEST(KeyDown, SpaceSplitModeTypesAndErasesBlanksInPairs) {
    struct Case {
        bool spaceSplit;
        const char* before;
        unsigned key;
        bool consumed;
        const char* after;
    };
    const Case cases[] = {
        {true, "1+2|", vk::kSpace, true, "1+2  |"},          {true, "1[+2]", vk::kSpace, true, "1  |"},
        {true, "1  |", vk::kBackspace, true, "1|"},          {true, "1  |2", vk::kBackspace, true, "1|2"},
        {true, "  |", vk::kBackspace, true, "|"},            {true, "1   |", vk::kBackspace, true, "1 |"},
        {true, "1 |", vk::kBackspace, false, "1 |"},         {true, " |", vk::kBackspace, false, " |"},
        {true, "|  ", vk::kBackspace, false, "|  "},         {true, " 1|", vk::kBackspace, false, " 1|"},
        {true, "1  [ab]", vk::kBackspace, false, "1  [ab]"}, {false, "1|", vk::kSpace, false, "1|"},
        {false, "1  |", vk::kBackspace, false, "1  |"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        KeySession s;
        s.settings.SpaceSplitsExpressions = c.spaceSplit;
        s.Put(c.before);
        EXPECT_EQ(s.keys.KeyDownHandler(c.key, 0), c.consumed);
        EXPECT_EQ(s.Shown(), c.after);
    }
}

TEST(KeyUp, QuickSymbolReplacesOnlyTheDigitTheKeyJustTyped) {
    struct Case {
        bool on;
        const char* before;
        unsigned key;
        int shift;
        const char* after;
    };
    const Case cases[] = {
        {true, "12+9|", vk::Digit(9), 0, "12+(|"},     {true, "3+0|", vk::Digit(0), 0, "3+)|"},
        {true, "31|", vk::Digit(1), 0, "3!|"},         {true, "5|", vk::Digit(5), 0, "%|"},
        {true, "2×6|", vk::Digit(6), 0, "2×^|"},       {true, "9|+1\r\n2", vk::Digit(9), 0, "(|+1\r\n2"},
        {true, "9|", vk::Digit(9), kShiftShift, "(|"}, {true, "8|", vk::Digit(9), 0, "8|"},
        {true, "(|", vk::Digit(9), 0, "(|"},           {true, "×|", vk::Digit(9), 0, "×|"},
        {true, "9|", vk::Digit(9), kShiftCtrl, "9|"},  {true, "9|", vk::Digit(9), kShiftAlt, "9|"},
        {true, "9|", vk::Digit(9), kShiftCtrl | kShiftAlt, "9|"},
        {true, "|9", vk::Digit(9), 0, "|9"},           {true, "7|", vk::Digit(7), 0, "7|"},
        {true, "9|", vk::kNumpad0 + 9, 0, "9|"},       {true, "[9]", vk::Digit(9), 0, "[9]"},
        {false, "9|", vk::Digit(9), 0, "9|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        KeySession s;
        s.settings.RealTimeMode = false;
        s.settings.QuickSymbolKeys = c.on;
        s.Put(c.before);
        EXPECT_FALSE(s.keys.KeyUpHandler(c.key, c.shift));
        EXPECT_EQ(s.Shown(), c.after);
    }
}

TEST(KeyUp, QuickSymbolsBeforeTheRealTimeEvaluation) {
    KeySession s;
    s.settings.QuickSymbolKeys = true;
    const char typed[] = "92+30*4";
    for (const char* ch = typed; *ch; ++ch) {
        const bool digit = *ch >= '0' && *ch <= '9';
        // The numeric keypad's + and * keys.
        s.Type(*ch, digit ? vk::Digit(*ch - '0') : (*ch == '+' ? 107u : 106u));
    }
    EXPECT_EQ(s.Shown(), "(2+3)*4|=20");
}

TEST(TabKey, ConvertsTheFractionOnlyAndNeverTypesATab) {
    KeySession s;
    ASSERT_TRUE(s.settings.RealTimeMode);
    s.Put("1+2|");
    s.keys.KeyDownHandler(vk::kEnter, 0);
    EXPECT_TRUE(s.keys.KeyDownHandler(vk::kTab, 0));
    EXPECT_TRUE(s.keys.KeyDownHandler(vk::kTab, kShiftShift));
    EXPECT_TRUE(s.keys.KeyUpHandler(vk::kTab, 0));
    EXPECT_EQ(s.host.calls, std::vector<std::string>{"fraction"});
    EXPECT_EQ(s.host.timer, 0u);
    EXPECT_EQ(s.Shown(), "1+2|");
    EXPECT_EQ(s.status.PartText(StatusPart::Message), "");
}

}  // namespace
