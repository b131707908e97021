// Docking at the screen edges, sliding out when the mouse leaves, and the
// global hot key that shows or hides the main window. The decisions are
// editor/edge_dock.h's; this object reads the real window and carries them
// out.
#pragma once

#include <windows.h>

#include <functional>

#include "edge_dock.h"

struct Settings;

class EdgeDocking {
public:
    ~EdgeDocking() { UnregisterShowHideHotKey(); }

    // What the object acts on: the main window, its settings (窗口前置), the
    // virtual keyboard's window while it is open (null otherwise), and the
    // box's focus. All must outlive this object's use.
    void Attach(HWND window, const Settings& settings, std::function<HWND()> openKeyboard,
                std::function<void()> focusBox);

    // (Re)registers the show/hide hot key on `window` as the settings say;
    // off, or taken by another program, leaves none registered.
    void RegisterShowHideHotKey(HWND window, const Settings& settings);
    void UnregisterShowHideHotKey();
    // The registered hot key's id, 0 when none.
    int ShowHideHotKeyId() const { return hotKeyId_; }

    // Starts or stops the 100 ms edge-hiding timer as the settings say.
    void SetEdgeHideTimer(HWND window, const Settings& settings);

    // Brings a slid-out window back to its edge.
    void Adjust();
    void HideTick();
    void ShowHide();
    // Activation: back, and held there for a while.
    void Activated();
    // Ticks of the edge-hiding timer before a docked window slides out.
    void SetHideCountdown(int ticks) { countdown_ = ticks; }

    // The user's drag of the window, between WM_ENTERSIZEMOVE and
    // WM_EXITSIZEMOVE; the program's own moves never snap.
    void BeginDrag() { dragging_ = true; }
    void EndDrag() { dragging_ = false; }
    // The window moved: snaps it during a drag. True when the placement
    // should be remembered.
    bool Moved();

private:
    EdgeWindow Current() const;
    void Apply(const EdgeAction& action);

    HWND window_ = nullptr;
    int hotKeyId_ = 0;

    HWND main_ = nullptr;
    const Settings* settings_ = nullptr;
    std::function<HWND()> openKeyboard_;
    std::function<void()> focusBox_;
    int countdown_ = 0;
    bool dragging_ = false;
};
