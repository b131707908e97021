// Mouse gestures of the expression box, called from its subclass procedure:
// Ctrl with the left button held drags the main window, Alt with a click
// duplicates the selection, Ctrl with the wheel zooms the font. Each
// message is still passed on to the box afterwards unless said otherwise.
#pragma once

#include <windows.h>

#include <optional>

#include "text_box.h"

struct BoxMouseState {
    bool DragActive = false;
    POINT DragCursor = {};  // screen position of the cursor at the press
    POINT DragWindow = {};  // the main window's left and top at the press
    int WheelRemainder = 0;  // wheel delta short of a whole notch
};

// WM_LBUTTONDOWN: remembers where a window drag would start.
void BoxMouseDown(BoxMouseState& state, HWND box, HWND mainWindow, LPARAM lParam);

// Where a window drag takes the main window, in screen coordinates.
struct BoxDrag {
    POINT WindowTopLeft;
    POINT Cursor;
};

// WM_MOUSEMOVE: with the button held since the press and the shift state
// exactly Ctrl, where the main window goes to follow the cursor; the
// caller moves it as a drag of the user's.
std::optional<BoxDrag> BoxMouseMove(const BoxMouseState& state, HWND box, LPARAM lParam, int shiftState);

// WM_LBUTTONUP: ends a drag; with the shift state exactly Alt the selection
// is duplicated onto a new line. True when the text changed.
bool BoxMouseUp(BoxMouseState& state, TextBox& text, int shiftState);

// WM_MOUSEWHEEL: with the shift state exactly Ctrl, `fontSize` changes by
// the notches turned (away from the user is larger), within the font sizes
// the box takes.
// True when it changed: the caller applies the font.
bool ZoomFontSize(BoxMouseState& state, int& fontSize, WPARAM wParam, int shiftState);
