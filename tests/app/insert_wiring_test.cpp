// The context menu's inserts and the font dialog over the real main window.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <functional>
#include <string>
#include <vector>

#include "function_templates.h"
#include "modal_steps.h"
#include "resource_ids.h"
#include "window_fixture.h"

namespace {

TEST_F(WindowTest, InsertItemsPutTheirTextAtTheCaret) {
    SetLine("2×");
    SendMessageW(window_.Handle(), WM_COMMAND, IDM_INSERT_FUNCTION_FIRST + 13, 0);  // log(,)
    EXPECT_EQ(box().Text(), "2×log(,)");
    EXPECT_EQ(box().SelectionStart(), 7);  // "2×log(": × is two bytes
    SendMessageW(window_.Handle(), WM_COMMAND, IDM_SEPARATOR_LINE, 0);
    EXPECT_EQ(box().Text().substr(0, 11), "2×log(\r\n━");
}

// What the font dialog showed: the face it opened on and the faces it
// offered.
struct FontDialogFaces {
    bool seen = false;
    std::wstring chosen;
    std::vector<std::wstring> offered;
};

class FontDialogTest : public WindowTest {
protected:
    void TearDown() override {
        CancelLaterSteps();
        WindowTest::TearDown();
    }

    // Opens the font dialog with Ctrl+T, reads its face box and cancels it.
    FontDialogFaces OpenAndCancel() {
        FontDialogFaces faces;
        // The step waits for the dialog: the font list is filled first.
        std::function<void()> read = [&] {
            const HWND dialog = FindWindowW(L"#32770", nullptr);
            const HWND faceBox = dialog ? GetDlgItem(dialog, cmb1) : nullptr;
            if (!faceBox || !IsWindowVisible(dialog)) return Later(read);
            faces.seen = true;
            wchar_t text[LF_FACESIZE] = {};
            GetWindowTextW(faceBox, text, LF_FACESIZE);
            faces.chosen = text;
            const LRESULT count = SendMessageW(faceBox, CB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                std::wstring item(static_cast<size_t>(SendMessageW(faceBox, CB_GETLBTEXTLEN, i, 0)), L'\0');
                SendMessageW(faceBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&item[0]));
                faces.offered.push_back(item);
            }
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        };
        Later(read);
        PressWithCtrl('T');
        return faces;
    }
};

// The dialog opens on the box's font, Times New Roman by default; cancelled,
// it changes nothing.
TEST_F(FontDialogTest, OpensOnTheBoxFontAndCancelChangesNothing) {
    const Settings before = window_.CurrentSettings();
    const FontDialogFaces faces = OpenAndCancel();
    ASSERT_TRUE(faces.seen);
    EXPECT_EQ(faces.chosen, L"Times New Roman");
    EXPECT_EQ(window_.CurrentSettings().FontName, before.FontName);
    EXPECT_EQ(window_.CurrentSettings().FontSize, before.FontSize);
}

// A vertical face ("@") lays the box's text sideways: the dialog offers
// none, and a settings file that names one opens it on the upright face.
class VerticalFaceTest : public FontDialogTest {
protected:
    std::string SettingsText() const override {
        return WindowTest::SettingsText() + "[字体设置]\r\n字体名称=@宋体\r\n";
    }
};

TEST_F(VerticalFaceTest, DialogOffersNoVerticalFace) {
    const FontDialogFaces faces = OpenAndCancel();
    ASSERT_TRUE(faces.seen);
    EXPECT_EQ(faces.chosen, L"\u5B8B\u4F53");  // 宋体
    EXPECT_FALSE(faces.offered.empty());
    for (const std::wstring& face : faces.offered) EXPECT_NE(face.front(), L'@') << face.c_str();
}

}  // namespace
