// The settings file on a real file system, with a Chinese folder and file
// name. CI runs Wine under code page 1252, where the Windows INI functions
// would lose every GBK name: the file must still read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "gbk_codec.h"
#include "program_files.h"
#include "program_folder.h"
#include "settings_file.h"
#include "settings_reader.h"
#include "win32_file_store.h"

namespace {

using std::string_literals::operator""s;

std::string EveryByte() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    return bytes;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class Win32FileStoreTest : public ::testing::Test {
protected:
    ProgramFolder folder_;
    Win32FileStore store_{folder_.Path()};
};

TEST_F(Win32FileStoreTest, RoundTripsBytesUnderAChineseName) {
    folder_.MakeSettingsFolder();
    const std::string contents[] = {
        "[运行设置]\r\n撤销设置=80\r\n",
        EveryByte() + "\0\0真"s,
        std::string(200000, 'x'),  // more than one read
        "",
        "short",                   // a shorter file replaces a longer one whole
    };
    for (const std::string& bytes : contents) {
        SCOPED_TRACE(bytes.size());
        ASSERT_TRUE(store_.ReplaceAtomically(programfiles::kSettingsFile, bytes));
        EXPECT_EQ(store_.ReadAll(programfiles::kSettingsFile), bytes);
        // The name on disk is the Chinese one, and no temporary is left.
        EXPECT_EQ(ProgramFolder::ReadBytes(folder_.Path() + L"\\Numerin\u8FD0\u884C\u6587\u4EF6\\Numerin"
                                           L"\u914D\u7F6E\u6587\u4EF6.ini"),
                  bytes);
        EXPECT_EQ(folder_.Listing(), L"Numerin\u8FD0\u884C\u6587\u4EF6;Numerin\u8FD0\u884C\u6587\u4EF6\\"
                                     L"Numerin\u914D\u7F6E\u6587\u4EF6.ini;");
    }
}

TEST_F(Win32FileStoreTest, WholePathsWorkWithoutAFolder) {
    folder_.MakeSettingsFolder();
    Win32FileStore bare;
    const std::string path = WideToGbk(folder_.Path()) + programfiles::kSettingsFile;
    ASSERT_TRUE(bare.ReplaceAtomically(path, "[a]\r\nk=1\r\n"));
    EXPECT_EQ(store_.ReadAll(programfiles::kSettingsFile), "[a]\r\nk=1\r\n");
}

TEST_F(Win32FileStoreTest, AMissingFileReadsAsNothing) {
    EXPECT_EQ(store_.ReadAll(programfiles::kSettingsFile), std::nullopt);
    folder_.MakeSettingsFolder();
    EXPECT_EQ(store_.ReadAll(programfiles::kSettingsFile), std::nullopt);
    // A folder is not a file.
    EXPECT_EQ(store_.ReadAll(programfiles::kSettingsFolder), std::nullopt);
}

TEST_F(Win32FileStoreTest, AWriteIntoAMissingFolderFailsAndCreatesNothing) {
    EXPECT_FALSE(store_.ReplaceAtomically(programfiles::kSettingsFile, "[a]\r\nk=1\r\n"));
    SettingsFile file(store_, programfiles::kSettingsFile);
    EXPECT_FALSE(file.WriteInt("运行设置", "运行次数", 2));
    EXPECT_EQ(folder_.Listing(), L"");
}

TEST_F(Win32FileStoreTest, AFailedWriteLeavesTheOldFile) {
    folder_.MakeSettingsFolder();
    const std::string old = "[运行设置]\r\n运行次数=7\r\n";
    ASSERT_TRUE(store_.ReplaceAtomically(programfiles::kSettingsFile, old));
    const std::wstring path = folder_.File(programfiles::kSettingsFile);

    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    SettingsFile file(store_, programfiles::kSettingsFile);
    EXPECT_FALSE(file.WriteInt("运行设置", "运行次数", 8));
    EXPECT_EQ(file.ReadInt64("运行设置", "运行次数", 1), 7);
    EXPECT_FALSE(Exists(path + L".tmp"));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    // A folder where the file should be.
    const std::string folderTarget = "\\Numerin运行文件\\dir.ini";
    ASSERT_TRUE(CreateDirectoryW(folder_.File(folderTarget).c_str(), nullptr));
    EXPECT_FALSE(store_.ReplaceAtomically(folderTarget, "x"));
    EXPECT_NE(GetFileAttributesW(folder_.File(folderTarget).c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_FALSE(Exists(folder_.File(folderTarget) + L".tmp"));

    // A folder has the first temporary name: the write takes another one
    // and the folder stays.
    ASSERT_TRUE(CreateDirectoryW((path + L".tmp").c_str(), nullptr));
    EXPECT_TRUE(file.WriteInt("运行设置", "运行次数", 8));
    EXPECT_EQ(file.ReadInt64("运行设置", "运行次数", 1), 8);
    EXPECT_NE(GetFileAttributesW((path + L".tmp").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    ASSERT_TRUE(store_.ReplaceAtomically(programfiles::kSettingsFile, old));
    RemoveDirectoryW((path + L".tmp").c_str());

    // The file is held open without sharing: the move fails after the
    // temporary was written, and the temporary goes again.
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(store_.ReplaceAtomically(programfiles::kSettingsFile, "new"));
    CloseHandle(held);
    EXPECT_EQ(ProgramFolder::ReadBytes(path), old);
    EXPECT_FALSE(Exists(path + L".tmp"));
}

TEST_F(Win32FileStoreTest, GbkSettingsReadBackWhateverTheAnsiCodePage) {
    folder_.WriteSettings(
        "[运行设置]\r\n撤销设置=80\r\n运行次数=41\r\n乘除替换=假\r\n"
        "[其他设置]\r\n按esc退出=假\r\n按esc退出 =真\r\n角度制选中=２\r\n"
        "[窗口状态设置]\r\n状态栏状态=假\r\n"
        "[字体设置]\r\n字体名称=宋体\r\n");
    SettingsFile file(store_, programfiles::kSettingsFile);
    Settings settings;
    ReadBarKeys(file, settings);
    ReadFontKeys(file, settings);
    ReadOptionKeys(file, settings);
    EXPECT_EQ(settings.UndoDepth, 80);
    EXPECT_EQ(settings.RunCount, 41);
    EXPECT_FALSE(settings.MulDivSymbols);
    EXPECT_TRUE(settings.PrefixLastResult);
    EXPECT_EQ(settings.AngleUnit, 2);
    EXPECT_FALSE(settings.StatusBarVisible);
    EXPECT_EQ(settings.FontName, "宋体");

    // A write keeps every other byte of the file.
    ASSERT_TRUE(file.WriteInt("运行设置", "运行次数", 42));
    EXPECT_EQ(ProgramFolder::ReadBytes(folder_.File(programfiles::kSettingsFile)),
              "[运行设置]\r\n撤销设置=80\r\n运行次数=42\r\n乘除替换=假\r\n"
              "[其他设置]\r\n按esc退出=假\r\n按esc退出 =真\r\n角度制选中=２\r\n"
              "[窗口状态设置]\r\n状态栏状态=假\r\n"
              "[字体设置]\r\n字体名称=宋体\r\n");
}

}  // namespace
