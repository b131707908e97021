#include "settings_writer.h"

#include <string>
#include <type_traits>
#include <variant>

#include "setting_values.h"

namespace {

template <class Value>
std::string ValueText(const Value& value) {
    if constexpr (std::is_same_v<Value, bool>) {
        return BoolToSetting(value);
    } else if constexpr (std::is_same_v<Value, std::string>) {
        return value;
    } else {
        return IntToSetting(value);
    }
}

}  // namespace

SettingText SettingTextOf(const Settings& settings, SettingField field) {
    const SettingKey& key = SettingKeyOf(field);
    return {key.section, key.name,
            std::visit([&](auto member) { return ValueText(settings.*member); }, key.field)};
}

bool WriteSetting(SettingsFile& file, const Settings& settings, SettingField field) {
    const SettingText text = SettingTextOf(settings, field);
    return file.WriteString(text.section, text.key, text.value);
}

bool WriteSettingKeys(SettingsFile& file, const Settings& settings, std::initializer_list<SettingField> fields) {
    for (const SettingField& field : fields) {
        if (!WriteSetting(file, settings, field)) return false;
    }
    return true;
}
