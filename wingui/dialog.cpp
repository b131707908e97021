#include "dialog.h"

#include "gbk_codec.h"
#include "message_loop.h"

namespace {

HICON bigWindowIcon = nullptr;
HICON smallWindowIcon = nullptr;

// Child dialogs (panels inside another window) have no title to show it.
void ShowWindowIcons(HWND dialog) {
    if (GetWindowLongPtrW(dialog, GWL_STYLE) & WS_CHILD) return;
    if (bigWindowIcon) SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigWindowIcon));
    if (smallWindowIcon) SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallWindowIcon));
}

}  // namespace

void Dialog::SetWindowIcons(HICON big, HICON smallIcon) {
    bigWindowIcon = big;
    smallWindowIcon = smallIcon;
}

Dialog::~Dialog() {
    if (!handle_) return;
    SetWindowLongPtrW(handle_, DWLP_USER, 0);
    if (!modal_) MessageLoop::ForThisThread().RemoveDialog(handle_);
    DestroyWindow(handle_);
}

INT_PTR Dialog::RunModal(HINSTANCE instance, int templateId, HWND owner) {
    if (handle_) return -1;
    modal_ = true;
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, &Dialog::Procedure,
                                           reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

void Dialog::EndModal(INT_PTR result) {
    if (handle_ && modal_) EndDialog(handle_, result);
}

bool Dialog::Create(HINSTANCE instance, int templateId, HWND owner) {
    if (handle_) return false;
    modal_ = false;
    // The handle is stored at WM_INITDIALOG, before CreateDialogParamW returns.
    const HWND made = CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), owner, &Dialog::Procedure,
                                         reinterpret_cast<LPARAM>(this));
    if (!made) handle_ = nullptr;
    return made != nullptr;
}

void Dialog::ShowOrRestore(HINSTANCE instance, int templateId, HWND owner) {
    if (IsOpen()) {
        ShowWindow(handle_, IsIconic(handle_) ? SW_RESTORE : SW_SHOW);
    } else {
        Create(instance, templateId, owner);
    }
}

void Dialog::Destroy() {
    if (handle_ && !modal_) DestroyWindow(handle_);
}

std::string Dialog::ItemText(int id) const {
    const HWND item = Item(id);
    const int length = item ? GetWindowTextLengthW(item) : 0;
    if (length <= 0) return std::string();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(item, text.data(), length + 1)));
    return WideToGbk(text);
}

void Dialog::SetItemText(int id, const std::string& gbk) { SetDlgItemTextW(handle_, id, GbkToWide(gbk).c_str()); }

bool Dialog::IsChecked(int id) const { return IsDlgButtonChecked(handle_, id) == BST_CHECKED; }

void Dialog::SetChecked(int id, bool checked) { CheckDlgButton(handle_, id, checked ? BST_CHECKED : BST_UNCHECKED); }

void Dialog::EnableItem(int id, bool enabled) {
    if (const HWND item = Item(id)) EnableWindow(item, enabled ? TRUE : FALSE);
}

void Dialog::OnCommand(int id, int, HWND) {
    if (id == IDCANCEL) OnClose();
}

void Dialog::OnClose() {
    if (modal_) {
        EndModal(IDCANCEL);
    } else {
        Destroy();
    }
}

INT_PTR Dialog::OnMessage(UINT, WPARAM, LPARAM) { return FALSE; }

INT_PTR CALLBACK Dialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* created = reinterpret_cast<Dialog*>(lParam);
        created->handle_ = dialog;
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        ShowWindowIcons(dialog);
        if (!created->modal_) MessageLoop::ForThisThread().AddDialog(dialog);
        return created->OnInit() ? TRUE : FALSE;
    }
    // Messages before WM_INITDIALOG (WM_SETFONT) and after WM_NCDESTROY.
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
    case WM_COMMAND:
        self->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_CLOSE:
        self->OnClose();
        return TRUE;
    case WM_DESTROY:
        self->OnDestroy();
        return FALSE;
    case WM_NCDESTROY:
        if (!self->modal_) MessageLoop::ForThisThread().RemoveDialog(dialog);
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        self->handle_ = nullptr;
        return FALSE;
    default:
        return self->OnMessage(message, wParam, lParam);
    }
}
