// How the expression box looks: its font, built from the settings or chosen
// in the system's font dialog (&T.字体), and its background brush.
#pragma once

#include <windows.h>

#include "owned_handles.h"

struct Settings;

class BoxLook {
public:
    // Builds the font the settings describe (their size kept in range) and
    // gives it to `box`; a font that cannot be made leaves the old one.
    void ApplyFont(HWND box, Settings& settings);
    // The font dialog over `owner`, opened on the settings' font; OK takes
    // the choice into the settings and the box. False when cancelled.
    bool ChooseInFontDialog(HWND owner, HWND box, Settings& settings);

    // The box painted in `colour` (0xBBGGRR) from now on.
    void Paint(HWND box, int colour);
    // WM_CTLCOLOREDIT for the box: the colours set on `dc` and the brush to
    // paint with; null before the first Paint.
    HBRUSH ColourBox(HDC dc, int textColour) const;

private:
    OwnedFont font_;
    OwnedBrush brush_;
    int paintColour_ = 0xFFFFFF;
};
