// Child-window, timer and private message ids of the main window.
#pragma once

#include <windows.h>

constexpr int kBoxId = 1001;
constexpr int kStatusBarId = 1002;

constexpr UINT_PTR kKeyDelayTimerId = 1;   // 按钮延迟
constexpr UINT_PTR kEdgeHideTimerId = 2;   // 边缘隐藏
constexpr UINT_PTR kClockTimerId = 3;      // 时间

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kEndMessage = WM_APP + 2;          // the quit commands' end of the program
constexpr UINT kWriteFailedMessage = WM_APP + 3;  // reports a failed settings write

// Ends the program once the message being handled is done: the close
// query is skipped, the exit save runs on the way.
inline void PostEndOfProgram(HWND mainWindow) { PostMessageW(mainWindow, kEndMessage, 0, 0); }
