// The appearance window runs modally from a private program folder with no
// settings folder yet (a first run), driven from timers that fire inside
// its modal loop, with a host that records what it does to the program.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "../wingui/test_window.h"
#include "appearance_ids.h"
#include "appearance_window.h"
#include "program_folder.h"
#include "settings.h"
#include "settings_file.h"
#include "win32_file_store.h"
#include "modal_steps.h"

namespace {

HWND OpenWindow() {
    const HWND dialog = FindWindowW(L"#32770", L"外观设置");
    if (!dialog) {
        ADD_FAILURE() << "no window";
        PostQuitMessage(0);
    }
    return dialog;
}

void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Slide(HWND dialog, int position) {
    const HWND slider = GetDlgItem(dialog, IDC_APP_OPACITY);
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(slider));
}

// Chooses the picker's entry holding `colour`, as a user's pick does.
void Pick(HWND dialog, int id, COLORREF colour) {
    const HWND picker = GetDlgItem(dialog, id);
    const int count = static_cast<int>(SendMessageW(picker, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendMessageW(picker, CB_GETITEMDATA, i, 0) == static_cast<LRESULT>(colour)) {
            SendMessageW(picker, CB_SETCURSEL, i, 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(picker));
            return;
        }
    ADD_FAILURE() << "no colour " << colour;
}

class FakeHost : public AppearanceHost {
public:
    explicit FakeHost(const Settings& settings) : settings_(settings) {}
    std::vector<std::string> calls;

    void ApplySkin(int index) override { calls.push_back("skin " + std::to_string(index)); }
    void SetSkinAero(bool on) override { calls.push_back(std::string("effects ") + (on ? "on" : "off")); }
    void AdjustSkinAero(const std::array<int, 7>& v) override {
        std::string text = "engine";
        for (int value : v) text += " " + std::to_string(value);
        calls.push_back(text);
    }
    void SetWindowAlpha(int alpha) override { calls.push_back("alpha " + std::to_string(alpha)); }
    void SetBoxColours(int back, int text) override {
        calls.push_back("colours " + std::to_string(back) + " " + std::to_string(text) + " " +
                        std::to_string(settings_.FontColour));
    }
    void ApplyBars() override {
        calls.push_back(std::string("bars ") + (settings_.TitleBarVisible ? "T" : "-") +
                        (settings_.MenuBarVisible ? "M" : "-") + (settings_.StatusBarVisible ? "S" : "-"));
    }

private:
    const Settings& settings_;
};

class AppearanceWindowTest : public ::testing::Test {
protected:
    // A step left over must not fire in a later test's modal loop.
    void TearDown() override { CancelLaterSteps(); }

    std::string FileBytes() const { return ProgramFolder::ReadBytes(folder.File(programfiles::kSettingsFile)); }

    ProgramFolder folder;
    Win32FileStore store{folder.Path()};
    SettingsFile file{store, programfiles::kSettingsFile};
    Settings settings;
    FakeHost host{settings};
    TestWindow owner;
};

TEST_F(AppearanceWindowTest, OkPreviewsLiveAndWritesExactlyFourKeys) {
    settings.SkinIndex = 33;
    settings.SkinEffects = true;
    settings.SkinOpacity = 100;
    std::wstring caption, captionAfter;
    bool topmost = false;
    Later([&] {
        const HWND dialog = OpenWindow();
        wchar_t text[32] = {};
        GetDlgItemTextW(dialog, IDC_APP_EFFECTS, text, 32);
        caption = text;
        Click(dialog, IDC_APP_NEXT);
        topmost = (GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        Click(dialog, IDC_APP_EFFECTS);
        GetDlgItemTextW(dialog, IDC_APP_EFFECTS, text, 32);
        captionAfter = text;
        Slide(dialog, 50);
        Pick(dialog, IDC_APP_BACK_COLOUR, RGB(255, 0, 0));
        Click(dialog, IDC_APP_STATUS_BAR);
        Click(dialog, IDOK);
    });
    EXPECT_TRUE(RunAppearanceWindow(GetModuleHandleW(nullptr), owner.Handle(), settings, file, host));

    EXPECT_EQ(caption, L"关闭特效");
    EXPECT_EQ(captionAfter, L"关闭特效");
    EXPECT_TRUE(topmost);
    EXPECT_EQ(host.calls, (std::vector<std::string>{
                              "skin 33", "effects on", "engine 500 1 1 1 0 0 0", "bars TMS",  // opening
                              "skin 1", "effects off", "engine 250 1 1 1 0 0 0", "alpha 127", "colours 255 0 0",
                              "bars TM-", "colours 255 0 0", "bars TM-"}));
    EXPECT_EQ(FileBytes(), "[运行设置]\r\n背景颜色=255\r\n软件皮肤=1\r\n皮肤滑块条=50\r\n加载特效=假\r\n");
    EXPECT_EQ(settings.SkinIndex, 1);
    EXPECT_FALSE(settings.StatusBarVisible);
}

TEST_F(AppearanceWindowTest, CancelRestoresEverythingAndWritesNothing) {
    settings.SkinIndex = 15;
    settings.SkinOpacity = 80;
    settings.FontColour = RGB(0, 0, 128);
    bool offAtSixteen = false, offAfterToggle = true;
    Later([&] {
        const HWND dialog = OpenWindow();
        Click(dialog, IDC_APP_NEXT);  // 16: the skin off
        offAtSixteen = Checked(dialog, IDC_APP_SKIN_OFF);
        Click(dialog, IDC_APP_SKIN_OFF);  // back on: 8, since 16 was the last chosen
        offAfterToggle = Checked(dialog, IDC_APP_SKIN_OFF);
        Slide(dialog, 10);
        Pick(dialog, IDC_APP_BACK_COLOUR, RGB(0, 0, 0));
        Pick(dialog, IDC_APP_TEXT_COLOUR, RGB(255, 255, 255));
        Click(dialog, IDC_APP_TITLE_BAR);
        Click(dialog, IDC_APP_MENU_BAR);
        host.calls.clear();
        Click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(RunAppearanceWindow(GetModuleHandleW(nullptr), owner.Handle(), settings, file, host));

    EXPECT_TRUE(offAtSixteen);
    EXPECT_FALSE(offAfterToggle);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"skin 15", "effects off", "engine 400 1 1 1 0 0 0", "alpha 204",
                                                    "colours 16777215 8388608 8388608", "bars TMS"}));
    EXPECT_EQ(GetFileAttributesW(folder.File(programfiles::kSettingsFile).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(settings.SkinIndex, 15);
    EXPECT_EQ(settings.SkinOpacity, 80);
    EXPECT_EQ(settings.FontColour, static_cast<int>(RGB(0, 0, 128)));
    EXPECT_TRUE(settings.TitleBarVisible && settings.MenuBarVisible);
}

}  // namespace
