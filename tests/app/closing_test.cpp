// Closing the main window with each 退出设置, the exit question answered
// through its real buttons, and the tray icon's events and menu.
#include <string>

#include "exit_question_ids.h"
#include "resource_ids.h"
#include "window_ids.h"
#include "window_fixture.h"

namespace {

// Answers the next dialog of this thread from inside its modal loop: ticks
// 记住设置 when asked, then clicks `button` (0: closes it by its close box).
class DialogAnswer {
public:
    DialogAnswer(int button, bool remember) {
        current_ = this;
        button_ = button;
        remember_ = remember;
        timer_ = SetTimer(nullptr, 0, 50, &DialogAnswer::Tick);
    }
    ~DialogAnswer() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    bool answered = false;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogAnswer* self = current_;
        if (!self || self->answered) return;
        const HWND dialog = FindWindowW(L"#32770", L"是否要直接退出！");
        if (!dialog) return;
        self->answered = true;
        if (self->remember_) SendMessageW(GetDlgItem(dialog, IDC_EXIT_REMEMBER), BM_CLICK, 0, 0);
        if (self->button_) {
            SendMessageW(GetDlgItem(dialog, self->button_), BM_CLICK, 0, 0);
        } else {
            SendMessageW(dialog, WM_CLOSE, 0, 0);
        }
    }

    static DialogAnswer* current_;
    int button_ = 0;
    bool remember_ = false;
    UINT_PTR timer_ = 0;
};
DialogAnswer* DialogAnswer::current_ = nullptr;

class ClosingTest : public WindowTest {
protected:
    std::string SettingsText() const override { return "[运行设置]\r\n退出设置=" + exitAction + "\r\n"; }

    void SetUp() override {}
    void Start(const std::string& action) {
        exitAction = action;
        WindowTest::SetUp();
    }
    void Close() {
        SendMessageW(window_.Handle(), WM_CLOSE, 0, 0);
        Pump();
    }
    bool Closed() { return window_.Handle() == nullptr; }
    bool Shown() { return IsWindowVisible(window_.Handle()) != FALSE; }

    std::string exitAction;
};

TEST_F(ClosingTest, ExitSettingOneExitsAtOnce) {
    Start("1");
    Close();
    EXPECT_TRUE(Closed());
}

TEST_F(ClosingTest, HiddenInTheTrayAndBroughtBackByAClick) {
    Start("2");
    ASSERT_TRUE(window_.TrayIconShown());
    Close();
    ASSERT_FALSE(Closed());
    EXPECT_FALSE(Shown());
    for (UINT click : {WM_LBUTTONUP, WM_LBUTTONDBLCLK}) {
        ShowWindow(window_.Handle(), SW_HIDE);
        SendMessageW(window_.Handle(), kTrayMessage, 0, click);
        EXPECT_TRUE(Shown());
        EXPECT_FALSE(IsIconic(window_.Handle()));
        EXPECT_EQ(GetFocus(), window_.Box());
    }
    // 打开计算器 brings it back as a click does, not left minimised.
    ShowWindow(window_.Handle(), SW_MINIMIZE);
    ShowWindow(window_.Handle(), SW_HIDE);
    SendMessageW(window_.Handle(), WM_COMMAND, IDM_TRAY_OPEN, 0);
    EXPECT_TRUE(Shown());
    EXPECT_FALSE(IsIconic(window_.Handle()));
}

TEST_F(ClosingTest, TheQuestionsAnswersAndWhatIsRemembered) {
    struct Case {
        int button;  // 0: the question's own close box
        bool remember;
        bool closed, shown;
        int exitAction;
    };
    const Case cases[] = {
        {IDC_EXIT_TO_TRAY, true, false, false, 2},
        {IDC_EXIT_TO_TRAY, false, false, false, 0},
        {0, true, false, true, 0},  // stays, minimised
        {IDC_EXIT_NOW, true, true, false, 1},
    };
    Start("0");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.button << " " << c.remember);
        window_.CurrentSettings().ExitAction = 0;
        ShowWindow(window_.Handle(), SW_SHOWNORMAL);
        DialogAnswer answer(c.button, c.remember);
        Close();
        ASSERT_TRUE(answer.answered);
        ASSERT_EQ(Closed(), c.closed);
        if (c.closed) break;
        EXPECT_EQ(Shown(), c.shown);
        if (c.shown) {
            EXPECT_TRUE(IsIconic(window_.Handle()));
        }
        EXPECT_EQ(window_.CurrentSettings().ExitAction, c.exitAction);
    }
    EXPECT_TRUE(Closed());
}

TEST_F(ClosingTest, ALogOffAndTheTrayMenusExitCloseWithoutAsking) {
    Start("0");
    SendMessageW(window_.Handle(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_TRUE(window_.SessionEnding());
    Close();
    EXPECT_TRUE(Closed());
}

TEST_F(ClosingTest, TheTrayMenuOpensOnARightClickAndItsExitEndsAtOnce) {
    Start("0");
    MenuWatch watch;
    SendMessageW(window_.Handle(), kTrayMessage, 0, WM_RBUTTONUP);
    ASSERT_EQ(watch.opened.size(), 1u);
    SendMessageW(window_.Handle(), WM_COMMAND, IDM_TRAY_EXIT, 0);
    EXPECT_TRUE(Closed());
}

}  // namespace
