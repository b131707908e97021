#include "window.h"

#include "gbk_codec.h"

Window::~Window() {
    if (!handle_) return;
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
}

bool Window::Register(HINSTANCE instance, const WindowClass& windowClass) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = windowClass.Style;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = instance;
    wc.hIcon = windowClass.Icon;
    wc.hIconSm = windowClass.SmallIcon;
    wc.hCursor = windowClass.Cursor;
    wc.hbrBackground = windowClass.Background;
    wc.lpszClassName = windowClass.Name;
    if (RegisterClassExW(&wc)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::Create(HINSTANCE instance, const wchar_t* className, const std::string& gbkTitle, DWORD style,
                    DWORD exStyle, HWND parent, HMENU menu) {
    if (handle_) return false;
    const std::wstring title = GbkToWide(gbkTitle);
    // The handle is stored at WM_NCCREATE, before CreateWindowExW returns.
    const HWND made = CreateWindowExW(exStyle, className, title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, parent, menu, instance, this);
    if (!made) handle_ = nullptr;
    return made != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after WM_NCDESTROY.
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
    }
    return result;
}
