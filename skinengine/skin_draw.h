// Drawing primitives shared by the engine's painters.
#pragma once

#include <windows.h>

#include <string>

void Fill(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel line round `rect`, inside it.
void Outline(HDC dc, const RECT& rect, COLORREF colour);
void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour);
// A check mark two pixels thick in a box of about 13 pixels at `box`.
void CheckMark(HDC dc, const RECT& box, COLORREF colour);
// A small solid triangle, seven pixels across, centred in `box`.
enum class Pointing { kUp, kDown, kLeft, kRight };
void Triangle(HDC dc, const RECT& box, Pointing direction, COLORREF colour);
std::wstring TextOf(HWND window);
HFONT FontOf(HWND window);
// `text` in `colour` with a transparent background.
void Text(HDC dc, const std::wstring& text, RECT rect, COLORREF colour, UINT format);

// The fonts of captions and menus, made once for the process.
HFONT CaptionFont();
HFONT SmallCaptionFont();
HFONT MenuFont();

// Selects a font for the life of the object.
class FontIn {
public:
    FontIn(HDC dc, HFONT font) : dc_(dc), old_(font ? SelectObject(dc, font) : nullptr) {}
    ~FontIn() {
        if (old_) SelectObject(dc_, old_);
    }
    FontIn(const FontIn&) = delete;
    FontIn& operator=(const FontIn&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};
