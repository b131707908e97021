// Geometry of the main window that does not need a window to compute.
#pragma once

#include <array>

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

// First-run placement: half the screen in each direction, centred.
WindowRect DefaultPlacement(int screenWidth, int screenHeight);
