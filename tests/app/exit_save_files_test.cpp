// The exit save and the reset on a real file system, and the reset's
// question as a real message box answered from inside its own loop.
#include "exit_save_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "file_io.h"
#include "memory_text_box.h"
#include "program_files.h"
#include "dialog_answer.h"
#include "program_folder.h"
#include "settings_file.h"
#include "win32_file_store.h"

namespace {

const wchar_t kFolderName[] = L"Numerin\u8FD0\u884C\u6587\u4EF6";
const wchar_t kSettingsName[] = L"Numerin\u914D\u7F6E\u6587\u4EF6.ini";
const wchar_t kBackupName[] = L"Numerin\u5907\u4EFD\u6587\u4EF6.txt";
const wchar_t kBackupIniName[] = L"Numerin\u5907\u4EFD\u6587\u4EF6.ini";

class ExitSaveFilesTest : public ::testing::Test {
protected:
    ExitSaveFilesTest() {
        // The placement keys are the native tests' concern.
        settings.RememberPlacement = false;
        settings.RunCount = 41;
        settings.RememberContent = true;
        settings.TitleBarVisible = false;
    }

    std::wstring Path(const wchar_t* name) const { return folder.Path() + L"\\" + kFolderName + L"\\" + name; }

    ProgramFolder folder;
    Win32FileStore store{folder.Path()};
    SettingsFile file{store, programfiles::kSettingsFile};
    Settings settings;
    MemoryTextBox box{"1×2=2\r\n真", 7};
};

TEST_F(ExitSaveFilesTest, FirstExitWritesTheSettingsAndTheBackupOnceUnderTheirChineseNames) {
    ExitSave save;
    EXPECT_TRUE(save.Run(file, store, settings, box));
    const std::wstring dir = std::wstring(kFolderName) + L"\\";
    EXPECT_EQ(folder.Listing(), dir.substr(0, dir.size() - 1) + L";" + dir + kBackupName + L";" + dir +
                                    kSettingsName + L";");
    EXPECT_EQ(ProgramFolder::ReadBytes(Path(kSettingsName)),
              "[字体设置]\r\n字体加粗=假\r\n字体倾斜=假\r\n字体删除线=假\r\n字体下划线=假\r\n"
              "字体名称=Times New Roman\r\n字体颜色=0\r\n字体大小=14\r\n"
              "[运行设置]\r\n起始选择位置=7\r\n退出设置=0\r\n撤销设置=50\r\n四舍五入=假\r\n"
              "窗口状态=0\r\n动态刷新=真\r\n启用皮肤=假\r\n运行次数=42\r\n"
              "[窗口状态设置]\r\n标题栏状态=假\r\n菜单栏状态=真\r\n状态栏状态=真\r\n");
    EXPECT_EQ(ProgramFolder::ReadBytes(Path(kBackupName)), "1×2=2\r\n真");

    // The destroy after the session's end writes nothing again.
    box.SetText("changed");
    settings.RunCount = 99;
    EXPECT_FALSE(save.Run(file, store, settings, box));
    EXPECT_TRUE(save.Done());
    EXPECT_EQ(ProgramFolder::ReadBytes(Path(kBackupName)), "1×2=2\r\n真");
    EXPECT_EQ(file.ReadString("运行设置", "运行次数", ""), "42");
}

TEST_F(ExitSaveFilesTest, ABackupThatCannotBeReplacedStaysByteForByte) {
    folder.MakeSettingsFolder();
    const std::string old = "old backup\r\n旧";
    const std::wstring backup = Path(kBackupName);
    const struct {
        const char* name;
        bool readOnly;
    } cases[] = {{"read-only", true}, {"held open without sharing", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ProgramFolder::WriteBytes(backup, old));
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.readOnly) {
            ASSERT_TRUE(SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_READONLY));
        } else {
            held = CreateFileW(backup.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        ExitSave().Run(file, store, settings, box);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ProgramFolder::ReadBytes(backup), old);
        EXPECT_EQ(GetFileAttributesW((backup + L".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
        // The settings were still written.
        EXPECT_EQ(file.ReadString("运行设置", "运行次数", ""), "42");
        DeleteFileW(Path(kSettingsName).c_str());
    }
}

// Every atomic writer makes its temporary under a name nobody has: a user's
// own "<name>.tmp" beside the file it replaces keeps its bytes.
TEST_F(ExitSaveFilesTest, AUsersTmpFileBesideAReplacedFileSurvivesEveryWriter) {
    folder.MakeSettingsFolder();
    const std::wstring textFile = folder.Path() + L"\\a.txt";
    const struct {
        const char* name;
        std::wstring target;
        std::function<bool()> write;
        std::string written;
    } cases[] = {
        {"text file save", textFile, [&] { return WriteFileAtomically(textFile, "1+2=3"); }, "1+2=3"},
        {"settings write", Path(kSettingsName),
         [&] { return file.WriteInt("运行设置", "运行次数", 5); }, "[运行设置]\r\n运行次数=5\r\n"},
        {"exit save's backup", Path(kBackupName), [&] { return ExitSave().Run(file, store, settings, box); },
         "1×2=2\r\n真"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring neighbour = c.target + L".tmp";
        ASSERT_TRUE(ProgramFolder::WriteBytes(neighbour, "the user's own"));
        EXPECT_TRUE(c.write());
        EXPECT_EQ(ProgramFolder::ReadBytes(c.target), c.written);
        EXPECT_EQ(ProgramFolder::ReadBytes(neighbour), "the user's own");
        // No temporary of the writer's is left beside them.
        std::wstring names = folder.Listing();
        EXPECT_EQ(names.find(L".tmp;"), names.rfind(L".tmp;")) << names;
        DeleteFileW(neighbour.c_str());
        DeleteFileW(Path(kSettingsName).c_str());
    }
}

TEST_F(ExitSaveFilesTest, DeleteIsDoneWhenTheFileIsGoneAfterwards) {
    EXPECT_TRUE(store.Delete(programfiles::kSettingsFile));  // no folder
    folder.MakeSettingsFolder();
    EXPECT_TRUE(store.Delete(programfiles::kSettingsFile));  // no file
    const std::wstring path = Path(kSettingsName);
    ASSERT_TRUE(ProgramFolder::WriteBytes(path, "x"));
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(store.Delete(programfiles::kSettingsFile));
    CloseHandle(held);
    EXPECT_EQ(ProgramFolder::ReadBytes(path), "x");
    EXPECT_TRUE(store.Delete(programfiles::kSettingsFile));
    EXPECT_FALSE(FileExists(path));
}

class ResetHostOverBox : public ResetHost {
public:
    bool ConfirmReset() override { return AskResetQuestion(nullptr); }
    void SetSkinAero() override {}
    void AdjustSkinAero(const std::array<int, 7>&) override {}
    void ApplySkin(int) override {}
    void SetEdgeHideCountdown(int) override {}
};

TEST_F(ExitSaveFilesTest, TheResetAsksInARealMessageBoxAndDeletesOnlyAfterYes) {
    folder.MakeSettingsFolder();
    for (const wchar_t* name : {kBackupIniName, kBackupName, kSettingsName, L"other.txt"})
        ASSERT_TRUE(ProgramFolder::WriteBytes(Path(name), "x"));
    const std::wstring all = folder.Listing();

    for (int button : {IDNO, IDYES}) {
        SCOPED_TRACE(button);
        MessageBoxAnswer answer(button);
        Settings before = settings;
        ResetHostOverBox host;
        const bool reset = ResetSettings(settings, store, ProgramResetFiles(), host).has_value();
        ASSERT_TRUE(answer.seen);
        EXPECT_EQ(answer.caption, L"\u91CD\u7F6E\u8BBE\u7F6E");
        EXPECT_EQ(answer.text, L"\u91CD\u7F6E\u540E\u8BBE\u7F6E\u5C06\u4E22\u5931\uFF0C\u662F\u5426\u7EE7\u7EED!");
        EXPECT_TRUE(answer.yes && answer.no);
        EXPECT_FALSE(answer.ok || answer.cancel);
        EXPECT_TRUE(answer.exclamationIcon);
        EXPECT_EQ(reset, button == IDYES);
        if (button == IDNO) {
            EXPECT_EQ(folder.Listing(), all);
            EXPECT_EQ(settings.RunCount, before.RunCount);
        }
    }
    EXPECT_EQ(folder.Listing(), std::wstring(kFolderName) + L";" + kFolderName + L"\\other.txt;");
    EXPECT_EQ(settings.RunCount, 1);
}

}  // namespace
