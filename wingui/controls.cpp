#include "controls.h"

#include <commctrl.h>

#include "gbk_codec.h"

void AddComboItems(HWND combo, std::initializer_list<const char*> gbkItems) {
    for (const char* item : gbkItems) AddComboItem(combo, item);
}

void AddComboItem(HWND combo, const std::string& gbk) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GbkToWide(gbk).c_str()));
}

int AddComboValue(HWND combo, LPARAM value) {
    return static_cast<int>(SendMessageW(combo, CB_ADDSTRING, 0, value));
}

int InsertComboValue(HWND combo, int index, LPARAM value) {
    return static_cast<int>(SendMessageW(combo, CB_INSERTSTRING, static_cast<WPARAM>(index), value));
}

int ComboCount(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0)); }

LPARAM ComboValue(HWND combo, int index) {
    return SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

std::string ComboItemText(HWND combo, int index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring item(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got =
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.data()));
    item.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return WideToGbk(item);
}

int ComboSelection(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

void SelectComboItem(HWND combo, int index) { SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

int AddListItem(HWND list, const std::string& gbk, LPARAM value) {
    const auto item =
        static_cast<int>(SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GbkToWide(gbk).c_str())));
    if (item >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(item), value);
    return item;
}

int ListCount(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

LPARAM ListValue(HWND list, int index) { return SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0); }

std::vector<int> SelectedListItems(HWND list) {
    const LRESULT count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
    if (count <= 0) return {};
    std::vector<int> items(static_cast<std::size_t>(count));
    const LRESULT got = SendMessageW(list, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
    items.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return items;
}

int ListCaretIndex(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0)); }

void DeleteListItem(HWND list, int index) { SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0); }

void ClearList(HWND list) { SendMessageW(list, LB_RESETCONTENT, 0, 0); }

void AddTabs(HWND tabs, std::initializer_list<const char*> gbkPages) {
    int index = 0;
    for (const char* page : gbkPages) {
        std::wstring text = GbkToWide(page);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
}

int TabSelection(HWND tabs) { return static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)); }

void SelectTab(HWND tabs, int index) { SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0); }

void SetTrackBarRange(HWND bar, int low, int high, int pageSize, int lineSize, int ticFrequency) {
    SendMessageW(bar, TBM_SETRANGE, FALSE, MAKELPARAM(low, high));
    SendMessageW(bar, TBM_SETPAGESIZE, 0, pageSize);
    SendMessageW(bar, TBM_SETLINESIZE, 0, lineSize);
    SendMessageW(bar, TBM_SETTICFREQ, static_cast<WPARAM>(ticFrequency), 0);
}

int TrackBarPosition(HWND bar) { return static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0)); }

void SetTrackBarPosition(HWND bar, int position) { SendMessageW(bar, TBM_SETPOS, TRUE, position); }

void SetSpinRange(HWND spin, int low, int high) { SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(low), high); }

void SetSpinPosition(HWND spin, int position) { SendMessageW(spin, UDM_SETPOS32, 0, position); }

void LimitText(HWND edit, int characters) { SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0); }

void SelectText(HWND edit, int start, int end) {
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void PutCaretAtEnd(HWND edit) {
    const int length = GetWindowTextLengthW(edit);
    SelectText(edit, length, length);
}

void ReplaceSelectedText(HWND edit, const std::string& gbk) {
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(GbkToWide(gbk).c_str()));
}

HFONT WindowFont(HWND window) { return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)); }

void SetWindowFont(HWND window, HFONT font) { SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE); }
