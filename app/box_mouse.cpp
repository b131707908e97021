#include "box_mouse.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "editing_commands.h"
#include "virtual_keys.h"

namespace {

// The message's client position in screen coordinates.
POINT ScreenPoint(HWND box, LPARAM lParam) {
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(box, &at);
    return at;
}

}  // namespace

void BoxMouseDown(BoxMouseState& state, HWND box, HWND mainWindow, LPARAM lParam) {
    state.DragCursor = ScreenPoint(box, lParam);
    RECT frame = {};
    GetWindowRect(mainWindow, &frame);
    state.DragWindow = {frame.left, frame.top};
    state.DragActive = true;
}

bool BoxMouseMove(const BoxMouseState& state, HWND box, HWND mainWindow, LPARAM lParam, int shiftState) {
    if (!state.DragActive || shiftState != kShiftCtrl) return false;
    const POINT cursor = ScreenPoint(box, lParam);
    const int left = cursor.x - state.DragCursor.x + state.DragWindow.x;
    const int top = cursor.y - state.DragCursor.y + state.DragWindow.y;
    RECT frame = {};
    GetWindowRect(mainWindow, &frame);
    if (frame.left == left && frame.top == top) return false;
    SetWindowPos(mainWindow, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool BoxMouseUp(BoxMouseState& state, TextBox& text, int shiftState) {
    state.DragActive = false;
    if (shiftState != kShiftAlt) return false;
    return DuplicateSelection(text);
}

bool ZoomFontSize(BoxMouseState& state, int& fontSize, WPARAM wParam, int shiftState) {
    if (shiftState != kShiftCtrl) {
        state.WheelRemainder = 0;
        return false;
    }
    // Fine-grained wheels send parts of a notch: they add up.
    const int delta = state.WheelRemainder + GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = delta / WHEEL_DELTA;
    state.WheelRemainder = delta % WHEEL_DELTA;
    const std::int64_t wanted = std::int64_t{fontSize} + notches;
    const int size = static_cast<int>(std::clamp<std::int64_t>(wanted, 1, INT_MAX));
    if (size == fontSize) return false;
    fontSize = size;
    return true;
}
