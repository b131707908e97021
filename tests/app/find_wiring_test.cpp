// 查找和替换 over the real main window: Ctrl+F opens it, its buttons search
// the box, and F3 goes on from the stored text once it is closed.
#include "find_replace_ids.h"
#include "window_fixture.h"

namespace {

TEST_F(WindowTest, FindWindowFromCtrlFAndF3WithTheWindowClosed) {
    SetLine("12+2\r\n2+2");
    box().SetSelectionStart(0);
    PressWithCtrl('F');
    const HWND find = FindWindowW(L"#32770", L"查找和替换");
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(GetWindow(find, GW_OWNER), window_.Handle());
    SetDlgItemTextW(find, IDC_FR_FIND, L"2+");
    SendMessageW(GetDlgItem(find, IDC_FR_NEXT), BM_CLICK, 0, 0);
    EXPECT_EQ(box().SelectionStart(), 1);
    EXPECT_EQ(box().SelectedText(), "2+");

    SendMessageW(find, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(IsWindow(find));
    Press(VK_F3);
    EXPECT_EQ(box().SelectionStart(), 6);
    SetModifiers(false, true);
    Press(VK_F3);
    SetModifiers(false, false);
    EXPECT_EQ(box().SelectionStart(), 1);
}

}  // namespace
