#include "edge_dock.h"

namespace {

bool SlidOutLeft(const WindowRect& r) { return r.Left == kEdgeStrip - r.Width; }
bool SlidOutRight(const WindowRect& r, int screenWidth) { return r.Left == screenWidth - kEdgeStrip; }
bool SlidOutTop(const WindowRect& r) { return r.Top == kEdgeStrip - r.Height; }

bool TouchesLeft(const WindowRect& r) { return r.Left == 0; }
bool TouchesRight(const WindowRect& r, int screenWidth) { return r.Left == screenWidth - r.Width; }
bool TouchesTop(const WindowRect& r) { return r.Top == 0; }

// Each test on the position as the one before left it.
WindowRect SlideOut(WindowRect r, int screenWidth) {
    if (TouchesLeft(r)) r.Left = kEdgeStrip - r.Width;
    if (TouchesRight(r, screenWidth)) r.Left = screenWidth - kEdgeStrip;
    if (TouchesTop(r)) r.Top = kEdgeStrip - r.Height;
    return r;
}

bool SameRect(const WindowRect& a, const WindowRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

std::optional<bool> TopmostChange(const EdgeWindow& window, bool wanted) {
    if (window.Topmost == wanted) return std::nullopt;
    return wanted;
}

}  // namespace

bool IsSlidOut(const WindowRect& r, int screenWidth) {
    return SlidOutLeft(r) || SlidOutRight(r, screenWidth) || SlidOutTop(r);
}

bool TouchesEdge(const WindowRect& r, int screenWidth) {
    return TouchesLeft(r) || TouchesRight(r, screenWidth) || TouchesTop(r);
}

WindowRect EdgeDockAdjust(WindowRect r, int screenWidth) {
    if (SlidOutLeft(r)) r.Left = 0;
    if (SlidOutRight(r, screenWidth)) r.Left = screenWidth - r.Width;
    if (SlidOutTop(r)) r.Top = 0;
    return r;
}

EdgeDockMove EdgeDockCheck(WindowRect r, CursorPoint cursor, int screenWidth, int screenHeight) {
    if (r.Left < 0 && cursor.X < kEdgeStrip) r.Left = 0;
    if (r.Left > screenWidth - r.Width && cursor.X > screenWidth - kEdgeStrip) r.Left = screenWidth - r.Width;
    if (r.Top < 0 && cursor.Y < kEdgeStrip) r.Top = 0;
    return {r, IsOnScreen(r, screenWidth, screenHeight)};
}

EdgeAction EdgeHideTick(const EdgeWindow& window, CursorPoint cursor, int screenWidth) {
    EdgeAction action;
    action.Rect = window.Rect;
    action.Countdown = window.Countdown > 0 ? window.Countdown - 1 : 0;
    const WindowRect& r = window.Rect;
    // A hidden or minimised window has no strip to slide.
    if (window.Visible && !window.Minimised) {
        const bool over = cursor.X >= r.Left && cursor.X <= r.Left + r.Width && cursor.Y >= r.Top &&
                          cursor.Y <= r.Top + r.Height;
        if (over) {
            action.Rect = EdgeDockAdjust(r, screenWidth);
            if (!SameRect(action.Rect, r)) action.Topmost = TopmostChange(window, window.KeepOnTop);
        } else if (action.Countdown == 0) {
            action.Rect = SlideOut(r, screenWidth);
            // On top, so that its strip stays within reach.
            if (IsSlidOut(action.Rect, screenWidth)) action.Topmost = TopmostChange(window, true);
        }
    }
    if (IsSlidOut(action.Rect, screenWidth))
        action.Keyboard = Visibility::Hide;
    else if (window.Visible && !window.Minimised)
        action.Keyboard = Visibility::Show;
    return action;
}

EdgeAction HotKeyShowHide(const EdgeWindow& window, int screenWidth) {
    EdgeAction action;
    action.Rect = window.Rect;
    action.Countdown = window.Countdown;
    if (!window.Visible) {
        action.Window = Visibility::Show;
        action.Countdown = kEdgeHideGrace;
    } else if (IsSlidOut(window.Rect, screenWidth)) {
        action.Rect = EdgeDockAdjust(window.Rect, screenWidth);
        action.Topmost = TopmostChange(window, window.KeepOnTop);
        action.Countdown = kEdgeHideGrace;
    } else if (TouchesEdge(window.Rect, screenWidth)) {
        action.Rect = SlideOut(window.Rect, screenWidth);
        action.Topmost = TopmostChange(window, true);
        action.Countdown = 0;
    } else {
        action.Window = Visibility::Hide;
    }
    return action;
}

EdgeAction MainWindowActivated(const EdgeWindow& window, int screenWidth) {
    EdgeAction action;
    action.Rect = EdgeDockAdjust(window.Rect, screenWidth);
    if (!SameRect(action.Rect, window.Rect)) action.Topmost = TopmostChange(window, window.KeepOnTop);
    action.Countdown = kEdgeHideGrace;
    return action;
}
