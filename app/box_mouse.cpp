#include "box_mouse.h"

#include <windowsx.h>

#include "editing_commands.h"
#include "effective_values.h"
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

std::optional<BoxDrag> BoxMouseMove(const BoxMouseState& state, HWND box, LPARAM lParam, int shiftState) {
    if (!state.DragActive || shiftState != kShiftCtrl) return std::nullopt;
    const POINT cursor = ScreenPoint(box, lParam);
    const POINT topLeft = {cursor.x - state.DragCursor.x + state.DragWindow.x,
                           cursor.y - state.DragCursor.y + state.DragWindow.y};
    return BoxDrag{topLeft, cursor};
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
    const int size = StepFontSize(fontSize, notches);
    if (size == fontSize) return false;
    fontSize = size;
    return true;
}
