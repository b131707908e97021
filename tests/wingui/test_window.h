// A plain top-level window of the tests' own class for dialogs, tool tips
// and controls to belong to, and the key-downs a real keyboard posts.
#pragma once

#include <windows.h>

#include <string>

#include "window.h"

inline const wchar_t* TestWindowClass() {
    WindowClass windowClass;
    windowClass.Name = L"NumerelWinguiTestWindow";
    windowClass.Background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    Window::Register(GetModuleHandleW(nullptr), windowClass);
    return windowClass.Name;
}

class TestWindow : public Window {
public:
    TestWindow() {
        Create(GetModuleHandleW(nullptr), TestWindowClass(), "", WS_OVERLAPPEDWINDOW);
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    }

    // A multi-line box, as the expression box is.
    HWND AddBox() const {
        return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 300, 200,
                               Handle(), nullptr, nullptr, nullptr);
    }

    HWND AddEdit(int id) const {
        return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 30 * id, 200, 24, Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
};

inline void PostKeyDown(HWND window, WPARAM key) {
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, key, 1 | static_cast<LPARAM>(scan) << 16);
}

inline std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}
