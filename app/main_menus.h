// The main window's three menus, loaded from the resources: the menu bar,
// the context menu 右键菜单 and the tray menu. They are greyed and checked
// from the command table, and the two 复制(兼容) items come and go with the
// multiplication-sign option.
#pragma once

#include <windows.h>

#include <string>

#include "owned_handles.h"

class CommandTable;

class MainMenus {
public:
    void Load(HINSTANCE instance);

    HMENU Bar() const { return bar_.get(); }
    HMENU Context() const { return context_; }
    HMENU Tray() const { return tray_; }

    // Every item greyed and checked as `commands` says.
    void Refresh(const CommandTable& commands) const;
    // Both 复制(兼容) items shown or hidden; `window` redraws its menu bar.
    void SetCompatCopyVisible(HWND window, bool visible);
    // `window` is being destroyed: a menu bar it shows goes with it, one it
    // hides stays this object's to free.
    void WindowDestroyed(HWND window);

private:
    OwnedMenu bar_;
    OwnedMenu contextRoot_;
    OwnedMenu trayRoot_;
    HMENU context_ = nullptr;  // sub-menus of the roots, freed with them
    HMENU tray_ = nullptr;
    std::wstring compatCaption_;         // 复制(兼容) of the menu bar
    std::wstring compatContextCaption_;  // and of the context menu
};
