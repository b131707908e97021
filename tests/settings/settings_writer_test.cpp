#include "settings_writer.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "every_setting.h"
#include "memory_file_store.h"
#include "setting_table.h"
#include "settings_file.h"

namespace {

const char kPath[] = "C:\\app\\Numerin运行文件\\Numerin配置文件.ini";
const char kFolder[] = "C:\\app\\Numerin运行文件";

class SettingsWriterTest : public ::testing::Test {
protected:
    SettingsWriterTest() { store.folders.insert(kFolder); }

    MemoryFileStore store;
    SettingsFile file{store, kPath};
};

TEST_F(SettingsWriterTest, EveryKeyRoundTripsThroughWriteAndRead) {
    const Settings written = EveryFieldChanged();
    ASSERT_EQ(KeysThatDiffer(written, Settings{}).size(), std::size(kSettingKeys));
    for (const SettingKey& key : kSettingKeys) ASSERT_TRUE(WriteSetting(file, written, key.field)) << key.name;
    Settings read;
    ReadEveryStep(file, read);
    EXPECT_EQ(KeysThatDiffer(read, written), std::vector<std::string>{});
}

TEST_F(SettingsWriterTest, WritesBooleansAsTrueOrFalseTextAndNumbersAsDecimals) {
    Settings settings;
    settings.RealTimeMode = false;
    settings.RunCount = 5000000000LL;
    settings.FontName = "宋体";
    settings.PrefixLastResult = true;
    settings.WindowLeft = -13;
    ASSERT_TRUE(WriteSettingKeys(file, settings,
                                 {&Settings::RealTimeMode, &Settings::RunCount, &Settings::FontName,
                                  &Settings::PrefixLastResult, &Settings::WindowLeft}));
    EXPECT_EQ(store.files[kPath],
              "[运行设置]\r\n动态刷新=假\r\n运行次数=5000000000\r\n[字体设置]\r\n字体名称=宋体\r\n"
              "[其他设置]\r\n按esc退出 =真\r\n[启动窗口位置]\r\n_启动窗口.左边=-13\r\n");
}

TEST_F(SettingsWriterTest, StopsAtTheFirstKeyThatCannotBeWritten) {
    store.folders.clear();
    EXPECT_FALSE(WriteSettingKeys(file, Settings{}, {&Settings::FontBold, &Settings::FontSize}));
    EXPECT_EQ(store.replaceCount, 1);
    EXPECT_TRUE(store.files.empty());
}

}  // namespace
