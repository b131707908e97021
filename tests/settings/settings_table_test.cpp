#include "setting_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A second row for a field would never be read; a second row for a name
// would fill two fields from one key.
TEST(SettingTable, EachFieldAndEachKeyHasOneRow) {
    std::vector<SettingName> names = {kWindowHandle, kKeyboardWindowOpen};
    for (const SettingKey& key : kSettingKeys) names.push_back({key.section, key.name});
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = i + 1; j < names.size(); ++j) {
            EXPECT_FALSE(std::string(names[i].section) == names[j].section &&
                         std::string(names[i].name) == names[j].name)
                << names[i].name;
        }
    }
    for (const SettingKey& key : kSettingKeys) {
        int rows = 0;
        for (const SettingKey& other : kSettingKeys) rows += other.field == key.field ? 1 : 0;
        EXPECT_EQ(rows, 1) << key.name;
    }
}

}  // namespace
