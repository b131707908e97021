// Closing the main window: minimised first, then closed, hidden in the tray
// or left minimised as 退出设置 and the exit question decide; the tray icon
// and its menu bring it back. A log-off or shut-down closes at once.
#pragma once

#include <windows.h>

#include "subclass.h"
#include "tray_icon.h"

class EdgeDocking;
class ExpressionBox;
class KeyboardWindow;
class MainMenus;
class ModeDisplays;
class SettingsFile;
struct Settings;

class WindowClosing {
public:
    WindowClosing(Settings& settings, EdgeDocking& edge, const ExpressionBox& box, const MainMenus& menus,
                  ModeDisplays& modes)
        : settings_(settings), edge_(edge), box_(box), menus_(menus), modes_(modes) {}
    WindowClosing(const WindowClosing&) = delete;
    WindowClosing& operator=(const WindowClosing&) = delete;

    // The main window once made, the settings file its close writes to, and
    // the keyboard window whose state the close keeps for the next start.
    void Attach(HWND window, SettingsFile& file, const KeyboardWindow& keyboard);
    // The tray icon, whose mouse events come as `callbackMessage`.
    void AddTrayIcon(UINT callbackMessage, HICON icon);
    void RemoveTrayIcon() { tray_.Remove(); }
    bool TrayIconShown() const { return tray_.Shown(); }
    // From now on Windows' question before a log-off or shut-down is
    // noticed; a cancelled one clears it.
    void WatchSessionEnd();
    bool SessionEnding() const { return sessionEnding_; }

    // WM_CLOSE: true lets the window close; a refused close leaves it
    // minimised or hidden.
    bool CloseQuery();
    // Back from the tray or the task bar in its remembered state, in front.
    void BringBack();
    void OnTrayEvent(LPARAM mouseMessage);

private:
    bool ExitDecision();
    // Hidden in the tray; without a tray icon nothing could bring it back,
    // so it stays minimised instead.
    void HideToTray();
    void ShowTrayMenu();

    Settings& settings_;
    EdgeDocking& edge_;
    const ExpressionBox& box_;
    const MainMenus& menus_;
    ModeDisplays& modes_;
    HWND window_ = nullptr;
    SettingsFile* file_ = nullptr;
    const KeyboardWindow* keyboard_ = nullptr;
    TrayIcon tray_;
    Subclass sessionWatch_;
    bool sessionEnding_ = false;
};
