// SkinH_EL.dll: the program's own skin engine. Attaching a skin subclasses
// every window of the calling thread, those that exist and (through a
// thread-local window-creation hook) those made later, and answers their
// colour questions with the skin's colours. The
// edit controls keep the program's own colours: they are never subclassed,
// and WM_CTLCOLOREDIT is left alone.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "skin_format.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x5348;
constexpr DWORD kCaptionColourAttribute = 35;  // DWMWA_CAPTION_COLOR, Windows 11
constexpr COLORREF kDefaultCaption = 0xFFFFFFFF;

struct Engine {
    bool skinned = false;
    bool effects = false;
    int effectsStrength = kFullEffectsStrength;
    SkinFile skin;
    COLORREF colours[kSkinColourCount] = {};
    HBRUSH window = nullptr;
    HBRUSH control = nullptr;
    HHOOK hook = nullptr;
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

void Recolour() {
    for (int role = 0; role < kSkinColourCount; ++role) engine.colours[role] = engine.skin.colours[role];
}

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
        HBRUSH brush = CreateSolidBrush(BlendSkinColour(bottom, top, kFullEffectsStrength * band / (kBands - 1)));
        FillRect(dc, &part, brush);
        DeleteObject(brush);
    }
}

// The background of dialogs, tabs and the program's top-level windows.
bool EraseBackground(HWND window, HDC dc) {
    if (!engine.skinned) return false;
    const bool child = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
    const bool dialog = ClassIs(window, L"#32770");
    if (ClassIs(window, WC_TABCONTROLW)) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, engine.control);
        return true;
    }
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

// The status bar, the menu bar's background and the caption of one window.
void Dress(HWND window) {
    if (ClassIs(window, STATUSCLASSNAMEW))
        SendMessageW(window, SB_SETBKCOLOR, 0, engine.skinned ? engine.colours[kSkinStatusBar] : CLR_DEFAULT);
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) return;
    if (HMENU menu = GetMenu(window)) {
        MENUINFO info{};
        info.cbSize = sizeof info;
        info.fMask = MIM_BACKGROUND;
        info.hbrBack = engine.skinned ? engine.control : nullptr;
        SetMenuInfo(menu, &info);
        DrawMenuBar(window);
    }
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

LRESULT CALLBACK SkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        const COLORREF textBefore = GetTextColor(dc);
        const LRESULT answer = DefSubclassProc(window, message, wParam, lParam);
        // The window's own colours win over the skin's.
        if (!engine.skinned || !IsSystemBrush(reinterpret_cast<HBRUSH>(answer)) ||
            (message == WM_CTLCOLORSTATIC && KeepsOwnColours(reinterpret_cast<HWND>(lParam))))
            return answer;
        const bool list = message == WM_CTLCOLORLISTBOX;
        if (GetTextColor(dc) == textBefore)
            SetTextColor(dc, engine.colours[list ? kSkinMenuText : kSkinLabelText]);
        SetBkColor(dc, engine.colours[list ? kSkinMenu : kSkinDialog]);
        return reinterpret_cast<LRESULT>(list ? engine.control : engine.window);
    }
    case WM_ERASEBKGND:
        if (EraseBackground(window, reinterpret_cast<HDC>(wParam))) return 1;
        break;
    case WM_CREATE: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        Dress(window);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, SkinProc, kSubclassId);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void Subclass(HWND window) {
    if (!KeepsOwnColours(window)) SetWindowSubclass(window, SkinProc, kSubclassId, 0);
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) Subclass(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(engine.hook, code, wParam, lParam);
}

BOOL CALLBACK DressChild(HWND window, LPARAM) {
    Subclass(window);
    Dress(window);
    return TRUE;
}

BOOL CALLBACK DressTopLevel(HWND window, LPARAM) {
    DressChild(window, 0);
    EnumChildWindows(window, DressChild, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

// New colours for every window of the thread; the old brushes go only after
// no menu holds them any more.
void Refresh() {
    Recolour();
    HBRUSH oldWindow = engine.window, oldControl = engine.control;
    engine.window = CreateSolidBrush(engine.colours[kSkinDialog]);
    engine.control = CreateSolidBrush(engine.colours[kSkinMenu]);
    if (engine.hook == nullptr)
        engine.hook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    EnumThreadWindows(GetCurrentThreadId(), DressTopLevel, 0);
    if (oldWindow) DeleteObject(oldWindow);
    if (oldControl) DeleteObject(oldControl);
}

}  // namespace

// Attaches the skin in `bytes`; an empty or damaged one attaches the system
// look. The name, password and resource arguments are unused.
extern "C" int WINAPI SkinH_AttachRes(const void* bytes, int count, const char*, int, int, int) {
    const auto skin = count > 0 ? ParseSkin(bytes, static_cast<std::size_t>(count)) : std::nullopt;
    engine.skinned = skin && !skin->systemLook;
    if (engine.skinned) engine.skin = *skin;
    Refresh();
    return engine.skinned ? 0 : -1;
}

// Effects (the gradient backgrounds) on (1) or off (0).
extern "C" int WINAPI SkinH_SetAero(int on) {
    engine.effects = on != 0;
    if (engine.hook) Refresh();
    return 0;
}

// The first argument, 0..500, is how strongly the effects layer (the
// gradient) shows over the skin; the skin itself always shows whole. The
// others are unused.
extern "C" int WINAPI SkinH_AdjustAero(int strength, int, int, int, int, int, int, int, int) {
    engine.effectsStrength = std::clamp(strength, 0, kFullEffectsStrength);
    if (engine.hook) Refresh();
    return 0;
}
