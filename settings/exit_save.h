// The exit save: when the main window goes, the settings that no window
// writes (font, placement, caret, closing behaviour, undo depth, window
// state, real-time mode, bars, run counter) and, while 退出保存 is on, the
// backup of the box's text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "file_store.h"
#include "settings.h"
#include "settings_file.h"

// What the exit save takes from the live box.
struct ExitSnapshot {
    std::int64_t Caret = 0;  // bytes before the caret
    std::string BoxText;     // GBK, CR LF as the box holds it; used only while 退出保存 is on
};

// The keys the exit save writes, in order: the font, the placement (only
// while 记住窗口 is on: the remembered values, not the live geometry),
// 起始选择位置 := `caret`, 退出设置, 撤销设置, 四舍五入, 窗口状态, 动态刷新,
// 启用皮肤, 标题栏状态, 菜单栏状态, 状态栏状态, and 运行次数 one more than
// `settings.RunCount` (held at the largest 64-bit value).
std::vector<SettingText> ExitSaveKeys(const Settings& settings, std::int64_t caret);

// What the exit save could not write.
struct ExitSaveResult {
    bool SettingsSaved = true;
    bool BackupSaved = true;  // also when 退出保存 is off and nothing was backed up
};

// Makes the settings file's folder when the file is missing (the only place
// the folder is made), writes ExitSaveKeys in one replace of the file, then,
// while 退出保存 is on, replaces the file at `backupPath` with the box's text
// in one step. A step that fails does not stop the others, and a failed
// replace leaves the old file whole; the result says which failed.
//
// The record is not changed, so a second run writes the same keys again.
ExitSaveResult SaveSettingsAtExit(SettingsFile& file, FileStore& store, const std::string& backupPath,
                                  const Settings& settings, const ExitSnapshot& box);
