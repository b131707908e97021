// The program's icon in the notification area.
#pragma once

#include <windows.h>

class TrayIcon {
public:
    ~TrayIcon() { Remove(); }

    // True when the icon is in the tray; its mouse events come to `window`
    // as `callbackMessage`.
    bool Add(HWND window, UINT callbackMessage, HICON icon, const wchar_t* tip);
    void Remove();
    bool Shown() const { return shown_; }

private:
    HWND window_ = nullptr;
    bool shown_ = false;
};
