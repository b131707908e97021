#include <gtest/gtest.h>

#include "edge_dock.h"

namespace {

constexpr int W = 1920;
constexpr int H = 1080;
constexpr CursorPoint kAway{100, 900};

EdgeWindow At(int left, int top, int countdown = 0) {
    EdgeWindow window;
    window.Rect = {left, top, 800, 600};
    window.Countdown = countdown;
    return window;
}

TEST(EdgeDock, DraggingSnapsOnlyWithTheCursorAtTheEdge) {
    struct Case {
        int left, top;
        CursorPoint cursor;
        int wantLeft, wantTop;
        bool remember;
    };
    const Case cases[] = {
        {-40, 100, {3, 300}, 0, 100, true},
        {-40, 100, {6, 300}, -40, 100, true},
        {-795, 100, {6, 300}, -795, 100, false},  // left + width < 10
        {1200, 100, {1916, 300}, 1120, 100, true},
        {1200, 100, {1915, 300}, 1200, 100, true},  // not past W - 5
        {300, -30, {500, 2}, 300, 0, true},
        {300, -30, {500, 5}, 300, -30, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.left << "," << c.top << " cursor " << c.cursor.X);
        const EdgeDockMove move = EdgeDockCheck({c.left, c.top, 800, 600}, c.cursor, W, H);
        EXPECT_EQ(move.Rect.Left, c.wantLeft);
        EXPECT_EQ(move.Rect.Top, c.wantTop);
        EXPECT_EQ(move.Remember, c.remember);
    }
}

TEST(EdgeDock, TickSlidesOutAndBack) {
    struct Case {
        const char* name;
        EdgeWindow window;
        CursorPoint cursor;
        int wantLeft, wantTop;
        std::optional<bool> topmost;
        Visibility keyboard;
        int countdown;
    };
    EdgeWindow slidRight = At(1915, 100);
    slidRight.Topmost = true;
    EdgeWindow slidRightKept = slidRight;
    slidRightKept.KeepOnTop = true;
    EdgeWindow touchingOnTop = At(1120, 100);
    touchingOnTop.Topmost = true;
    EdgeWindow minimised = At(1120, 100);
    minimised.Minimised = true;
    EdgeWindow hidden = At(1120, 100);
    hidden.Visible = false;
    const Case cases[] = {
        {"right slides out", At(1120, 100), kAway, 1915, 100, true, Visibility::Hide, 0},
        {"cursor on the strip", slidRight, {1917, 300}, 1120, 100, false, Visibility::Show, 0},
        {"back, already topmost", slidRightKept, {1917, 300}, 1120, 100, std::nullopt, Visibility::Show, 0},
        {"out, already topmost", touchingOnTop, kAway, 1915, 100, std::nullopt, Visibility::Hide, 0},
        {"left", At(0, 100), kAway, -795, 100, true, Visibility::Hide, 0},
        {"top", At(300, 0), kAway, 300, -595, true, Visibility::Hide, 0},
        {"countdown reaches 0", At(0, 100, 1), kAway, -795, 100, true, Visibility::Hide, 0},
        {"countdown running", At(0, 100, 2), kAway, 0, 100, std::nullopt, Visibility::Show, 1},
        {"cursor over a docked window", At(1120, 100), {1500, 300}, 1120, 100, std::nullopt, Visibility::Show, 0},
        {"no edge", At(300, 100), kAway, 300, 100, std::nullopt, Visibility::Show, 0},
        {"minimised", minimised, kAway, 1120, 100, std::nullopt, Visibility::Keep, 0},
        {"hidden", hidden, kAway, 1120, 100, std::nullopt, Visibility::Keep, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EdgeAction action = EdgeHideTick(c.window, c.cursor, W);
        EXPECT_EQ(action.Rect.Left, c.wantLeft);
        EXPECT_EQ(action.Rect.Top, c.wantTop);
        EXPECT_EQ(action.Topmost, c.topmost);
        EXPECT_EQ(action.Keyboard, c.keyboard);
        EXPECT_EQ(action.Countdown, c.countdown);
        EXPECT_EQ(action.Window, Visibility::Keep);
    }
}

TEST(EdgeDock, HotKey) {
    struct Case {
        const char* name;
        EdgeWindow window;
        Visibility shown;
        int wantLeft;
        std::optional<bool> topmost;
        int countdown;
    };
    EdgeWindow maximised;
    maximised.Rect = {-8, -8, 1936, 1096};
    maximised.Countdown = 7;
    EdgeWindow hidden = At(300, 100, 7);
    hidden.Visible = false;
    EdgeWindow slid = At(1915, 100, 7);
    slid.Topmost = true;
    const Case cases[] = {
        {"no edge hides", At(300, 100, 7), Visibility::Hide, 300, std::nullopt, 7},
        {"maximised is at no edge", maximised, Visibility::Hide, -8, std::nullopt, 7},
        {"touching slides out", At(1120, 100, 7), Visibility::Keep, 1915, true, 0},
        {"slid out comes back", slid, Visibility::Keep, 1120, false, kEdgeHideGrace},
        {"hidden is shown", hidden, Visibility::Show, 300, std::nullopt, kEdgeHideGrace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EdgeAction action = HotKeyShowHide(c.window, W);
        EXPECT_EQ(action.Window, c.shown);
        EXPECT_EQ(action.Rect.Left, c.wantLeft);
        EXPECT_EQ(action.Topmost, c.topmost);
        EXPECT_EQ(action.Countdown, c.countdown);
    }
}

TEST(EdgeDock, ActivationBringsBackAndHoldsFor25Ticks) {
    EdgeWindow window = At(300, -595);
    window.Topmost = true;
    EdgeAction action = MainWindowActivated(window, W);
    EXPECT_EQ(action.Rect.Top, 0);
    EXPECT_EQ(action.Topmost, false);
    window.Rect = action.Rect;
    window.Topmost = false;
    window.Countdown = action.Countdown;
    for (int tick = 1; tick < 25; ++tick) {
        action = EdgeHideTick(window, kAway, W);
        ASSERT_EQ(action.Rect.Top, 0) << tick;
        window.Countdown = action.Countdown;
    }
    EXPECT_EQ(EdgeHideTick(window, kAway, W).Rect.Top, -595);
}

}  // namespace
