#include "setting_table.h"

#include <stdexcept>

const SettingKey& SettingKeyOf(SettingField field) {
    for (const SettingKey& key : kSettingKeys) {
        if (key.field == field) return key;
    }
    // A field added to Settings without its row: a fault of the program,
    // found by the first test that reads it.
    throw std::logic_error("a field of Settings has no key in the settings table");
}
