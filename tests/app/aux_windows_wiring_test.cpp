// The accumulator and the virtual keyboard over the real main window: their
// menu commands open them, and what they do reaches the box and the engine.
#include "accumulator_ids.h"
#include "window_fixture.h"

#include <commctrl.h>

#include "window_ids.h"

namespace {

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

TEST_F(WindowTest, AccumulatorCombinesRecordedResultsIntoANewLine) {
    PressWithCtrl('H');  // 记录
    ASSERT_TRUE(window_.State().RecordingOn);
    SetLine("2+4");
    Press(VK_RETURN);
    SetLine("1+3");
    Press(VK_RETURN);
    ASSERT_EQ(window_.State().HistoryRecords.size(), 2u);

    PressWithCtrl('M');
    const HWND accumulator = FindWindowW(L"#32770", L"累加器");
    ASSERT_NE(accumulator, nullptr);
    Click(GetDlgItem(accumulator, IDC_ACC_ADD_ALL));
    Click(GetDlgItem(accumulator, IDOK));
    Pump();
    EXPECT_FALSE(IsWindow(accumulator));
    EXPECT_NE(box().Text().find("6+4=10"), std::string::npos) << box().Text();
}

TEST_F(WindowTest, KeyboardKeysGoThroughTheKeyHandlingAndTheStatusBarClosesIt) {
    SetLine("");
    PressWithCtrl('I');
    const HWND keyboard = FindWindowW(L"#32770", L"虚拟键盘");
    ASSERT_NE(keyboard, nullptr);
    // The program's icon, as the main window shows it.
    const auto classIcon = [&](int index) { return static_cast<LRESULT>(GetClassLongPtrW(window_.Handle(), index)); };
    EXPECT_EQ(SendMessageW(keyboard, WM_GETICON, ICON_BIG, 0), classIcon(GCLP_HICON));
    EXPECT_EQ(SendMessageW(keyboard, WM_GETICON, ICON_SMALL, 0), classIcon(GCLP_HICONSM));
    for (const wchar_t* key : {L"5", L"+", L"5", L"="}) {
        const HWND button = FindWindowExW(keyboard, nullptr, L"Button", key);
        ASSERT_NE(button, nullptr) << key;
        Click(button);
        Pump();
    }
    EXPECT_EQ(box().Text().rfind("5+5=10", 0), 0u) << box().Text();

    // A right click on the status bar opens or closes it.
    NMHDR note{window_.Status(), static_cast<UINT_PTR>(kStatusBarId), static_cast<UINT>(NM_RCLICK)};
    SendMessageW(window_.Handle(), WM_NOTIFY, kStatusBarId, reinterpret_cast<LPARAM>(&note));
    Pump();
    EXPECT_FALSE(IsWindow(keyboard));
}

// Open at the last close: open again at start-up. With 成对括号 on, the
// keyboard's "5" still types 5 (its keys are the keypad's).
class KeyboardAtStartTest : public WindowTest {
protected:
    std::string SettingsText() const override {
        return "[运行设置]\r\n动态刷新=假\r\n键盘开启=真\r\n[其他设置]\r\n允许多开=真\r\n成对括号=真\r\n";
    }
};

TEST_F(KeyboardAtStartTest, ReopensAndItsDigitsStayDigits) {
    const HWND keyboard = FindWindowW(L"#32770", L"虚拟键盘");
    ASSERT_NE(keyboard, nullptr);
    EXPECT_EQ(GetWindow(keyboard, GW_OWNER), window_.Handle());
    SetLine("");
    Click(FindWindowExW(keyboard, nullptr, L"Button", L"5"));
    Pump();
    EXPECT_EQ(box().Text(), "5");
}

}  // namespace
