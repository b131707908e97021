// Start-up from the settings file: defaults on a first run, prepared files
// (GBK bytes, whatever the system's code page), placement and bars, the
// single instance.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>

#include "edit_box_adapter.h"
#include "main_window_probe.h"
#include "message_loop.h"
#include "messages.h"
#include "program_folder.h"
#include "resource_ids.h"
#include "status_bar_adapter.h"

namespace {

std::string ClearedText() {
    std::string text;
    for (int i = 0; i < 31; ++i) text += "\r\n";
    return text;
}

struct Started {
    ProgramFolder folder;
    ProbedMainWindow window;
    StartResult result = StartResult::Failed;

    explicit Started(const char* settings = nullptr, bool settingsFolder = true) {
        if (settings) {
            folder.WriteSettings(settings);
        } else if (settingsFolder) {
            folder.MakeSettingsFolder();
        }
        result = window.Create(GetModuleHandleW(nullptr), folder.Path(), false);
        if (result == StartResult::Running) window.Show(SW_SHOWNOACTIVATE);
        MessageLoop::ForThisThread().PumpPending();
    }

    RECT Outer() const {
        RECT r;
        GetWindowRect(window.Handle(), &r);
        return r;
    }
    int BoxHeight() const {
        RECT r;
        GetWindowRect(window.Box(), &r);
        return r.bottom - r.top;
    }
    std::string Part(StatusPart part) { return window.StatusText().PartText(part); }
};

TEST(Startup, FirstRunTakesEveryDefaultAndWritesNothing) {
    Started s(nullptr, false);
    ASSERT_EQ(s.result, StartResult::Running);
    const HWND w = s.window.Handle();

    const RECT outer = s.Outer();
    EXPECT_EQ(outer.left, 480);
    EXPECT_EQ(outer.top, 270);
    EXPECT_EQ(outer.right - outer.left, 960);
    EXPECT_EQ(outer.bottom - outer.top, 540);

    wchar_t caption[32] = {};
    GetWindowTextW(w, caption, 32);
    EXPECT_STREQ(caption, L"Numerel");
    EXPECT_NE(GetMenu(w), nullptr);
    EXPECT_TRUE(IsWindowVisible(s.window.Status()));
    EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & WS_CAPTION);
    EXPECT_FALSE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST);

    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(w, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 254);
    EXPECT_TRUE(flags & LWA_ALPHA);

    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(s.window.Box(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Times New Roman");
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(14, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    // The colours the box is painted with: black on white.
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(w, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(s.window.Box()));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    DeleteDC(dc);

    EXPECT_EQ(s.window.BoxText().Text(), ClearedText());
    // The first undo snapshot is the box as start-up left it.
    EXPECT_EQ(s.window.History().Count(), 1u);
    EXPECT_EQ(s.window.History().Index(), 1u);
    EXPECT_EQ(s.Part(StatusPart::Message), " [提示]_初始化完毕，请输入表达式!");
    EXPECT_EQ(s.Part(StatusPart::Caret), " 行: 1,列: 1,");
    EXPECT_EQ(s.Part(StatusPart::Mode), " 实时计算 , 角度制 , 12位精度");
    EXPECT_TRUE(s.window.TrayIconShown());
    EXPECT_EQ(s.window.ShowHideHotKeyId(), 0);
    EXPECT_EQ(s.folder.Listing(), L"");
}

TEST(Startup, HiddenBarsGiveTheirHeightToTheBox) {
    Started shown("[运行设置]\r\n[其他设置]\r\n允许多开=真\r\n");
    struct Case {
        const char* settings;
        int taller;
        bool status, menu, title;
    };
    const Case cases[] = {
        {"[窗口状态设置]\r\n状态栏状态=假\r\n[其他设置]\r\n允许多开=真\r\n", 22, false, true, true},
        {"[窗口状态设置]\r\n菜单栏状态=假\r\n[其他设置]\r\n允许多开=真\r\n", 26, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        Started s(c.settings);
        ASSERT_EQ(s.result, StartResult::Running);
        EXPECT_EQ(IsWindowVisible(s.window.Status()) != FALSE, c.status);
        EXPECT_EQ(GetMenu(s.window.Handle()) != nullptr, c.menu);
        // The box takes the bar's height as far as the client area goes:
        // it never slides under the status bar.
        RECT client, bar = {};
        GetClientRect(s.window.Handle(), &client);
        if (c.status) GetWindowRect(s.window.Status(), &bar);
        EXPECT_EQ(s.BoxHeight(),
                  std::min<int>(shown.BoxHeight() + c.taller, client.bottom - (bar.bottom - bar.top)));
        EXPECT_GT(s.BoxHeight(), shown.BoxHeight());
    }
    Started bare("[窗口状态设置]\r\n标题栏状态=假\r\n[其他设置]\r\n允许多开=真\r\n");
    EXPECT_EQ(GetWindowLongW(bare.window.Handle(), GWL_STYLE) & (WS_CAPTION | WS_SYSMENU), WS_CAPTION);
    wchar_t caption[32] = {L'x'};
    GetWindowTextW(bare.window.Handle(), caption, 32);
    EXPECT_STREQ(caption, L"");
}

TEST(Startup, PreparedValuesReadTheWayTheProgramWritesThem) {
    struct Case {
        const char* settings;
        int undoDepth;
        bool keepOnTop;
    };
    const Case cases[] = {
        {"[运行设置]\r\n撤销设置=0\r\n[其他设置]\r\n窗口前置=真\r\n", 50, true},
        {"[运行设置]\r\n撤销设置=-3\r\n[其他设置]\r\n窗口前置=true\r\n", 50, false},
        {"[运行设置]\r\n撤销设置=500\r\n[其他设置]\r\n窗口前置=1\r\n", 500, false},
        {"[运行设置]\r\n撤销设置=７\r\n[其他设置]\r\n窗口前置=真 \r\n", 7, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        Started s(c.settings);
        ASSERT_EQ(s.result, StartResult::Running);
        EXPECT_EQ(s.window.CurrentSettings().UndoDepth, c.undoDepth);
        EXPECT_EQ((GetWindowLongW(s.window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, c.keepOnTop);
    }
}

TEST(Startup, StoredPlacementIsUsedUnlessItWouldBeLost) {
    struct Case {
        const char* settings;
        RECT expected;
    };
    const Case cases[] = {
        {"[启动窗口位置]\r\n_启动窗口.左边=100\r\n_启动窗口.顶边=100\r\n_启动窗口.宽度=800\r\n_启动窗口.高度=600\r\n",
         {100, 100, 900, 700}},
        {"[启动窗口位置]\r\n_启动窗口.左边=100\r\n_启动窗口.顶边=100\r\n_启动窗口.宽度=800\r\n_启动窗口.高度=79\r\n",
         {480, 270, 1440, 810}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        Started s((std::string(c.settings) + "[其他设置]\r\n允许多开=真\r\n").c_str());
        const RECT r = s.Outer();
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
}

TEST(Startup, BackupTextComesBackWithItsCaret) {
    ProgramFolder folder;
    folder.WriteSettings("[其他设置]\r\n退出保存=真\r\n允许多开=真\r\n[运行设置]\r\n起始选择位置=4\r\n");
    ProgramFolder::WriteBytes(folder.File(programfiles::kBackupFile), std::string("1×2\r\n3\0junk", 11));
    ProbedMainWindow window;
    ASSERT_EQ(window.Create(GetModuleHandleW(nullptr), folder.Path(), false), StartResult::Running);
    EXPECT_EQ(window.BoxText().Text(), "1×2\r\n3");
    EXPECT_EQ(window.BoxText().SelectionStart(), 4);
    EXPECT_EQ(window.StatusText().PartText(StatusPart::Caret), " 行: 1,列: 5,");
    EXPECT_EQ(window.History().Count(), 1u);
}

TEST(Startup, ABackupTooLargeToRestoreIsKeptUntilTheBoxHoldsAnotherText) {
    ProgramFolder folder;
    folder.WriteSettings("[其他设置]\r\n退出保存=真\r\n允许多开=真\r\n");
    const std::wstring path = folder.File(programfiles::kBackupFile);
    const std::string backup(static_cast<size_t>(programfiles::kLargestReadableFile) + 1, '7');
    ASSERT_TRUE(ProgramFolder::WriteBytes(path, backup));
    {
        // The exit save runs as the window goes, with the box as it started.
        ProbedMainWindow window;
        ASSERT_EQ(window.Create(GetModuleHandleW(nullptr), folder.Path(), false), StartResult::Running);
        EXPECT_EQ(window.BoxText().Text(), ClearedText());
        EXPECT_EQ(window.StatusText().PartText(StatusPart::Message), msg::kBackupTooLarge);
    }
    EXPECT_TRUE(ProgramFolder::ReadBytes(path) == backup);
    {
        ProbedMainWindow window;
        ASSERT_EQ(window.Create(GetModuleHandleW(nullptr), folder.Path(), false), StartResult::Running);
        window.BoxText().SetText("1+2");
    }
    EXPECT_EQ(ProgramFolder::ReadBytes(path), "1+2");
}

TEST(Startup, SecondStartRestoresTheFirstAndEnds) {
    ProgramFolder folder;
    folder.MakeSettingsFolder();
    ProbedMainWindow first;
    ASSERT_EQ(first.Create(GetModuleHandleW(nullptr), folder.Path(), false), StartResult::Running);
    first.Show(SW_SHOWMINNOACTIVE);
    MessageLoop::ForThisThread().PumpPending();
    ASSERT_TRUE(IsIconic(first.Handle()));
    // The marker exists with its one byte, held so that nobody can open it,
    // and the window is published.
    WIN32_FILE_ATTRIBUTE_DATA marker = {};
    ASSERT_TRUE(GetFileAttributesExW(folder.File(programfiles::kInstanceMarker).c_str(), GetFileExInfoStandard, &marker));
    EXPECT_EQ(marker.nFileSizeLow, 1u);
    EXPECT_EQ(CreateFileW(folder.File(programfiles::kInstanceMarker).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    const std::string published = ProgramFolder::ReadBytes(folder.File(programfiles::kSettingsFile));
    EXPECT_NE(published.find("窗口代号=" +
                             std::to_string(reinterpret_cast<UINT_PTR>(first.Handle()))),
              std::string::npos)
        << published;

    ProbedMainWindow second;
    EXPECT_EQ(second.Create(GetModuleHandleW(nullptr), folder.Path(), false), StartResult::AnotherInstance);
    EXPECT_EQ(second.Handle(), nullptr);
    MessageLoop::ForThisThread().PumpPending();
    EXPECT_FALSE(IsIconic(first.Handle()));
}

TEST(Startup, StaleWindowNumberRestoresNoStranger) {
    ProgramFolder folder;
    folder.MakeSettingsFolder();
    ProbedMainWindow first;
    ASSERT_EQ(first.Create(GetModuleHandleW(nullptr), folder.Path(), false), StartResult::Running);
    // Another program's window under the published number.
    const HWND stranger = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
    ShowWindow(stranger, SW_SHOWMINNOACTIVE);
    folder.WriteSettings("[运行设置]\r\n窗口代号=" + std::to_string(reinterpret_cast<UINT_PTR>(stranger)) + "\r\n");
    ProbedMainWindow second;
    EXPECT_EQ(second.Create(GetModuleHandleW(nullptr), folder.Path(), false), StartResult::AnotherInstance);
    EXPECT_TRUE(IsIconic(stranger));
    DestroyWindow(stranger);
}

TEST(Startup, SeveralInstancesRunWhenAllowed) {
    ProgramFolder folder;
    folder.WriteSettings("[其他设置]\r\n允许多开=真\r\n");
    ProbedMainWindow first, second;
    EXPECT_EQ(first.Create(GetModuleHandleW(nullptr), folder.Path(), false), StartResult::Running);
    EXPECT_EQ(second.Create(GetModuleHandleW(nullptr), folder.Path(), false), StartResult::Running);
    // Neither made nor held the marker.
    EXPECT_EQ(GetFileAttributesW(folder.File(programfiles::kInstanceMarker).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Startup, DamagedValuesNeverDisableTheWindow) {
    struct Case {
        const char* settings;
        BYTE alpha;
        COLORREF text, back;
    };
    const Case cases[] = {
        {"[运行设置]\r\n皮肤滑块条=0\r\n", 254, RGB(0, 0, 0), RGB(255, 255, 255)},
        {"[运行设置]\r\n皮肤滑块条=101\r\n", 254, RGB(0, 0, 0), RGB(255, 255, 255)},
        {"[运行设置]\r\n皮肤滑块条=50\r\n背景颜色=-1\r\n[字体设置]\r\n字体颜色=16777471\r\n", 127, RGB(255, 0, 0),
         RGB(255, 255, 255)},
        {"[运行设置]\r\n皮肤滑块条=99999999999999999999\r\n背景颜色=255\r\n", 254, RGB(0, 0, 0), RGB(255, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        Started s((std::string(c.settings) + "[其他设置]\r\n允许多开=真\r\n").c_str());
        ASSERT_EQ(s.result, StartResult::Running);
        BYTE alpha = 0;
        GetLayeredWindowAttributes(s.window.Handle(), nullptr, &alpha, nullptr);
        EXPECT_EQ(alpha, c.alpha);
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(s.window.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(s.window.Box()));
        EXPECT_EQ(GetTextColor(dc), c.text);
        EXPECT_EQ(GetBkColor(dc), c.back);
        DeleteDC(dc);
    }
}

TEST(Startup, FontFromTheFileWithinWhatAFontHolds) {
    Started s(
        "[字体设置]\r\n字体名称=宋体宋体宋体宋体宋体宋体宋体宋体宋体宋体宋体宋体宋体宋体宋体宋体宋体\r\n字体大小=-5\r\n"
        "字体加粗=真\r\n字体倾斜=真 \r\n[其他设置]\r\n允许多开=真\r\n");
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(s.window.Box(), WM_GETFONT, 0, 0)), sizeof font, &font);
    // 31 characters fit before the terminating NUL.
    EXPECT_EQ(std::wstring(font.lfFaceName).size(), 31u);
    EXPECT_EQ(font.lfFaceName[0], L'\u5B8B');
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_FALSE(font.lfItalic);
    EXPECT_EQ(s.window.CurrentSettings().FontSize, 1);
}

TEST(Startup, WordWrapMakesTheBoxAgainStillWiredToTheKeys) {
    Started s("[其他设置]\r\n自动折回=真\r\n允许多开=真\r\n");
    const LONG style = GetWindowLongW(s.window.Box(), GWL_STYLE);
    EXPECT_FALSE(style & WS_HSCROLL);
    EXPECT_FALSE(style & ES_AUTOHSCROLL);
    EXPECT_TRUE(style & WS_VSCROLL);
    // Real-time evaluation still reaches the new box.
    s.window.BoxText().SetText("");
    s.window.BoxText().ReplaceSelection("2×3");
    SendMessageW(s.window.Box(), WM_KEYUP, '3', 0xC0000001);
    EXPECT_EQ(s.window.BoxText().Text(), "2×3=6");
}

TEST(Startup, ShowHideHotKeyIsRegisteredWithTheSystemsModifierCodes) {
    Started s("[热键状态]\r\n[热键设置]\r\n热键状态=真\r\n辅助功能快捷键=1\r\n辅助快捷键=113\r\n[其他设置]\r\n允许多开=真\r\n");
    EXPECT_NE(s.window.ShowHideHotKeyId(), 0);
    // Ctrl+F2 is taken now; F2 alone and Shift+F2 are not.
    HWND probe = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(RegisterHotKey(probe, 7, MOD_CONTROL, VK_F2));
    EXPECT_TRUE(RegisterHotKey(probe, 8, MOD_SHIFT, VK_F2));
    UnregisterHotKey(probe, 8);

    // A second window asking for the same key keeps no id.
    Started again("[热键设置]\r\n热键状态=真\r\n辅助功能快捷键=1\r\n辅助快捷键=113\r\n[其他设置]\r\n允许多开=真\r\n");
    EXPECT_EQ(again.window.ShowHideHotKeyId(), 0);
    DestroyWindow(probe);
}

}  // namespace
