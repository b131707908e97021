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
    // The same with the key given: `mods` 0 none, 1 Ctrl, 2 Shift, and a
    // virtual key.
    void RegisterShowHideHotKey(HWND window, bool on, int mods, int key);
    void UnregisterShowHideHotKey();
    // The registered hot key's id, 0 when none.
    int ShowHideHotKeyId() const { return hotKeyId_; }

    // Starts or stops the 100 ms edge-hiding timer as the settings say.
    void SetEdgeHideTimer(HWND window, const Settings& settings);
    void SetEdgeHideTimer(HWND window, bool running);

    // Brings a slid-out window back to its edge.
    void Adjust();
    void HideTick();
    void ShowHide();
    // Back, and held there for a while: at activation, at the end of
    // start-up and on a tray click (neither of which need activate it).
    void BringBack();
    // Ticks of the edge-hiding timer before a docked window slides out.
    void SetHideCountdown(int ticks) { countdown_ = ticks; }

    // The user's drag of the window in the system's move loop, between
    // WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE; the program's own moves never
    // snap.
    void BeginDrag() { dragging_ = true; }
    void EndDrag() { dragging_ = false; }
    // The window moved: snaps it during a drag. True when the placement
    // should be remembered.
    bool Moved();
    // The user's drag by the box with Ctrl: the window goes to `topLeft`,
    // snapped as in the move loop. True when the placement should be
    // remembered.
    bool DraggedTo(POINT topLeft, POINT cursor);

private:
    EdgeWindow Current() const;
    // Snaps a user's move to `rect` with the cursor at `cursor`.
    bool UserMove(WindowRect rect, POINT cursor);
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
