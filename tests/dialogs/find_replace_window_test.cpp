// The find and replace window over a real multi-line EDIT through the
// program's box adapter, driven with real messages through the program's
// message loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "../wingui/test_window.h"
#include "edit_box_adapter.h"
#include "find_replace.h"
#include "find_replace_ids.h"
#include "find_replace_window.h"
#include "message_loop.h"
#include "settings.h"

namespace {

class BoxHost : public FindReplaceHost {
public:
    explicit BoxHost(HWND edit) : edit_(edit) {}
    void FocusBox() override { SetFocus(edit_); }
    const Settings& CurrentSettings() const override { return settings; }
    Settings settings;

private:
    HWND edit_;
};

class FindReplaceWindowTest : public ::testing::Test {
protected:
    FindReplaceWindowTest()
        : edit_(owner_.AddBox()),
          box_(edit_), host_(edit_) {
        box_.SetTextChangedHandler([this] { ++textChanges_; });
    }

    void Pump() { MessageLoop::ForThisThread().PumpPending(); }
    HWND Field(int id) const { return window_.Item(id); }
    std::wstring FieldText(int id) const { return TextOf(Field(id)); }
    void Click(int id) {
        SendMessageW(Field(id), BM_CLICK, 0, 0);
        Pump();
    }
    void Type(int field, wchar_t ch) { SendMessageW(Field(field), WM_CHAR, ch, 1); }
    bool Enabled(int id) const { return IsWindowEnabled(Field(id)) != FALSE; }
    void Select(TextPos start, TextPos length) {
        box_.SetSelectionStart(start);
        box_.SetSelectionLength(length);
    }
    std::string Selection() const { return box_.SelectedText(); }

    TestWindow owner_;
    HWND edit_;
    EditBoxAdapter box_;
    BoxHost host_;
    FindReplace find_{box_, host_};
    FindReplaceWindow window_{GetModuleHandleW(nullptr), owner_.Handle(), find_, host_};
    int textChanges_ = 0;
};

TEST_F(FindReplaceWindowTest, ControlsTokensSwapAndClearButtons) {
    window_.Open();
    Pump();
    ASSERT_TRUE(window_.IsOpen());
    EXPECT_EQ(TextOf(window_.Handle()), L"查找和替换");
    EXPECT_EQ(GetWindow(window_.Handle(), GW_OWNER), owner_.Handle());
    EXPECT_EQ(GetFocus(), edit_);  // Ctrl+F gives the box the focus back
    const int actions[] = {IDC_FR_PREVIOUS, IDC_FR_NEXT, IDC_FR_REPLACE_NEXT, IDC_FR_REPLACE_SELECTED,
                           IDC_FR_REPLACE_ALL};
    for (int id : actions) EXPECT_FALSE(Enabled(id)) << id;

    // 乘除替换 on: "*" and "/" typed become "×" and "÷"; off, they pass.
    Type(IDC_FR_FIND, L'2');
    Type(IDC_FR_FIND, L'*');
    Type(IDC_FR_FIND, L'/');
    EXPECT_EQ(FieldText(IDC_FR_FIND), L"2×÷");
    for (int id : actions) EXPECT_TRUE(Enabled(id)) << id;
    host_.settings.MulDivSymbols = false;
    Type(IDC_FR_REPLACE, L'*');
    EXPECT_EQ(FieldText(IDC_FR_REPLACE), L"*");

    Click(IDC_FR_FIND_CLEAR);
    EXPECT_EQ(FieldText(IDC_FR_FIND), L"");
    EXPECT_EQ(GetFocus(), Field(IDC_FR_FIND));
    EXPECT_FALSE(Enabled(IDC_FR_NEXT));

    // Choosing 制表符 appends its token and leaves no item shown.
    SetWindowTextW(Field(IDC_FR_FIND), L"a");
    SendMessageW(Field(IDC_FR_FIND_TOKENS), CB_SETCURSEL, 2, 0);
    SendMessageW(window_.Handle(), WM_COMMAND, MAKEWPARAM(IDC_FR_FIND_TOKENS, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Field(IDC_FR_FIND_TOKENS)));
    EXPECT_EQ(FieldText(IDC_FR_FIND), L"a#制表符");
    EXPECT_EQ(SendMessageW(Field(IDC_FR_FIND_TOKENS), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(GetFocus(), Field(IDC_FR_FIND));

    Click(IDC_FR_SWAP);
    EXPECT_EQ(FieldText(IDC_FR_FIND), L"*");
    EXPECT_EQ(FieldText(IDC_FR_REPLACE), L"a#制表符");
}

TEST_F(FindReplaceWindowTest, ButtonsActOnTheBoxAndTheMenuSearchesWorkWithTheWindowClosed) {
    box_.SetText("a\tb A\tb a\tb∟N");
    window_.Open();
    Pump();
    SetWindowTextW(Field(IDC_FR_FIND), L"A#制表符b");
    SetWindowTextW(Field(IDC_FR_REPLACE), L"x#空格符");

    // Enter in the find field is 下一个, through the loop's dialog navigation;
    // a cleared 区分大小写 ignores case.
    SetFocus(Field(IDC_FR_FIND));
    PostKeyDown(Field(IDC_FR_FIND), VK_RETURN);
    Pump();
    EXPECT_EQ(box_.SelectionStart(), 0);
    EXPECT_EQ(Selection(), "a\tb");
    EXPECT_EQ(GetFocus(), edit_);
    SendMessageW(Field(IDC_FR_MATCH_CASE), BM_CLICK, 0, 0);
    Click(IDC_FR_NEXT);
    EXPECT_EQ(box_.SelectionStart(), 4);
    Click(IDC_FR_PREVIOUS);  // nothing before: the first match from the start
    EXPECT_EQ(box_.SelectionStart(), 4);

    // 替换全部 compares exactly and is one write of the whole text.
    const unsigned writes = box_.WriteCount();
    textChanges_ = 0;
    Click(IDC_FR_REPLACE_ALL);
    EXPECT_EQ(box_.Text(), "a\tb x  a\tb∟N");
    EXPECT_EQ(box_.WriteCount(), writes + 1);
    EXPECT_EQ(textChanges_, 1);
    EXPECT_EQ(box_.SelectionStart(), 0);

    SetWindowTextW(Field(IDC_FR_FIND), L"N");
    Select(0, static_cast<TextPos>(box_.Text().size()));
    Click(IDC_FR_REPLACE_SELECTED);  // the trail byte of "∟" is no "N"
    EXPECT_EQ(box_.Text(), "a\tb x  a\tb∟x ");

    // Closing keeps the fields as typed; F3 and Shift+F3 search with them.
    SetWindowTextW(Field(IDC_FR_FIND), L"a#制表符");
    SendMessageW(window_.Handle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(window_.IsOpen());
    EXPECT_EQ(find_.SearchText, "a#制表符");
    EXPECT_TRUE(find_.FindMatchCase);
    box_.SetText("a\tb a#制表符 a#制表符");
    Select(0, 0);
    EXPECT_EQ(find_.FindNext(), 1);
    EXPECT_EQ(box_.SelectionStart(), 4);
    Select(21, 0);
    EXPECT_EQ(find_.FindPrevious(), 1);
    EXPECT_EQ(box_.SelectionStart(), 13);

    // Opened again: the fields as typed, the find text selected; a second
    // opening shows the same window.
    window_.Open();
    Pump();
    const HWND first = window_.Handle();
    EXPECT_EQ(FieldText(IDC_FR_FIND), L"a#制表符");
    EXPECT_EQ(FieldText(IDC_FR_REPLACE), L"x#空格符");
    EXPECT_EQ(IsDlgButtonChecked(first, IDC_FR_MATCH_CASE), BST_CHECKED);
    DWORD from = 1, to = 0;
    SendMessageW(Field(IDC_FR_FIND), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 5u);
    window_.Open();
    EXPECT_EQ(window_.Handle(), first);
    EXPECT_TRUE(IsWindowVisible(first));
}

}  // namespace
