#include "main_menus.h"

#include "command_table.h"
#include "menu.h"
#include "resource_ids.h"

void MainMenus::Load(HINSTANCE instance) {
    bar_.reset(LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAIN_MENU)));
    contextRoot_.reset(LoadMenuW(instance, MAKEINTRESOURCEW(IDR_CONTEXT_MENU)));
    context_ = contextRoot_ ? GetSubMenu(contextRoot_.get(), 0) : nullptr;
    trayRoot_.reset(LoadMenuW(instance, MAKEINTRESOURCEW(IDR_TRAY_MENU)));
    tray_ = trayRoot_ ? GetSubMenu(trayRoot_.get(), 0) : nullptr;
}

void MainMenus::Refresh(const CommandTable& commands) const {
    commands.UpdateMenu(Bar());
    commands.UpdateMenu(context_);
    commands.UpdateMenu(tray_);
}

void MainMenus::SetCompatCopyVisible(HWND window, bool visible) {
    // Read while the items are still in the menus, to put them back later.
    if (compatCaption_.empty()) {
        compatCaption_ = MenuItemCaption(Bar(), IDM_COPY_COMPAT);
        compatContextCaption_ = MenuItemCaption(context_, IDM_COPY_COMPAT);
    }
    SetMenuItemShown(Bar(), IDM_COPY_COMPAT, IDM_PASTE, visible, compatCaption_);
    SetMenuItemShown(context_, IDM_COPY_COMPAT, IDM_PASTE, visible, compatContextCaption_);
    if (GetMenu(window)) DrawMenuBar(window);
}

void MainMenus::WindowDestroyed(HWND window) {
    if (bar_ && GetMenu(window) == bar_.get()) static_cast<void>(bar_.release());
}
