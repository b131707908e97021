#include "edge_docking.h"

#include "settings.h"
#include "window_ids.h"

namespace {

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

WindowRect RectOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void SetTopmost(HWND window, bool on) {
    SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void EdgeDocking::Attach(HWND window, const Settings& settings, std::function<HWND()> openKeyboard,
                         std::function<void()> focusBox) {
    main_ = window;
    settings_ = &settings;
    openKeyboard_ = std::move(openKeyboard);
    focusBox_ = std::move(focusBox);
}

void EdgeDocking::RegisterShowHideHotKey(HWND window, const Settings& settings) {
    RegisterShowHideHotKey(window, settings.ShowHideHotKeyOn, settings.ShowHideHotKeyMods,
                           settings.ShowHideHotKeyKey);
}

void EdgeDocking::RegisterShowHideHotKey(HWND window, bool on, int mods, int key) {
    constexpr int kHotKeyId = 1;
    UnregisterShowHideHotKey();
    if (!on) return;
    // The setting counts 1 for Ctrl and 2 for Shift; the system has codes
    // of its own for them.
    UINT modifiers = 0;
    if (mods == 1) modifiers = MOD_CONTROL;
    if (mods == 2) modifiers = MOD_SHIFT;
    if (RegisterHotKey(window, kHotKeyId, modifiers, static_cast<UINT>(key))) {
        window_ = window;
        hotKeyId_ = kHotKeyId;
    }
}

void EdgeDocking::UnregisterShowHideHotKey() {
    if (hotKeyId_ && IsWindow(window_)) UnregisterHotKey(window_, hotKeyId_);
    hotKeyId_ = 0;
    window_ = nullptr;
}

void EdgeDocking::SetEdgeHideTimer(HWND window, const Settings& settings) {
    SetEdgeHideTimer(window, settings.EdgeHide);
}

void EdgeDocking::SetEdgeHideTimer(HWND window, bool running) {
    if (running) {
        SetTimer(window, kEdgeHideTimerId, 100, nullptr);
    } else {
        KillTimer(window, kEdgeHideTimerId);
    }
}

EdgeWindow EdgeDocking::Current() const {
    EdgeWindow w;
    w.Rect = RectOf(main_);
    w.Visible = IsWindowVisible(main_) != FALSE;
    w.Minimised = IsIconic(main_) != FALSE;
    w.Topmost = (GetWindowLongPtrW(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    w.KeepOnTop = settings_->KeepOnTop;
    w.Countdown = countdown_;
    return w;
}

void EdgeDocking::Apply(const EdgeAction& action) {
    countdown_ = action.Countdown;
    const WindowRect now = RectOf(main_);
    if (action.Rect.Left != now.Left || action.Rect.Top != now.Top)
        SetWindowPos(main_, nullptr, action.Rect.Left, action.Rect.Top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (action.Topmost) SetTopmost(main_, *action.Topmost);
    if (action.Window == Visibility::Hide) ShowWindow(main_, SW_HIDE);
    const HWND keyboard = openKeyboard_ ? openKeyboard_() : nullptr;
    if (keyboard && action.Keyboard != Visibility::Keep) {
        const bool show = action.Keyboard == Visibility::Show;
        // Only a change: showing an already shown window would still redraw it.
        if ((IsWindowVisible(keyboard) != FALSE) != show) ShowWindow(keyboard, show ? SW_SHOWNA : SW_HIDE);
    }
}

void EdgeDocking::Adjust() {
    if (!main_) return;
    const WindowRect now = RectOf(main_);
    EdgeAction action;
    action.Rect = EdgeDockAdjust(now, ScreenWidth());
    action.Countdown = countdown_;
    Apply(action);
}

void EdgeDocking::BringBack() {
    if (main_) Apply(MainWindowActivated(Current(), ScreenWidth()));
}

void EdgeDocking::HideTick() {
    if (!main_) return;
    POINT cursor;
    GetCursorPos(&cursor);
    Apply(EdgeHideTick(Current(), {cursor.x, cursor.y}, ScreenWidth()));
}

void EdgeDocking::ShowHide() {
    if (!main_) return;
    const EdgeAction action = HotKeyShowHide(Current(), ScreenWidth());
    if (action.Window != Visibility::Show) {
        Apply(action);
        return;
    }
    ShowWindow(main_, SW_SHOWNORMAL);
    // Topmost for a moment brings it to the front, then as the setting says.
    SetWindowPos(main_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(main_, settings_->KeepOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (focusBox_) focusBox_();
    Adjust();
    countdown_ = action.Countdown;
}

bool EdgeDocking::Moved() {
    if (!main_ || !dragging_) return false;
    POINT cursor;
    GetCursorPos(&cursor);
    return UserMove(RectOf(main_), cursor);
}

bool EdgeDocking::DraggedTo(POINT topLeft, POINT cursor) {
    if (!main_) return false;
    WindowRect rect = RectOf(main_);
    rect.Left = topLeft.x;
    rect.Top = topLeft.y;
    return UserMove(rect, cursor);
}

bool EdgeDocking::UserMove(WindowRect rect, POINT cursor) {
    const EdgeDockMove move =
        EdgeDockCheck(rect, {cursor.x, cursor.y}, ScreenWidth(), GetSystemMetrics(SM_CYSCREEN));
    EdgeAction action;
    action.Rect = move.Rect;
    action.Countdown = countdown_;
    Apply(action);
    return move.Remember;
}
