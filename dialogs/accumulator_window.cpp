#include "accumulator_window.h"

#include <commctrl.h>

#include "accumulator_ids.h"
#include "controls.h"
#include "engine_state.h"
#include "gbk_codec.h"
#include "messages.h"
#include "settings.h"
#include "tooltips.h"

namespace {

// The tracked tool of the entry tip; the controls' tools are their handles.
constexpr UINT_PTR kEntryTipTool = 1;

TTTOOLINFOW EntryTool(HWND dialog) {
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // comctl32 5 refuses the larger size
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = dialog;
    tool.uId = kEntryTipTool;
    return tool;
}

}  // namespace

AccumulatorWindow::~AccumulatorWindow() { Destroy(); }

void AccumulatorWindow::Open() {
    Destroy();
    Create(instance_, IDD_ACCUMULATOR, owner_);
    host_.FocusBox();
}

bool AccumulatorWindow::OnInit() {
    tips_.Destroy();
    tips_.Create(Handle());
    for (const ControlTip& tip : kAccumulatorTips) tips_.Attach(Item(tip.id), tip.text);
    TTTOOLINFOW tool = EntryTool(Handle());
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tips_.Handle(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));

    for (const char* name : kAccumulatorOperationNames) AddComboItem(Item(IDC_ACC_OPERATION), name);
    SelectComboItem(Item(IDC_ACC_OPERATION), 0);

    entries_ = AccumulatorEntries(host_.History().HistoryRecords);
    for (std::size_t i = 0; i < entries_.size(); ++i) AddEntry(Item(IDC_ACC_RECORDS), i);
    EnableItem(IDC_ACC_REMARK, host_.CurrentSettings().IgnoreChinese);

    for (Subclass* mouse : {&recordsMouse_, &chosenMouse_}) {
        const HWND list = Item(mouse == &recordsMouse_ ? IDC_ACC_RECORDS : IDC_ACC_CHOSEN);
        mouse->Install(list, [this, list](UINT message, WPARAM, LPARAM lParam, bool&) -> LRESULT {
            if (message == WM_LBUTTONDOWN) HideEntryTip();
            if (message == WM_LBUTTONUP) ShowEntryTip(list, lParam);
            return 0;
        });
    }
    return true;
}

void AccumulatorWindow::OnCommand(int id, int notifyCode, HWND control) {
    const bool clicked = notifyCode == BN_CLICKED;
    switch (id) {
    case IDC_ACC_ADD:
    case IDC_ACC_ADD_ALL:
        if (clicked) MoveEntries(IDC_ACC_RECORDS, IDC_ACC_CHOSEN, id == IDC_ACC_ADD_ALL);
        return;
    case IDC_ACC_REMOVE:
    case IDC_ACC_REMOVE_ALL:
        if (clicked) MoveEntries(IDC_ACC_CHOSEN, IDC_ACC_RECORDS, id == IDC_ACC_REMOVE_ALL);
        return;
    case IDC_ACC_RECORDS:
    case IDC_ACC_CHOSEN:
        if (notifyCode == LBN_DBLCLK)
            MoveEntries(id, id == IDC_ACC_RECORDS ? IDC_ACC_CHOSEN : IDC_ACC_RECORDS, false);
        return;
    case IDC_ACC_CLEAR:
        if (clicked) ClearRecords();
        return;
    case IDOK:
        if (clicked) Accept();
        return;
    default:
        Dialog::OnCommand(id, notifyCode, control);
    }
}

void AccumulatorWindow::OnClose() { Close(); }

void AccumulatorWindow::AddEntry(HWND list, std::size_t entry) {
    AddListItem(list, AccumulatorEntryText(entries_[entry]), static_cast<LPARAM>(entry));
}

// In list order; deleted from the last so the positions still to go stay valid.
void AccumulatorWindow::MoveEntries(int from, int to, bool all) {
    HideEntryTip();
    const HWND source = Item(from);
    std::vector<int> items;
    if (all) {
        const int count = ListCount(source);
        for (int i = 0; i < count; ++i) items.push_back(i);
    } else {
        items = SelectedListItems(source);
    }
    for (int item : items) {
        const auto entry = static_cast<std::size_t>(ListValue(source, item));
        if (entry < entries_.size()) AddEntry(Item(to), entry);
    }
    for (auto item = items.rbegin(); item != items.rend(); ++item) DeleteListItem(source, *item);
}

void AccumulatorWindow::ShowEntryTip(HWND list, LPARAM clientPoint) {
    const int item = ListCaretIndex(list);
    if (item < 0 || item >= ListCount(list)) return;
    const auto entry = static_cast<std::size_t>(ListValue(list, item));
    if (entry >= entries_.size()) return;
    std::wstring text = GbkToWide(AccumulatorEntryText(entries_[entry]));
    TTTOOLINFOW tool = EntryTool(Handle());
    tool.lpszText = text.data();
    SendMessageW(tips_.Handle(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    POINT at = {static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
    ClientToScreen(list, &at);
    SendMessageW(tips_.Handle(), TTM_TRACKPOSITION, 0, MAKELPARAM(at.x + 30, at.y - 8));
    SendMessageW(tips_.Handle(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void AccumulatorWindow::HideEntryTip() {
    if (!tips_.Handle()) return;
    TTTOOLINFOW tool = EntryTool(Handle());
    SendMessageW(tips_.Handle(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void AccumulatorWindow::Accept() {
    std::vector<AccumulatorEntry> chosen;
    const HWND list = Item(IDC_ACC_CHOSEN);
    const int count = ListCount(list);
    for (int item = 0; item < count; ++item) {
        const auto entry = static_cast<std::size_t>(ListValue(list, item));
        if (entry < entries_.size()) chosen.push_back(entries_[entry]);
    }
    const int operation = ComboSelection(Item(IDC_ACC_OPERATION));
    const std::string expression = BuildAccumulatorExpression(
        host_.History().HistoryRecords, chosen,
        AccumulatorOperationAt(operation), ItemText(IDC_ACC_REMARK),
        host_.CurrentSettings().ThousandsSeparator);
    // Nothing chosen, or every chosen record gone: the window stays.
    if (expression.empty()) return;
    host_.InsertAndEvaluate(expression);
    Close();
}

void AccumulatorWindow::ClearRecords() {
    host_.History().HistoryRecords.clear();
    ClearList(Item(IDC_ACC_RECORDS));
    ClearList(Item(IDC_ACC_CHOSEN));
    Close();
}

void AccumulatorWindow::Close() {
    Destroy();
    host_.FocusBox();
}

bool ClearAccumulator(HWND owner, EngineState& history) {
    const int answer = MessageBoxW(owner, GbkToWide(msg::kClearAccumulatorQuestion).c_str(), GbkToWide(msg::kWarningCaption).c_str(),
                                   MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONWARNING);
    if (answer != IDOK) return false;
    history.HistoryRecords.clear();
    return true;
}
