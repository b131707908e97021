#include "expression_box.h"

#include "char_input.h"
#include "clipboard_adapter.h"
#include "edit_box_adapter.h"
#include "editing_commands.h"
#include "key_handlers.h"
#include "keyboard_state.h"
#include "settings.h"

bool ExpressionBox::Create(HWND parent, int id, bool wordWrap) {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
    if (!wordWrap) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    const HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, 0, 0, 0, 0, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!box) return false;
    // The default limit of 30,000 characters would silently refuse every
    // edit of a longer text.
    SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
    if (box_) {
        SendMessageW(box, WM_SETFONT, SendMessageW(box_, WM_GETFONT, 0, 0), FALSE);
        const int length = GetWindowTextLengthW(box_);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        GetWindowTextW(box_, text.data(), length + 1);
        SetWindowTextW(box, text.c_str());
        DWORD start = 0, end = 0;
        SendMessageW(box_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        SendMessageW(box, EM_SETSEL, start, end);
        SendMessageW(box, EM_SETMODIFY, SendMessageW(box_, EM_GETMODIFY, 0, 0), 0);
        subclass_.Remove();
        DestroyWindow(box_);
    }
    box_ = box;
    if (subclassed_) InstallSubclass();
    return true;
}

bool ExpressionBox::WordWraps() const { return (GetWindowLongPtrW(box_, GWL_STYLE) & WS_HSCROLL) == 0; }

void ExpressionBox::HandMessagesTo(const BoxLogic& logic) {
    logic_ = logic;
    subclassed_ = true;
    InstallSubclass();
}

void ExpressionBox::InstallSubclass() {
    subclass_.Install(box_, [this](UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
        return OnMessage(message, wParam, lParam, handled);
    });
}

LRESULT ExpressionBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    EditBoxAdapter& text = *logic_.Text;
    // Messages the box itself must see first: the caret moves there.
    auto original = [&] {
        handled = true;
        return subclass_.CallOriginal(message, wParam, lParam);
    };
    switch (message) {
    case WM_KEYUP: {
        EditBoxAdapter::TextReuseScope reuse(text);
        handled = logic_.Keys->KeyUpHandler(static_cast<unsigned>(wParam), CurrentShiftState());
        return 0;
    }
    case WM_CHAR:
        // Tab is the fraction conversion key; it never types a tab.
        if (wParam == '\t') {
            handled = true;
        } else if (wParam < 0x80) {
            EditBoxAdapter::TextReuseScope reuse(text);
            handled = logic_.Chars->CharInputHandler(static_cast<unsigned char>(wParam));
        }
        return 0;
    case WM_CONTEXTMENU:
        host_.ShowBoxContextMenu();
        handled = true;
        return 0;
    case WM_LBUTTONDBLCLK: {
        // The box's own word selection never happens.
        EditBoxAdapter::TextReuseScope reuse(text);
        SelectNumberAtCaret(text, *logic_.Clipboard, logic_.Current->DoubleClickCopy);
        handled = true;
        return 0;
    }
    case WM_LBUTTONDOWN: {
        BoxMouseDown(mouse_, box_, GetParent(box_), lParam);
        const LRESULT result = original();
        host_.ShowCaretPosition();
        return result;
    }
    case WM_MOUSEMOVE: {
        if (const auto drag = BoxMouseMove(mouse_, box_, lParam, CurrentShiftState())) host_.DragWindow(*drag);
        const LRESULT result = original();
        // Only a held button moves the caret.
        if (wParam & MK_LBUTTON) host_.ShowCaretPosition();
        return result;
    }
    case WM_LBUTTONUP: {
        const LRESULT result = original();
        EditBoxAdapter::TextReuseScope reuse(text);
        BoxMouseUp(mouse_, text, CurrentShiftState());
        return result;
    }
    case WM_MOUSEWHEEL:
        if (ZoomFontSize(mouse_, logic_.Current->FontSize, wParam, CurrentShiftState())) host_.FontSizeChanged();
        return 0;
    case WM_SETFOCUS: {
        const LRESULT result = original();
        host_.ShowCaretPosition();
        return result;
    }
    default:
        return 0;
    }
}
