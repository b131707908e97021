#include "keyboard_window.h"

#include "gbk_codec.h"
#include "keyboard.h"
#include "keyboard_ids.h"
#include "setting_table.h"
#include "settings.h"
#include "settings_file.h"
#include "settings_reader.h"
#include "settings_writer.h"
#include "text_box.h"
#include "virtual_keys.h"

namespace {

const int kBracketKey = KeyIndexOf("（）");
const int kModeKey = KeyIndexOf("简单");

}  // namespace

KeyboardWindow::~KeyboardWindow() { Close(); }

void KeyboardWindow::OpenVirtualKeyboard() {
    if (IsOpen()) {
        ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
    } else {
        Create(instance_, IDD_KEYBOARD, owner_);
    }
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
    Settings& settings = host_.CurrentSettings();
    ReadKeyboardWindowKeys(host_.File(), settings);
    host_.File().WriteBool(kKeyboardWindowOpen.section, kKeyboardWindowOpen.name, true);
    scientific_ = settings.KeyboardScientific;
    shifted_ = false;
    bracket_ = kInitialBracketCaption;

    const auto font = static_cast<WPARAM>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    for (int i = 0; i < kKeyboardKeyCount; ++i) {
        const HWND key = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0,
                                         Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_KB_FIRST_KEY + i)),
                                         instance_, nullptr);
        SendMessageW(key, WM_SETFONT, font, FALSE);
    }
    bracketRightClick_.Install(Item(IDC_KB_FIRST_KEY + kBracketKey),
                               [this](UINT message, WPARAM, LPARAM, bool&) -> LRESULT {
                                   if (message == WM_RBUTTONUP) {
                                       bracket_ = NextBracketCaption(bracket_);
                                       SetItemText(IDC_KB_FIRST_KEY + kBracketKey, bracket_);
                                   }
                                   return 0;
                               });
    ShowCaptions();

    // Off the screen or too small to use, it opens where it can be used.
    const WindowRect place =
        KeyboardPlacement(settings, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(Handle(), nullptr, place.Left, place.Top, place.Width, place.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();

    tip_.Create(Handle());
    tip_.Attach(Handle(), "双击此处关闭辅助键盘");
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
    Settings& settings = host_.CurrentSettings();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT rect{};
    if (IsIconic(Handle()) && GetWindowPlacement(Handle(), &placement)) {
        rect = placement.rcNormalPosition;
    } else {
        GetWindowRect(Handle(), &rect);
    }
    settings.KeyboardLeft = rect.left;
    settings.KeyboardTop = rect.top;
    settings.KeyboardWidth = rect.right - rect.left;
    settings.KeyboardHeight = rect.bottom - rect.top;
    settings.KeyboardScientific = scientific_;
    SettingsFile& file = host_.File();
    WriteSettingKeys(file, settings, {&Settings::KeyboardWidth, &Settings::KeyboardHeight, &Settings::KeyboardLeft,
                                      &Settings::KeyboardTop});
    file.WriteBool(kKeyboardWindowOpen.section, kKeyboardWindowOpen.name, false);
    WriteSettingKeys(file, settings, {&Settings::KeyboardScientific});
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
    TextBox& box = host_.Box();
    const KeyEffect effect = KeyPress(index, shifted_);
    switch (effect.Action) {
    case KeyAction::Insert:
        box.ReplaceSelection(effect.Text);
        break;
    case KeyAction::InsertInside:
        box.ReplaceSelection(effect.Text);
        box.SetSelectionStart(box.SelectionStart() - 1);
        box.SetSelectionLength(0);
        break;
    case KeyAction::RandomNumber:
        box.ReplaceSelection(RandomKeyText(GetTickCount()));
        break;
    case KeyAction::SimulateKey:
        SendKey(effect.VirtualKey);
        break;
    case KeyAction::Enter:
        // Always the evaluating variant of Enter, whichever key computes.
        host_.EnterKeyUp(host_.CurrentSettings().EnterInsertsNewLine ? kShiftCtrl : 0);
        break;
    case KeyAction::Undo:
        host_.Undo();
        break;
    case KeyAction::ClearBox:
        host_.ClearBox();
        break;
    case KeyAction::InsertLastResult:
        host_.InsertLastResult();
        break;
    case KeyAction::CaretLeft:
    case KeyAction::CaretRight:
        MoveCaret(effect.Action == KeyAction::CaretRight);
        break;
    case KeyAction::ToggleShift:
        shifted_ = !shifted_;
        ShowCaptions();
        break;
    case KeyAction::ToggleMode: {
        scientific_ = !scientific_;
        host_.CurrentSettings().KeyboardScientific = scientific_;
        ShowCaptions();
        RECT rect{};
        GetWindowRect(Handle(), &rect);
        SetWindowPos(Handle(), nullptr, 0, 0, SwitchedModeWidth(rect.right - rect.left, scientific_),
                     rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        LayOut();
        break;
    }
    case KeyAction::Bracket: {
        const std::string text = BracketInsertText(bracket_);
        box.ReplaceSelection(text);
        if (text == "()") box.SetSelectionStart(box.SelectionStart() - 1);
        box.SetSelectionLength(0);
        break;
    }
    }
    host_.FocusBox();
}

void KeyboardWindow::LayOut() {
    if (!Handle()) return;
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    const auto places = KeyboardLayout(rect.right - rect.left, rect.bottom - rect.top, scientific_);
    for (int i = 0; i < kKeyboardKeyCount; ++i) {
        const KeyRect& r = places[i];
        MoveWindow(Item(IDC_KB_FIRST_KEY + i), r.Left, r.Top, r.Width, r.Height, TRUE);
    }
}

void KeyboardWindow::ShowCaptions() {
    for (int i = 0; i < kKeyboardKeyCount; ++i) {
        std::string caption = KeyCaption(i, shifted_);
        // The mode key names the mode it switches to.
        if (i == kModeKey) caption = scientific_ ? "简单" : "科学";
        if (i == kBracketKey) caption = bracket_;
        SetItemText(IDC_KB_FIRST_KEY + i, caption);
    }
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

void KeyboardWindow::MoveCaret(bool right) {
    TextBox& box = host_.Box();
    const std::string text = box.Text();
    const TextPos caret = box.SelectionStart();
    box.SetSelectionStart(right ? CaretRightOf(text, caret) : CaretLeftOf(text, caret));
    box.SetSelectionLength(0);
}
