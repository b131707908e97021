// Docking at the screen edges, sliding out when the mouse leaves, and the
// global hot key that shows or hides the main window. The hot key is
// registered from the settings; docking, sliding and what the hot key does
// are not built yet, so those operations do nothing.
#pragma once

#include <windows.h>

struct Settings;

class EdgeDocking {
public:
    ~EdgeDocking() { UnregisterShowHideHotKey(); }

    // (Re)registers the show/hide hot key on `window` as the settings say;
    // off, or taken by another program, leaves none registered.
    void RegisterShowHideHotKey(HWND window, const Settings& settings);
    void UnregisterShowHideHotKey();
    // The registered hot key's id, 0 when none.
    int ShowHideHotKeyId() const { return hotKeyId_; }

    // Starts or stops the 100 ms edge-hiding timer as the settings say.
    void SetEdgeHideTimer(HWND window, const Settings& settings);

    // Not built yet: a window left slid out is not brought back, the
    // timer's tick slides nothing, and the hot key shows and hides nothing.
    void Adjust() {}
    void HideTick() {}
    void ShowHide() {}
    // Ticks of the edge-hiding timer before a docked window slides out.
    void SetHideCountdown(int) {}

private:
    HWND window_ = nullptr;
    int hotKeyId_ = 0;
};
