#include "box_look.h"

#include <commdlg.h>

#include <algorithm>
#include <cwchar>

#include "effective_values.h"
#include "gbk_codec.h"
#include "settings.h"

namespace {

int ScreenPixelsPerInch() {
    const HDC screen = GetDC(nullptr);
    const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixels;
}

LOGFONTW BoxLogFont(Settings& settings) {
    settings.FontSize = EffectiveFontSize(settings.FontSize);
    LOGFONTW face = {};
    face.lfHeight = -MulDiv(settings.FontSize, ScreenPixelsPerInch(), 72);
    face.lfWeight = settings.FontBold ? FW_BOLD : FW_NORMAL;
    face.lfItalic = settings.FontItalic;
    face.lfUnderline = settings.FontUnderline;
    face.lfStrikeOut = settings.FontStrikeOut;
    face.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = GbkToWide(FontFaceForLogFont(settings.FontName));
    std::copy_n(name.c_str(), std::min<size_t>(name.size(), LF_FACESIZE - 1), face.lfFaceName);
    return face;
}

}  // namespace

void BoxLook::ApplyFont(HWND box, Settings& settings) {
    const LOGFONTW face = BoxLogFont(settings);
    OwnedFont font(CreateFontIndirectW(&face));
    if (!font) return;
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
}

bool BoxLook::ChooseInFontDialog(HWND owner, HWND box, Settings& settings) {
    LOGFONTW face = BoxLogFont(settings);
    // A vertical face ("@" and a name) is not offered: the dialog opens on
    // its upright face.
    if (face.lfFaceName[0] == L'@') wmemmove(face.lfFaceName, face.lfFaceName + 1, LF_FACESIZE - 1);
    CHOOSEFONTW choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.lpLogFont = &face;
    choose.rgbColors = MaskColour(settings.FontColour);
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE | CF_NOVERTFONTS;
    choose.nSizeMin = kSmallestFontSize;
    choose.nSizeMax = kLargestFontSize;
    if (!ChooseFontW(&choose)) return false;
    settings.FontBold = face.lfWeight >= FW_BOLD;
    settings.FontItalic = face.lfItalic != 0;
    settings.FontUnderline = face.lfUnderline != 0;
    settings.FontStrikeOut = face.lfStrikeOut != 0;
    settings.FontName = WideToGbk(face.lfFaceName);
    settings.FontSize = EffectiveFontSize(choose.iPointSize / 10);
    settings.FontColour = static_cast<int>(choose.rgbColors);
    ApplyFont(box, settings);
    InvalidateRect(box, nullptr, TRUE);
    return true;
}

void BoxLook::Paint(HWND box, int colour) {
    paintColour_ = colour;
    brush_.reset(CreateSolidBrush(MaskColour(colour)));
    InvalidateRect(box, nullptr, TRUE);
}

HBRUSH BoxLook::ColourBox(HDC dc, int textColour) const {
    if (!brush_) return nullptr;
    SetTextColor(dc, MaskColour(textColour));
    SetBkColor(dc, MaskColour(paintColour_));
    return brush_.get();
}
