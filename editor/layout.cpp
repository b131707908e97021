#include "layout.h"

#include <algorithm>

#include "settings.h"

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

// Sums in 64 bits: a hand-edited file may hold values near the int limits.
bool IsOnScreen(const WindowRect& r, int screenWidth, int screenHeight) {
    const long long left = r.Left, top = r.Top, width = r.Width;
    return left + 10 <= screenWidth && left + width >= 10 && top + 10 <= screenHeight;
}

bool PlacementKept(const WindowRect& r, int screenWidth, int screenHeight) {
    const long long top = r.Top, height = r.Height;
    // The bottom edge must reach 10 pixels into the screen, as the right
    // edge must; the height test keeps a sliver of a window from coming back.
    return IsOnScreen(r, screenWidth, screenHeight) && top + height >= 10 && r.Height >= 80;
}

Placement StartPlacement(const Settings& settings, int screenWidth, int screenHeight) {
    Placement placement;
    placement.Rect = {settings.WindowLeft, settings.WindowTop, settings.WindowWidth, settings.WindowHeight};
    placement.State = settings.WindowState == static_cast<int>(WindowState::Maximised) ? WindowState::Maximised
                                                                                       : WindowState::Normal;
    if (!PlacementKept(placement.Rect, screenWidth, screenHeight)) {
        placement.Rect = DefaultPlacement(screenWidth, screenHeight);
        placement.State = WindowState::Centred;
    }
    return placement;
}

BoxSize BoxSizeFor(int outerWidth, int outerHeight, const BarsShown& bars) {
    BoxSize size{outerWidth - 7, outerHeight - 72};
    if (!bars.Menu) size.Height += 26;
    if (!bars.Status) size.Height += 22;
    if (!bars.Title) size.Height += 20;
    size.Width = std::max(0, size.Width);
    size.Height = std::max(0, size.Height);
    return size;
}
