#include "skin_draw.h"

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Outline(HDC dc, const RECT& rect, COLORREF colour) {
    const RECT sides[] = {{rect.left, rect.top, rect.right, rect.top + 1},
                          {rect.left, rect.bottom - 1, rect.right, rect.bottom},
                          {rect.left, rect.top, rect.left + 1, rect.bottom},
                          {rect.right - 1, rect.top, rect.right, rect.bottom}};
    for (const RECT& side : sides) Fill(dc, side, colour);
}

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
    SetDCPenColor(dc, colour);
    const HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, old);
}

void CheckMark(HDC dc, const RECT& box, COLORREF colour) {
    for (int thick = 0; thick < 2; ++thick) {
        Line(dc, box.left + 3, box.top + 6 + thick, box.left + 5, box.top + 8 + thick, colour);
        Line(dc, box.left + 5, box.top + 8 + thick, box.left + 10, box.top + 3 + thick, colour);
    }
}

void Triangle(HDC dc, const RECT& box, Pointing direction, COLORREF colour) {
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    // Row i, counted from the tip, is 2i + 1 pixels wide.
    for (int i = 0; i < 4; ++i) {
        switch (direction) {
        case Pointing::kDown: Fill(dc, {cx - i, cy + 1 - i, cx + i + 1, cy + 2 - i}, colour); break;
        case Pointing::kUp: Fill(dc, {cx - i, cy - 1 + i, cx + i + 1, cy + i}, colour); break;
        case Pointing::kRight: Fill(dc, {cx + 1 - i, cy - i, cx + 2 - i, cy + i + 1}, colour); break;
        case Pointing::kLeft: Fill(dc, {cx - 1 + i, cy - i, cx + i, cy + i + 1}, colour); break;
        }
    }
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

HFONT FontOf(HWND window) { return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)); }

void Text(HDC dc, const std::wstring& text, RECT rect, COLORREF colour, UINT format) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

namespace {

HFONT NonClientFont(LOGFONTW NONCLIENTMETRICSW::*which) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return CreateFontIndirectW(&(metrics.*which));
}

}  // namespace

HFONT CaptionFont() {
    static const HFONT font = NonClientFont(&NONCLIENTMETRICSW::lfCaptionFont);
    return font;
}
HFONT SmallCaptionFont() {
    static const HFONT font = NonClientFont(&NONCLIENTMETRICSW::lfSmCaptionFont);
    return font;
}
HFONT MenuFont() {
    static const HFONT font = NonClientFont(&NONCLIENTMETRICSW::lfMenuFont);
    return font;
}
