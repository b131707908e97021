// SkinH_EL.dll: the program's own skin engine. Attaching a skin subclasses
// every window of the calling thread, those that exist and (through a
// thread-local window-creation hook) those made later. It paints the frame,
// caption and menu bar of top-level windows, the items of pop-up menus
// while they show, and the whole of push buttons, check boxes, radio
// buttons, group boxes, labels, tabs, status bars, track bars, drop-down
// lists, list boxes and scroll bar controls in the skin's colours, and
// answers the other controls' colour questions.
// The edit controls keep the program's own look: they are never subclassed,
// and WM_CTLCOLOREDIT is left alone. The system look (skin 16, or a damaged
// skin) removes every subclass and the hook again.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "skin_format.h"
#include "skin_menu.h"
#include "skin_paint.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x5348;
constexpr DWORD kCaptionColourAttribute = 35;  // DWMWA_CAPTION_COLOR, Windows 11
constexpr COLORREF kDefaultCaption = 0xFFFFFFFF;
// Set on a top-level window while its caption is drawn inactive.
constexpr wchar_t kInactiveProperty[] = L"SkinH_EL.Inactive";

struct Engine {
    bool skinned = false;
    bool effects = false;
    int effectsStrength = kFullEffectsStrength;
    SkinColours colours;
    HBRUSH window = nullptr;
    HBRUSH control = nullptr;
    HHOOK hook = nullptr;
    HWND hot = nullptr;  // the control under the mouse
} engine;

bool ClassIs(HWND window, const wchar_t* name) {
    wchar_t buffer[64];
    return GetClassNameW(window, buffer, 64) > 0 && lstrcmpiW(buffer, name) == 0;
}

bool KeepsOwnColours(HWND window) {
    wchar_t buffer[64];
    if (GetClassNameW(window, buffer, 64) == 0) return true;
    return lstrcmpiW(buffer, L"Edit") == 0 || _wcsnicmp(buffer, L"RichEdit", 8) == 0;
}

bool IsSystemBrush(HBRUSH brush) {
    if (brush == nullptr) return true;
    for (int i = 0; i <= COLOR_MENUBAR; ++i)
        if (brush == GetSysColorBrush(i)) return true;
    return false;
}

bool IsTopLevel(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0; }

void FillGradient(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    const COLORREF top = engine.colours[kSkinDialog];
    const COLORREF bottom = BlendSkinColour(engine.colours[kSkinGradientEnd], top, engine.effectsStrength);
    const int height = std::max<int>(1, client.bottom - client.top);
    constexpr int kBands = 32;
    for (int band = 0; band < kBands; ++band) {
        RECT part = client;
        part.top = client.top + height * band / kBands;
        part.bottom = client.top + height * (band + 1) / kBands;
        SetDCBrushColor(dc, BlendSkinColour(bottom, top, kFullEffectsStrength * band / (kBands - 1)));
        FillRect(dc, &part, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
}

// The background of dialogs and the program's top-level windows.
bool EraseBackground(HWND window, HDC dc) {
    const bool child = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
    const bool dialog = ClassIs(window, L"#32770");
    if (child && !dialog) return false;
    if (engine.effects) {
        FillGradient(window, dc);
        return true;
    }
    if (dialog) return false;  // WM_CTLCOLORDLG gives the skin's brush
    const auto classBrush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND));
    if (classBrush == nullptr || (reinterpret_cast<ULONG_PTR>(classBrush) > COLOR_MENUBAR + 1 &&
                                  !IsSystemBrush(classBrush)))
        return false;
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, engine.window);
    return true;
}

using CaptionColourCall = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

// The caption colour where the system composes captions itself.
void DressCaption(HWND window) {
    if (!IsTopLevel(window)) return;
    static const auto setCaption = [] {
        HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
        return dwm ? reinterpret_cast<CaptionColourCall>(
                         reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")))
                   : nullptr;
    }();
    if (setCaption) {
        const COLORREF caption = engine.skinned ? engine.colours[kSkinCaption] : kDefaultCaption;
        setCaption(window, kCaptionColourAttribute, &caption, sizeof caption);
    }
}

void PaintFrame(HWND window) {
    if (IsTopLevel(window) && IsWindowVisible(window))
        PaintNonClient(window, engine.colours, GetPropW(window, kInactiveProperty) == nullptr);
}

// Paints a control now, after the control drew itself outside WM_PAINT.
void RepaintNow(HWND window, SkinnedKind kind) {
    if (!IsWindowVisible(window)) return;
    const HDC dc = GetDC(window);
    PaintControl(window, dc, kind, engine.colours, engine.hot == window);
    ReleaseDC(window, dc);
}

// Messages after which a control the engine paints draws itself at once,
// outside WM_PAINT.
bool DrawsItselfAfter(HWND window, SkinnedKind kind, UINT message) {
    if (kind == SkinnedKind::kListBox) {
        switch (message) {
        case LB_SETSEL:
        case LB_SETCURSEL:
        case LB_SELITEMRANGE:
        case LB_SELITEMRANGEEX:
        case LB_SETCARETINDEX:
        case WM_MOUSEWHEEL:
        case WM_VSCROLL: return true;
        case WM_MOUSEMOVE: return GetCapture() == window;  // choosing by dragging
        default: break;
        }
    }
    if (kind == SkinnedKind::kComboBox && (message == CB_SETCURSEL || message == CB_SHOWDROPDOWN)) return true;
    if (kind == SkinnedKind::kScrollBar) {
        switch (message) {
        case SBM_SETSCROLLINFO:
        case SBM_SETPOS:
        case SBM_SETRANGEREDRAW:
        case SBM_ENABLE_ARROWS: return true;
        default: break;
        }
    }
    switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_UPDATEUISTATE:
    case WM_CAPTURECHANGED: return true;
    default: return false;
    }
}

// Messages after which the system has drawn a top-level window's frame,
// caption or menu bar in its own look.
bool DrawsFrameAfter(UINT message) {
    switch (message) {
    case WM_NCPAINT:
    case WM_SETTEXT:
    case WM_NCLBUTTONDOWN:
    case WM_MENUSELECT:
    case WM_EXITMENULOOP:
    case WM_INITMENU:
    case WM_SETICON: return true;
    default: return false;
    }
}

void TrackHot(HWND window, SkinnedKind kind, bool inside) {
    if (inside && engine.hot != window) {
        const HWND before = engine.hot;
        engine.hot = window;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        if (before && IsWindow(before)) InvalidateRect(before, nullptr, FALSE);
        RepaintNow(window, kind);
    } else if (!inside && engine.hot == window) {
        engine.hot = nullptr;
        RepaintNow(window, kind);
    }
}

LRESULT CALLBACK SkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    const auto kind = static_cast<SkinnedKind>(data);
    switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        const COLORREF textBefore = GetTextColor(dc);
        const LRESULT answer = DefSubclassProc(window, message, wParam, lParam);
        // The window's own colours win over the skin's.
        if (!IsSystemBrush(reinterpret_cast<HBRUSH>(answer)) ||
            (message == WM_CTLCOLORSTATIC && KeepsOwnColours(reinterpret_cast<HWND>(lParam))))
            return answer;
        const bool list = message == WM_CTLCOLORLISTBOX;
        // The dialog manager's default text colour is not the program's own.
        const COLORREF text = GetTextColor(dc);
        if (text == textBefore || text == GetSysColor(COLOR_WINDOWTEXT) || text == GetSysColor(COLOR_BTNTEXT))
            SetTextColor(dc, engine.colours[list ? kSkinMenuText : kSkinLabelText]);
        SetBkColor(dc, engine.colours[list ? kSkinMenu : kSkinDialog]);
        return reinterpret_cast<LRESULT>(list ? engine.control : engine.window);
    }
    case WM_ERASEBKGND:
        if (kind != SkinnedKind::kOther) return 1;  // WM_PAINT covers every pixel
        if (EraseBackground(window, reinterpret_cast<HDC>(wParam))) return 1;
        break;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (kind != SkinnedKind::kOther) {
            PAINTSTRUCT paint;
            const HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(window, &paint);
            PaintControl(window, dc, kind, engine.colours, engine.hot == window);
            if (!wParam) EndPaint(window, &paint);
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        if (kind != SkinnedKind::kOther) TrackHot(window, kind, true);
        break;
    case WM_MOUSELEAVE:
        if (kind != SkinnedKind::kOther) TrackHot(window, kind, false);
        break;
    case WM_NCACTIVATE:
        if (IsTopLevel(window)) {
            if (wParam) {
                RemovePropW(window, kInactiveProperty);
            } else {
                SetPropW(window, kInactiveProperty, reinterpret_cast<HANDLE>(1));
            }
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            PaintFrame(window);
            return result;
        }
        break;
    // Pop-up menus: drawn by the engine while they show.
    case WM_INITMENUPOPUP: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (!HIWORD(lParam)) TakeMenu(reinterpret_cast<HMENU>(wParam), engine.control);
        return result;
    }
    case WM_UNINITMENUPOPUP:
        ReleaseMenu(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_MEASUREITEM:
        if (MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_DRAWITEM:
        if (DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), engine.colours)) return TRUE;
        break;
    case WM_MENUCHAR:
        return MenuAccessKey(reinterpret_cast<HMENU>(lParam), LOWORD(wParam),
                             DefSubclassProc(window, message, wParam, lParam));
    case WM_CREATE: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        DressCaption(window);
        return result;
    }
    case WM_EXITMENULOOP:
        ReleaseAllMenus();
        break;
    // A scroll bar control draws itself while it tracks the mouse and tells
    // its parent each step: it is painted again after every one.
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (lParam) {
            const auto bar = reinterpret_cast<HWND>(lParam);
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            if (IsWindow(bar) && KindOf(bar) == SkinnedKind::kScrollBar) RepaintNow(bar, SkinnedKind::kScrollBar);
            return result;
        }
        break;
    case WM_NCDESTROY:
        if (engine.hot == window) engine.hot = nullptr;
        RemovePropW(window, kInactiveProperty);
        RemoveWindowSubclass(window, SkinProc, kSubclassId);
        break;
    }
    if (kind != SkinnedKind::kOther && DrawsItselfAfter(window, kind, message)) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        RepaintNow(window, kind);
        return result;
    }
    if ((message == WM_PAINT || message == WM_NCPAINT) && ClassIs(window, L"#32768")) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        PaintMenuBorder(window, engine.colours);
        return result;
    }
    if (IsTopLevel(window) && DrawsFrameAfter(message)) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        PaintFrame(window);
        return result;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void Subclass(HWND window) {
    if (KeepsOwnColours(window)) return;
    if (engine.skinned) {
        SetWindowSubclass(window, SkinProc, kSubclassId, static_cast<DWORD_PTR>(KindOf(window)));
    } else {
        RemoveWindowSubclass(window, SkinProc, kSubclassId);
        RemovePropW(window, kInactiveProperty);
    }
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) Subclass(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(engine.hook, code, wParam, lParam);
}

BOOL CALLBACK DressChild(HWND window, LPARAM) {
    Subclass(window);
    DressCaption(window);
    return TRUE;
}

BOOL CALLBACK DressTopLevel(HWND window, LPARAM) {
    DressChild(window, 0);
    EnumChildWindows(window, DressChild, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

// New colours for every window of the thread; the old brushes go only after
// no window holds them any more.
void Refresh() {
    HBRUSH oldWindow = engine.window, oldControl = engine.control;
    engine.window = engine.skinned ? CreateSolidBrush(engine.colours[kSkinDialog]) : nullptr;
    engine.control = engine.skinned ? CreateSolidBrush(engine.colours[kSkinMenu]) : nullptr;
    if (engine.skinned && engine.hook == nullptr)
        engine.hook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    if (!engine.skinned && engine.hook) {
        UnhookWindowsHookEx(engine.hook);
        engine.hook = nullptr;
    }
    if (!engine.skinned) engine.hot = nullptr;
    // A menu open now takes the new colours, or goes back to the system's.
    if (engine.skinned) {
        RebrushMenus(engine.control);
    } else {
        ReleaseAllMenus();
    }
    EnumThreadWindows(GetCurrentThreadId(), DressTopLevel, 0);
    if (oldWindow) DeleteObject(oldWindow);
    if (oldControl) DeleteObject(oldControl);
}

}  // namespace

// Attaches the skin in `bytes`; an empty or damaged one attaches the system
// look. The name, password and resource arguments are unused.
extern "C" int WINAPI SkinH_AttachRes(const void* bytes, int count, const char*, int, int, int) {
    const auto skin = count > 0 ? ParseSkin(bytes, static_cast<std::size_t>(count)) : std::nullopt;
    const bool wasSkinned = engine.skinned;
    engine.skinned = skin && !skin->systemLook;
    if (engine.skinned) std::copy(skin->colours.begin(), skin->colours.end(), engine.colours.of);
    if (engine.skinned || wasSkinned) Refresh();
    return engine.skinned ? 0 : -1;
}

// Effects (the gradient backgrounds) on (1) or off (0).
extern "C" int WINAPI SkinH_SetAero(int on) {
    if (engine.effects == (on != 0)) return 0;
    engine.effects = on != 0;
    if (engine.skinned) Refresh();
    return 0;
}

// The first argument, 0..500, is how strongly the effects layer (the
// gradient) shows over the skin; the skin itself always shows whole. The
// others are unused.
extern "C" int WINAPI SkinH_AdjustAero(int strength, int, int, int, int, int, int, int, int) {
    const int effectsStrength = std::clamp(strength, 0, kFullEffectsStrength);
    if (effectsStrength == engine.effectsStrength) return 0;
    engine.effectsStrength = effectsStrength;
    // Only the gradient shows the strength: a slider dragged with the
    // effects off repaints nothing.
    if (engine.skinned && engine.effects) Refresh();
    return 0;
}
