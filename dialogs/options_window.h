// The options window 快捷设置 (Ctrl+K): every option on one scrolled panel.
// OK stores the controls in the settings record, has the main window apply
// the options that act on live windows, and writes the option keys.
#pragma once

#include <windows.h>

#include "options_confirm.h"

// What the window keeps from one opening to the next while the program
// runs, and never stores.
struct OptionsSession {
    bool SmartPaste = false;  // 双击时智能粘贴: ticked or not; nothing reads it
};

// Modal over `owner`; true when OK was pressed. 取消 and the close box
// change nothing.
bool RunOptionsWindow(HINSTANCE instance, HWND owner, Settings& settings, SettingsFile& file, OptionsHost& host,
                      OptionsSession& session);
