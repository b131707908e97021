#include <gtest/gtest.h>
#include <windows.h>

#include "file_io.h"
#include "window_fixture.h"
#include "window_ids.h"

namespace {

// Edge hiding and the hot key on, the virtual keyboard open, the window
// placed touching the right edge; the cursor is put back afterwards, since
// every test of the run shares it.
class EdgeDockingTest : public WindowTest {
protected:
    std::string SettingsText() const override {
        return "[运行设置]\r\n动态刷新=假\r\n边缘隐藏=真\r\n键盘开启=真\r\n[其他设置]\r\n允许多开=真\r\n"
               "[热键设置]\r\n热键状态=真\r\n[启动窗口位置]\r\n_启动窗口.左边=1120\r\n_启动窗口.顶边=100\r\n"
               "_启动窗口.宽度=800\r\n_启动窗口.高度=600\r\n";
    }
    void SetUp() override {
        GetCursorPos(&savedCursor_);
        WindowTest::SetUp();
    }
    void TearDown() override {
        SetCursorPos(savedCursor_.x, savedCursor_.y);
        WindowTest::TearDown();
    }

    HWND main() { return window_.Handle(); }
    void MoveTo(int left, int top) { SetWindowPos(main(), nullptr, left, top, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE); }
    RECT Rect() {
        RECT r;
        GetWindowRect(main(), &r);
        return r;
    }
    bool Topmost() { return (GetWindowLongPtrW(main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    // Enough ticks to run out any hold after an activation.
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) SendMessageW(main(), WM_TIMER, kEdgeHideTimerId, 0);
        Pump();
    }
    void HotKey() {
        SendMessageW(main(), WM_HOTKEY, window_.ShowHideHotKeyId(), 0);
        Pump();
    }

    // A mouse message to the box at a screen point.
    void SendToBox(UINT message, POINT screen) {
        ScreenToClient(window_.Box(), &screen);
        SendMessageW(window_.Box(), message, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
    }

    POINT savedCursor_{};
};

TEST_F(EdgeDockingTest, TickSlidesOutWithoutActivatingAndComesBackUnderTheCursor) {
    const HWND keyboard = FindWindowW(L"#32770", L"虚拟键盘");
    ASSERT_NE(keyboard, nullptr);
    const HWND other = CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_VISIBLE, 0, 700, 50, 50, nullptr,
                                       nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    MoveTo(1920 - 800, 100);
    struct Step {
        POINT cursor;
        int ticks;
        int left;
        bool topmost, keyboardShown;
    };
    const Step steps[] = {
        {{100, 900}, 26, 1920 - 5, true, false},
        {{1917, 300}, 1, 1920 - 800, false, true},  // over the strip
    };
    for (const Step& step : steps) {
        SetCursorPos(step.cursor.x, step.cursor.y);
        Ticks(step.ticks);
        EXPECT_EQ(Rect().left, step.left);
        EXPECT_EQ(Topmost(), step.topmost);
        EXPECT_EQ(GetActiveWindow(), other);
        EXPECT_EQ(IsWindowVisible(keyboard) != FALSE, step.keyboardShown);
    }

    // Slid out, then minimised: the keyboard stays hidden.
    SetCursorPos(100, 900);
    Ticks(1);
    ASSERT_FALSE(IsWindowVisible(keyboard));
    ShowWindow(main(), SW_SHOWMINNOACTIVE);
    Ticks(1);
    EXPECT_FALSE(IsWindowVisible(keyboard));
    DestroyWindow(other);
}

TEST_F(EdgeDockingTest, HotKeyHidesAndShowsAndSlides) {
    ASSERT_NE(window_.ShowHideHotKeyId(), 0);
    MoveTo(300, 100);
    HotKey();
    EXPECT_FALSE(IsWindowVisible(main()));
    HotKey();
    EXPECT_TRUE(IsWindowVisible(main()));
    EXPECT_EQ(GetFocus(), window_.Box());

    MoveTo(1920 - 800, 100);
    HotKey();
    EXPECT_EQ(Rect().left, 1920 - 5);
    HotKey();
    EXPECT_EQ(Rect().left, 1920 - 800);
}

TEST_F(EdgeDockingTest, SnapsOnlyWhileTheUserDrags) {
    SetCursorPos(3, 300);
    MoveTo(-40, 100);
    EXPECT_EQ(Rect().left, -40);

    SendMessageW(main(), WM_ENTERSIZEMOVE, 0, 0);
    MoveTo(-41, 100);
    SendMessageW(main(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(Rect().left, 0);
    EXPECT_EQ(window_.CurrentSettings().WindowLeft, 0);
}

// Start-up and a click on the tray icon hold a docked window at its edge
// themselves: an activation need not follow (here the window was active).
TEST_F(EdgeDockingTest, StartUpAndTrayClickHoldTheWindowAtItsEdge) {
    SetCursorPos(100, 900);
    const int held = 1920 - 800;
    Ticks(1);
    EXPECT_EQ(Rect().left, held) << "after start-up";
    SetActiveWindow(main());
    Ticks(26);
    ASSERT_EQ(Rect().left, 1920 - 5);
    SendMessageW(main(), kTrayMessage, 0, WM_LBUTTONUP);
    Pump();
    EXPECT_EQ(Rect().left, held);
    Ticks(1);
    EXPECT_EQ(Rect().left, held) << "after the tray click";
    Ticks(25);
    EXPECT_EQ(Rect().left, 1920 - 5);
}

// Dragging the window by the box with Ctrl held is the user's drag too: it
// snaps at an edge, and the exit save writes where it left the window.
TEST_F(EdgeDockingTest, CtrlDragSnapsAndIsWrittenAtExit) {
    SetCursorPos(1900, 1060);  // the real cursor away from the window
    MoveTo(300, 200);
    SetModifiers(true, false);
    SendToBox(WM_LBUTTONDOWN, {400, 300});
    SendToBox(WM_MOUSEMOVE, {550, 380});
    EXPECT_EQ(Rect().left, 450);
    EXPECT_EQ(Rect().top, 280);
    SendToBox(WM_MOUSEMOVE, {3, 380});  // left -97 with the cursor at the edge
    SendToBox(WM_LBUTTONUP, {3, 380});
    SetModifiers(false, false);
    EXPECT_EQ(Rect().left, 0);
    EXPECT_EQ(Rect().top, 280);

    DestroyWindow(main());
    const std::string saved = ReadWholeFile(folder_.File(programfiles::kSettingsFile), 1 << 20).Bytes;
    EXPECT_NE(saved.find("_启动窗口.左边=0\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("_启动窗口.顶边=280\r\n"), std::string::npos) << saved;
}

}  // namespace
