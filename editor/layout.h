// Geometry of the main window that does not need a window to compute:
// start-up placement with its off-screen fallback, the expression box's
// size for the bars shown, the status-bar parts, and when a placement is
// worth remembering.
#pragma once

#include <array>

struct Settings;

// Right edges of the four status-bar parts for a client width: part 0 the
// messages, part 1 line and column, part 2 the mode line, part 3 the clock
// (to the right end, -1).
std::array<int, 4> StatusPartEdges(int clientWidth);

struct WindowRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// Window states, numbered as the settings file stores them (窗口状态).
enum class WindowState : int { Normal = 0, Centred = 1, Minimised = 2, Maximised = 3 };

// First-run placement: half the screen in each direction, centred.
WindowRect DefaultPlacement(int screenWidth, int screenHeight);

// The first three off-screen tests: the window can still be reached.
bool IsOnScreen(const WindowRect& rect, int screenWidth, int screenHeight);
// All five: a stored placement start-up uses instead of the fallback. The
// window-position window accepts exactly these, so what the user enters
// there is what the next start shows.
bool PlacementKept(const WindowRect& rect, int screenWidth, int screenHeight);

struct Placement {
    WindowRect Rect;
    WindowState State = WindowState::Normal;
};

// The placement start-up gives the window from the stored keys (maximised
// when stored so, anything else normal), or the centred fallback.
Placement StartPlacement(const Settings& settings, int screenWidth, int screenHeight);

struct BarsShown {
    bool Menu = true;
    bool Status = true;
    bool Title = true;
};

struct BoxSize {
    int Width = 0;
    int Height = 0;
};

// The expression box for a window of the given outer size: the outer size
// less the frame and bars the window had as designed; each hidden bar gives
// its height to the box.
BoxSize BoxSizeFor(int outerWidth, int outerHeight, const BarsShown& bars);
