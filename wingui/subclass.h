// A handler put in front of one window's procedure through the system's
// subclass chain (comctl32), so that several can be stacked on a window and
// removed in any order. Install and remove on the window's own thread.
#pragma once

#include <windows.h>

#include <functional>

class Subclass {
public:
    // Sets `handled` to use the result returned; left false, the message
    // goes on to the window's own behaviour and that result is returned.
    using Handler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)>;

    Subclass() = default;
    ~Subclass() { Remove(); }
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    // One window at a time: installing again moves the handler.
    bool Install(HWND window, Handler handler);
    // Also done at the window's WM_NCDESTROY (after the handler saw it).
    void Remove();

    HWND Window() const { return window_; }

    // The window's behaviour without this handler; only from inside the
    // handler, while it handles a message of the window.
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);

    HWND window_ = nullptr;
    Handler handler_;
};
