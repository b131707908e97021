#include "layout.h"

#include <algorithm>

std::array<int, 4> StatusPartEdges(int clientWidth) {
    // Widths scale with the window as they did in the layout the bar was
    // designed at (545 pixels wide); a part never gets a negative width.
    const int part0 = std::max(0, static_cast<int>(clientWidth / 545.0 * 200));
    const int part1 = std::max(0, static_cast<int>((clientWidth - 480) / 545.0 * 200));
    const int part2 = 300;
    return {part0, part0 + part1, part0 + part1 + part2, -1};
}

WindowRect DefaultPlacement(int screenWidth, int screenHeight) {
    WindowRect rect;
    rect.Height = static_cast<int>(screenHeight / 2.0);
    rect.Width = static_cast<int>(screenWidth / 2.0);
    rect.Left = static_cast<int>(screenWidth * 0.25);
    rect.Top = static_cast<int>(screenHeight * 0.25);
    return rect;
}
