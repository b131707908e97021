// What the mouse does on the status bar 状态条: each click runs an entry of
// the main window's command table, like a menu item or a key.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "resource_ids.h"

struct StatusBarClick {
    UINT Notification;  // NM_CLICK, NM_DBLCLK or NM_RCLICK from the status bar
    UINT Command;
};

inline constexpr StatusBarClick kStatusBarClicks[] = {
    {static_cast<UINT>(NM_CLICK), IDM_REFRESH_LINE},      // refreshes the caret's line
    {static_cast<UINT>(NM_DBLCLK), IDM_CLEAR_BOX},        // clears the box
    {static_cast<UINT>(NM_RCLICK), IDM_TOGGLE_KEYBOARD},  // opens or closes the virtual keyboard
};
