// The painters of the controls that hold a value: the track bar, drop-down
// lists, list boxes and scroll bar controls, drawn whole in the skin's
// colours.
#include "skin_paint.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin_draw.h"

namespace {

// Item `index` of a list or a combo box's list, read with its length and
// text messages (LB_GETTEXTLEN and LB_GETTEXT, or the CB_ pair).
std::wstring ItemText(HWND window, UINT lengthMessage, UINT textMessage, WPARAM index) {
    std::wstring text(static_cast<size_t>(std::max<LRESULT>(0, SendMessageW(window, lengthMessage, index, 0))) + 1,
                      L'\0');
    text.resize(static_cast<size_t>(
        std::max<LRESULT>(0, SendMessageW(window, textMessage, index, reinterpret_cast<LPARAM>(text.data())))));
    return text;
}

// The dotted focus rectangle in the skin's colours: its dots take the
// DC's text and background colours.
void FocusRectangle(HDC dc, const RECT& rect, COLORREF ink, COLORREF paper) {
    SetTextColor(dc, ink);
    SetBkColor(dc, paper);
    DrawFocusRect(dc, &rect);
}

}  // namespace

void PaintTrackBar(HWND window, HDC dc, const SkinColours& colours, bool hot) {
    RECT client, channel, thumb;
    GetClientRect(window, &client);
    PaintUnder(window, dc, client, colours);
    SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    Fill(dc, channel, colours[kSkinScrollTrack]);
    Outline(dc, channel, colours[kSkinButtonBorder]);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (!(style & TBS_NOTICKS)) {
        // The ends and every tick between them, below the thumb (and above
        // it for TBS_BOTH or TBS_TOP).
        const int half = (thumb.right - thumb.left) / 2;
        std::vector<int> ticks{channel.left + half, channel.right - half - 1};
        const int inner = std::max<int>(0, static_cast<int>(SendMessageW(window, TBM_GETNUMTICS, 0, 0)) - 2);
        for (int i = 0; i < inner; ++i) ticks.push_back(static_cast<int>(SendMessageW(window, TBM_GETTICPOS, i, 0)));
        const COLORREF ink = IsWindowEnabled(window) ? colours[kSkinLabelText] : colours[kSkinDisabledText];
        for (int x : ticks) {
            if (x < 0) continue;
            if (!(style & TBS_TOP) || (style & TBS_BOTH)) Fill(dc, {x, thumb.bottom + 1, x + 1, thumb.bottom + 4}, ink);
            if (style & (TBS_TOP | TBS_BOTH)) Fill(dc, {x, thumb.top - 4, x + 1, thumb.top - 1}, ink);
        }
    }
    const bool pressed = GetCapture() == window;
    COLORREF face = colours[kSkinScrollThumb];
    if (pressed) {
        face = colours[kSkinButtonPressed];
    } else if (hot) {
        face = colours[kSkinButtonHot];
    }
    Fill(dc, thumb, face);
    Outline(dc, thumb, pressed || GetFocus() == window ? colours[kSkinCheckMark] : colours[kSkinButtonBorder]);
}

void PaintComboBox(HWND window, HDC dc, const SkinColours& colours, bool hot) {
    RECT client;
    GetClientRect(window, &client);
    const bool enabled = IsWindowEnabled(window);
    const bool focused = GetFocus() == window;
    Fill(dc, client, hot && enabled ? colours[kSkinButtonHot] : colours[kSkinButtonFace]);
    Outline(dc, client, focused ? colours[kSkinCheckMark] : colours[kSkinButtonBorder]);
    const int button = GetSystemMetrics(SM_CXVSCROLL);
    const RECT arrow{client.right - button, client.top + 1, client.right - 1, client.bottom - 1};
    Fill(dc, {arrow.left, arrow.top, arrow.left + 1, arrow.bottom}, colours[kSkinButtonBorder]);
    Triangle(dc, arrow, Pointing::kDown, enabled ? colours[kSkinButtonText] : colours[kSkinDisabledText]);
    RECT item{client.left + 3, client.top + 3, arrow.left - 2, client.bottom - 3};
    const LRESULT chosen = SendMessageW(window, CB_GETCURSEL, 0, 0);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
        // The owner draws the chosen item, as the control itself would ask.
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_COMBOBOX;
        draw.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
        draw.itemID = static_cast<UINT>(chosen);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = ODS_COMBOBOXEDIT | (enabled ? 0 : ODS_DISABLED) | (focused ? ODS_FOCUS : 0);
        draw.hwndItem = window;
        draw.hDC = dc;
        draw.rcItem = item;
        draw.itemData = chosen >= 0 ? static_cast<ULONG_PTR>(SendMessageW(window, CB_GETITEMDATA, chosen, 0)) : 0;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, item.left, item.top, item.right, item.bottom);
        SendMessageW(GetParent(window), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
        RestoreDC(dc, saved);
        return;
    }
    if (chosen >= 0) {
        const std::wstring text = ItemText(window, CB_GETLBTEXTLEN, CB_GETLBTEXT, chosen);
        FontIn font(dc, FontOf(window));
        Text(dc, text, item, enabled ? colours[kSkinButtonText] : colours[kSkinDisabledText],
             DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (focused && !SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0))
        FocusRectangle(dc, item, colours[kSkinButtonText], colours[kSkinButtonFace]);
}

void PaintListBox(HWND window, HDC dc, const SkinColours& colours) {
    RECT client;
    GetClientRect(window, &client);
    Fill(dc, client, colours[kSkinMenu]);
    const bool enabled = IsWindowEnabled(window);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const UINT tabs = (style & LBS_USETABSTOPS) ? DT_EXPANDTABS : 0;
    const LRESULT caret = SendMessageW(window, LB_GETCARETINDEX, 0, 0);
    const bool focused = GetFocus() == window;
    FontIn font(dc, FontOf(window));
    const int count = static_cast<int>(SendMessageW(window, LB_GETCOUNT, 0, 0));
    for (int i = static_cast<int>(SendMessageW(window, LB_GETTOPINDEX, 0, 0)); i >= 0 && i < count; ++i) {
        RECT item;
        if (SendMessageW(window, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item)) == LB_ERR) break;
        if (item.top >= client.bottom) break;
        const std::wstring text = ItemText(window, LB_GETTEXTLEN, LB_GETTEXT, i);
        COLORREF ink = enabled ? colours[kSkinMenuText] : colours[kSkinDisabledText];
        if (SendMessageW(window, LB_GETSEL, i, 0) > 0) {
            Fill(dc, item, colours[kSkinMenuHighlight]);
            if (enabled) ink = colours[kSkinMenuHighlightText];
        }
        RECT inner = item;
        inner.left += 2;
        Text(dc, text, inner, ink, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | tabs);
        if (focused && i == caret) FocusRectangle(dc, item, colours[kSkinMenuText], colours[kSkinMenu]);
    }
}

void PaintScrollBar(HWND window, HDC dc, const SkinColours& colours) {
    RECT client;
    GetClientRect(window, &client);
    Fill(dc, client, colours[kSkinScrollTrack]);
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(window, OBJID_CLIENT, &info)) return;
    const bool vertical = (GetWindowLongPtrW(window, GWL_STYLE) & SBS_VERT) != 0;
    const bool usable = IsWindowEnabled(window) && !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    const int length = vertical ? client.bottom : client.right;
    const int button = info.dxyLineButton;
    // The arrow buttons at both ends; rgstate 1 and 5 hold their pressed state.
    const struct {
        RECT box;
        DWORD state;
        Pointing direction;
    } arrows[] = {
        {vertical ? RECT{0, 0, client.right, button} : RECT{0, 0, button, client.bottom}, info.rgstate[1],
         vertical ? Pointing::kUp : Pointing::kLeft},
        {vertical ? RECT{0, length - button, client.right, length} : RECT{length - button, 0, length, client.bottom},
         info.rgstate[5], vertical ? Pointing::kDown : Pointing::kRight},
    };
    for (const auto& arrow : arrows) {
        Fill(dc, arrow.box, (arrow.state & STATE_SYSTEM_PRESSED) ? colours[kSkinButtonPressed] : colours[kSkinButtonFace]);
        Outline(dc, arrow.box, colours[kSkinButtonBorder]);
        Triangle(dc, arrow.box, arrow.direction, usable ? colours[kSkinButtonText] : colours[kSkinDisabledText]);
    }
    if (!usable || info.xyThumbBottom <= info.xyThumbTop) return;
    const RECT thumb = vertical ? RECT{1, info.xyThumbTop, client.right - 1, info.xyThumbBottom}
                                : RECT{info.xyThumbTop, 1, info.xyThumbBottom, client.bottom - 1};
    Fill(dc, thumb, (info.rgstate[3] & STATE_SYSTEM_PRESSED) ? colours[kSkinButtonPressed] : colours[kSkinScrollThumb]);
    Outline(dc, thumb, colours[kSkinButtonBorder]);
}
