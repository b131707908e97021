// The menus, accelerators and icon that numerel.rc compiles into this
// executable, read back through the same loaders the program uses.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "function_templates.h"
#include "resource_ids.h"
#include "window_fixture.h"

namespace {

HINSTANCE Self() { return GetModuleHandleW(nullptr); }

// One expected menu item; a null caption is a separator.
struct Entry {
    const wchar_t* Caption;
    UINT Id;
    bool Grayed;
    const std::vector<Entry>* SubMenu = nullptr;
};

const Entry kSeparator{nullptr, 0, false};

const std::vector<Entry> kFileMenu = {
    {L"&N.新建\tCtrl+N", IDM_NEW_FILE, true},  {L"&O.打开\tCtrl+O", IDM_OPEN_FILE, true},
    {L"&S.保存\tCtrl+S", IDM_SAVE, true},      {L"&A.另存为", IDM_SAVE_AS, true},
    {L"&P.打印\tCtrl+P", IDM_PRINT, true},     kSeparator,
    {L"&X.退出\tCtrl+Q", IDM_EXIT, true},
};

const std::vector<Entry> kEditMenu = {
    {L"&Z.撤消\tCtrl+Z", IDM_UNDO, false},             {L"&Y.重做\tCtrl+Y", IDM_REDO, false},
    kSeparator,
    {L"&X.剪切\tCtrl+X", IDM_CUT, false},              {L"&C.复制\tCtrl+C", IDM_COPY, false},
    {L"&E.复制(兼容)\tCtrl+E", IDM_COPY_COMPAT, false}, {L"&P.粘贴\tCtrl+V", IDM_PASTE, false},
    {L"&B.粘贴结果\tCtrl+R", IDM_PASTE_RESULT, false},  {L"&D.清除全部\tCtrl+D", IDM_CLEAR_BOX, false},
    {L"&A.全选\tCtrl+A", IDM_SELECT_ALL, false},
    kSeparator,
    {L"&G.实时计算\tCtrl+G", IDM_REALTIME, false},      {L"&A.记录\tCtrl+H", IDM_RECORD, false},
    {L"&S.累加器\tCtrl+M", IDM_ACCUMULATOR, true},      {L"&O.清空累加器", IDM_CLEAR_ACCUMULATOR, true},
    kSeparator,
    {L"&W.刷新行\tF5", IDM_REFRESH_LINE, false},        {L"&F.批量运算", IDM_BATCH, false},
    {L"&F.分数转换", IDM_FRACTION_CONVERT, false},      {L"&E.修复文档错误\tCtrl+E", IDM_REPAIR_TEXT, false},
};

const std::vector<Entry> kFindMenu = {
    {L"&F.查找和替换\tCtrl+F", IDM_FIND_REPLACE, true},
    {L"&P.查找上一个\tShift+F3", IDM_FIND_PREVIOUS, true},
    {L"&N.查找下一个\tF3", IDM_FIND_NEXT, true},
};

const std::vector<Entry> kOtherMenu = {
    {L"&I.虚拟键盘\tCtrl+I", IDM_VIRTUAL_KEYBOARD, true}, {L"&J.进制转换", IDM_BASE_CONVERSION, true},
    {L"&T.统计分析", IDM_STATISTICS, true},               {L"&D.单位换算", IDM_UNIT_CONVERSION, true},
};

const std::vector<Entry> kSettingsMenu = {
    {L"&K.选项\tCtrl+K", IDM_OPTIONS, true}, {L"&W.外观设置\tCtrl+U", IDM_APPEARANCE, true},
    {L"&T.字体\tCtrl+T", IDM_FONT, true},    kSeparator,
    {L"&E.重置设置", IDM_RESET_SETTINGS, true},
};

const std::vector<Entry> kAboutMenu = {
    {L"&K.帮助\tF1", IDM_HELP, true},
    {L"&A.关于计算器", IDM_ABOUT, true},
};

const std::vector<Entry> kMenuBar = {
    {L"&F.文件", 0, false, &kFileMenu},   {L"&E.编辑", 0, false, &kEditMenu},
    {L"&S.查找", 0, false, &kFindMenu},   {L"&F.其他", 0, false, &kOtherMenu},
    {L"&K.设置", 0, false, &kSettingsMenu}, {L"&H.关于", 0, false, &kAboutMenu},
};

// Item i (id IDM_CTX_INSERT_FUNCTION_FIRST + i) inserts kFunctionTemplates[i].
const wchar_t* const kInsertCaptions[] = {
    L"sin(）", L"sinh(）", L"asin(）", L"asinh(）", L"cos(）", L"cosh(）", L"acos(）", L"acosh(）",
    L"tan(）", L"tanh(）", L"atan(）", L"atanh(）", L"lg(）",  L"log(,）", L"ln(）",   L"int(）",
};

const std::vector<Entry> kInsertFunctionMenu = [] {
    std::vector<Entry> items;
    for (UINT i = 0; i < ARRAYSIZE(kInsertCaptions); ++i)
        items.push_back({kInsertCaptions[i], IDM_CTX_INSERT_FUNCTION_FIRST + i, false});
    return items;
}();

const std::vector<Entry> kViewMenu = {
    {L"正常", IDM_VIEW_NORMAL, false},      {L"状态栏", IDM_VIEW_STATUS_BAR, false},
    {L"菜单栏", IDM_VIEW_MENU_BAR, false},  {L"标题栏", IDM_VIEW_TITLE_BAR, false},
    {L"全屏", IDM_VIEW_FULL_SCREEN, false}, {L"外观设置", IDM_VIEW_APPEARANCE, true},
};

const std::vector<Entry> kContextItems = {
    {L"&X.剪切", IDM_CTX_CUT, false},             {L"&C.复制", IDM_CTX_COPY, false},
    {L"&H.复制行", IDM_CTX_COPY_LINE, false},      {L"&E.复制(兼容)", IDM_CTX_COPY_COMPAT, false},
    {L"&P.粘贴", IDM_CTX_PASTE, false},           {L"&B.粘贴结果", IDM_CTX_PASTE_RESULT, false},
    {L"&W.选择行", IDM_CTX_SELECT_LINE, false},    {L"&R.求和", IDM_CTX_SUM, false},
    {L"&A.全选", IDM_CTX_SELECT_ALL, false},       {L"&Z.撤消", IDM_CTX_UNDO, false},
    {L"&L.插入函数", 0, true, &kInsertFunctionMenu},
    {L"&O.删除行", IDM_CTX_DELETE_LINE, false},    {L"&D.清除全部", IDM_CTX_CLEAR_BOX, false},
    {L"&L.分隔线", IDM_CTX_SEPARATOR_LINE, true},  {L"&W.刷新行", IDM_CTX_REFRESH_LINE, false},
    {L"&F.分数转换", IDM_CTX_FRACTION_CONVERT, false},
    {L"&Q.视图", 0, false, &kViewMenu},
};

// Compares one menu level with its table and descends into the sub-menus.
void ExpectMenu(HMENU menu, const std::vector<Entry>& expected) {
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        const Entry& e = expected[i];
        SCOPED_TRACE(testing::Message() << "item " << i << " " << (e.Caption ? e.Caption : L"(separator)"));
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = ARRAYSIZE(text);
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        if (!e.Caption) {
            EXPECT_NE(info.fType & MFT_SEPARATOR, 0u);
            continue;
        }
        EXPECT_EQ(info.fType & MFT_SEPARATOR, 0u);
        EXPECT_EQ(std::wstring(text), e.Caption);
        EXPECT_EQ((info.fState & MFS_GRAYED) != 0, e.Grayed);
        // Check marks are set by the program at run time, never by the resource.
        EXPECT_EQ(info.fState & MFS_CHECKED, 0u);
        if (e.SubMenu) {
            ASSERT_NE(info.hSubMenu, nullptr);
            ExpectMenu(info.hSubMenu, *e.SubMenu);
        } else {
            EXPECT_EQ(info.hSubMenu, nullptr);
            EXPECT_EQ(info.wID, e.Id);
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

TEST(Resources, MenuBarHasEveryCaptionInOrder) {
    MenuHandle bar(IDR_MAIN_MENU);
    ASSERT_NE(bar.Menu, nullptr);
    ExpectMenu(bar.Menu, kMenuBar);
}

TEST(Resources, ContextMenuIsOnePopupWithEveryItemInOrder) {
    MenuHandle context(IDR_CONTEXT_MENU);
    ASSERT_NE(context.Menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(context.Menu), 1);
    const HMENU popup = GetSubMenu(context.Menu, 0);
    ASSERT_NE(popup, nullptr);
    ExpectMenu(popup, kContextItems);
}

// Item i inserts template i: its caption is the template with the closing
// bracket written full-width, and the caret ends right behind "(".
TEST(Resources, InsertFunctionTemplatesMatchTheirCaptions) {
    ASSERT_EQ(ARRAYSIZE(kInsertCaptions), static_cast<size_t>(IDM_CTX_INSERT_FUNCTION_COUNT));
    for (int i = 0; i < IDM_CTX_INSERT_FUNCTION_COUNT; ++i) {
        const FunctionTemplate& t = kFunctionTemplates[i];
        SCOPED_TRACE(t.Text);
        const std::string text = t.Text;
        std::wstring caption(text.begin(), text.end());
        ASSERT_EQ(caption.back(), L')');
        caption.back() = L'）';
        EXPECT_EQ(caption, kInsertCaptions[i]);
        ASSERT_GT(t.CaretBack, 0);
        ASSERT_LT(static_cast<size_t>(t.CaretBack), text.size());
        EXPECT_EQ(text[text.size() - t.CaretBack - 1], '(');
    }
}

struct Shortcut {
    BYTE Modifiers;  // FCONTROL, FSHIFT
    WORD Key;
    WORD Command;
};

const Shortcut kShortcuts[] = {
    {FCONTROL, 'N', IDM_NEW_FILE},     {FCONTROL, 'O', IDM_OPEN_FILE},     {FCONTROL, 'S', IDM_SAVE},
    {FCONTROL, 'P', IDM_PRINT},        {FCONTROL, 'Q', IDM_EXIT},          {FCONTROL, 'Z', IDM_UNDO},
    {FCONTROL, 'Y', IDM_REDO},         {FCONTROL, 'X', IDM_CUT},           {FCONTROL, 'C', IDM_COPY},
    {FCONTROL, 'E', IDM_COPY_COMPAT},  {FCONTROL, 'V', IDM_PASTE},         {FCONTROL, 'R', IDM_PASTE_RESULT},
    {FCONTROL, 'D', IDM_CLEAR_BOX},    {FCONTROL, 'A', IDM_SELECT_ALL},    {FCONTROL, 'G', IDM_REALTIME},
    {FCONTROL, 'H', IDM_RECORD},       {FCONTROL, 'M', IDM_ACCUMULATOR},   {0, VK_F5, IDM_REFRESH_LINE},
    {FCONTROL, 'F', IDM_FIND_REPLACE}, {FSHIFT, VK_F3, IDM_FIND_PREVIOUS}, {0, VK_F3, IDM_FIND_NEXT},
    {FCONTROL, 'I', IDM_VIRTUAL_KEYBOARD}, {FCONTROL, 'K', IDM_OPTIONS},   {FCONTROL, 'U', IDM_APPEARANCE},
    {FCONTROL, 'T', IDM_FONT},         {0, VK_F1, IDM_HELP},
};

// Records the WM_COMMAND that an accelerator sends.
WORD g_lastCommand = 0;

LRESULT CALLBACK CommandSinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) g_lastCommand = LOWORD(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

class AcceleratorTranslation : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = CommandSinkProc;
        wc.hInstance = Self();
        wc.lpszClassName = L"NumerelResourcesTestSink";
        RegisterClassW(&wc);  // fails harmlessly when a previous test registered it
        window_ = CreateWindowW(wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, Self(),
                                nullptr);
        ASSERT_NE(window_, nullptr);
        accelerators_ = LoadAcceleratorsW(Self(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
        ASSERT_NE(accelerators_, nullptr);
    }

    void TearDown() override {
        SetModifiers(false, false);
        if (window_) DestroyWindow(window_);
    }

    // The command a key-down with these modifiers sends, 0 for none.
    WORD Translate(BYTE modifiers, WORD key) {
        SetModifiers(modifiers & FCONTROL, modifiers & FSHIFT);
        MSG msg{};
        msg.hwnd = window_;
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        msg.lParam = 1 | static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        g_lastCommand = 0;
        const bool translated = TranslateAcceleratorW(window_, accelerators_, &msg) != 0;
        EXPECT_EQ(translated, g_lastCommand != 0);
        return g_lastCommand;
    }

    HWND window_ = nullptr;
    HACCEL accelerators_ = nullptr;
};

TEST_F(AcceleratorTranslation, EveryShortcutSendsItsCommandAndThereIsNoOther) {
    const int count = CopyAcceleratorTableW(accelerators_, nullptr, 0);
    std::vector<ACCEL> table(static_cast<size_t>(count));
    ASSERT_EQ(CopyAcceleratorTableW(accelerators_, table.data(), count), count);
    // Together with every expected key sending its command, no room for a duplicate.
    EXPECT_EQ(count, static_cast<int>(ARRAYSIZE(kShortcuts)));
    for (const ACCEL& a : table) {
        SCOPED_TRACE(a.cmd);
        EXPECT_NE(a.fVirt & FVIRTKEY, 0) << "a character accelerator would swallow typed text";
        EXPECT_EQ(a.fVirt & FALT, 0);
    }
    for (const Shortcut& s : kShortcuts) {
        SCOPED_TRACE(s.Command);
        EXPECT_EQ(Translate(s.Modifiers, s.Key), s.Command);
    }
}

// Keys typed into the box must reach it: only the listed modifier
// combinations are taken.
TEST_F(AcceleratorTranslation, UnlistedKeysPassThrough) {
    struct Case {
        BYTE Modifiers;
        WORD Key;
    };
    const Case cases[] = {
        {0, 'N'},        {0, 'E'},      {0, 'X'},        {FSHIFT, 'C'},  {0, '1'},
        {FCONTROL, '1'}, {0, VK_F2},    {FCONTROL, VK_F5}, {FSHIFT, VK_F1}, {FCONTROL, VK_F3},
        {FCONTROL, 'B'}, {0, VK_RETURN}, {FCONTROL, VK_RETURN}, {0, VK_TAB}, {FCONTROL | FSHIFT, 'N'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "modifiers " << int(c.Modifiers) << " key " << c.Key);
        EXPECT_EQ(Translate(c.Modifiers, c.Key), 0);
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
