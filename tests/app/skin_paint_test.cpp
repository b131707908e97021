// What the skin engine puts on the screen: pixels of real windows read back
// from the screen, for several skins, the system look and the reset.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <vector>

#include "../wingui/modal_steps.h"
#include "message_loop.h"
#include "accumulator_ids.h"
#include "analysis_ids.h"
#include "analysis_window.h"
#include "appearance_ids.h"
#include "appearance_window.h"
#include "options_ids.h"
#include "resource_ids.h"
#include "settings.h"
#include "settings_file.h"
#include "skin.h"
#include "skin_format.h"
#include "win32_file_store.h"
#include "window_fixture.h"

namespace {

COLORREF ScreenPixel(POINT at) {
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// A point of `window` at (x, y) of its client area.
COLORREF ClientPixel(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    return ScreenPixel(at);
}

SkinFile StoredSkin(int index) {
    const ResourceBytes bytes = SkinResource(index);
    return ParseSkin(bytes.data, bytes.size).value_or(SkinFile{});
}

// Brings a dialog over the main window, which the fixture keeps on top.
void ShowOnTop(HWND dialog) {
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

class SkinPaintTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        SetCursorPos(0, 0);  // no control is hot
        SetWindowPos(window_.Handle(), HWND_TOPMOST, 40, 40, 600, 400, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        ASSERT_TRUE(skin_.Load());
    }
    void TearDown() override {
        CancelLaterSteps();
        skin_.SetAero(false);
        skin_.AdjustAero({kFullEffectsStrength, 1, 1, 1, 0, 0, 0});
        skin_.Apply(16);
        WindowTest::TearDown();
    }

    // Caption (beside its text), menu bar (right of its items) and status
    // bar (above its texts), read from the screen.
    std::array<COLORREF, 3> Bars() {
        const HWND main = window_.Handle();
        PaintNow(main);
        Pump();
        RECT frame;
        GetWindowRect(main, &frame);
        TITLEBARINFO title{};
        title.cbSize = sizeof title;
        GetTitleBarInfo(main, &title);
        MENUBARINFO bar{};
        bar.cbSize = sizeof bar;
        GetMenuBarInfo(main, OBJID_MENU, 0, &bar);
        RECT status;
        GetWindowRect(window_.Status(), &status);
        return {ScreenPixel({(frame.left + frame.right) / 2, (title.rcTitleBar.top + title.rcTitleBar.bottom) / 2}),
                ScreenPixel({bar.rcBar.right - 20, (bar.rcBar.top + bar.rcBar.bottom) / 2}),
                ScreenPixel({status.left + 2, status.top + 2})};
    }

    Skin skin_;
};

TEST_F(SkinPaintTest, CaptionMenuBarAndStatusBarTakeEachSkinAndSixteenGivesBackTheSystemLook) {
    skin_.Apply(16);
    const auto system = Bars();
    for (int index : {8, 21, 5, 31, 12}) {
        skin_.Apply(index);
        const auto shown = Bars();
        const SkinFile skin = StoredSkin(index);
        EXPECT_TRUE(shown[0] == skin.colours[kSkinCaption] || shown[0] == skin.colours[kSkinInactiveCaption])
            << index << std::hex << " " << shown[0];
        EXPECT_EQ(shown[1], skin.colours[kSkinMenuBar]) << index;
        EXPECT_EQ(shown[2], skin.colours[kSkinStatusBar]) << index;
        for (int part = 0; part < 3; ++part) EXPECT_NE(shown[part], system[part]) << index << " " << part;
    }
    skin_.Apply(16);
    EXPECT_EQ(Bars(), system);
    EXPECT_EQ(system[1], GetSysColor(COLOR_MENU));
}

// The reset of the settings: effects off, strength 0, skin 8.
TEST_F(SkinPaintTest, TheResetLeavesSkinEightWhole) {
    skin_.Apply(21);
    skin_.SetAero(false);
    skin_.AdjustAero({0, 1, 1, 1, 0, 0, 0});
    skin_.Apply(8);
    EXPECT_EQ(Bars()[1], StoredSkin(8).colours[kSkinMenuBar]);
    EXPECT_EQ(Bars()[2], StoredSkin(8).colours[kSkinStatusBar]);
}

// The engine's own brushes, as it answers the main window's colour
// questions; none for the system look.
std::array<HBRUSH, 2> EngineBrushes(HWND main) {
    const HDC dc = GetDC(main);
    std::array<HBRUSH, 2> brushes{};
    int i = 0;
    for (UINT question : {WM_CTLCOLORSTATIC, WM_CTLCOLORLISTBOX}) {
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(main, question, reinterpret_cast<WPARAM>(dc),
                                                                 reinterpret_cast<LPARAM>(main)));
        bool system = false;
        for (int colour = 0; colour <= COLOR_MENUBAR; ++colour) system = system || brush == GetSysColorBrush(colour);
        brushes[i++] = system ? nullptr : brush;
    }
    ReleaseDC(main, dc);
    return brushes;
}

// Every brush of an earlier skin is deleted, whatever the system counts;
// where it counts GDI and USER objects (Windows; Wine 8 gives 0 for both)
// the totals stay the same too.
TEST_F(SkinPaintTest, NoObjectOfAnEarlierSkinOutlivesAHundredSwitches) {
    const HWND main = window_.Handle();
    skin_.Apply(1);
    Bars();
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    std::vector<HBRUSH> earlier;
    for (int i = 0; i < 100; ++i) {
        skin_.Apply(i % 33 + 1);
        skin_.SetAero(i % 2 == 0);
        PaintNow(main);
        for (HBRUSH brush : EngineBrushes(main))
            if (brush) earlier.push_back(brush);
    }
    skin_.SetAero(false);
    skin_.Apply(1);
    Bars();
    const auto current = EngineBrushes(main);
    ASSERT_NE(current[0], nullptr);
    EXPECT_NE(GetObjectType(current[0]), 0u);
    EXPECT_GE(earlier.size(), 190u);
    for (HBRUSH brush : earlier) {
        if (brush != current[0] && brush != current[1]) {
            EXPECT_EQ(GetObjectType(brush), 0u) << brush;
        }
    }
    if (gdi != 0 || user != 0) {
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
    }
}

// Every item of `menu` is a plain text item (or a separator) with its
// caption and no data: as the resources made it.
void ExpectPlainItems(HMENU menu) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t caption[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = ARRAYSIZE(caption);
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        EXPECT_EQ(info.fType & ~MFT_SEPARATOR, 0u) << i;
        EXPECT_EQ(info.dwItemData, 0u) << i;
        if (!(info.fType & MFT_SEPARATOR)) {
            EXPECT_NE(caption[0], L'\0') << i;
        }
    }
}

// The context menu and one of its sub-menus, opened as the program opens
// them: their items show the skin's menu colour, the system's with skin
// 16, and after they close every item is a plain text item again.
TEST_F(SkinPaintTest, PopUpMenusTakeTheSkinAndGiveTheirItemsBackWhenTheyClose) {
    const HMENU menu = window_.ContextMenu();
    const HMENU functions = GetSubMenu(menu, 10);
    ASSERT_NE(functions, nullptr);
    for (int index : {8, 5, 16}) {
        skin_.Apply(index);
        const COLORREF expected = index == 16 ? GetSysColor(COLOR_MENU) : StoredSkin(index).colours[kSkinMenu];
        COLORREF top = CLR_INVALID, sub = CLR_INVALID;
        // Beside the check mark's place of an item that is not chosen, read
        // once the pop-up is on the screen (X maps a new window a moment
        // after it is shown), then `next` in the menu loop.
        std::function<void(HMENU, int, COLORREF&, std::function<void()>, int)> read =
            [&](HMENU popup, int position, COLORREF& out, std::function<void()> next, int triesLeft) {
                RECT item{};
                GetMenuItemRect(nullptr, popup, static_cast<UINT>(position), &item);
                out = ScreenPixel({item.left + 3, item.top + 2});
                if (out != expected && triesLeft > 0) {
                    Later([=, &read, &out] { read(popup, position, out, next, triesLeft - 1); });
                } else {
                    next();
                }
            };
        Later([&] {
            read(menu, 0, top, [&] {
                // Down to 插入函数 and into it.
                for (int i = 0; i <= 10; ++i) PostMessageW(window_.Handle(), WM_KEYDOWN, VK_DOWN, 0);
                PostMessageW(window_.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
                // A sub-menu opened by the keyboard has its first item chosen.
                Later([&] { read(functions, GetMenuItemCount(functions) - 1, sub, [] { EndMenu(); }, 200); });
            }, 200);
        });
        TrackPopupMenu(menu, TPM_RIGHTBUTTON, 100, 100, 0, window_.Handle(), nullptr);
        Pump();
        EXPECT_EQ(top, expected) << index;
        EXPECT_EQ(sub, expected) << index;
        SCOPED_TRACE(index);
        ExpectPlainItems(menu);
        ExpectPlainItems(functions);
    }
}

// The engine draws the items, and their access keys still choose them:
// A in the context menu is 全选. Wine finds the key in an owner-drawn
// item's text itself; Windows asks the window (WM_MENUCHAR), and the
// engine answers: the one item with the key is chosen, of two (L) the
// first is selected.
TEST_F(SkinPaintTest, AccessKeysStillChooseTheItemsOfASkinnedMenu) {
    skin_.Apply(8);
    SetLine("12+3");
    SendMessageW(window_.Box(), EM_SETSEL, 0, 0);
    const HMENU menu = window_.ContextMenu();
    LRESULT one = 0, two = 0;
    Later([&] {
        const auto ask = [&](wchar_t key) {
            return SendMessageW(window_.Handle(), WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP), reinterpret_cast<LPARAM>(menu));
        };
        one = ask(L'a');
        two = ask(L'L');
        PostMessageW(window_.Handle(), WM_CHAR, L'a', 0);
    });
    TrackPopupMenu(window_.ContextMenu(), TPM_RIGHTBUTTON, 100, 100, 0, window_.Handle(), nullptr);
    Pump();
    DWORD start = 1, end = 0;
    SendMessageW(window_.Box(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    EXPECT_EQ(one, MAKELRESULT(8, MNC_EXECUTE));
    EXPECT_EQ(two, MAKELRESULT(10, MNC_SELECT));
}

class RecordingHost : public AppearanceHost {
public:
    void ApplySkin(int) override {}
    void SetSkinAero(bool) override {}
    void AdjustSkinAero(const std::array<int, 7>&) override {}
    void SetWindowAlpha(int) override {}
    void SetBoxColours(int, int) override {}
    void ApplyBars() override {}
};

// A push button, the track bar's channel and a colour list's face (beside
// its arrow) take the skin; skin 16 gives the button back its system face.
TEST_F(SkinPaintTest, ButtonTrackBarAndColourListOfTheAppearanceWindowTakeTheSkin) {
    ProgramFolder folder;
    Win32FileStore store{folder.Path()};
    SettingsFile file{store, programfiles::kSettingsFile};
    Settings settings;
    RecordingHost host;
    skin_.Apply(8);
    COLORREF button = CLR_INVALID, channel = CLR_INVALID, list = CLR_INVALID, system = CLR_INVALID;
    Later([&] {
        const HWND dialog = FindWindowW(L"#32770", L"外观设置");
        const HWND next = GetDlgItem(dialog, IDC_APP_NEXT);
        const HWND slider = GetDlgItem(dialog, IDC_APP_OPACITY);
        const HWND colours = GetDlgItem(dialog, IDC_APP_BACK_COLOUR);
        ShowOnTop(dialog);
        PaintNow(dialog);
        button = ClientPixel(next, 4, 4);
        RECT track, face;
        SendMessageW(slider, TBM_SETPOS, TRUE, 100);  // the thumb at the right end
        SendMessageW(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&track));
        channel = ClientPixel(slider, track.left + 3, (track.top + track.bottom) / 2);
        GetClientRect(colours, &face);
        list = ClientPixel(colours, face.right - 3, 3);
        skin_.Apply(16);
        PaintNow(dialog);
        system = ClientPixel(next, 4, 4);
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    RunAppearanceWindow(GetModuleHandleW(nullptr), window_.Handle(), settings, file, host);
    const SkinFile skin = StoredSkin(8);
    EXPECT_EQ(button, skin.colours[kSkinButtonFace]);
    EXPECT_EQ(channel, skin.colours[kSkinScrollTrack]);
    EXPECT_EQ(list, skin.colours[kSkinButtonFace]);
    EXPECT_EQ(system, GetSysColor(COLOR_BTNFACE));
}

// The accumulator's list of records: its chosen entry in the skin's
// highlight, the rest of the list in the skin's list colour.
TEST_F(SkinPaintTest, TheAccumulatorsListsTakeTheSkin) {
    skin_.Apply(8);
    PressWithCtrl('H');  // 记录
    SetLine("2+4");
    Press(VK_RETURN);
    PressWithCtrl('M');
    const HWND accumulator = FindWindowW(L"#32770", L"累加器");
    ASSERT_NE(accumulator, nullptr);
    ShowOnTop(accumulator);
    const HWND records = GetDlgItem(accumulator, IDC_ACC_RECORDS);
    SendMessageW(records, LB_SETSEL, TRUE, 0);
    PaintNow(accumulator);
    Pump();
    RECT first, client;
    SendMessageW(records, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    GetClientRect(records, &client);
    const SkinFile skin = StoredSkin(8);
    EXPECT_EQ(ClientPixel(records, first.right - 3, first.top + 1), skin.colours[kSkinMenuHighlight]);
    EXPECT_EQ(ClientPixel(records, 3, client.bottom - 3), skin.colours[kSkinMenu]);
    SendMessageW(GetDlgItem(accumulator, IDCANCEL), BM_CLICK, 0, 0);
    Pump();
}

Skin* g_switchingSkin = nullptr;
int g_switches = 0;

// Changes the skin as every window of the thread is created or destroyed.
LRESULT CALLBACK SwitchOnCreationAndDestruction(int code, WPARAM wParam, LPARAM lParam) {
    if ((code == HCBT_CREATEWND || code == HCBT_DESTROYWND) && g_switchingSkin)
        g_switchingSkin->Apply(++g_switches % 3 == 0 ? 16 : g_switches % 33 + 1);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Skins change while a menu is open, while a dialog and its controls are
// created and destroyed, and while the track bar's thumb is dragged: the
// menu's items come back whole, the dialog ends in the last skin, and so
// does the main window.
TEST_F(SkinPaintTest, SkinsChangeWhileAMenuIsOpenADialogComesAndGoesAndAThumbIsDragged) {
    const HMENU menu = window_.ContextMenu();
    skin_.Apply(8);
    Later([&] {
        for (int index : {21, 16, 5, 12}) {
            skin_.Apply(index);
            for (HWND shown = nullptr; (shown = FindWindowExW(nullptr, shown, L"#32768", nullptr)) != nullptr;)
                UpdateWindow(shown);
        }
        EndMenu();
    });
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, 100, 100, 0, window_.Handle(), nullptr);
    Pump();
    ExpectPlainItems(menu);

    ProgramFolder folder;
    Win32FileStore store{folder.Path()};
    SettingsFile file{store, programfiles::kSettingsFile};
    Settings settings;
    RecordingHost host;
    g_switchingSkin = &skin_;
    g_switches = 0;
    const HHOOK hook = SetWindowsHookExW(WH_CBT, SwitchOnCreationAndDestruction, nullptr, GetCurrentThreadId());
    COLORREF face = CLR_INVALID;
    Later([&] {
        const HWND dialog = FindWindowW(L"#32770", L"外观设置");
        const HWND slider = GetDlgItem(dialog, IDC_APP_OPACITY);
        ShowOnTop(dialog);
        RECT thumb;
        SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        const int y = (thumb.top + thumb.bottom) / 2;
        SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((thumb.left + thumb.right) / 2, y));
        skin_.Apply(5);
        SendMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumb.left - 30, y));
        skin_.Apply(16);
        SendMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumb.left - 60, y));
        skin_.Apply(8);
        SendMessageW(slider, WM_LBUTTONUP, 0, MAKELPARAM(thumb.left - 60, y));
        PaintNow(dialog);
        face = ClientPixel(GetDlgItem(dialog, IDC_APP_NEXT), 4, 4);
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    RunAppearanceWindow(GetModuleHandleW(nullptr), window_.Handle(), settings, file, host);
    UnhookWindowsHookEx(hook);
    g_switchingSkin = nullptr;
    EXPECT_GT(g_switches, 10);
    EXPECT_EQ(face, StoredSkin(8).colours[kSkinButtonFace]);
    skin_.Apply(12);
    const auto bars = Bars();
    EXPECT_EQ(bars[1], StoredSkin(12).colours[kSkinMenuBar]);
    EXPECT_EQ(bars[2], StoredSkin(12).colours[kSkinStatusBar]);
}

// The scroll bar of 快捷设置's panel: its track (between the thumb and the
// lower arrow) and, after it scrolled the panel a page down, its thumb in
// the skin (the control draws itself in the system's look as it moves). A
// page is only a few pixels of this track: the thumb stays near the top.
TEST_F(SkinPaintTest, TheOptionsScrollBarKeepsTheSkinWhenItScrolls) {
    skin_.Apply(21);
    COLORREF track = CLR_INVALID, thumb = CLR_INVALID;
    Later([&] {
        const HWND dialog = FindWindowW(L"#32770", L"快捷设置");
        const HWND bar = GetDlgItem(dialog, IDC_OPT_SCROLL);
        ShowOnTop(dialog);
        PaintNow(dialog);
        SendMessageW(dialog, WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar));
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        GetScrollBarInfo(bar, OBJID_CLIENT, &info);
        RECT client;
        GetClientRect(bar, &client);
        // The screen shows the last paint a moment later: read until it does.
        for (int tries = 0; tries < 100; ++tries) {
            track = ClientPixel(bar, client.right / 2, (info.xyThumbBottom + client.bottom - info.dxyLineButton) / 2);
            thumb = ClientPixel(bar, client.right / 2, (info.xyThumbTop + info.xyThumbBottom) / 2);
            if (track == StoredSkin(21).colours[kSkinScrollTrack] && thumb == StoredSkin(21).colours[kSkinScrollThumb])
                break;
            MessageLoop::ForThisThread().PumpPending();
            Sleep(10);
        }
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    SendMessageW(window_.Handle(), WM_COMMAND, IDM_OPTIONS, 0);
    Pump();
    EXPECT_EQ(track, StoredSkin(21).colours[kSkinScrollTrack]);
    EXPECT_EQ(thumb, StoredSkin(21).colours[kSkinScrollThumb]);
}

// A label stands on a tab page: it shows the page, with and without the
// effects' gradient behind the window.
TEST_F(SkinPaintTest, ALabelOnATabPageHasThePagesBackground) {
    for (bool effects : {false, true}) {
        skin_.SetAero(effects);
        skin_.Apply(8);
        COLORREF label = CLR_INVALID, page = CLR_INVALID;
        Later([&] {
            const HWND dialog = FindWindowW(L"#32770", nullptr);
            ShowOnTop(dialog);
            PaintNow(dialog);
            const HWND from = GetDlgItem(dialog, IDC_ANA_INPUT_LABEL);
            RECT client;
            GetClientRect(from, &client);
            label = ClientPixel(from, client.right - 1, client.bottom - 1);  // beside its text
            page = ClientPixel(from, client.right + 3, client.bottom - 1);
            EndDialog(dialog, 0);
        });
        RunAnalysisWindow(GetModuleHandleW(nullptr), window_.Handle(), 0);
        EXPECT_EQ(label, page) << effects;
        EXPECT_EQ(page, StoredSkin(8).colours[kSkinTabSelected]) << effects;
    }
}

}  // namespace
