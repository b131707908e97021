#include "tray_icon.h"

#include <shellapi.h>

#include <cwchar>

bool TrayIcon::Add(HWND window, UINT callbackMessage, HICON icon, const wchar_t* tip) {
    Remove();
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = icon;
    std::wcsncpy(data.szTip, tip, sizeof data.szTip / sizeof data.szTip[0] - 1);
    shown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    if (shown_) window_ = window;
    return shown_;
}

void TrayIcon::Remove() {
    if (!shown_) return;
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = 1;
    Shell_NotifyIconW(NIM_DELETE, &data);
    shown_ = false;
}
