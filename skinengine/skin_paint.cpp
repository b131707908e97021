#include "skin_paint.h"

#include "skin_draw.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace {

RECT ToWindow(HWND window, RECT screen) {
    RECT frame;
    GetWindowRect(window, &frame);
    OffsetRect(&screen, -frame.left, -frame.top);
    return screen;
}

enum class CaptionButton { kClose, kMaximise, kRestore, kMinimise };

void PaintCaptionButton(HDC dc, RECT box, CaptionButton which, COLORREF ink, COLORREF frame) {
    Outline(dc, box, frame);
    const int size = std::max<int>(4, (box.bottom - box.top) / 3);
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    RECT glyph{cx - size, cy - size, cx + size, cy + size};
    switch (which) {
    case CaptionButton::kClose:
        Line(dc, glyph.left, glyph.top, glyph.right, glyph.bottom, ink);
        Line(dc, glyph.left + 1, glyph.top, glyph.right + 1, glyph.bottom, ink);
        Line(dc, glyph.right - 1, glyph.top, glyph.left - 1, glyph.bottom, ink);
        Line(dc, glyph.right, glyph.top, glyph.left, glyph.bottom, ink);
        break;
    case CaptionButton::kMaximise:
        Outline(dc, glyph, ink);
        Fill(dc, {glyph.left, glyph.top + 1, glyph.right, glyph.top + 2}, ink);
        break;
    case CaptionButton::kRestore:
        Outline(dc, {glyph.left + 2, glyph.top, glyph.right, glyph.bottom - 2}, ink);
        Outline(dc, {glyph.left, glyph.top + 2, glyph.right - 2, glyph.bottom}, ink);
        break;
    case CaptionButton::kMinimise: Fill(dc, {glyph.left, glyph.bottom - 2, glyph.right, glyph.bottom}, ink); break;
    }
}

void PaintCaption(HWND window, HDC dc, RECT caption, COLORREF back, COLORREF ink, const SkinColours& colours) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const bool tool = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    Fill(dc, caption, back);
    const int height = caption.bottom - caption.top;
    RECT text = caption;
    text.left += 4;
    if (style & WS_SYSMENU) {
        // Close, then maximise or restore, then minimise, from the right.
        RECT box{caption.right - height, caption.top + 1, caption.right - 1, caption.bottom - 1};
        PaintCaptionButton(dc, box, CaptionButton::kClose, ink, colours[kSkinFrame]);
        text.right = box.left - 2;
        if (!tool && (style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))) {
            OffsetRect(&box, -height, 0);
            PaintCaptionButton(dc, box, IsZoomed(window) ? CaptionButton::kRestore : CaptionButton::kMaximise, ink,
                               colours[kSkinFrame]);
            OffsetRect(&box, -height, 0);
            PaintCaptionButton(dc, box, CaptionButton::kMinimise, ink, colours[kSkinFrame]);
            text.right = box.left - 2;
        }
        HICON icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
        if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
        if (icon && !tool) {
            const int side = GetSystemMetrics(SM_CXSMICON);
            DrawIconEx(dc, caption.left + 2, caption.top + (height - side) / 2, icon, side, side, 0, nullptr, DI_NORMAL);
            text.left = caption.left + side + 6;
        }
    }
    FontIn font(dc, tool ? SmallCaptionFont() : CaptionFont());
    Text(dc, TextOf(window), text, ink, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void PaintMenuBar(HWND window, HDC dc, const SkinColours& colours) {
    const HMENU menu = GetMenu(window);
    MENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    if (!menu || !GetMenuBarInfo(window, OBJID_MENU, 0, &bar)) return;
    Fill(dc, ToWindow(window, bar.rcBar), colours[kSkinMenuBar]);
    FontIn font(dc, MenuFont());
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        RECT item;
        if (!GetMenuItemRect(window, menu, static_cast<UINT>(i), &item)) continue;
        item = ToWindow(window, item);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        wchar_t caption[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), caption, 128, MF_BYPOSITION);
        COLORREF ink = colours[kSkinMenuText];
        if (state & (MF_GRAYED | MF_DISABLED)) ink = colours[kSkinDisabledText];
        if (state & MF_HILITE) {
            Fill(dc, item, colours[kSkinMenuHighlight]);
            ink = colours[kSkinMenuHighlightText];
        }
        Text(dc, caption, item, ink, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

// The parent paints its whole background: the caller clips it to `area`.
void PaintUnderAll(HWND child, HDC dc, const RECT& area, const SkinColours& colours) {
    const HWND parent = GetParent(child);
    Fill(dc, area, colours[kSkinDialog]);
    if (!parent) return;
    RECT mine;
    GetWindowRect(child, &mine);
    for (HWND sibling = GetWindow(child, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        wchar_t name[32];
        if (sibling == child || !IsWindowVisible(sibling) || !GetClassNameW(sibling, name, 32) || lstrcmpiW(name, WC_TABCONTROLW) != 0)
            continue;
        RECT page, overlap;
        GetWindowRect(sibling, &page);
        SendMessageW(sibling, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
        if (IntersectRect(&overlap, &page, &mine)) {
            Fill(dc, area, colours[kSkinTabSelected]);
            return;
        }
    }
    POINT origin{0, 0};
    MapWindowPoints(child, parent, &origin, 1);
    POINT old;
    OffsetWindowOrgEx(dc, origin.x, origin.y, &old);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetWindowOrgEx(dc, old.x, old.y, nullptr);
}

// The text colour the parent asks for (the skin's, or the program's own),
// kept readable on the skin's background.
COLORREF AskedTextColour(HWND child, HDC dc, const SkinColours& colours) {
    const HWND parent = GetParent(child);
    SetTextColor(dc, colours[kSkinLabelText]);
    if (parent) SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
    if (!IsWindowEnabled(child)) return colours[kSkinDisabledText];
    return ReadableOn(GetTextColor(dc), colours[kSkinDialog]);
}

void PaintPushButton(HWND window, HDC dc, const SkinColours& colours, bool hot) {
    RECT box;
    GetClientRect(window, &box);
    const LRESULT state = SendMessageW(window, BM_GETSTATE, 0, 0);
    const bool enabled = IsWindowEnabled(window);
    const bool pressed = enabled && (state & BST_PUSHED);
    const bool isDefault = (GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    COLORREF face = colours[kSkinButtonFace];
    if (pressed) {
        face = colours[kSkinButtonPressed];
    } else if (hot && enabled) {
        face = colours[kSkinButtonHot];
    }
    Fill(dc, box, face);
    const COLORREF edge = isDefault || pressed ? colours[kSkinCheckMark] : colours[kSkinButtonBorder];
    Outline(dc, box, edge);
    if (isDefault) Outline(dc, {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, edge);
    RECT text = box;
    if (pressed) OffsetRect(&text, 1, 1);
    FontIn font(dc, FontOf(window));
    const UINT multi = (GetWindowLongPtrW(window, GWL_STYLE) & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    Text(dc, TextOf(window), text, enabled ? colours[kSkinButtonText] : colours[kSkinDisabledText], multi | DT_CENTER);
    if (GetFocus() == window) {
        RECT focus{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
        SetTextColor(dc, colours[kSkinButtonText]);
        SetBkColor(dc, face);
        DrawFocusRect(dc, &focus);
    }
}

void PaintCheck(HWND window, HDC dc, const SkinColours& colours, bool hot, bool radio) {
    RECT client;
    GetClientRect(window, &client);
    PaintUnder(window, dc, client, colours);
    const COLORREF ink = AskedTextColour(window, dc, colours);
    const int side = std::min<int>(13, client.bottom - client.top);
    const int top = (client.top + client.bottom - side) / 2;
    RECT box{client.left, top, client.left + side, top + side};
    const LRESULT check = SendMessageW(window, BM_GETCHECK, 0, 0);
    const LRESULT state = SendMessageW(window, BM_GETSTATE, 0, 0);
    const COLORREF field = (state & BST_PUSHED) ? colours[kSkinButtonPressed] : colours[kSkinMenu];
    const COLORREF edge = hot ? colours[kSkinCheckMark] : colours[kSkinButtonBorder];
    if (radio) {
        SetDCBrushColor(dc, field);
        SetDCPenColor(dc, edge);
        const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
        const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
        if (check == BST_CHECKED) {
            SetDCBrushColor(dc, colours[kSkinCheckMark]);
            SetDCPenColor(dc, colours[kSkinCheckMark]);
            Ellipse(dc, box.left + 3, box.top + 3, box.right - 3, box.bottom - 3);
        }
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
    } else {
        Fill(dc, box, field);
        Outline(dc, box, edge);
        if (check == BST_CHECKED) {
            CheckMark(dc, box, colours[kSkinCheckMark]);
        } else if (check == BST_INDETERMINATE) {
            Fill(dc, {box.left + 3, box.top + 3, box.right - 3, box.bottom - 3}, colours[kSkinCheckMark]);
        }
    }
    RECT text = client;
    text.left = box.right + 4;
    FontIn font(dc, FontOf(window));
    const std::wstring caption = TextOf(window);
    Text(dc, caption, text, ink, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (GetFocus() == window) {
        RECT focus = text;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &focus, DT_SINGLELINE | DT_CALCRECT);
        focus.top = client.top;
        focus.bottom = client.bottom;
        InflateRect(&focus, 1, 0);
        DrawFocusRect(dc, &focus);
    }
}

void PaintGroupBox(HWND window, HDC dc, const SkinColours& colours) {
    RECT client;
    GetClientRect(window, &client);
    FontIn font(dc, FontOf(window));
    const std::wstring caption = TextOf(window);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    // Only the frame and the caption: what the box holds shows through.
    const RECT sides[] = {{frame.left, frame.top, frame.right, frame.top + 1},
                          {frame.left, frame.bottom - 1, frame.right, frame.bottom},
                          {frame.left, frame.top, frame.left + 1, frame.bottom},
                          {frame.right - 1, frame.top, frame.right, frame.bottom}};
    for (const RECT& side : sides) Fill(dc, side, colours[kSkinButtonBorder]);
    if (caption.empty()) return;
    RECT text{client.left + 8, client.top, client.right - 8, client.top + metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_CALCRECT);
    InflateRect(&text, 2, 0);
    PaintUnder(window, dc, text, colours);
    Text(dc, caption, text, AskedTextColour(window, dc, colours), DT_SINGLELINE | DT_CENTER);
}

void PaintLabel(HWND window, HDC dc, const SkinColours& colours) {
    RECT client;
    GetClientRect(window, &client);
    PaintUnder(window, dc, client, colours);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR type = style & SS_TYPEMASK;
    UINT format = DT_EXPANDTABS;
    if (type == SS_CENTER) format |= DT_CENTER | DT_WORDBREAK;
    if (type == SS_RIGHT) format |= DT_RIGHT | DT_WORDBREAK;
    if (type == SS_LEFT) format |= DT_LEFT | DT_WORDBREAK;
    if (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) format |= DT_LEFT | DT_SINGLELINE;
    if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    FontIn font(dc, FontOf(window));
    Text(dc, TextOf(window), client, AskedTextColour(window, dc, colours), format);
}

void PaintTab(HWND window, HDC dc, const SkinColours& colours) {
    RECT client;
    GetClientRect(window, &client);
    PaintUnder(window, dc, client, colours);
    RECT page = client;
    SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    InflateRect(&page, 2, 2);
    Fill(dc, page, colours[kSkinTabSelected]);
    Outline(dc, page, colours[kSkinButtonBorder]);
    const int chosen = static_cast<int>(SendMessageW(window, TCM_GETCURSEL, 0, 0));
    FontIn font(dc, FontOf(window));
    for (int i = 0, count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0)); i < count; ++i) {
        RECT tab;
        if (!SendMessageW(window, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab))) continue;
        wchar_t caption[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption;
        item.cchTextMax = 64;
        SendMessageW(window, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        const bool selected = i == chosen;
        if (selected) InflateRect(&tab, 2, 2);
        Fill(dc, tab, selected ? colours[kSkinTabSelected] : colours[kSkinTabUnselected]);
        Outline(dc, tab, colours[kSkinButtonBorder]);
        // The chosen tab opens into its page.
        if (selected) Fill(dc, {tab.left + 1, tab.bottom - 1, tab.right - 1, tab.bottom + 1}, colours[kSkinTabSelected]);
        Text(dc, caption, tab, colours[kSkinTabText], DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

void PaintStatusBar(HWND window, HDC dc, const SkinColours& colours) {
    RECT client;
    GetClientRect(window, &client);
    Fill(dc, client, colours[kSkinStatusBar]);
    Fill(dc, {client.left, client.top, client.right, client.top + 1}, colours[kSkinButtonBorder]);
    FontIn font(dc, FontOf(window));
    const bool simple = SendMessageW(window, SB_ISSIMPLE, 0, 0) != 0;
    const int count = simple ? 1 : static_cast<int>(SendMessageW(window, SB_GETPARTS, 0, 0));
    for (int i = 0; i < count; ++i) {
        const int part = simple ? SB_SIMPLEID : i;
        RECT rect;
        if (simple) {
            rect = client;
        } else if (!SendMessageW(window, SB_GETRECT, part, reinterpret_cast<LPARAM>(&rect))) {
            continue;
        }
        const LRESULT length = SendMessageW(window, SB_GETTEXTLENGTHW, part, 0);
        if ((HIWORD(length) & SBT_OWNERDRAW) == 0) {
            std::wstring text(LOWORD(length) + 1u, L'\0');
            SendMessageW(window, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
            text.resize(LOWORD(length));
            RECT inner = rect;
            inner.left += 3;
            Text(dc, text, inner, colours[kSkinStatusText], DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        }
        if (i + 1 < count) Fill(dc, {rect.right, rect.top + 2, rect.right + 1, rect.bottom - 2}, colours[kSkinButtonBorder]);
    }
    const HWND parent = GetParent(window);
    if ((GetWindowLongPtrW(window, GWL_STYLE) & SBARS_SIZEGRIP) && !(parent && IsZoomed(parent))) {
        // Three rows of dots in the corner.
        for (int row = 0; row < 3; ++row)
            for (int dot = 0; dot <= row; ++dot) {
                const int x = client.right - 4 - 4 * dot, y = client.bottom - 4 - 4 * (row - dot);
                Fill(dc, {x, y, x + 2, y + 2}, colours[kSkinButtonBorder]);
            }
    }
}

bool ClassIs(const wchar_t* name, const wchar_t* wanted) { return lstrcmpiW(name, wanted) == 0; }

}  // namespace

void PaintUnder(HWND child, HDC dc, const RECT& area, const SkinColours& colours) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    PaintUnderAll(child, dc, area, colours);
    RestoreDC(dc, saved);
}

SkinnedKind KindOf(HWND window) {
    wchar_t name[64];
    if (!GetClassNameW(window, name, 64)) return SkinnedKind::kOther;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (ClassIs(name, L"Button")) {
        if (style & (BS_BITMAP | BS_ICON)) return SkinnedKind::kOther;
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON: return (style & BS_PUSHLIKE) ? SkinnedKind::kOther : SkinnedKind::kPushButton;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: return (style & BS_PUSHLIKE) ? SkinnedKind::kOther : SkinnedKind::kCheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return (style & BS_PUSHLIKE) ? SkinnedKind::kOther : SkinnedKind::kRadioButton;
        case BS_GROUPBOX: return SkinnedKind::kGroupBox;
        default: return SkinnedKind::kOther;
        }
    }
    if (ClassIs(name, L"Static")) {
        switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
        case SS_SIMPLE:
        case SS_LEFTNOWORDWRAP: return SkinnedKind::kLabel;
        default: return SkinnedKind::kOther;
        }
    }
    if (ClassIs(name, WC_TABCONTROLW)) return (style & (TCS_BUTTONS | TCS_VERTICAL)) ? SkinnedKind::kOther : SkinnedKind::kTab;
    if (ClassIs(name, STATUSCLASSNAMEW)) return SkinnedKind::kStatusBar;
    if (ClassIs(name, TRACKBAR_CLASSW)) return (style & TBS_VERT) ? SkinnedKind::kOther : SkinnedKind::kTrackBar;
    if (ClassIs(name, WC_COMBOBOXW))
        return (style & 3) == CBS_DROPDOWNLIST ? SkinnedKind::kComboBox : SkinnedKind::kOther;
    if (ClassIs(name, WC_LISTBOXW))
        return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE | LBS_NODATA)) ? SkinnedKind::kOther
                                                                                    : SkinnedKind::kListBox;
    if (ClassIs(name, WC_SCROLLBARW))
        return (style & (SBS_SIZEBOX | SBS_SIZEGRIP)) ? SkinnedKind::kOther : SkinnedKind::kScrollBar;
    return SkinnedKind::kOther;
}

void PaintNonClient(HWND window, const SkinColours& colours, bool active) {
    RECT frame, client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    client = ToWindow(window, client);
    const RECT whole{0, 0, frame.right - frame.left, frame.bottom - frame.top};
    if (EqualRect(&whole, &client)) return;
    const HDC dc = GetWindowDC(window);
    if (!dc) return;
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    const COLORREF back = active ? colours[kSkinCaption] : colours[kSkinInactiveCaption];
    const COLORREF ink = active ? colours[kSkinCaptionText] : colours[kSkinInactiveCaptionText];
    Fill(dc, whole, back);
    Outline(dc, whole, colours[kSkinFrame]);
    TITLEBARINFO title{};
    title.cbSize = sizeof title;
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION && GetTitleBarInfo(window, &title) &&
        !(title.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)))
        PaintCaption(window, dc, ToWindow(window, title.rcTitleBar), back, ink, colours);
    PaintMenuBar(window, dc, colours);
    ReleaseDC(window, dc);
}

bool PaintControl(HWND window, HDC dc, SkinnedKind kind, const SkinColours& colours, bool hot) {
    switch (kind) {
    case SkinnedKind::kPushButton: PaintPushButton(window, dc, colours, hot); return true;
    case SkinnedKind::kCheckBox: PaintCheck(window, dc, colours, hot, false); return true;
    case SkinnedKind::kRadioButton: PaintCheck(window, dc, colours, hot, true); return true;
    case SkinnedKind::kGroupBox: PaintGroupBox(window, dc, colours); return true;
    case SkinnedKind::kLabel: PaintLabel(window, dc, colours); return true;
    case SkinnedKind::kTab: PaintTab(window, dc, colours); return true;
    case SkinnedKind::kStatusBar: PaintStatusBar(window, dc, colours); return true;
    case SkinnedKind::kTrackBar: PaintTrackBar(window, dc, colours, hot); return true;
    case SkinnedKind::kComboBox: PaintComboBox(window, dc, colours, hot); return true;
    case SkinnedKind::kListBox: PaintListBox(window, dc, colours); return true;
    case SkinnedKind::kScrollBar: PaintScrollBar(window, dc, colours); return true;
    case SkinnedKind::kOther: return false;
    }
    return false;
}
