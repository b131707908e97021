#include "keyboard_window.h"

#include "controls.h"
#include "keyboard_ids.h"
#include "tooltips.h"

KeyboardWindow::~KeyboardWindow() { Close(); }

void KeyboardWindow::OpenVirtualKeyboard() {
    ShowOrRestore(instance_, IDD_KEYBOARD, owner_);
    host_.FocusBox();
}

void KeyboardWindow::ToggleVirtualKeyboard() {
    if (IsOpen()) {
        Close();
        host_.FocusBox();
    } else {
        OpenVirtualKeyboard();
    }
}

void KeyboardWindow::Close() { Destroy(); }

bool KeyboardWindow::OnInit() {
    pad_.Open();

    const HFONT font = WindowFont(Handle());
    for (int i = 0; i < kKeyboardKeyCount; ++i) {
        const HWND key = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0,
                                         Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_KB_FIRST_KEY + i)),
                                         instance_, nullptr);
        SetWindowFont(key, font);
    }
    const int bracketKey = KeyIndexOf("（）");
    bracketRightClick_.Install(Item(IDC_KB_FIRST_KEY + bracketKey),
                               [this, bracketKey](UINT message, WPARAM, LPARAM, bool&) -> LRESULT {
                                   if (message == WM_RBUTTONUP) {
                                       pad_.NextBracket();
                                       SetItemText(IDC_KB_FIRST_KEY + bracketKey, pad_.Caption(bracketKey));
                                   }
                                   return 0;
                               });
    ShowCaptions();

    // Off the screen or too small to use, it opens where it can be used.
    const WindowRect place =
        KeyboardPlacement(host_.CurrentSettings(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(Handle(), nullptr, place.Left, place.Top, place.Width, place.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();

    tip_.Create(Handle());
    tip_.Attach(Handle(), kKeyboardTip);
    host_.FocusBox();
    return false;
}

void KeyboardWindow::OnCommand(int id, int notifyCode, HWND control) {
    const int index = id - IDC_KB_FIRST_KEY;
    if (index >= 0 && index < kKeyboardKeyCount) {
        if (notifyCode == BN_CLICKED) PressKey(index);
        return;
    }
    Dialog::OnCommand(id, notifyCode, control);
}

void KeyboardWindow::OnDestroy() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT rect{};
    if (IsIconic(Handle()) && GetWindowPlacement(Handle(), &placement)) {
        rect = placement.rcNormalPosition;
    } else {
        GetWindowRect(Handle(), &rect);
    }
    pad_.Close({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
    bracketRightClick_.Remove();
    tip_.Destroy();
}

INT_PTR KeyboardWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        LayOut();
        return TRUE;
    case WM_LBUTTONDBLCLK:
        Close();
        host_.FocusBox();
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_EXITSIZEMOVE:
        host_.FocusBox();
        return TRUE;
    default:
        return Dialog::OnMessage(message, wParam, lParam);
    }
}

void KeyboardWindow::PressKey(int index) {
    const PadOutcome outcome = pad_.Press(index, GetTickCount());
    switch (outcome.FollowUp) {
    case PadFollowUp::None:
        break;
    case PadFollowUp::SimulateKey:
        SendKey(outcome.VirtualKey);
        break;
    case PadFollowUp::ShowCaptions:
        ShowCaptions();
        break;
    case PadFollowUp::SwitchMode: {
        ShowCaptions();
        RECT rect{};
        GetWindowRect(Handle(), &rect);
        SetWindowPos(Handle(), nullptr, 0, 0, SwitchedModeWidth(rect.right - rect.left, pad_.Scientific()),
                     rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        LayOut();
        break;
    }
    }
    host_.FocusBox();
}

void KeyboardWindow::LayOut() {
    if (!Handle()) return;
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    const auto places = KeyboardLayout(rect.right - rect.left, rect.bottom - rect.top, pad_.Scientific());
    for (int i = 0; i < kKeyboardKeyCount; ++i) {
        const KeyRect& r = places[i];
        MoveWindow(Item(IDC_KB_FIRST_KEY + i), r.Left, r.Top, r.Width, r.Height, TRUE);
    }
}

void KeyboardWindow::ShowCaptions() {
    for (int i = 0; i < kKeyboardKeyCount; ++i) SetItemText(IDC_KB_FIRST_KEY + i, pad_.Caption(i));
}

// Posted, not sent: the press goes through the program's loop, its key
// filters, TranslateMessage and the box's character handling as a typed key.
void KeyboardWindow::SendKey(unsigned key) {
    const HWND box = host_.BoxWindow();
    const auto scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    // Keypad digits type nothing while NumLock is off: keep it on, as the
    // box's own NumLock handling does.
    if (key != VK_BACK && (GetKeyState(VK_NUMLOCK) & 1) == 0) {
        BYTE state[256] = {};
        if (GetKeyboardState(state)) {
            state[VK_NUMLOCK] |= 1;
            SetKeyboardState(state);
        }
    }
    host_.FocusBox();
    PostMessageW(box, WM_KEYDOWN, key, 1 | scan);
    PostMessageW(box, WM_KEYUP, key, 1 | scan | (LPARAM{1} << 30) | (LPARAM{1} << 31));
}
