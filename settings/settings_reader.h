// Start-up reads the settings in a fixed order, in steps between which the
// window is already being set up; each function is one such step and reads
// its keys one at a time, a missing key giving its default.
#pragma once

#include <cstdint>

#include "settings.h"
#include "settings_file.h"

// 窗口状态 and the four keys of [启动窗口位置] (width, height, left, top).
void ReadPlacementKeys(const SettingsFile& file, Settings& settings);
// 状态栏状态, 菜单栏状态, 标题栏状态.
void ReadBarKeys(const SettingsFile& file, Settings& settings);
// 允许多开.
void ReadAllowMultiple(const SettingsFile& file, Settings& settings);

// The running instance's main window handle (窗口代号); 0 when missing.
std::int64_t ReadWindowHandleKey(const SettingsFile& file);
bool WriteWindowHandleKey(SettingsFile& file, std::int64_t handle);

// 软件皮肤 (before the skin is attached).
void ReadSkinIndexKey(const SettingsFile& file, Settings& settings);
// 背景颜色.
void ReadBackgroundKey(const SettingsFile& file, Settings& settings);
// 皮肤滑块条 and 加载特效 (before the skin is attached the second time).
void ReadOpacityKeys(const SettingsFile& file, Settings& settings);
// The three above, in their order.
void ReadSkinKeys(const SettingsFile& file, Settings& settings);

// The seven keys of [字体设置].
void ReadFontKeys(const SettingsFile& file, Settings& settings);
// The 35 option keys from 退出设置 to 键盘开启. 撤销设置 of 0 or less reads
// as 50; 自动折回 goes to WordWrap and [运行设置] 键盘开启 to
// KeyboardOpenAtStart.
void ReadOptionKeys(const SettingsFile& file, Settings& settings);
// 起始选择位置: read only when the text backup is restored.
void ReadSavedCaret(const SettingsFile& file, Settings& settings);

// The keyboard window's own keys of [键盘窗口设置].
void ReadKeyboardWindowKeys(const SettingsFile& file, Settings& settings);
