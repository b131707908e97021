// The main window at the screen edges, decided on plain numbers: snapping
// while the user drags it, sliding out to a 5-pixel strip, coming back, and
// the show/hide hot key. Each function says what to do; the window layer
// does it.
#pragma once

#include <optional>

#include "layout.h"

struct CursorPoint {
    int X = 0;
    int Y = 0;
};

// Ticks of 100 ms a window just brought back stays out even with the mouse
// away.
constexpr int kEdgeHideGrace = 25;
// Pixels of a slid-out window left on the screen.
constexpr int kEdgeStrip = 5;

bool IsSlidOut(const WindowRect& rect, int screenWidth);
bool TouchesEdge(const WindowRect& rect, int screenWidth);

// Each slid-out side brought back to touch its edge.
WindowRect EdgeDockAdjust(WindowRect rect, int screenWidth);

struct EdgeDockMove {
    WindowRect Rect;
    bool Remember = false;  // the placement is on the screen: keep it for the exit save
};
// The user dragged the window to `rect` with the cursor at `cursor`.
EdgeDockMove EdgeDockCheck(WindowRect rect, CursorPoint cursor, int screenWidth, int screenHeight);

enum class Visibility { Keep, Show, Hide };

struct EdgeWindow {
    WindowRect Rect;
    bool Visible = true;
    bool Minimised = false;
    bool Topmost = false;    // as the window is now
    bool KeepOnTop = false;  // 窗口前置
    int Countdown = 0;
};

struct EdgeAction {
    WindowRect Rect;               // where the window goes; its place when it stays
    std::optional<bool> Topmost;   // set only when it changes
    Visibility Window = Visibility::Keep;
    Visibility Keyboard = Visibility::Keep;  // of an open virtual keyboard
    int Countdown = 0;
};

// One tick of the edge-hiding timer.
EdgeAction EdgeHideTick(const EdgeWindow& window, CursorPoint cursor, int screenWidth);
// The show/hide hot key. Showing a hidden window means: normal state, in
// front, the box focused, then brought back as by EdgeDockAdjust.
EdgeAction HotKeyShowHide(const EdgeWindow& window, int screenWidth);
// The window was activated.
EdgeAction MainWindowActivated(const EdgeWindow& window, int screenWidth);
