#include "exit_save.h"

#include <gtest/gtest.h>

#include <string>

#include "memory_file_store.h"
#include "settings_file.h"

namespace {

const char kFolder[] = "C:\\app\\Numerin运行文件";
const char kPath[] = "C:\\app\\Numerin运行文件\\Numerin配置文件.ini";
const char kBackup[] = "C:\\app\\Numerin运行文件\\Numerin备份文件.txt";

const char kFontKeys[] =
    "[字体设置]\r\n字体加粗=假\r\n字体倾斜=假\r\n字体删除线=假\r\n字体下划线=假\r\n"
    "字体名称=Times New Roman\r\n字体颜色=0\r\n字体大小=14\r\n";

class ExitSaveTest : public ::testing::Test {
protected:
    ExitSaveTest() {
        // The placement the window remembered from its fallback geometry.
        settings.WindowLeft = 240;
        settings.WindowTop = 120;
        settings.WindowWidth = 800;
        settings.WindowHeight = 400;
    }

    void Save(const ExitSnapshot& box = {7, "1+2=3"}) { SaveSettingsAtExit(file, store, kBackup, settings, box); }

    MemoryFileStore store;
    SettingsFile file{store, kPath};
    Settings settings;
};

TEST_F(ExitSaveTest, FirstRunMakesTheFolderAndWritesEveryExitKeyInOneReplace) {
    Save();
    EXPECT_EQ(store.folders.count(kFolder), 1u);
    EXPECT_EQ(store.files[kPath], std::string(kFontKeys) +
                                      "[启动窗口位置]\r\n_启动窗口.左边=240\r\n_启动窗口.顶边=120\r\n"
                                      "_启动窗口.宽度=800\r\n_启动窗口.高度=400\r\n"
                                      "[运行设置]\r\n起始选择位置=7\r\n退出设置=0\r\n撤销设置=50\r\n四舍五入=假\r\n"
                                      "窗口状态=0\r\n动态刷新=真\r\n启用皮肤=假\r\n运行次数=2\r\n"
                                      "[窗口状态设置]\r\n标题栏状态=真\r\n菜单栏状态=真\r\n状态栏状态=真\r\n");
    EXPECT_EQ(store.replaceCount, 1);  // 退出保存 is off: no backup
    EXPECT_EQ(store.files.count(kBackup), 0u);
}

TEST_F(ExitSaveTest, AnExistingFileKeepsItsOtherKeysAndPlacementWhenNotRemembered) {
    store.folders.insert(kFolder);
    store.files[kPath] =
        "[运行设置]\r\n运行次数=41\r\n乘除替换=假\r\n[启动窗口位置]\r\n_启动窗口.左边=9\r\n_启动窗口.顶边=8\r\n"
        "_启动窗口.宽度=700\r\n_启动窗口.高度=300\r\n";
    settings.RememberPlacement = false;
    settings.StatusBarVisible = false;
    settings.RunCount = 41;
    settings.ExitAction = 2;
    settings.WindowState = 3;
    Save({0, ""});
    EXPECT_EQ(store.files[kPath],
              "[运行设置]\r\n运行次数=42\r\n乘除替换=假\r\n起始选择位置=0\r\n退出设置=2\r\n撤销设置=50\r\n"
              "四舍五入=假\r\n窗口状态=3\r\n动态刷新=真\r\n启用皮肤=假\r\n"
              "[启动窗口位置]\r\n_启动窗口.左边=9\r\n_启动窗口.顶边=8\r\n_启动窗口.宽度=700\r\n_启动窗口.高度=300\r\n" +
                  std::string(kFontKeys) + "[窗口状态设置]\r\n标题栏状态=真\r\n菜单栏状态=真\r\n状态栏状态=假\r\n");
}

TEST_F(ExitSaveTest, WritesOneMoreRunThanTheRecordHolds) {
    const struct {
        std::int64_t runCount;
        const char* written;
    } cases[] = {
        {1, "2"},  // a missing key reads 1
        {41, "42"},
        {9223372036854775806, "9223372036854775807"},
        {9223372036854775807, "9223372036854775807"},  // held, not wrapped
    };
    for (const auto& c : cases) {
        settings.RunCount = c.runCount;
        Save();
        EXPECT_EQ(file.ReadString("运行设置", "运行次数", "-"), c.written) << c.runCount;
        EXPECT_EQ(settings.RunCount, c.runCount);
    }
}

TEST_F(ExitSaveTest, TheBackupHoldsTheBoxTextOnlyWhileContentIsRemembered) {
    store.folders.insert(kFolder);
    store.files[kBackup] = "old";
    Save({3, "1+1=2\r\n×"});
    EXPECT_EQ(store.files[kBackup], "old");
    settings.RememberContent = true;
    Save({3, "1+1=2\r\n×"});
    EXPECT_EQ(store.files[kBackup], "1+1=2\r\n×");
    Save({0, ""});
    EXPECT_EQ(store.files[kBackup], "");
}

TEST_F(ExitSaveTest, EachStepRunsAndTheResultNamesWhatFailed) {
    struct Case {
        const char* name;
        bool folderFails, settingsReadOnly, backupReadOnly, rememberContent;
        bool settingsSaved, backupSaved;
    };
    const Case cases[] = {
        {"all written", false, false, false, true, true, true},
        {"no backup asked for", false, false, true, false, true, true},
        {"read-only settings file", false, true, false, true, false, true},
        {"read-only backup", false, false, true, true, true, false},
        {"folder cannot be made", true, false, false, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store = MemoryFileStore();
        store.foldersFail = c.folderFails;
        if (!c.folderFails) store.folders.insert(kFolder);
        store.files[kBackup] = "old";
        if (c.settingsReadOnly) {
            store.files[kPath] = "[运行设置]\r\n运行次数=5\r\n";
            store.readOnly.insert(kPath);
        }
        if (c.backupReadOnly) store.readOnly.insert(kBackup);
        settings.RememberContent = c.rememberContent;
        const ExitSaveResult result = SaveSettingsAtExit(file, store, kBackup, settings, {1, "2*3"});
        EXPECT_EQ(result.SettingsSaved, c.settingsSaved);
        EXPECT_EQ(result.BackupSaved, c.backupSaved);
        // A failed step changes nothing; the other still ran.
        if (c.settingsReadOnly) {
            EXPECT_EQ(store.files[kPath], "[运行设置]\r\n运行次数=5\r\n");
        }
        EXPECT_EQ(store.files[kBackup], c.rememberContent && c.backupSaved ? "2*3" : "old");
        EXPECT_EQ(store.files.count(kPath) != 0, c.settingsSaved || c.settingsReadOnly);
    }
}

TEST(SettingsFileWriteAll, SetsEveryKeyInOneReplaceOrNoneAtAll) {
    MemoryFileStore store;
    store.folders.insert(kFolder);
    store.files[kPath] = "; kept\r\n[a]\r\nx=1\r\n";
    SettingsFile file{store, kPath};
    EXPECT_TRUE(file.WriteAll({{"a", "x", "2"}, {"b", "y", "真"}, {"a", "z", ""}}));
    EXPECT_EQ(store.files[kPath], "; kept\r\n[a]\r\nx=2\r\nz=\r\n[b]\r\ny=真\r\n");
    EXPECT_EQ(store.replaceCount, 1);

    // A name the file cannot hold fails the whole write.
    EXPECT_FALSE(file.WriteAll({{"a", "x", "3"}, {"a", "k=v", "1"}}));
    EXPECT_EQ(store.files[kPath], "; kept\r\n[a]\r\nx=2\r\nz=\r\n[b]\r\ny=真\r\n");
    EXPECT_EQ(store.replaceCount, 1);
}

}  // namespace
