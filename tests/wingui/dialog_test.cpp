// The dialog base on a template of the tests' resource script: modal runs
// end with the result given, non-modal dialogs get keyboard navigation from
// the thread's message loop, and the keys reach the object's members.
#include <gtest/gtest.h>

#include <vector>

#include "dialog.h"
#include "message_loop.h"
#include "test_dialog_ids.h"
#include "test_window.h"

namespace {

// Posts `KeyAtInit` to its first edit once up. OK ends a modal run with 7
// when the edit still holds the GBK text OnInit gave it.
class FormDialog : public Dialog {
public:
    WPARAM KeyAtInit = 0;
    std::vector<int> Clicked;
    bool OwnerEnabled = true;
    int Destroyed = 0;

protected:
    bool OnInit() override {
        SetItemText(IDC_TEST_FIRST, "1×2 真");
        if (KeyAtInit) PostKeyDown(Item(IDC_TEST_FIRST), KeyAtInit);
        return true;
    }
    void OnCommand(int id, int notifyCode, HWND control) override {
        if (notifyCode == BN_CLICKED) {  // not the edits' notifications
            Clicked.push_back(id);
            OwnerEnabled = IsWindowEnabled(GetWindow(Handle(), GW_OWNER)) != FALSE;
        }
        if (id == IDOK) EndModal(ItemText(IDC_TEST_FIRST) == "1×2 真" ? 7 : 8);
        Dialog::OnCommand(id, notifyCode, control);
    }
    void OnDestroy() override { ++Destroyed; }
};

TEST(DialogBase, ModalRunsEndWithTheResultGiven) {
    TestWindow owner;
    FormDialog accepted;
    accepted.KeyAtInit = VK_RETURN;  // the default button
    EXPECT_EQ(accepted.RunModal(GetModuleHandleW(nullptr), IDD_TEST_FORM, owner.Handle()), 7);
    EXPECT_FALSE(accepted.OwnerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));

    FormDialog cancelled;
    cancelled.KeyAtInit = VK_ESCAPE;
    EXPECT_EQ(cancelled.RunModal(GetModuleHandleW(nullptr), IDD_TEST_FORM, owner.Handle()), IDCANCEL);
    EXPECT_EQ(cancelled.Destroyed, 1);
    EXPECT_FALSE(cancelled.IsOpen());
}

TEST(DialogBase, NonModalDialogsGetKeyboardNavigationFromTheLoop) {
    TestWindow owner;
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create(GetModuleHandleW(nullptr), IDD_TEST_FORM, owner.Handle()));
    EXPECT_EQ(GetWindow(dialog.Handle(), GW_OWNER), owner.Handle());
    ShowWindow(dialog.Handle(), SW_SHOW);
    SetFocus(dialog.Item(IDC_TEST_FIRST));
    MessageLoop& loop = MessageLoop::ForThisThread();

    PostKeyDown(dialog.Item(IDC_TEST_FIRST), VK_TAB);
    loop.PumpPending();
    EXPECT_EQ(GetFocus(), dialog.Item(IDC_TEST_SECOND));

    // Enter clicks the default button, which leaves a non-modal dialog open;
    // Esc closes it as the close box does.
    PostKeyDown(dialog.Item(IDC_TEST_SECOND), VK_RETURN);
    loop.PumpPending();
    EXPECT_TRUE(dialog.IsOpen());
    const HWND window = dialog.Handle();
    PostKeyDown(dialog.Item(IDC_TEST_SECOND), VK_ESCAPE);
    loop.PumpPending();
    EXPECT_EQ(dialog.Clicked, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(dialog.Destroyed, 1);
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_FALSE(IsWindow(window));
}

// The icons the program sets once reach every dialog, modal or not, in its
// title (small) and the task switcher (big).
TEST(DialogBase, DialogsShowTheIconsSetForThem) {
    const HICON big = LoadIconW(nullptr, IDI_WARNING);
    const HICON smallIcon = LoadIconW(nullptr, IDI_INFORMATION);
    Dialog::SetWindowIcons(big, smallIcon);
    TestWindow owner;
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create(GetModuleHandleW(nullptr), IDD_TEST_FORM, owner.Handle()));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dialog.Handle(), WM_GETICON, ICON_BIG, 0)), big);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(dialog.Handle(), WM_GETICON, ICON_SMALL, 0)), smallIcon);
    dialog.Destroy();
    Dialog::SetWindowIcons(nullptr, nullptr);
}

}  // namespace
