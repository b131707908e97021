// Keys posted through the program's own message step, menu shortcuts, the
// modes and the context menu, in a window started with the defaults
// (real-time evaluation on).
#include <vector>

#include "hint_messages.h"
#include "messages.h"
#include "resource_ids.h"
#include "window_fixture.h"

namespace {

class RealTimeWindowTest : public WindowTest {
protected:
    std::string SettingsText() const override { return "[其他设置]\r\n允许多开=真\r\n"; }

    UINT MenuState(UINT id) { return GetMenuState(GetMenu(window_.Handle()), id, MF_BYCOMMAND); }
};

TEST_F(RealTimeWindowTest, EveryReleasedKeyEvaluatesAndTheCaretStays) {
    Type("1+2");
    EXPECT_EQ(box().Text(), "1+2=3");
    EXPECT_EQ(box().SelectionStart(), 3);
    Type("+4");
    EXPECT_EQ(box().Text(), "1+2+4=7");
    EXPECT_EQ(box().SelectionStart(), 5);
}

TEST_F(RealTimeWindowTest, CtrlDigitSetsThePlacesShownInTheModeLine) {
    EXPECT_EQ(statusPart(StatusPart::Mode), " 实时计算 , 角度制 , 12位精度");
    PressWithCtrl('5');
    EXPECT_EQ(statusPart(StatusPart::Mode), " 实时计算 , 角度制 , 5位精度");
    EXPECT_EQ(window_.CurrentSettings().Precision, 5);
    // The keypad's 5 is another key: nothing changes, nothing is typed.
    PressWithCtrl(VK_NUMPAD5);
    EXPECT_EQ(statusPart(StatusPart::Mode), " 实时计算 , 角度制 , 5位精度");
    EXPECT_EQ(box().Text(), "");
}

TEST_F(RealTimeWindowTest, CtrlGSwitchesRealTimeAndRecordingFollows) {
    EXPECT_TRUE(MenuState(IDM_REALTIME) & MF_CHECKED);
    EXPECT_TRUE(MenuState(IDM_RECORD) & MF_GRAYED);

    PressWithCtrl('G');
    EXPECT_FALSE(window_.CurrentSettings().RealTimeMode);
    EXPECT_EQ(statusPart(StatusPart::Mode), " 正常模式 , 角度制 , 12位精度");
    EXPECT_FALSE(MenuState(IDM_REALTIME) & MF_CHECKED);
    EXPECT_FALSE(MenuState(IDM_RECORD) & MF_GRAYED);
    EXPECT_EQ(box().Text(), "");  // a shortcut types nothing

    PressWithCtrl('H');
    EXPECT_TRUE(MenuState(IDM_RECORD) & MF_CHECKED);
    EXPECT_TRUE(window_.State().RecordingOn);

    // Back to real-time: recording goes off and cannot be switched on.
    PressWithCtrl('G');
    EXPECT_TRUE(window_.CurrentSettings().RealTimeMode);
    EXPECT_FALSE(MenuState(IDM_RECORD) & MF_CHECKED);
    EXPECT_FALSE(window_.State().RecordingOn);
    PressWithCtrl('H');
    EXPECT_FALSE(window_.State().RecordingOn);
}

TEST_F(RealTimeWindowTest, ConsumedKeysTypeNothing) {
    window_.CurrentSettings().SpaceSplitsExpressions = true;
    Press(VK_SPACE);
    EXPECT_EQ(box().Text(), "  ");
    Press(VK_BACK);
    EXPECT_EQ(box().Text(), "");
    Press(VK_TAB);
    EXPECT_EQ(box().Text(), "");
    PressWithCtrl('W');
    EXPECT_EQ(box().Text(), "");
}

TEST_F(RealTimeWindowTest, RightClickOpensTheProgramsContextMenu) {
    MenuWatch watch;
    SendMessageW(window_.Box(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    SendMessageW(window_.Box(), WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    Pump();
    ASSERT_EQ(watch.opened.size(), 1u);
    EXPECT_EQ(watch.opened[0], window_.ContextMenu());
    // Its view items show the bars as they are.
    EXPECT_TRUE(GetMenuState(window_.ContextMenu(), IDM_VIEW_STATUS_BAR, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(RealTimeWindowTest, ViewCommandsHideAndShowTheBars) {
    const HWND w = window_.Handle();
    SendMessageW(w, WM_COMMAND, IDM_VIEW_MENU_BAR, 0);
    EXPECT_EQ(GetMenu(w), nullptr);
    SendMessageW(w, WM_COMMAND, IDM_VIEW_STATUS_BAR, 0);
    EXPECT_FALSE(IsWindowVisible(window_.Status()));
    SendMessageW(w, WM_COMMAND, IDM_VIEW_NORMAL, 0);
    EXPECT_NE(GetMenu(w), nullptr);
    EXPECT_TRUE(IsWindowVisible(window_.Status()));

    SendMessageW(w, WM_COMMAND, IDM_VIEW_FULL_SCREEN, 0);
    EXPECT_TRUE(IsZoomed(w));
    // Only the narrow caption of a tool window is left.
    EXPECT_FALSE(GetWindowLongW(w, GWL_STYLE) & WS_SYSMENU);
    EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetMenu(w), nullptr);
    SendMessageW(w, WM_COMMAND, IDM_VIEW_NORMAL, 0);
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & WS_SYSMENU);
    EXPECT_FALSE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(WindowTest, HeldEnterInsertsALineEvery350Milliseconds) {
    Type("7");
    PostKey(WM_KEYDOWN, VK_RETURN);
    // Let the key-delay timer tick twice (350 and 700 ms), not three times.
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 900) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        Pump();
    }
    PostKey(WM_KEYUP, VK_RETURN);
    Pump();
    EXPECT_EQ(box().Text(), "7\r\n\r\n");
    // The release after a long press evaluates nothing: the status keeps
    // the hint the new lines gave.
    EXPECT_EQ(statusMessage(), hint::kLineTyped);
}

TEST_F(WindowTest, SessionEndingFollowsTheSystemsQuestion) {
    SendMessageW(window_.Handle(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_TRUE(window_.SessionEnding());
    // A cancelled log-off.
    SendMessageW(window_.Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(window_.SessionEnding());
}

}  // namespace
