#include "analysis_window.h"

#include <commctrl.h>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

#include "analysis_ids.h"
#include "base_conversion.h"
#include "controls.h"
#include "number_rules.h"
#include "statistics_panel.h"

namespace {

const int kConversionPage[] = {IDC_ANA_FROM_LABEL,  IDC_ANA_FROM,   IDC_ANA_TO_LABEL,    IDC_ANA_TO,
                               IDC_ANA_BASE_LABEL,  IDC_ANA_INPUT_LABEL, IDC_ANA_INPUT, IDC_ANA_RESULT_LABEL,
                               IDC_ANA_RESULT,      IDC_ANA_CONVERT_NOTE};
const int kStatisticsPage[] = {IDC_ANA_STATS_LABEL, IDC_ANA_STATS_INPUT, IDC_ANA_STATS_RESULT, IDC_ANA_STATS_NOTE};

bool IsKey(UINT message, WPARAM key, std::initializer_list<WPARAM> keys) {
    if (message != WM_KEYDOWN && message != WM_CHAR) return false;
    for (const WPARAM swallowed : keys) {
        if (key == swallowed) return true;
    }
    return false;
}

}  // namespace

bool AnalysisWindow::OnInit() {
    AddTabs(Item(IDC_ANA_TABS), {"进制转换", "统计分析", "单位转换", "时间计算"});
    for (const int list : {IDC_ANA_FROM, IDC_ANA_TO})
        for (int base = 2; base <= 36; ++base) AddComboItem(Item(list), std::to_string(base));
    SelectComboItem(Item(IDC_ANA_FROM), 10 - 2);
    SelectComboItem(Item(IDC_ANA_TO), 16 - 2);
    for (const int input : {IDC_ANA_INPUT, IDC_ANA_STATS_INPUT}) LimitText(Item(input), 0);

    // Enter and Space never reach the conversion input: it holds one run of
    // characters. A double click empties result and input, then goes on.
    conversionInput_.Install(Item(IDC_ANA_INPUT), [this](UINT message, WPARAM wParam, LPARAM, bool& handled) -> LRESULT {
        if (IsKey(message, wParam, {VK_RETURN, VK_SPACE, '\n'})) handled = true;
        if (message == WM_LBUTTONDBLCLK) {
            SetItemText(IDC_ANA_RESULT, "");
            SetItemText(IDC_ANA_INPUT, "");
        }
        return 0;
    });
    // Enter starts a new line of the statistics input; Space is swallowed.
    statisticsInput_.Install(Item(IDC_ANA_STATS_INPUT), [this](UINT message, WPARAM wParam, LPARAM, bool& handled) -> LRESULT {
        if (IsKey(message, wParam, {VK_SPACE})) handled = true;
        if (message == WM_LBUTTONDBLCLK) {
            SetItemText(IDC_ANA_STATS_INPUT, "");
            SetItemText(IDC_ANA_STATS_RESULT, kStatisticsTemplate);
        }
        return 0;
    });

    SetItemText(IDC_ANA_STATS_RESULT, kStatisticsTemplate);
    const int page = startTab_ >= 0 && startTab_ <= 3 ? startTab_ : 0;
    SelectTab(Item(IDC_ANA_TABS), page);
    ShowPage(page);
    return true;
}

void AnalysisWindow::ShowPage(int page) {
    for (const int id : kConversionPage) ShowWindow(Item(id), page == 0 ? SW_SHOW : SW_HIDE);
    for (const int id : kStatisticsPage) ShowWindow(Item(id), page == 1 ? SW_SHOW : SW_HIDE);
}

void AnalysisWindow::ConvertInput() {
    // A list without a chosen item reads as base 0.
    const auto base = [this](int list) { return static_cast<int>(std::trunc(TextToNumber(ItemText(list)))); };
    std::string input = ItemText(IDC_ANA_INPUT);
    SetItemText(IDC_ANA_RESULT, ConvertBase(input, base(IDC_ANA_FROM), base(IDC_ANA_TO)));
}

void AnalysisWindow::ShowStatistics() {
    if (const std::optional<std::string> text = StatisticsText(ItemText(IDC_ANA_STATS_INPUT)))
        SetItemText(IDC_ANA_STATS_RESULT, *text);
}

void AnalysisWindow::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_ANA_INPUT && notifyCode == EN_CHANGE) ConvertInput();
    else if ((id == IDC_ANA_FROM || id == IDC_ANA_TO) && notifyCode == CBN_SELCHANGE) ConvertInput();
    else if (id == IDC_ANA_STATS_INPUT && notifyCode == EN_CHANGE) ShowStatistics();
    else Dialog::OnCommand(id, notifyCode, control);
}

INT_PTR AnalysisWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_ANA_TABS && header->code == TCN_SELCHANGE) {
            ShowPage(TabSelection(Item(IDC_ANA_TABS)));
            return TRUE;
        }
    }
    return Dialog::OnMessage(message, wParam, lParam);
}

void RunAnalysisWindow(HINSTANCE instance, HWND owner, int startTab) {
    AnalysisWindow window(startTab);
    window.RunModal(instance, IDD_ANALYSIS, owner);
}
