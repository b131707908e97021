// Writes fields of the record under their keys of the settings file, each
// key a write of its own (see SettingsFile): booleans as "真" or "假",
// numbers as decimal text, strings as they are.
#pragma once

#include <initializer_list>

#include "setting_table.h"
#include "settings.h"
#include "settings_file.h"

// The field's key and its value as the file holds it.
SettingText SettingTextOf(const Settings& settings, SettingField field);

bool WriteSetting(SettingsFile& file, const Settings& settings, SettingField field);
// In the order given; stops at the first key that cannot be written and
// returns false.
bool WriteSettingKeys(SettingsFile& file, const Settings& settings, std::initializer_list<SettingField> fields);
