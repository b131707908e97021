// Start-up reads the settings in a fixed order, in steps between which the
// window is already being set up; each function is one such step and reads
// its keys one at a time, a missing key giving its default.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "setting_table.h"
#include "settings.h"
#include "settings_file.h"

// One key into its field: a missing key gives the field's default, and the
// key's read limit applies.
void ReadSetting(const SettingsFile& file, Settings& settings, SettingField field);
// In the order given.
void ReadSettingKeys(const SettingsFile& file, Settings& settings, std::initializer_list<SettingField> fields);

// The window state and the start-up placement (width, height, left, top).
void ReadPlacementKeys(const SettingsFile& file, Settings& settings);
// The status, menu and title bars.
void ReadBarKeys(const SettingsFile& file, Settings& settings);
void ReadAllowMultiple(const SettingsFile& file, Settings& settings);

// The running instance's main window handle; 0 when missing.
std::int64_t ReadWindowHandleKey(const SettingsFile& file);
bool WriteWindowHandleKey(SettingsFile& file, std::int64_t handle);

// The skin index (before the skin is attached).
void ReadSkinIndexKey(const SettingsFile& file, Settings& settings);
// The box's background colour.
void ReadBackgroundKey(const SettingsFile& file, Settings& settings);
// Opacity and effects (before the skin is attached the second time).
void ReadOpacityKeys(const SettingsFile& file, Settings& settings);
// The three above, in their order.
void ReadSkinKeys(const SettingsFile& file, Settings& settings);

// The seven font keys.
void ReadFontKeys(const SettingsFile& file, Settings& settings);
// The 35 option keys, from the exit action to the keyboard opened at start.
void ReadOptionKeys(const SettingsFile& file, Settings& settings);
// The saved caret position: read only when the text backup is restored.
void ReadSavedCaret(const SettingsFile& file, Settings& settings);

// The keyboard window's placement and mode.
void ReadKeyboardWindowKeys(const SettingsFile& file, Settings& settings);
