// Writes that fail over the real main window, as on a read-only disk: each
// action that cannot write the settings file says so once, and a close
// whose backup of the text fails asks first, so the text can still be kept.
#include <functional>
#include <string>

#include "dialog_answer.h"
#include "modal_steps.h"
#include "program_files.h"
#include "resource_ids.h"
#include "window_fixture.h"

namespace {

class WriteFailureTest : public WindowTest {
protected:
    std::string SettingsText() const override {
        return "[运行设置]\r\n动态刷新=假\r\n退出设置=1\r\n[其他设置]\r\n允许多开=真\r\n退出保存=真\r\n";
    }

    void TearDown() override {
        CancelLaterSteps();
        SetFileAttributesW(SettingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
        WindowTest::TearDown();
    }

    std::wstring SettingsPath() const { return folder_.File(programfiles::kSettingsFile); }
    bool Closed() const { return window_.Handle() == nullptr; }
};

TEST_F(WriteFailureTest, ACloseWhoseBackupFailsAsksAndNoKeepsTheWindowWithItsText) {
    // Nothing can be made where the settings live: a file stands in the
    // settings folder's place.
    const std::wstring settingsFolder = folder_.File(programfiles::kSettingsFolder);
    ASSERT_TRUE(DeleteFileW(SettingsPath().c_str()));
    ASSERT_TRUE(RemoveDirectoryW(settingsFolder.c_str()));
    ASSERT_TRUE(ProgramFolder::WriteBytes(settingsFolder, ""));
    box().SetText("1+2=3");
    SendMessageW(window_.Box(), EM_SETMODIFY, FALSE, 0);

    const UINT ways[] = {WM_CLOSE, IDM_EXIT, IDM_TRAY_EXIT};
    for (const UINT way : ways) {
        SCOPED_TRACE(way);
        MessageBoxAnswer answer(IDNO);
        if (way == WM_CLOSE) {
            SendMessageW(window_.Handle(), WM_CLOSE, 0, 0);
        } else {
            SendMessageW(window_.Handle(), WM_COMMAND, way, 0);
        }
        Pump();
        ASSERT_TRUE(answer.seen);
        EXPECT_EQ(answer.caption, L"警告");
        EXPECT_EQ(answer.text, L"备份文本失败，仍要退出吗？");
        EXPECT_TRUE(answer.yes && answer.no && answer.exclamationIcon);
        ASSERT_FALSE(Closed());
        EXPECT_TRUE(IsWindowVisible(window_.Handle()));
        EXPECT_FALSE(IsIconic(window_.Handle()));
        EXPECT_EQ(box().Text(), "1+2=3");
    }
    MessageBoxAnswer answer(IDYES);
    answer.answerEvery = true;
    PostMessageW(window_.Handle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(answer.shown, 1);
    EXPECT_TRUE(Closed());
}

// A read-only settings file: every writer of it says so once, when its
// action is done, and the file stays as it was.
TEST_F(WriteFailureTest, EachActionThatCannotWriteTheSettingsSaysSoOnce) {
    ASSERT_TRUE(SetFileAttributesW(SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string before = ProgramFolder::ReadBytes(SettingsPath());
    const HWND window = window_.Handle();
    const struct {
        const char* name;
        std::function<void()> act;
    } cases[] = {
        {"快捷设置 OK",
         [window] {
             Later([] {
                 if (const HWND options = FindWindowW(L"#32770", L"快捷设置"))
                     SendMessageW(GetDlgItem(options, IDOK), BM_CLICK, 0, 0);
             });
             SendMessageW(window, WM_COMMAND, IDM_OPTIONS, 0);
         }},
        {"keyboard opened", [window] { SendMessageW(window, WM_COMMAND, IDM_VIRTUAL_KEYBOARD, 0); }},
        {"keyboard closed by its own double click",
         [] { SendMessageW(FindWindowW(L"#32770", L"虚拟键盘"), WM_LBUTTONDBLCLK, 0, 0); }},
        {"close to the tray",
         [this, window] {
             window_.CurrentSettings().ExitAction = 2;
             PostMessageW(window, WM_CLOSE, 0, 0);
         }},
        {"exit",
         [this, window] {
             window_.CurrentSettings().ExitAction = 1;
             PostMessageW(window, WM_CLOSE, 0, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        MessageBoxAnswer answer(IDOK);
        answer.answerEvery = true;
        Pump();
        EXPECT_EQ(answer.shown, 1);
        EXPECT_EQ(answer.caption, L"错误");
        EXPECT_EQ(answer.text, L"保存设置失败！");
        EXPECT_EQ(answer.icon, LoadIconW(nullptr, IDI_ERROR));
    }
    EXPECT_TRUE(Closed());
    EXPECT_EQ(ProgramFolder::ReadBytes(SettingsPath()), before);
}

}  // namespace
