// A top-level or child window whose messages reach a C++ object: the window
// procedure finds the object in GWLP_USERDATA, set from CreateWindowExW's
// parameter at WM_NCCREATE and cleared at WM_NCDESTROY.
#pragma once

#include <windows.h>

#include <string>

// What a window class looks like; zero members take the system's defaults.
struct WindowClass {
    const wchar_t* Name = nullptr;
    HICON Icon = nullptr;
    HICON SmallIcon = nullptr;
    HCURSOR Cursor = nullptr;
    HBRUSH Background = nullptr;
    UINT Style = 0;
};

class Window {
public:
    Window() = default;
    // Destroys a window still open, without calling back into the object:
    // a derived class that wants WM_DESTROY calls DestroyWindow itself.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Registers a class whose windows are made by Create only. A class
    // registered before counts as registered.
    static bool Register(HINSTANCE instance, const WindowClass& windowClass);

    // Creates the window at the system's default place (children at 0,0
    // with no size). False when it exists already or creation failed.
    bool Create(HINSTANCE instance, const wchar_t* className, const std::string& gbkTitle, DWORD style,
                DWORD exStyle = 0, HWND parent = nullptr, HMENU menu = nullptr);

    HWND Handle() const { return handle_; }

protected:
    // Every message from WM_NCCREATE to WM_NCDESTROY; Handle() is valid
    // throughout.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};
