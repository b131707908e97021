// 帮助 and 关于 through real modal windows, driven by one-shot thread timers
// that fire inside their modal loops.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "../wingui/test_window.h"
#include "about_window.h"
#include "help_about_ids.h"
#include "help_window.h"
#include "modal_steps.h"

namespace {

class HelpAboutTest : public ::testing::Test {
protected:
    ~HelpAboutTest() override { CancelLaterSteps(); }

    TestWindow owner_;
};

std::wstring TextOfLong(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

TEST_F(HelpAboutTest, HelpOpensWithTheFocusInItsLongText) {
    bool seen = false;
    HWND focus = nullptr, box = nullptr;
    std::wstring text;
    Later([&] {
        const HWND help = FindWindowW(L"#32770", L"帮助");
        seen = help != nullptr;
        box = GetDlgItem(help, IDC_HELP_TEXT);
        focus = GetFocus();
        text = TextOfLong(box);
        SendMessageW(GetDlgItem(help, IDC_HELP_OK), BM_CLICK, 0, 0);
    });
    RunHelpWindow(GetModuleHandleW(nullptr), owner_.Handle());

    ASSERT_TRUE(seen);
    EXPECT_EQ(box, focus);
    EXPECT_GT(text.size(), 3000u);
    // GBK symbols came through the conversion intact, CR LF line ends.
    EXPECT_NE(text.find(L"“++”换成“∟”，“……”换成“^”"), std::wstring::npos);
    EXPECT_NE(text.find(L"“pi”换成“π”，“|”换成“√”，“%%”换成“‰”"), std::wstring::npos);
    EXPECT_NE(text.find(L"Numerel 使用说明\r\n"), std::wstring::npos);
    EXPECT_EQ(text.find(L'?'), std::wstring::npos);
    EXPECT_TRUE(IsWindowEnabled(owner_.Handle()));
}

TEST_F(HelpAboutTest, AboutShowsTheDecodedPictureAndHandsALinkToTheShell) {
    std::vector<std::wstring> opened;
    AboutWindow window([&](HWND, const std::wstring& link) { opened.push_back(link); });
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::string version = ModuleVersion(instance);
    SIZE pictureSize{};
    COLORREF display = 0, body = 0;
    std::wstring name, button;
    bool openAfterClick = false;
    Later([&] {
        const HWND about = window.Handle();
        const auto picture = reinterpret_cast<HBITMAP>(
            SendDlgItemMessageW(about, IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
        DIBSECTION dib{};
        if (picture && GetObjectW(picture, sizeof dib, &dib) == sizeof dib) {
            pictureSize = {dib.dsBm.bmWidth, dib.dsBm.bmHeight};
            const auto pixel = [&](int x, int y) {
                const auto* p = static_cast<const BYTE*>(dib.dsBm.bmBits) + y * dib.dsBm.bmWidthBytes + x * 4;
                return RGB(p[2], p[1], p[0]);
            };
            display = pixel(22, 11);
            body = pixel(5, 30);
        }
        name = TextOf(GetDlgItem(about, IDC_ABOUT_NAME));
        button = TextOf(GetDlgItem(about, IDC_ABOUT_OK));
        SendDlgItemMessageW(about, IDC_ABOUT_CONTACT3, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendDlgItemMessageW(about, IDC_ABOUT_CONTACT3, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        SendDlgItemMessageW(about, IDC_ABOUT_CONTACT2, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        // Still in the window's modal loop a moment later.
        Later([&, about] {
            openAfterClick = IsWindow(about) != FALSE;
            SendMessageW(GetDlgItem(about, IDC_ABOUT_OK), BM_CLICK, 0, 0);
        });
    });
    window.Run(instance, owner_.Handle());

    EXPECT_EQ(45, pictureSize.cx);
    EXPECT_EQ(45, pictureSize.cy);
    // The calculator's green display and its dark body, within the JPEG's loss.
    const auto close = [](COLORREF got, int r, int g, int b) {
        return std::abs(GetRValue(got) - r) <= 10 && std::abs(GetGValue(got) - g) <= 10 &&
               std::abs(GetBValue(got) - b) <= 10;
    };
    EXPECT_TRUE(close(display, 170, 215, 160)) << std::hex << display;
    EXPECT_TRUE(close(body, 52, 58, 70)) << std::hex << body;
    ASSERT_EQ(3, std::count(version.begin(), version.end(), '.')) << version;
    EXPECT_EQ(L"Numerel " + std::wstring(version.begin(), version.end()), name);
    EXPECT_EQ(L"确 定", button);
    ASSERT_EQ(2u, opened.size());
    EXPECT_EQ(AboutWindow::MailLink(), opened[0]);
    EXPECT_EQ(AboutWindow::FolderLink(instance), opened[1]);
    EXPECT_TRUE(openAfterClick);
}

}  // namespace
