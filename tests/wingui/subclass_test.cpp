// The subclass helper on a real edit control: the handler comes first, the
// control's own behaviour stays reachable, and the handler leaves with the
// control or with the helper.
#include <gtest/gtest.h>

#include "subclass.h"
#include "test_window.h"

namespace {

TEST(SubclassHelper, HandlerComesFirstUntilTheControlOrTheHelperEnds) {
    TestWindow owner;
    const HWND edit = owner.AddEdit(1);
    int seen = 0;
    bool sawEnd = false;
    {
        Subclass subclass;
        // 'x' types 'y'; other characters are counted and typed as they are.
        ASSERT_TRUE(subclass.Install(edit, [&](UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
            if (message != WM_CHAR) return LRESULT{0};
            handled = wParam == 'x';
            seen += !handled;
            return handled ? subclass.CallOriginal(WM_CHAR, 'y', lParam) : 0;
        }));
        SendMessageW(edit, WM_CHAR, 'x', 1);
        SendMessageW(edit, WM_CHAR, 'a', 1);
    }
    SendMessageW(edit, WM_CHAR, 'x', 1);
    EXPECT_EQ(TextOf(edit), L"yax");
    EXPECT_EQ(seen, 1);

    Subclass subclass;
    subclass.Install(edit, [&](UINT message, WPARAM, LPARAM, bool&) {
        sawEnd = sawEnd || message == WM_NCDESTROY;
        return LRESULT{0};
    });
    DestroyWindow(edit);
    EXPECT_TRUE(sawEnd);
    EXPECT_EQ(subclass.Window(), nullptr);
}

}  // namespace
