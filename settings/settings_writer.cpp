#include "settings_writer.h"

#include <string>
#include <type_traits>
#include <variant>

namespace {

template <class Value>
bool WriteValue(SettingsFile& file, const SettingKey& key, const Value& value) {
    if constexpr (std::is_same_v<Value, bool>) {
        return file.WriteBool(key.section, key.name, value);
    } else if constexpr (std::is_same_v<Value, std::string>) {
        return file.WriteString(key.section, key.name, value);
    } else {
        return file.WriteInt(key.section, key.name, value);
    }
}

}  // namespace

bool WriteSetting(SettingsFile& file, const Settings& settings, SettingField field) {
    const SettingKey& key = SettingKeyOf(field);
    return std::visit([&](auto member) { return WriteValue(file, key, settings.*member); }, key.field);
}

bool WriteSettingKeys(SettingsFile& file, const Settings& settings, std::initializer_list<SettingField> fields) {
    for (const SettingField& field : fields) {
        if (!WriteSetting(file, settings, field)) return false;
    }
    return true;
}
