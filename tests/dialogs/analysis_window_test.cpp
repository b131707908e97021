// 辅助分析 run modally and driven from timers that fire inside its modal loop:
// keys are posted to its inputs as a user's would arrive, through the loop's
// translation into characters.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "../wingui/test_window.h"
#include "analysis_ids.h"
#include "analysis_window.h"
#include "gbk_codec.h"
#include "statistics_panel.h"
#include "modal_steps.h"

namespace {

void PostKeys(HWND control, const std::wstring& keys) {
    for (const wchar_t key : keys) {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(control, WM_KEYDOWN, key, 1 | scan);
        PostMessageW(control, WM_KEYUP, key, 1 | scan | (LPARAM{1} << 30) | (LPARAM{1} << 31));
    }
}

void DoubleClick(HWND control) {
    SendMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

std::wstring Text(HWND dialog, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(dialog, id, text, 512);
    return text;
}

// Its own visibility: the modal window itself may not be shown yet.
bool Visible(HWND dialog, int id) { return (GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; }

class AnalysisWindowTest : public ::testing::Test {
protected:
    // A step left over must not fire in a later test's modal loop.
    void TearDown() override { CancelLaterSteps(); }

    // Opens the window on `page`, runs `steps` in order (each after the keys
    // the one before posted), then closes it.
    void Run(int page, std::vector<std::function<void(HWND)>> steps) {
        size_t next = 0;
        std::function<void()> step = [&] {
            const HWND dialog = FindWindowW(L"#32770", L"辅助分析");
            if (!dialog) {
                ADD_FAILURE() << "no window";
                PostQuitMessage(0);
                return;
            }
            if (next == steps.size()) {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            steps[next++](dialog);
            Later(step);
        };
        Later(step);
        RunAnalysisWindow(GetModuleHandleW(nullptr), owner.Handle(), page);
        EXPECT_EQ(next, steps.size());
    }

    TestWindow owner;
};

TEST_F(AnalysisWindowTest, ConversionPageConvertsWhatIsTypedAndSwallowsEnterAndSpace) {
    std::wstring tabs;
    int page = -1, fromIndex = -1, toIndex = -1;
    bool conversionShown = false, statisticsShown = true;
    std::wstring typed, converted, rebased, clearedInput = L"x", clearedResult = L"x";
    Run(0, {
        [&](HWND dialog) {
            const HWND tabControl = GetDlgItem(dialog, IDC_ANA_TABS);
            page = static_cast<int>(SendMessageW(tabControl, TCM_GETCURSEL, 0, 0));
            wchar_t caption[32] = {};
            for (int i = 0; i < 4; ++i) {
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = caption;
                item.cchTextMax = 32;
                SendMessageW(tabControl, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
                tabs += caption + std::wstring(L"|");
            }
            conversionShown = Visible(dialog, IDC_ANA_INPUT);
            statisticsShown = Visible(dialog, IDC_ANA_STATS_INPUT);
            fromIndex = static_cast<int>(SendDlgItemMessageW(dialog, IDC_ANA_FROM, CB_GETCURSEL, 0, 0));
            toIndex = static_cast<int>(SendDlgItemMessageW(dialog, IDC_ANA_TO, CB_GETCURSEL, 0, 0));
            PostKeys(GetDlgItem(dialog, IDC_ANA_INPUT), std::wstring(L"25") + wchar_t(VK_SPACE) + wchar_t(VK_RETURN) + L"5");
        },
        [&](HWND dialog) {
            typed = Text(dialog, IDC_ANA_INPUT);
            converted = Text(dialog, IDC_ANA_RESULT);
            // To base 2: the list's change recomputes.
            SendDlgItemMessageW(dialog, IDC_ANA_TO, CB_SETCURSEL, 0, 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_ANA_TO, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_ANA_TO)));
            rebased = Text(dialog, IDC_ANA_RESULT);
            DoubleClick(GetDlgItem(dialog, IDC_ANA_INPUT));
            clearedInput = Text(dialog, IDC_ANA_INPUT);
            clearedResult = Text(dialog, IDC_ANA_RESULT);
        },
    });
    EXPECT_EQ(page, 0);
    EXPECT_EQ(tabs, L"进制转换|统计分析|单位转换|时间计算|");
    EXPECT_TRUE(conversionShown);
    EXPECT_FALSE(statisticsShown);
    EXPECT_EQ(fromIndex, 8);   // "10"
    EXPECT_EQ(toIndex, 14);    // "16"
    EXPECT_EQ(typed, L"255");
    EXPECT_EQ(converted, L"FF");
    EXPECT_EQ(rebased, L"11111111");
    EXPECT_EQ(clearedInput, L"");
    EXPECT_EQ(clearedResult, L"");
}

TEST_F(AnalysisWindowTest, StatisticsPageCountsTheLinesSwallowsSpaceAndResetsOnDoubleClick) {
    int page = -1;
    bool conversionShown = true, statisticsShown = false;
    std::wstring opened, typed, counted, clearedInput = L"x", cleared;
    Run(1, {
        [&](HWND dialog) {
            page = static_cast<int>(SendDlgItemMessageW(dialog, IDC_ANA_TABS, TCM_GETCURSEL, 0, 0));
            conversionShown = Visible(dialog, IDC_ANA_INPUT);
            statisticsShown = Visible(dialog, IDC_ANA_STATS_INPUT);
            opened = Text(dialog, IDC_ANA_STATS_RESULT);
            PostKeys(GetDlgItem(dialog, IDC_ANA_STATS_INPUT),
                     std::wstring(L"1") + wchar_t(VK_RETURN) + L"2" + wchar_t(VK_SPACE) + wchar_t(VK_RETURN) + L"3");
        },
        [&](HWND dialog) {
            typed = Text(dialog, IDC_ANA_STATS_INPUT);
            counted = Text(dialog, IDC_ANA_STATS_RESULT);
            DoubleClick(GetDlgItem(dialog, IDC_ANA_STATS_INPUT));
            clearedInput = Text(dialog, IDC_ANA_STATS_INPUT);
            cleared = Text(dialog, IDC_ANA_STATS_RESULT);
        },
    });
    EXPECT_EQ(page, 1);
    EXPECT_FALSE(conversionShown);
    EXPECT_TRUE(statisticsShown);
    EXPECT_EQ(opened, GbkToWide(kStatisticsTemplate));
    EXPECT_EQ(typed, L"1\r\n2\r\n3");
    EXPECT_EQ(counted, GbkToWide(*StatisticsText("1\r\n2\r\n3")));
    EXPECT_EQ(clearedInput, L"");
    EXPECT_EQ(cleared, GbkToWide(kStatisticsTemplate));
}

}  // namespace
