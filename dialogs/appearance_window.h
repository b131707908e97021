// The appearance window 外观设置 (Ctrl+U): skins, effects and transparency,
// the box's colours and the bars, all previewed live on the running
// program; 确定 keeps and writes them, 取消 puts everything back, the close
// box leaves the preview in effect without storing it.
#pragma once

#include <windows.h>

#include "appearance_host.h"

class SettingsFile;
struct Settings;

// Modal over `owner`; true when 确定 was pressed.
bool RunAppearanceWindow(HINSTANCE instance, HWND owner, Settings& settings, SettingsFile& file,
                         AppearanceHost& host);
