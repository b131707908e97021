// Closing the main window with each 退出设置, the exit question answered
// through its real buttons, and the tray icon's events and menu.
#include <string>

#include "dialog_answer.h"
#include "exit_question_ids.h"
#include "modal_steps.h"
#include "file_io.h"
#include "program_files.h"
#include "resource_ids.h"
#include "window_ids.h"
#include "window_fixture.h"

namespace {

class ClosingTest : public WindowTest {
protected:
    std::string SettingsText() const override { return "[运行设置]\r\n退出设置=" + exitAction + "\r\n"; }

    void SetUp() override {}
    void TearDown() override {
        CancelLaterSteps();
        WindowTest::TearDown();
    }
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
        MessageBoxAnswer answer(c.button, c.remember ? IDC_EXIT_REMEMBER : 0);
        Close();
        ASSERT_TRUE(answer.seen);
        EXPECT_EQ(answer.caption, L"是否要直接退出！");
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

// A log-off may end the process right after WM_ENDSESSION: the settings
// are saved there, and not again when a close follows.
TEST_F(ClosingTest, ALogOffSavesAndClosesWithoutAsking) {
    Start("0");
    const std::wstring settings = folder_.File(programfiles::kSettingsFile);
    DeleteFileW(settings.c_str());
    SendMessageW(window_.Handle(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_TRUE(window_.SessionEnding());
    SendMessageW(window_.Handle(), WM_ENDSESSION, TRUE, 0);
    const ReadResult saved = ReadWholeFile(settings, 1 << 20);
    ASSERT_EQ(saved.Outcome, ReadOutcome::Ok);
    EXPECT_NE(saved.Bytes.find("运行次数=2\r\n"), std::string::npos);
    DeleteFileW(settings.c_str());
    Close();
    EXPECT_TRUE(Closed());
    EXPECT_FALSE(FileExists(settings)) << "saved twice";
}

TEST_F(ClosingTest, ResetAskedThroughItsMessageBox) {
    Start("1");
    const std::wstring settings = folder_.File(programfiles::kSettingsFile);
    {
        MessageBoxAnswer answer(IDNO);
        SendMessageW(window_.Handle(), WM_COMMAND, IDM_RESET_SETTINGS, 0);
        ASSERT_TRUE(answer.seen);
    }
    EXPECT_TRUE(FileExists(settings));
    MessageBoxAnswer answer(IDYES);
    SendMessageW(window_.Handle(), WM_COMMAND, IDM_RESET_SETTINGS, 0);
    ASSERT_TRUE(answer.seen);
    EXPECT_FALSE(FileExists(settings));
    RECT frame;
    GetWindowRect(window_.Handle(), &frame);
    EXPECT_EQ(frame.left, 150);
    EXPECT_EQ(frame.right - frame.left, 800);
    EXPECT_EQ(window_.CurrentSettings().Precision, 13);
}

TEST_F(ClosingTest, TheTrayMenuOpensOnARightClickAndItsExitEndsAtOnce) {
    Start("0");
    MenuWatch watch;
    SendMessageW(window_.Handle(), kTrayMessage, 0, WM_RBUTTONUP);
    ASSERT_EQ(watch.opened.size(), 1u);
    SendMessageW(window_.Handle(), WM_COMMAND, IDM_TRAY_EXIT, 0);
    Pump();
    EXPECT_TRUE(Closed());
}

// 退出 of the file menu and of the tray end the program only once no
// command runs any more, theirs or one whose modal loop they interrupted:
// nothing still on the stack finds the window and its objects gone. The
// exit save still runs on the way.
TEST_F(ClosingTest, QuitCommandsEndOnlyOnceNoCommandRuns) {
    for (const UINT quit : {IDM_EXIT, IDM_TRAY_EXIT}) {
        for (const bool insideAnotherCommand : {false, true}) {
            SCOPED_TRACE(testing::Message() << quit << (insideAnotherCommand ? " inside the reset" : ""));
            ProgramFolder folder;
            folder.WriteSettings("[运行设置]\r\n退出设置=0\r\n[其他设置]\r\n允许多开=真\r\n退出保存=真\r\n");
            ProbedMainWindow window;
            ASSERT_EQ(window.Create(GetModuleHandleW(nullptr), folder.Path(), false), StartResult::Running);
            const HWND handle = window.Handle();
            window.BoxText().SetText("1+2=3");
            // No unsaved change for 退出 to ask about.
            SendMessageW(window.Box(), EM_SETMODIFY, FALSE, 0);
            if (insideAnotherCommand) {
                // The reset's question is open; its loop runs the quit, then
                // the question is answered No.
                bool keptDuringTheQuestion = false;
                Later([&] {
                    SendMessageW(handle, WM_COMMAND, quit, 0);
                    Later([&] {
                        keptDuringTheQuestion = IsWindow(handle) != FALSE;
                        const HWND question = FindWindowW(L"#32770", L"重置设置");
                        if (question) PostMessageW(GetDlgItem(question, IDNO), BM_CLICK, 0, 0);
                    });
                });
                SendMessageW(handle, WM_COMMAND, IDM_RESET_SETTINGS, 0);
                EXPECT_TRUE(keptDuringTheQuestion);
            } else {
                SendMessageW(handle, WM_COMMAND, quit, 0);
            }
            EXPECT_TRUE(IsWindow(handle)) << "destroyed under the command";
            Pump();
            EXPECT_FALSE(IsWindow(handle));
            EXPECT_EQ(window.Handle(), nullptr);
            EXPECT_EQ(ProgramFolder::ReadBytes(folder.File(programfiles::kBackupFile)), "1+2=3");
        }
    }
}

}  // namespace
