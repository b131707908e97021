#include "subclass.h"

#include <commctrl.h>

#include <utility>

// The object's address is both the subclass id (unique on the window) and
// its reference data.
bool Subclass::Install(HWND window, Handler handler) {
    Remove();
    if (!window || !handler) return false;
    if (!SetWindowSubclass(window, &Subclass::Procedure, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    window_ = window;
    handler_ = std::move(handler);
    return true;
}

void Subclass::Remove() {
    if (!window_) return;
    RemoveWindowSubclass(window_, &Subclass::Procedure, reinterpret_cast<UINT_PTR>(this));
    window_ = nullptr;
}

LRESULT Subclass::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const {
    return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK Subclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR reference) {
    auto* self = reinterpret_cast<Subclass*>(reference);
    bool handled = false;
    // A copy: the handler may remove this subclass or install it elsewhere.
    const Handler handler = self->handler_;
    const LRESULT result = handler(message, wParam, lParam, handled);
    if (message == WM_NCDESTROY) {
        // The handler saw the end; the chain must not outlive the window.
        if (self->window_ == window) self->Remove();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return handled ? result : DefSubclassProc(window, message, wParam, lParam);
}
