// The box's font: built from the settings, and chosen in the system's font
// dialog (&T.字体).
#include "main_window.h"

#include <commdlg.h>

#include <algorithm>
#include <cwchar>

#include "effective_values.h"
#include "gbk_codec.h"

namespace {

int ScreenPixelsPerInch() {
    const HDC screen = GetDC(nullptr);
    const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

LOGFONTW MainWindow::BoxLogFont() {
    settings_.FontSize = EffectiveFontSize(settings_.FontSize);
    LOGFONTW face = {};
    face.lfHeight = -MulDiv(settings_.FontSize, ScreenPixelsPerInch(), 72);
    face.lfWeight = settings_.FontBold ? FW_BOLD : FW_NORMAL;
    face.lfItalic = settings_.FontItalic;
    face.lfUnderline = settings_.FontUnderline;
    face.lfStrikeOut = settings_.FontStrikeOut;
    face.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = GbkToWide(FontFaceForLogFont(settings_.FontName));
    std::copy_n(name.c_str(), std::min<size_t>(name.size(), LF_FACESIZE - 1), face.lfFaceName);
    return face;
}

void MainWindow::ApplyFont() {
    const LOGFONTW face = BoxLogFont();
    const HFONT font = CreateFontIndirectW(&face);
    if (!font) return;
    SendMessageW(box_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (font_) DeleteObject(font_);
    font_ = font;
}

void MainWindow::FontCommand() {
    LOGFONTW face = BoxLogFont();
    // A vertical face ("@" and a name) is not offered: the dialog opens on
    // its upright face.
    if (face.lfFaceName[0] == L'@') wmemmove(face.lfFaceName, face.lfFaceName + 1, LF_FACESIZE - 1);
    CHOOSEFONTW choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = Handle();
    choose.lpLogFont = &face;
    choose.rgbColors = MaskColour(settings_.FontColour);
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE | CF_NOVERTFONTS;
    choose.nSizeMin = kSmallestFontSize;
    choose.nSizeMax = kLargestFontSize;
    // Cancelled: nothing changes.
    if (!ChooseFontW(&choose)) return;
    settings_.FontBold = face.lfWeight >= FW_BOLD;
    settings_.FontItalic = face.lfItalic != 0;
    settings_.FontUnderline = face.lfUnderline != 0;
    settings_.FontStrikeOut = face.lfStrikeOut != 0;
    settings_.FontName = WideToGbk(face.lfFaceName);
    settings_.FontSize = EffectiveFontSize(choose.iPointSize / 10);
    settings_.FontColour = static_cast<int>(choose.rgbColors);
    ApplyFont();
    InvalidateRect(box_.Handle(), nullptr, TRUE);
}
