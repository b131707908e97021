#include "settings_file.h"

#include <gtest/gtest.h>

#include <string>

#include "memory_file_store.h"

namespace {

const char kPath[] = "D:\\calc\\Numerin运行文件\\Numerin配置文件.ini";
const char kFolder[] = "D:\\calc\\Numerin运行文件";

class SettingsFileTest : public ::testing::Test {
protected:
    MemoryFileStore store;
    SettingsFile file{store, kPath};
};

TEST_F(SettingsFileTest, ReadsTheFallbackOnlyForAMissingKey) {
    struct Case {
        const char* contents;  // nullptr: no file
        std::string text;
        bool boolean;
        int integer;
    };
    const Case cases[] = {
        {nullptr, "fb", true, 7},
        {"", "fb", true, 7},
        {"[s]\r\nother=1\r\n", "fb", true, 7},
        {"[t]\r\nk=1\r\n", "fb", true, 7},
        {"[s]\r\nk=\r\n", "", false, 0},          // present but empty: not the fallback
        {"[s]\r\nk=abc\r\n", "abc", false, 0},
        {"[s]\r\nk=真\r\n", "真", true, 0},
        {"[s]\r\nk=-12.7\r\n", "-12.7", false, -12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.contents ? c.contents : "(no file)");
        store.files.clear();
        if (c.contents) store.files[kPath] = c.contents;
        EXPECT_EQ(file.ReadString("s", "k", "fb"), c.text);
        EXPECT_EQ(file.ReadBool("s", "k", true), c.boolean);
        EXPECT_EQ(file.ReadInt("s", "k", 7), c.integer);
        EXPECT_EQ(file.ReadInt64("s", "k", 7), c.integer);
    }
}

TEST_F(SettingsFileTest, AWriteWithoutTheFolderFailsAndCreatesNothing) {
    EXPECT_FALSE(file.WriteString("s", "k", "v"));
    EXPECT_FALSE(file.WriteBool("s", "k", true));
    EXPECT_FALSE(file.WriteInt("s", "k", 3));
    EXPECT_TRUE(store.files.empty());
    EXPECT_EQ(file.ReadString("s", "k", "fb"), "fb");
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheFileAsItWas) {
    store.folders.insert(kFolder);
    store.files[kPath] = "[s]\r\nk=1\r\n";
    store.readOnly.insert(kPath);
    EXPECT_FALSE(file.WriteInt("s", "k", 2));
    EXPECT_EQ(store.files[kPath], "[s]\r\nk=1\r\n");

    // A file that is there but cannot be read now is not rewritten from
    // nothing: every other key would be lost.
    store.readOnly.clear();
    store.unreadable.insert(kPath);
    EXPECT_FALSE(file.WriteInt("s", "other", 2));
    EXPECT_EQ(store.files[kPath], "[s]\r\nk=1\r\n");
    EXPECT_EQ(store.replaceCount, 1);
}

// Failures where the settings are kept are told, so the user learns that
// a choice will be lost; a first run's missing folder is no failure.
TEST_F(SettingsFileTest, TheFailureHandlerHearsOfEveryWriteThatCouldNotBeKept) {
    struct Case {
        const char* name;
        bool folder, file, readOnly, unreadable, foldersFail;
        bool written, told;
    };
    const Case cases[] = {
        {"first run: no folder yet", false, false, false, false, false, false, false},
        {"a new file in the folder", true, false, false, false, false, true, false},
        {"read-only file", true, true, true, false, false, false, true},
        {"no file can be made in the folder", true, false, true, false, false, false, true},
        {"unreadable file", true, true, false, true, false, false, true},
        {"folder cannot be made", false, false, false, false, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryFileStore store;
        if (c.folder) store.folders.insert(kFolder);
        if (c.file) store.files[kPath] = "[s]\r\nk=1\r\n";
        if (c.readOnly) store.readOnly.insert(kPath);
        if (c.unreadable) store.unreadable.insert(kPath);
        store.foldersFail = c.foldersFail;
        SettingsFile file{store, kPath};
        int told = 0;
        file.SetFailureHandler([&told] { ++told; });
        const bool written = c.foldersFail ? file.CreateFolder() : file.WriteInt("s", "k", 2);
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(told, c.told ? 1 : 0);
    }
}

TEST_F(SettingsFileTest, AWriteCreatesTheFileInAnExistingFolder) {
    store.folders.insert(kFolder);
    EXPECT_TRUE(file.WriteBool("运行设置", "动态刷新", false));
    EXPECT_TRUE(file.WriteInt("运行设置", "运行次数", 2));
    EXPECT_TRUE(file.WriteString("字体设置", "字体名称", "宋体"));
    EXPECT_EQ(store.files[kPath],
              "[运行设置]\r\n动态刷新=假\r\n运行次数=2\r\n[字体设置]\r\n字体名称=宋体\r\n");
    EXPECT_EQ(store.replaceCount, 3);
}

TEST_F(SettingsFileTest, EveryWriteStartsFromTheFileAsItNowIs) {
    store.folders.insert(kFolder);
    ASSERT_TRUE(file.WriteInt("s", "a", 1));
    // Another window writes its own key between two of ours.
    store.files[kPath] += "[other]\r\nx=9\r\n";
    ASSERT_TRUE(file.WriteInt("s", "b", 2));
    EXPECT_EQ(store.files[kPath], "[s]\r\na=1\r\nb=2\r\n[other]\r\nx=9\r\n");
    EXPECT_EQ(file.ReadInt("other", "x", 0), 9);
}

TEST_F(SettingsFileTest, RewritingKeepsAHandEditedFileByteForByte) {
    store.folders.insert(kFolder);
    const std::string before = "; my settings\n[运行设置]\n撤销设置=80\n\n[其他设置]\r\n按esc退出=真\r\njunk";
    store.files[kPath] = before;
    ASSERT_TRUE(file.WriteInt("运行设置", "撤销设置", 80));
    EXPECT_EQ(store.files[kPath], before);
    ASSERT_TRUE(file.WriteBool("其他设置", "按esc退出 ", false));
    EXPECT_EQ(store.files[kPath], "; my settings\n[运行设置]\n撤销设置=80\n\n[其他设置]\r\n按esc退出=真\r\n"
                                  "按esc退出 =假\r\njunk");
    EXPECT_FALSE(file.ReadBool("其他设置", "按esc退出 ", true));
    EXPECT_TRUE(file.ReadBool("其他设置", "按esc退出", false));
}

// The folder of a path ends at its last "\" that starts a character.
TEST(SettingsFileFolder, CreateFolderMakesTheFilesFolder) {
    struct Case {
        const char* path;
        const char* folder;  // "" when there is none to make
    };
    const Case cases[] = {
        {"\\Numerin运行文件\\Numerin配置文件.ini", "\\Numerin运行文件"},
        {"\\dir\\\x81\\name.ini", "\\dir"},  // 81 5C is one character
        {"plain.ini", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        MemoryFileStore store;
        SettingsFile file(store, c.path);
        EXPECT_TRUE(file.CreateFolder());
        EXPECT_EQ(store.folders, c.folder[0] ? std::set<std::string>{c.folder} : std::set<std::string>{});
    }
}

}  // namespace
