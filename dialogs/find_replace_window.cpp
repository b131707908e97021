#include "find_replace_window.h"

#include <string>

#include "controls.h"
#include "find_replace.h"
#include "find_replace_ids.h"
#include "settings.h"

namespace {

constexpr int kActionButtons[] = {IDC_FR_PREVIOUS, IDC_FR_NEXT, IDC_FR_REPLACE_NEXT, IDC_FR_REPLACE_SELECTED,
                                  IDC_FR_REPLACE_ALL};
constexpr const char* kTokenItems[] = {"换行符", "空格符", "制表符"};

}  // namespace

FindReplaceWindow::~FindReplaceWindow() { Destroy(); }

void FindReplaceWindow::Open() {
    ShowOrRestore(instance_, IDD_FIND_REPLACE, owner_);
    host_.FocusBox();
}

bool FindReplaceWindow::OnInit() {
    for (int combo : {IDC_FR_FIND_TOKENS, IDC_FR_REPLACE_TOKENS})
        for (const char* item : kTokenItems) AddComboItem(Item(combo), item);
    FilterFieldChars(findChars_, IDC_FR_FIND);
    FilterFieldChars(replaceChars_, IDC_FR_REPLACE);
    SetItemText(IDC_FR_FIND, find_.SearchText);
    SetItemText(IDC_FR_REPLACE, find_.ReplaceText);
    SetChecked(IDC_FR_MATCH_CASE, find_.FindMatchCase);
    UpdateButtons();
    SelectText(Item(IDC_FR_FIND), 0, -1);
    SetFocus(Item(IDC_FR_FIND));
    return false;
}

void FindReplaceWindow::OnCommand(int id, int notifyCode, HWND control) {
    const bool clicked = notifyCode == BN_CLICKED;
    switch (id) {
    case IDC_FR_FIND:
        if (notifyCode == EN_CHANGE) UpdateButtons();
        return;
    case IDC_FR_PREVIOUS:
    case IDC_FR_NEXT:
        if (!clicked) return;
        find_.TakeSearch(ItemText(IDC_FR_FIND), IsChecked(IDC_FR_MATCH_CASE));
        find_.FindText(id == IDC_FR_NEXT, false);
        return;
    case IDC_FR_REPLACE_NEXT:
    case IDC_FR_REPLACE_ALL:
        if (!clicked) return;
        find_.TakeSearchAndReplace(ItemText(IDC_FR_FIND), ItemText(IDC_FR_REPLACE), IsChecked(IDC_FR_MATCH_CASE));
        if (id == IDC_FR_REPLACE_NEXT) {
            find_.FindText(true, true);
        } else {
            find_.ReplaceAllInText();
        }
        return;
    case IDC_FR_REPLACE_SELECTED:
        if (clicked) find_.ReplaceInSelection(ItemText(IDC_FR_FIND), ItemText(IDC_FR_REPLACE));
        return;
    case IDC_FR_SWAP:
        if (clicked) {
            const std::string typedFind = ItemText(IDC_FR_FIND);
            SetItemText(IDC_FR_FIND, ItemText(IDC_FR_REPLACE));
            SetItemText(IDC_FR_REPLACE, typedFind);
        }
        return;
    case IDC_FR_FIND_CLEAR:
    case IDC_FR_REPLACE_CLEAR:
        if (clicked) {
            const int field = id == IDC_FR_FIND_CLEAR ? IDC_FR_FIND : IDC_FR_REPLACE;
            SetItemText(field, "");
            SetFocus(Item(field));
        }
        return;
    case IDC_FR_FIND_TOKENS:
    case IDC_FR_REPLACE_TOKENS:
        if (notifyCode == CBN_SELCHANGE) AppendToken(id, id == IDC_FR_FIND_TOKENS ? IDC_FR_FIND : IDC_FR_REPLACE);
        return;
    default:
        Dialog::OnCommand(id, notifyCode, control);
    }
}

void FindReplaceWindow::OnDestroy() {
    find_.StoreTyped(ItemText(IDC_FR_FIND), ItemText(IDC_FR_REPLACE), IsChecked(IDC_FR_MATCH_CASE));
}

void FindReplaceWindow::UpdateButtons() {
    const bool any = GetWindowTextLengthW(Item(IDC_FR_FIND)) > 0;
    for (int id : kActionButtons) EnableItem(id, any);
}

void FindReplaceWindow::AppendToken(int combo, int field) {
    const HWND list = Item(combo);
    const int index = ComboSelection(list);
    if (index == CB_ERR) return;
    const std::string item = ComboItemText(list, index);
    if (item.empty()) return;
    SetItemText(field, ItemText(field) + "#" + item);
    SelectComboItem(list, -1);
    SetFocus(Item(field));
    PutCaretAtEnd(Item(field));
}

// 乘除替换 turns a typed "*" or "/" into "×" or "÷" at the field's caret.
void FindReplaceWindow::FilterFieldChars(Subclass& filter, int field) {
    const HWND edit = Item(field);
    filter.Install(edit, [this, edit](UINT message, WPARAM wParam, LPARAM, bool& handled) -> LRESULT {
        if (message != WM_CHAR) return 0;
        const char* symbol =
            FieldCharReplacement(host_.CurrentSettings().MulDivSymbols, static_cast<unsigned>(wParam));
        if (!symbol) return 0;
        handled = true;
        ReplaceSelectedText(edit, symbol);
        return 0;
    });
}
