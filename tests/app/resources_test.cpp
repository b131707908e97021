// The menus and icon that numerel.rc compiles into this executable, read
// back through the same loaders the program uses, against the command table.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "command_table.h"
#include "status_bar_clicks.h"
#include "function_templates.h"
#include "resource_ids.h"
#include "window_fixture.h"

namespace {

HINSTANCE Self() { return GetModuleHandleW(nullptr); }

struct MenuItem {
    std::wstring Caption;
    UINT Id = 0;
    HMENU SubMenu = nullptr;
    bool Separator = false;
    bool Grayed = false;
    bool Checked = false;
};

std::vector<MenuItem> Items(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = ARRAYSIZE(text);
        EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        items.push_back({text, info.wID, info.hSubMenu, (info.fType & MFT_SEPARATOR) != 0,
                         (info.fState & MFS_GRAYED) != 0, (info.fState & MFS_CHECKED) != 0});
    }
    return items;
}

// "&X." in front: the menus' own access-key convention (a few items of the
// menu bar spell their letter in lower case).
bool HasAccessPrefix(const std::wstring& caption) {
    const wchar_t letter = caption.size() > 3 ? caption[1] : L'\0';
    return caption.size() > 3 && caption[0] == L'&' &&
           ((letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z')) && caption[2] == L'.';
}

// Every command item of a menu, at any depth, in order.
void CollectCommands(HMENU menu, std::vector<MenuItem>& out) {
    for (const MenuItem& item : Items(menu)) {
        if (item.SubMenu) {
            CollectCommands(item.SubMenu, out);
        } else if (!item.Separator) {
            out.push_back(item);
        }
    }
}

struct MenuHandle {
    HMENU Menu;
    explicit MenuHandle(UINT id) : Menu(LoadMenuW(Self(), MAKEINTRESOURCEW(id))) {}
    ~MenuHandle() {
        if (Menu) DestroyMenu(Menu);
    }
};

using CommandTableTest = WindowTest;

// The resource script holds the captions, the command table what each item
// does and its key: every item has an entry, and the shortcut a menu-bar
// caption shows behind its tab is the key the entry binds.
TEST_F(CommandTableTest, EveryMenuItemHasACommandAndShowsItsShortcut) {
    const CommandTable& table = window_.Commands();
    MenuHandle bar(IDR_MAIN_MENU);
    MenuHandle context(IDR_CONTEXT_MENU);
    MenuHandle tray(IDR_TRAY_MENU);
    ASSERT_NE(bar.Menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(context.Menu), 1);

    std::vector<MenuItem> barItems, contextItems;
    for (const MenuItem& top : Items(bar.Menu)) {
        EXPECT_TRUE(HasAccessPrefix(top.Caption)) << top.Caption;
        ASSERT_NE(top.SubMenu, nullptr);
    }
    CollectCommands(bar.Menu, barItems);
    for (const MenuItem& item : Items(GetSubMenu(context.Menu, 0)))
        if (!item.Separator) {
            EXPECT_TRUE(HasAccessPrefix(item.Caption)) << item.Caption;
        }
    CollectCommands(GetSubMenu(context.Menu, 0), contextItems);
    // The tray menu shows no access keys and no shortcuts.
    CollectCommands(GetSubMenu(tray.Menu, 0), contextItems);

    for (const MenuItem& item : barItems) {
        SCOPED_TRACE(item.Caption);
        const Command* command = table.Find(item.Id);
        ASSERT_NE(command, nullptr);
        EXPECT_TRUE(HasAccessPrefix(item.Caption));
        const size_t tab = item.Caption.find(L'\t');
        const std::wstring shown = tab == std::wstring::npos ? L"" : item.Caption.substr(tab + 1);
        EXPECT_EQ(shown, ShortcutText(command->Key));
        // Check marks are the program's, never the resource's.
        EXPECT_FALSE(item.Checked);
    }
    for (const MenuItem& item : contextItems) {
        SCOPED_TRACE(item.Caption);
        EXPECT_NE(table.Find(item.Id), nullptr);
        EXPECT_EQ(item.Caption.find(L'\t'), std::wstring::npos) << "the context menu shows no keys";
    }
    // The status bar's clicks run entries of the table too.
    for (const StatusBarClick& click : kStatusBarClicks) EXPECT_NE(table.Find(click.Command), nullptr);
    // And no entry without an item or a click to run it.
    for (const Command& command : table.Entries()) {
        const auto shows = [&](const MenuItem& item) { return item.Id == command.Id; };
        const auto clicks = [&](const StatusBarClick& click) { return click.Command == command.Id; };
        EXPECT_TRUE(std::any_of(barItems.begin(), barItems.end(), shows) ||
                    std::any_of(contextItems.begin(), contextItems.end(), shows) ||
                    std::any_of(std::begin(kStatusBarClicks), std::end(kStatusBarClicks), clicks))
            << command.Id;
    }
}

// What is not built yet is greyed in the window's menus, and a sub-menu of
// nothing but such items is greyed itself.
TEST_F(CommandTableTest, MenusGreyExactlyWhatCannotRun) {
    const CommandTable& table = window_.Commands();
    std::vector<MenuItem> items;
    CollectCommands(window_.MenuBar(), items);
    CollectCommands(window_.ContextMenu(), items);
    for (const MenuItem& item : items) {
        SCOPED_TRACE(item.Caption);
        EXPECT_EQ(item.Grayed, !table.IsEnabled(item.Id));
    }
    for (HMENU menu : {window_.MenuBar(), window_.ContextMenu()}) {
        for (const MenuItem& item : Items(menu)) {
            if (!item.SubMenu) continue;
            std::vector<MenuItem> inside;
            CollectCommands(item.SubMenu, inside);
            const bool anyRuns = std::any_of(inside.begin(), inside.end(),
                                             [&](const MenuItem& i) { return table.IsEnabled(i.Id); });
            EXPECT_EQ(item.Grayed, !anyRuns) << item.Caption;
        }
    }
}

// The same command, two spellings: the menu bar's refresh and undo items
// take a lower-case letter, the context menu's a capital.
TEST(Resources, RefreshAndUndoAsEachMenuSpellsThem) {
    MenuHandle bar(IDR_MAIN_MENU);
    MenuHandle context(IDR_CONTEXT_MENU);
    const struct {
        HMENU Menu;
        UINT Id;
        const wchar_t* Caption;
    } rows[] = {
        {bar.Menu, IDM_REFRESH_LINE, L"&w.刷新行\tF5"},
        {bar.Menu, IDM_UNDO, L"&z.撤消\tCtrl+Z"},
        {context.Menu, IDM_REFRESH_LINE, L"&W.刷新行"},
        {context.Menu, IDM_UNDO, L"&Z.撤消"},
    };
    for (const auto& row : rows) {
        wchar_t shown[64] = {};
        GetMenuStringW(row.Menu, row.Id, shown, ARRAYSIZE(shown), MF_BYCOMMAND);
        EXPECT_STREQ(shown, row.Caption);
    }
}

// Item i inserts template i: its caption is the template with the closing
// bracket written full-width, and the caret ends right behind "(".
TEST(Resources, InsertFunctionTemplatesMatchTheirCaptions) {
    MenuHandle context(IDR_CONTEXT_MENU);
    for (int i = 0; i < IDM_INSERT_FUNCTION_COUNT; ++i) {
        const FunctionTemplate& t = kFunctionTemplates[i];
        SCOPED_TRACE(t.Text);
        const std::string text = t.Text;
        std::wstring caption(text.begin(), text.end());
        ASSERT_EQ(caption.back(), L')');
        caption.back() = L'）';
        wchar_t shown[32] = {};
        GetMenuStringW(context.Menu, IDM_INSERT_FUNCTION_FIRST + i, shown, ARRAYSIZE(shown), MF_BYCOMMAND);
        EXPECT_EQ(caption, shown);
        ASSERT_GT(t.CaretBack, 0);
        ASSERT_LT(static_cast<size_t>(t.CaretBack), text.size());
        EXPECT_EQ(text[text.size() - t.CaretBack - 1], '(');
    }
}

// Records the WM_COMMAND that an accelerator sends.
WORD g_lastCommand = 0;

LRESULT CALLBACK CommandSinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) g_lastCommand = LOWORD(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

// The window's accelerators, translated for a plain window that records
// what they send.
class AcceleratorTranslation : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        WNDCLASSW wc{};
        wc.lpfnWndProc = CommandSinkProc;
        wc.hInstance = Self();
        wc.lpszClassName = L"NumerelResourcesTestSink";
        RegisterClassW(&wc);  // fails harmlessly when a previous test registered it
        sink_ = CreateWindowW(wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, Self(),
                              nullptr);
        ASSERT_NE(sink_, nullptr);
        accelerators_ = window_.Commands().Accelerators();
        ASSERT_NE(accelerators_, nullptr);
    }

    void TearDown() override {
        if (sink_) DestroyWindow(sink_);
        WindowTest::TearDown();
    }

    // The command a key-down with these modifiers sends, 0 for none.
    WORD Translate(const Shortcut& key) {
        SetModifiers(key.Ctrl, key.Shift);
        MSG msg{};
        msg.hwnd = sink_;
        msg.message = WM_KEYDOWN;
        msg.wParam = key.Key;
        msg.lParam = 1 | static_cast<LPARAM>(MapVirtualKeyW(key.Key, MAPVK_VK_TO_VSC)) << 16;
        g_lastCommand = 0;
        const bool translated = TranslateAcceleratorW(sink_, accelerators_, &msg) != 0;
        EXPECT_EQ(translated, g_lastCommand != 0);
        return g_lastCommand;
    }

    HWND sink_ = nullptr;
    HACCEL accelerators_ = nullptr;
};

TEST_F(AcceleratorTranslation, EveryShortcutSendsItsCommand) {
    for (const Command& command : window_.Commands().Entries()) {
        if (!command.Key.Key) continue;
        SCOPED_TRACE(command.Id);
        const WORD sent = Translate(command.Key);
        // Ctrl+E is shown by two items; the compatible copy takes it.
        EXPECT_EQ(sent, command.Id == IDM_REPAIR_TEXT ? IDM_COPY_COMPAT : command.Id);
    }
    const int count = CopyAcceleratorTableW(accelerators_, nullptr, 0);
    std::vector<ACCEL> table(static_cast<size_t>(count));
    ASSERT_EQ(CopyAcceleratorTableW(accelerators_, table.data(), count), count);
    for (const ACCEL& a : table) {
        SCOPED_TRACE(a.cmd);
        EXPECT_NE(a.fVirt & FVIRTKEY, 0) << "a character accelerator would swallow typed text";
        EXPECT_EQ(a.fVirt & FALT, 0);
    }
}

// Keys typed into the box must reach it: only the listed modifier
// combinations are taken.
TEST_F(AcceleratorTranslation, UnlistedKeysPassThrough) {
    const Shortcut cases[] = {
        PlainKey('N'),     PlainKey('E'),         PlainKey('X'),       ShiftKey('C'),     PlainKey('1'),
        CtrlKey('1'),      PlainKey(VK_F2),       CtrlKey(VK_F5),      ShiftKey(VK_F1),   CtrlKey(VK_F3),
        CtrlKey('B'),      PlainKey(VK_RETURN),   CtrlKey(VK_RETURN),  PlainKey(VK_TAB),  {'N', true, true},
    };
    for (const Shortcut& c : cases) {
        SCOPED_TRACE(testing::Message() << "ctrl " << c.Ctrl << " shift " << c.Shift << " key " << c.Key);
        EXPECT_EQ(Translate(c), 0);
    }
}

// One image of the icon group as the resource holds it.
struct IconImage {
    const BITMAPINFOHEADER* Header = nullptr;
    int Size = 0;
    BYTE AlphaAt(int x, int y) const {  // rows are stored bottom-up
        const BYTE* pixels = reinterpret_cast<const BYTE*>(Header) + Header->biSize;
        return pixels[((Size - 1 - y) * Size + x) * 4 + 3];
    }
};

const BYTE* LockedResource(LPCWSTR name, LPCWSTR type) {
    const HRSRC found = FindResourceW(Self(), name, type);
    if (!found) return nullptr;
    const HGLOBAL loaded = LoadResource(Self(), found);
    return loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
}

BOOL CALLBACK RememberFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first) {
    *reinterpret_cast<LPCWSTR*>(first) = name;
    return FALSE;  // the first is enough
}

TEST(Resources, ProgramIconIsTheFirstIconGroup) {
    LPCWSTR first = nullptr;
    EnumResourceNamesW(Self(), RT_GROUP_ICON, RememberFirstName, reinterpret_cast<LONG_PTR>(&first));
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(IS_INTRESOURCE(first));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(first), static_cast<ULONG_PTR>(IDI_PROGRAM));
}

TEST(Resources, ProgramIconHasThreeSizesWithAlpha) {
    const BYTE* directory = LockedResource(MAKEINTRESOURCEW(IDI_PROGRAM), RT_GROUP_ICON);
    ASSERT_NE(directory, nullptr);
    WORD count;
    std::memcpy(&count, directory + 4, sizeof count);
    EXPECT_EQ(count, 3);

    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        const int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(directory), TRUE, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(id, 0);
        IconImage image;
        image.Header = reinterpret_cast<const BITMAPINFOHEADER*>(LockedResource(MAKEINTRESOURCEW(id), RT_ICON));
        ASSERT_NE(image.Header, nullptr);
        image.Size = size;
        // An exact image for each size, not a scaled neighbour.
        EXPECT_EQ(image.Header->biWidth, size);
        EXPECT_EQ(image.Header->biHeight, 2 * size);
        ASSERT_EQ(image.Header->biBitCount, 32);
        EXPECT_EQ(image.AlphaAt(0, 0), 0) << "transparent corner";
        EXPECT_EQ(image.AlphaAt(size - 1, size - 1), 0) << "transparent corner";
        EXPECT_EQ(image.AlphaAt(size / 2, size / 2), 255) << "opaque body";
    }
}

}  // namespace
