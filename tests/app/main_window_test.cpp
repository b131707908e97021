// The main window end to end: start-up, typing, and Enter evaluating the
// caret's line through the engine.
#include "window_fixture.h"

#include "engine_state.h"
#include "hint_messages.h"
#include "messages.h"
#include "resource_ids.h"
#include "text_rules.h"
#include "window_ids.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void ExpectTimingMessage(const std::string& status) {
    EXPECT_TRUE(TextStartsWith(status, msg::kTimingPrefix)) << status;
    EXPECT_TRUE(EndsWith(status, msg::kTimingSuffix)) << status;
}

TEST_F(WindowTest, StartsWithAnEmptyBoxAndATypingHint) {
    wchar_t caption[32] = {};
    GetWindowTextW(window_.Handle(), caption, 32);
    EXPECT_STREQ(caption, L"Numerel");
    // Emptying the box was a change: with real-time evaluation off it hints.
    EXPECT_EQ(statusMessage(), hint::kLineTyped);
    EXPECT_EQ(box().Text(), "");
    EXPECT_GT(static_cast<DWORD>(SendMessageW(window_.Box(), EM_GETLIMITTEXT, 0, 0)), 30000u);
    const LONG style = GetWindowLongW(window_.Box(), GWL_STYLE);
    EXPECT_EQ(style & (ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL),
              ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL);
}

TEST_F(WindowTest, TypedLineIsEvaluatedOnEnterWithTheTimeTaken) {
    Type("1+2");
    ASSERT_EQ(box().Text(), "1+2");
    Press(VK_RETURN);
    EXPECT_EQ(box().Text(), "1+2=3");
    EXPECT_EQ(UnitSelection(), std::make_pair(DWORD{5}, DWORD{5}));
    ExpectTimingMessage(statusMessage());
}

TEST_F(WindowTest, EnterTypesNoCharacterEvenWhenHeldDown) {
    Type("7");
    // Auto-repeated key-downs before the release.
    PostKey(WM_KEYDOWN, VK_RETURN);
    PostKey(WM_KEYDOWN, VK_RETURN);
    Pump();
    EXPECT_EQ(box().Text(), "7");
    PostKey(WM_KEYUP, VK_RETURN);
    Pump();
    EXPECT_EQ(box().Text(), "7");
    EXPECT_EQ(statusMessage(), msg::kNoOperator);
}

TEST_F(WindowTest, CtrlEnterStartsANewLineAtTheCaret) {
    SetLine("1+2");
    box().SetSelectionStart(1);
    SetModifiers(true, false);
    Press(VK_RETURN);
    EXPECT_EQ(box().Text(), "1\r\n+2");
    EXPECT_EQ(box().SelectionStart(), 3);
    EXPECT_EQ(statusMessage(), hint::kLineTyped);

    // Ctrl together with Shift counts as a plain Enter.
    SetLine("2+2");
    SetModifiers(true, true);
    Press(VK_RETURN);
    EXPECT_EQ(box().Text(), "2+2=4");
}

TEST_F(WindowTest, NewLineSettingSwapsEnterAndCtrlEnter) {
    window_.CurrentSettings().EnterInsertsNewLine = true;
    SetLine("1+2");
    Press(VK_RETURN);
    EXPECT_EQ(box().Text(), "1+2\r\n");

    SetModifiers(true, false);
    SetLine("2×3");
    Press(VK_RETURN);
    EXPECT_EQ(box().Text(), "2×3=6");
    ExpectTimingMessage(statusMessage());
}

TEST_F(WindowTest, FailedEvaluationKeepsTheTextAndShowsTheEngineMessage) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"1+2米", msg::kUnknownChinese},
        {"0÷0", msg::kDivideError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        box().SetText("");
        // GBK symbols reach the box as converted text, like a paste.
        box().ReplaceSelection(c.line);
        Press(VK_RETURN);
        EXPECT_EQ(box().Text(), c.line);
        EXPECT_EQ(statusMessage(), c.message);
    }
}

// The clock's tick writes the local date and time into status part 3.
TEST_F(WindowTest, ClockTickWritesTheDateIntoTheLastPart) {
    SendMessageW(window_.Handle(), WM_TIMER, kClockTimerId, 0);
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string shown = statusPart(StatusPart::Clock);
    EXPECT_EQ(shown.rfind(std::string(10, ' ') + std::to_string(now.wYear) + "年 ", 0), 0u) << shown;
}

// Without the title bar a narrow tool-window caption stays to drag the
// window by. The box grows by the title bar's height as laid out, so it
// reaches down to the status bar, never under it.
TEST_F(WindowTest, TitleBarOffLeavesANarrowEmptyCaption) {
    const HWND w = window_.Handle();
    struct Step {
        LONG style;
        bool toolWindow;
        const wchar_t* caption;
        bool boxReachesTheBar;
    };
    const Step steps[] = {
        {WS_CAPTION, true, L"", true},
        {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false, L"Numerel", false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.caption);
        SendMessageW(w, WM_COMMAND, IDM_VIEW_TITLE_BAR, 0);
        const LONG parts = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        EXPECT_EQ(GetWindowLongW(w, GWL_STYLE) & parts, step.style);
        EXPECT_EQ((GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0, step.toolWindow);
        wchar_t caption[32] = {L'x'};
        GetWindowTextW(w, caption, 32);
        EXPECT_STREQ(caption, step.caption);
        RECT box, bar;
        GetWindowRect(window_.Box(), &box);
        GetWindowRect(window_.Status(), &bar);
        EXPECT_LE(box.bottom, bar.top);
        if (step.boxReachesTheBar) {
            EXPECT_EQ(box.bottom, bar.top);
        }
    }
}

}  // namespace
