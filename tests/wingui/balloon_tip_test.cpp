// Balloon tool tips: tools attached to controls, their GBK texts read back
// from the tool tip control as Unicode.
#include <gtest/gtest.h>

#include <string>

#include "balloon_tip.h"
#include "test_window.h"

namespace {

std::wstring ToolText(const BalloonTip& tip, HWND owner, HWND control) {
    wchar_t text[80] = {};  // Wine copies the whole text whatever size is given
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(tip.Handle(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    return text;
}

TEST(BalloonTip, AttachesControlsWithTheirTexts) {
    TestWindow owner;
    const HWND first = owner.AddEdit(1);
    const HWND second = owner.AddEdit(2);
    BalloonTip tip;
    ASSERT_TRUE(tip.Create(owner.Handle()));
    ASSERT_TRUE(tip.Attach(first, "1×2"));
    ASSERT_TRUE(tip.Attach(second, "真"));
    EXPECT_EQ(ToolText(tip, owner.Handle(), first), L"1\u00D72");

    tip.SetText(second, "√π");
    tip.Detach(first);
    EXPECT_EQ(SendMessageW(tip.Handle(), TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(ToolText(tip, owner.Handle(), second), L"\u221A\u03C0");
}

}  // namespace
