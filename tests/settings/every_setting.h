// Records built from the settings table, shared by the reader's and the
// writer's tests, so that a key added to the table is covered by both.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "setting_table.h"
#include "settings.h"
#include "settings_file.h"
#include "settings_reader.h"

// Every field of the table unlike its default, the numbers unlike each other
// and kept as they are by their read limits.
inline Settings EveryFieldChanged() {
    Settings settings;
    std::int64_t number = 1000;
    for (const SettingKey& key : kSettingKeys) {
        std::visit(
            [&](auto member) {
                auto& value = settings.*member;
                using Value = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<Value, bool>) {
                    value = !value;
                } else if constexpr (std::is_same_v<Value, std::string>) {
                    value += " 改";
                } else if (key.limit == ReadLimit::FontSizeRange) {
                    value = static_cast<Value>(kLargestFontSize);
                } else {
                    value = static_cast<Value>(number++);
                }
            },
            key.field);
    }
    return settings;
}

// The names of the keys whose fields differ between the two records.
inline std::vector<std::string> KeysThatDiffer(const Settings& a, const Settings& b) {
    std::vector<std::string> names;
    for (const SettingKey& key : kSettingKeys) {
        std::visit([&](auto member) { if (a.*member != b.*member) names.push_back(key.name); }, key.field);
    }
    return names;
}

// Every start-up step, in start-up order.
inline void ReadEveryStep(const SettingsFile& file, Settings& settings) {
    ReadPlacementKeys(file, settings);
    ReadBarKeys(file, settings);
    ReadAllowMultiple(file, settings);
    ReadSkinKeys(file, settings);
    ReadFontKeys(file, settings);
    ReadOptionKeys(file, settings);
    ReadSavedCaret(file, settings);
    ReadKeyboardWindowKeys(file, settings);
}
