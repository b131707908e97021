// The options window opened by its menu command over a real main window:
// OK's live effects on the window, the box and the settings file; 取消
// changes nothing.
#include <functional>
#include <string>

#include "file_io.h"
#include "options_ids.h"
#include "resource_ids.h"
#include "window_fixture.h"
#include "modal_steps.h"

#include <commctrl.h>
#include <utility>

namespace {

class OptionsWiringTest : public WindowTest {
protected:
    void TearDown() override {
        CancelLaterSteps();
        WindowTest::TearDown();
    }

    std::string SettingsText() const override {
        return "[运行设置]\r\n动态刷新=假\r\n乘除替换=假\r\n退出设置=1\r\n[其他设置]\r\n允许多开=真\r\n";
    }

    // Opens 快捷设置 through its command; `clicks` are its panel's check
    // boxes, `button` ends it.
    void RunOptions(std::initializer_list<int> clicks, int button) {
        bool ran = false;
        Later([&] {
            const HWND dialog = FindWindowW(L"#32770", L"快捷设置");
            if (!dialog) return;
            ran = true;
            const HWND panel = GetDlgItem(GetDlgItem(dialog, IDC_OPT_VIEW), IDC_OPT_PANEL);
            for (int id : clicks) SendMessageW(GetDlgItem(panel, id), BM_CLICK, 0, 0);
            SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
        });
        SendMessageW(window_.Handle(), WM_COMMAND, IDM_OPTIONS, 0);
        Pump();
        EXPECT_TRUE(ran);
    }

    std::string SettingsFileBytes() {
        return ReadWholeFile(folder_.File(programfiles::kSettingsFile), 1 << 20).Bytes;
    }
};

TEST_F(OptionsWiringTest, OkAppliesEveryLiveEffectAndWritesTheKeys) {
    // Start-up leaves Esc to the box.
    Press(VK_ESCAPE);
    ASSERT_NE(window_.Handle(), nullptr);
    SetLine("3*4/2");
    RunOptions({IDC_OPT_KEEP_ON_TOP, IDC_OPT_WORD_WRAP, IDC_OPT_SHOWHIDE_ON, IDC_OPT_MULDIV}, IDOK);

    EXPECT_TRUE(GetWindowLongPtrW(window_.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongPtrW(window_.Box(), GWL_STYLE) & WS_HSCROLL) << "the box wraps";
    EXPECT_NE(window_.ShowHideHotKeyId(), 0) << "F1 registered";
    EXPECT_EQ(box().Text(), "3×4÷2");
    EXPECT_EQ(box().SelectionStart(), 7);
    const std::string bytes = SettingsFileBytes();
    for (const char* line : {"窗口前置=真\r\n", "自动折回=真\r\n", "热键状态=真\r\n", "乘除替换=真\r\n"})
        EXPECT_NE(bytes.find(line), std::string::npos) << line;
    // Typing still reaches the new box.
    SetLine("");
    Type("1+2");
    Press(VK_RETURN);
    EXPECT_EQ(box().Text().rfind("1+2=3", 0), 0u);
    // With 自动添加 off, Esc now asks the window to close.
    Press(VK_ESCAPE);
    EXPECT_EQ(window_.Handle(), nullptr);
}

TEST_F(OptionsWiringTest, CancelChangesNothing) {
    const std::string before = SettingsFileBytes();
    RunOptions({IDC_OPT_KEEP_ON_TOP, IDC_OPT_WORD_WRAP}, IDCANCEL);
    EXPECT_FALSE(GetWindowLongPtrW(window_.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongPtrW(window_.Box(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_EQ(SettingsFileBytes(), before);
}

// 外观设置 from its shortcut: OK writes its four keys.
TEST_F(OptionsWiringTest, AppearanceOkWritesItsKeys) {
    bool ran = false;
    Later([&] {
        const HWND dialog = FindWindowW(L"#32770", L"外观设置");
        if (!dialog) return;
        ran = true;
        SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    PressWithCtrl('U');
    EXPECT_TRUE(ran);
    const std::string bytes = SettingsFileBytes();
    for (const char* key : {"背景颜色=", "软件皮肤=", "皮肤滑块条=", "加载特效="})
        EXPECT_NE(bytes.find(key), std::string::npos) << key;
}

// 进制转换 and 统计分析 open 辅助分析 on their own pages.
TEST_F(OptionsWiringTest, AnalysisOpensOnThePageItsItemNames) {
    for (const auto& [command, page] : {std::pair<UINT, LRESULT>{IDM_BASE_CONVERSION, 0}, {IDM_STATISTICS, 1}}) {
        LRESULT shown = -1;
        Later([&] {
            const HWND dialog = FindWindowW(L"#32770", L"辅助分析");
            if (!dialog) return;
            shown = SendMessageW(FindWindowExW(dialog, nullptr, L"SysTabControl32", nullptr), TCM_GETCURSEL, 0, 0);
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        SendMessageW(window_.Handle(), WM_COMMAND, command, 0);
        EXPECT_EQ(shown, page) << command;
    }
}

// F1 opens 帮助; 关于 opens from its item.
TEST_F(OptionsWiringTest, HelpFromF1AndAboutFromItsItem) {
    for (const auto& [command, caption] :
         {std::pair<UINT, const wchar_t*>{IDM_HELP, L"帮助"}, {IDM_ABOUT, L"关于"}}) {
        bool opened = false;
        Later([&] {
            const HWND dialog = FindWindowW(L"#32770", caption);
            if (!dialog) return;
            opened = true;
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        if (command == IDM_HELP) {
            Press(VK_F1);
        } else {
            SendMessageW(window_.Handle(), WM_COMMAND, command, 0);
        }
        EXPECT_TRUE(opened) << command;
    }
}

}  // namespace
