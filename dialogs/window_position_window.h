// The window-position window 自定义窗口位置(请勿超出屏幕！): the four start-up
// placement texts, 确定 only while start-up would keep them.
#pragma once

#include <windows.h>

class SettingsFile;

enum class WindowPositionResult {
    Saved,      // 确定: the four texts written
    Cancelled,  // 取消 or Esc
    Closed,     // the close box: nothing else happens
};

// Modal over `owner`; the screen is the primary screen.
WindowPositionResult RunWindowPositionWindow(HINSTANCE instance, HWND owner, SettingsFile& file);
