// The options window and the window-position window run modally from a
// private program folder with no settings folder yet (a first run); each
// test drives them from timers that fire inside their modal loops.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "../wingui/test_window.h"
#include "../support/recording_options_host.h"
#include "options.h"
#include "options_ids.h"
#include "options_window.h"
#include "program_folder.h"
#include "settings.h"
#include "settings_file.h"
#include "win32_file_store.h"
#include "window_position_ids.h"
#include "modal_steps.h"

namespace {

HWND OpenDialog(const wchar_t* caption) {
    const HWND dialog = FindWindowW(L"#32770", caption);
    // A missing window would leave its modal loop waiting: end it.
    if (!dialog) {
        ADD_FAILURE() << "no window";
        PostQuitMessage(0);
    }
    return dialog;
}

HWND PanelOf(HWND options) { return GetDlgItem(GetDlgItem(options, IDC_OPT_VIEW), IDC_OPT_PANEL); }

void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

using FakeHost = RecordingOptionsHost;

class OptionsWindowTest : public ::testing::Test {
protected:
    // A step left over must not fire in a later test's modal loop.
    void TearDown() override { CancelLaterSteps(); }

    std::string FileBytes() const { return ProgramFolder::ReadBytes(folder.File(programfiles::kSettingsFile)); }

    ProgramFolder folder;
    Win32FileStore store{folder.Path()};
    SettingsFile file{store, programfiles::kSettingsFile};
    Settings settings;
    FakeHost host;
    OptionsSession session;
    TestWindow owner;
};

TEST_F(OptionsWindowTest, OkStoresAppliesAndWritesTheOptions) {
    settings.MulDivSymbols = false;
    settings.FullScreenKeyMods = 4;
    host.box = MemoryTextBox("3*4/2", 5);
    int altShown = -1, pageScroll = -1, draggedPage = -1;
    bool keyEnabledBefore = true, keyEnabledAfter = false;
    Later([&] {
        const HWND dialog = OpenDialog(L"快捷设置");
        const HWND panel = PanelOf(dialog);
        altShown = static_cast<int>(SendDlgItemMessageW(panel, IDC_OPT_FULLSCREEN_MODS, CB_GETCURSEL, 0, 0));
        keyEnabledBefore = IsWindowEnabled(GetDlgItem(panel, IDC_OPT_SHOWHIDE_KEY));
        Click(panel, IDC_OPT_SHOWHIDE_ON);
        keyEnabledAfter = IsWindowEnabled(GetDlgItem(panel, IDC_OPT_SHOWHIDE_KEY));
        SendDlgItemMessageW(panel, IDC_OPT_SHOWHIDE_MODS, CB_SETCURSEL, 1, 0);  // Ctrl
        SendDlgItemMessageW(panel, IDC_OPT_SHOWHIDE_KEY, CB_SETCURSEL, 4, 0);   // F5
        Click(panel, IDC_OPT_MULDIV);
        Click(panel, IDC_OPT_SMART_PASTE);

        const HWND tabs = GetDlgItem(dialog, IDC_OPT_TABS);
        SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
        NMHDR changed{tabs, IDC_OPT_TABS, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(dialog, WM_NOTIFY, IDC_OPT_TABS, reinterpret_cast<LPARAM>(&changed));
        pageScroll = GetScrollPos(GetDlgItem(dialog, IDC_OPT_SCROLL), SB_CTL);
        SendMessageW(dialog, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 700),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_OPT_SCROLL)));
        draggedPage = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));

        // Confirmed without leaving the field.
        SetDlgItemTextW(panel, IDC_OPT_UNDO_DEPTH, L"0");
        Click(dialog, IDOK);
    });
    EXPECT_TRUE(RunOptionsWindow(GetModuleHandleW(nullptr), owner.Handle(), settings, file, host, session));

    EXPECT_EQ(altShown, 3);
    EXPECT_FALSE(keyEnabledBefore);
    EXPECT_TRUE(keyEnabledAfter);
    EXPECT_EQ(pageScroll, 257);
    EXPECT_EQ(draggedPage, 2);
    // 双击时智能粘贴 is kept for the next opening, never stored.
    EXPECT_TRUE(session.SmartPaste);
    // What OK does with the controls is the logic's (tests/panels); here
    // the controls reach it and the file is written.
    ASSERT_EQ(host.calls.size(), 8u);
    EXPECT_EQ(host.calls[2], "hotkey 1 1 116");
    EXPECT_EQ(host.box.Text(), "3×4÷2");
    EXPECT_EQ(settings.UndoDepth, kDefaultUndoDepth);
    EXPECT_EQ(settings.FullScreenKeyMods, 4);
    const std::string bytes = FileBytes();
    for (const char* line : {"乘除替换=真\r\n", "撤销设置=50\r\n", "辅助快捷键=116\r\n", "全屏功能快捷键=4\r\n"})
        EXPECT_NE(bytes.find(line), std::string::npos) << line;
}

TEST_F(OptionsWindowTest, PositionWindowFromRememberPlacementThenCancelChangesNothing) {
    std::vector<std::string> seen;
    Later([&] {
        const HWND dialog = OpenDialog(L"快捷设置");
        const HWND panel = PanelOf(dialog);
        Later([&] {
            const HWND position = OpenDialog(L"自定义窗口位置(请勿超出屏幕！)");
            wchar_t text[16];
            GetDlgItemTextW(position, IDC_POS_HEIGHT, text, 16);
            seen.push_back(std::string("fresh ") + (text == std::wstring(L"0") ? "0" : "?") +
                           (IsWindowEnabled(GetDlgItem(position, IDOK)) ? " ok" : " no ok"));
            Click(position, IDCANCEL);
        });
        Click(panel, IDC_OPT_REMEMBER_PLACEMENT);
        seen.push_back(std::string("after cancel ") + (Checked(panel, IDC_OPT_REMEMBER_PLACEMENT) ? "on" : "off"));

        Later([&] {
            const HWND position = OpenDialog(L"自定义窗口位置(请勿超出屏幕！)");
            SetDlgItemTextW(position, IDC_POS_TOP, L"100");
            SetDlgItemTextW(position, IDC_POS_LEFT, L"0100");
            SetDlgItemTextW(position, IDC_POS_WIDTH, L"800");
            SetDlgItemTextW(position, IDC_POS_HEIGHT, L"79");
            seen.push_back(IsWindowEnabled(GetDlgItem(position, IDOK)) ? "79 ok" : "79 no ok");
            SetDlgItemTextW(position, IDC_POS_HEIGHT, L"80");
            seen.push_back(IsWindowEnabled(GetDlgItem(position, IDOK)) ? "80 ok" : "80 no ok");
            Click(position, IDOK);
        });
        Click(panel, IDC_OPT_REMEMBER_PLACEMENT);
        seen.push_back(std::string("after save ") + (Checked(panel, IDC_OPT_REMEMBER_PLACEMENT) ? "on" : "off"));
        Click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(RunOptionsWindow(GetModuleHandleW(nullptr), owner.Handle(), settings, file, host, session));

    EXPECT_EQ(seen, (std::vector<std::string>{"fresh 0 no ok", "after cancel on", "79 no ok", "80 ok",
                                              "after save off"}));
    EXPECT_TRUE(settings.RememberPlacement);
    EXPECT_TRUE(host.calls.empty());
    // The position as typed, on a first run; nothing of the cancelled options.
    EXPECT_EQ(FileBytes(), "[启动窗口位置]\r\n_启动窗口.左边=0100\r\n_启动窗口.顶边=100\r\n_启动窗口.宽度=800\r\n"
                           "_启动窗口.高度=80\r\n");
}

// The wheel, passed on by a check box of the panel, moves the panel by the
// arrows' steps: a notch is the system's lines of them (3 under Wine), and
// a fine wheel's quarter notches add up; a turn back starts afresh.
TEST_F(OptionsWindowTest, TheWheelScrollsThePanel) {
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    ASSERT_EQ(lines, 3u);
    std::vector<int> positions;
    Later([&] {
        const HWND dialog = OpenDialog(L"快捷设置");
        const HWND checkBox = GetDlgItem(PanelOf(dialog), IDC_OPT_MULDIV);
        for (int delta : {WHEEL_DELTA, -WHEEL_DELTA, -30, -30, -30, 30, 30, -40 * WHEEL_DELTA}) {
            SendMessageW(checkBox, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
            positions.push_back(GetScrollPos(GetDlgItem(dialog, IDC_OPT_SCROLL), SB_CTL));
        }
        Click(dialog, IDCANCEL);
    });
    RunOptionsWindow(GetModuleHandleW(nullptr), owner.Handle(), settings, file, host, session);
    EXPECT_EQ(positions, (std::vector<int>{0, 30, 30, 40, 50, 50, 40, kOptionsScrollMax}));
}

}  // namespace
