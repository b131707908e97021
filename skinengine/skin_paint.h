// What the skin engine paints itself: the frame and caption of top-level
// windows, their menu bar, and the controls whose system drawing ignores
// colour answers. Each painter draws the whole of its part in the skin's
// colours and leaves hit-testing and behaviour to the window's own code.
#pragma once

#include <windows.h>

#include "skin_format.h"

// The attached skin's colours, for the painters.
struct SkinColours {
    COLORREF of[kSkinColourCount] = {};
    COLORREF operator[](SkinColourRole role) const { return of[role]; }
};

// The kinds of window the engine paints itself; everything else only gets
// its colour questions answered.
enum class SkinnedKind {
    kOther,
    kPushButton,
    kCheckBox,
    kRadioButton,
    kGroupBox,
    kLabel,
    kTab,
    kStatusBar,
    kTrackBar,   // horizontal
    kComboBox,   // drop-down lists
    kListBox,    // lists of texts the control draws itself
    kScrollBar,  // scroll bar controls, not the scroll bars of a window
};
SkinnedKind KindOf(HWND window);

// Frame, caption and menu bar of a top-level window, drawn over what the
// system drew; `active` chooses the caption's colours.
void PaintNonClient(HWND window, const SkinColours& colours, bool active);
// The whole client area of a control of `kind`; false when the engine does
// not paint that kind.
bool PaintControl(HWND window, HDC dc, SkinnedKind kind, const SkinColours& colours, bool hot);

// What lies under a see-through child within `area`: the page of a tab
// control beneath it, else its parent's own background.
void PaintUnder(HWND child, HDC dc, const RECT& area, const SkinColours& colours);

// The controls that hold a value (skin_paint_values.cpp).
void PaintTrackBar(HWND window, HDC dc, const SkinColours& colours, bool hot);
void PaintComboBox(HWND window, HDC dc, const SkinColours& colours, bool hot);
void PaintListBox(HWND window, HDC dc, const SkinColours& colours);
void PaintScrollBar(HWND window, HDC dc, const SkinColours& colours);
