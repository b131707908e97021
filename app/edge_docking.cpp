#include "edge_docking.h"

#include "settings.h"
#include "window_ids.h"

void EdgeDocking::RegisterShowHideHotKey(HWND window, const Settings& settings) {
    constexpr int kHotKeyId = 1;
    UnregisterShowHideHotKey();
    if (!settings.ShowHideHotKeyOn) return;
    // The setting counts 1 for Ctrl and 2 for Shift; the system has codes
    // of its own for them.
    UINT modifiers = 0;
    if (settings.ShowHideHotKeyMods == 1) modifiers = MOD_CONTROL;
    if (settings.ShowHideHotKeyMods == 2) modifiers = MOD_SHIFT;
    if (RegisterHotKey(window, kHotKeyId, modifiers, static_cast<UINT>(settings.ShowHideHotKeyKey))) {
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
    if (settings.EdgeHide) {
        SetTimer(window, kEdgeHideTimerId, 100, nullptr);
    } else {
        KillTimer(window, kEdgeHideTimerId);
    }
}
