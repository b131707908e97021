// The file menu's commands through real windows: a test window with a
// multi-line box, the real common dialogs and message boxes answered from
// the test, real files in a private folder.
#include "file_commands.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "../wingui/test_window.h"
#include "dialog_script.h"
#include "edit_box_adapter.h"
#include "gbk_codec.h"
#include "printing.h"
#include "program_folder.h"

namespace {

std::wstring Wide(const char* gbk) { return GbkToWide(gbk); }

class FileCommandsTest : public ::testing::Test, public FileCommandsHost {
protected:
    static HWND MakeBox(HWND parent) {
        const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0,
                                          300, 200, parent, nullptr, nullptr, nullptr);
        SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
        return edit;
    }

    void SetUp() override {
        box_.SetTextChangedHandler([this] { ++wholeWrites_; });
        SetWindowTextW(window_.Handle(), L"Numerel");
    }
    void TearDown() override {
        // A read-only file would outlive the private folder.
        for (const std::wstring& path : readOnly_) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    HWND FileDialogOwner() override { return window_.Handle(); }
    TextBox& FileBox() override { return box_; }
    HWND FileBoxControl() override { return edit_; }
    void SetFileCaption(const std::wstring& caption) override { SetWindowTextW(window_.Handle(), caption.c_str()); }
    void EndProgram() override { ended_ = true; }

    // An edit as the user makes it: the control sets its own flag.
    void Type(const std::string& gbk) {
        SendMessageW(edit_, EM_SETSEL, 0, -1);
        SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(GbkToWide(gbk).c_str()));
    }
    bool Modified() const { return SendMessageW(edit_, EM_GETMODIFY, 0, 0) != 0; }
    std::wstring Caption() const { return TextOf(window_.Handle()); }
    // A file of the folder with `bytes`, opened: the box's current file.
    std::wstring Opened(const wchar_t* name, const std::string& bytes, bool readOnly = false) {
        const std::wstring path = folder_.Path() + L"\\" + name;
        EXPECT_TRUE(ProgramFolder::WriteBytes(path, bytes));
        if (readOnly) {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
            readOnly_.push_back(path);
        }
        EXPECT_TRUE(commands_.LoadFile(path));
        return path;
    }
    // The current file, and the caption naming it.
    void ExpectNamed(const std::wstring& path) const {
        EXPECT_EQ(commands_.CurrentFileName(), path);
        EXPECT_EQ(Caption(), DocumentCaption(path));
    }
    static void ExpectErrorBox(const SeenDialog& box, const char* text) {
        EXPECT_EQ(box.caption, Wide(kFileErrorCaption));
        EXPECT_EQ(box.text, Wide(text));
        EXPECT_EQ(box.icon, LoadIconW(nullptr, IDI_ERROR));
    }

    ProgramFolder folder_;
    TestWindow window_;
    HWND edit_ = MakeBox(window_.Handle());
    EditBoxAdapter box_{edit_};
    FileCommands commands_{*this};
    int wholeWrites_ = 0;
    bool ended_ = false;
    std::vector<std::wstring> readOnly_;
};

TEST_F(FileCommandsTest, SaveAsksForANameOnceThenWritesWithoutADialog) {
    Type("1\xA1\xC1" "2=2\r\n3");  // "1×2=2", no final line end
    const std::wstring path = folder_.Path() + L"\\a.txt";
    {
        DialogScript script({File(path)});
        commands_.SaveCommand();
        ASSERT_EQ(script.seen.size(), 1u);
        EXPECT_EQ(script.seen[0].caption, Wide(kSaveDialogTitle));
        EXPECT_EQ(script.seen[0].firstFilter, L"\u6587\u672C\u6587\u4EF6(*.txt)");
    }
    EXPECT_EQ(ProgramFolder::ReadBytes(path), "1\xA1\xC1" "2=2\r\n3");
    EXPECT_FALSE(Modified());
    ExpectNamed(path);

    Type("4");
    DialogScript none({});
    commands_.SaveCommand();
    EXPECT_TRUE(none.seen.empty());
    EXPECT_EQ(ProgramFolder::ReadBytes(path), "4");
    EXPECT_FALSE(Modified());
}

TEST_F(FileCommandsTest, SaveAsAddsTheExtensionAndNamesTheNewFile) {
    Type("5");
    const std::wstring opened = folder_.Path() + L"\\a.txt";
    ASSERT_TRUE(ProgramFolder::WriteBytes(opened, "old"));
    {
        DialogScript script({File(folder_.Path() + L"\\b")});
        commands_.SaveAsCommand();
        ASSERT_TRUE(script.Done());
        EXPECT_EQ(script.seen[0].caption, Wide(kSaveAsDialogTitle));
    }
    const std::wstring saved = folder_.Path() + L"\\b.txt";
    EXPECT_EQ(ProgramFolder::ReadBytes(saved), "5");
    ExpectNamed(saved);
    // Cancelled: nothing changes.
    Type("6");
    DialogScript cancel({Button(IDCANCEL)});
    commands_.SaveAsCommand();
    EXPECT_EQ(cancel.seen.size(), 1u);
    EXPECT_TRUE(Modified());
    EXPECT_EQ(ProgramFolder::ReadBytes(saved), "5");
}

// 保存, 另存为 and 打印到文件 each ask before they replace a file that
// exists; No keeps the file, Yes gives its name.
TEST_F(FileCommandsTest, EverySaveDialogAsksBeforeReplacingAFile) {
    const std::wstring existing = folder_.Path() + L"\\old.txt";
    std::wstring printFile;
    const struct {
        const char* name;
        std::function<void()> run;
        std::string afterYes;
        std::wstring printFileAfterYes;
    } cases[] = {
        {"save", [&] { commands_.SaveCommand(); }, "new", L""},
        {"save as", [&] { commands_.SaveAsCommand(); }, "new", L""},
        {"print to file", [&] { AskPrintFileName(window_.Handle(), printFile); }, "old", existing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ProgramFolder::WriteBytes(existing, "old"));
        commands_.NewFile();
        Type("new");
        {
            // No: the dialog stays open for another name; it is cancelled.
            DialogScript script({File(existing), Button(IDNO), Button(IDCANCEL)});
            c.run();
            ASSERT_TRUE(script.Done());
            EXPECT_TRUE(script.seen[1].yes && script.seen[1].no);
            EXPECT_EQ(ProgramFolder::ReadBytes(existing), "old");
        }
        printFile.clear();
        DialogScript script({File(existing), Button(IDYES)});
        c.run();
        EXPECT_TRUE(script.Done());
        EXPECT_EQ(ProgramFolder::ReadBytes(existing), c.afterYes);
        EXPECT_EQ(printFile, c.printFileAfterYes);
    }
}

TEST_F(FileCommandsTest, OpenTakesTheGbkTextAsOneChange) {
    Type("unsaved");
    const std::wstring path = folder_.Path() + L"\\\u7B97\u5F0F.txt";  // 算式.txt
    ASSERT_TRUE(ProgramFolder::WriteBytes(path, "\xA6\xD0*2=6.283\r\n1\xA1\xC2" "2\r3\n"));
    const int writesBefore = wholeWrites_;
    {
        // The changed text is dropped: No.
        DialogScript script({Button(IDNO), File(path)});
        commands_.OpenFileCommand();
        ASSERT_TRUE(script.Done());
        EXPECT_EQ(script.seen[0].text, Wide(kSaveQuestion));
        EXPECT_EQ(script.seen[1].caption, Wide(kOpenDialogTitle));
    }
    EXPECT_EQ(box_.Text(), "\xA6\xD0*2=6.283\r\n1\xA1\xC2" "2\r3\n");
    EXPECT_EQ(wholeWrites_ - writesBefore, 1);
    EXPECT_FALSE(Modified());
    ExpectNamed(path);
}

// A file the box cannot show whole opens untitled after a warning: 保存 then
// asks for a name, and the file keeps every byte.
TEST_F(FileCommandsTest, AFileShownInPartOpensUntitledAndSaveNeverReplacesIt) {
    const std::string binary = std::string("1+2=3\r\n\0", 8) + std::string(286, '\x01');
    const struct {
        const char* name;
        std::string bytes, shown;
    } cases[] = {
        {"cut at a NUL", binary, "1+2=3\r\n"},
        {"cut at the end mark", "1+2\x1A" "tail", "1+2"},
        {"bytes that are not GBK", "1\x80\r\n2\xFF", "1?\n2?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring other = Opened(L"other.txt", "other");
        const std::wstring path = folder_.Path() + L"\\data.bin";
        ASSERT_TRUE(ProgramFolder::WriteBytes(path, c.bytes));
        {
            DialogScript script({Button(IDOK)});
            EXPECT_TRUE(commands_.LoadFile(path));
            ASSERT_TRUE(script.Done());
            EXPECT_EQ(script.seen[0].caption, Wide(kFileWarningCaption));
            EXPECT_EQ(script.seen[0].text, Wide(kOpenedUntitledWarning));
            EXPECT_EQ(script.seen[0].icon, LoadIconW(nullptr, IDI_WARNING));
        }
        EXPECT_EQ(box_.Text(), c.shown);
        EXPECT_FALSE(Modified());
        ExpectNamed(std::wstring());

        Type("1");
        DialogScript script({Button(IDCANCEL)});
        commands_.SaveCommand();
        ASSERT_TRUE(script.Done());
        EXPECT_EQ(script.seen[0].caption, Wide(kSaveDialogTitle));
        EXPECT_EQ(ProgramFolder::ReadBytes(path), c.bytes);
        EXPECT_EQ(ProgramFolder::ReadBytes(other), "other");
    }
}

TEST_F(FileCommandsTest, FailedOpenShowsTheErrorAndKeepsBoxFlagNameAndCaption) {
    const std::wstring named = Opened(L"a.txt", "1");
    Type("kept");
    // Refused before any reading.
    const std::wstring huge = folder_.FileOverTheReadLimit(L"huge.txt");
    ASSERT_FALSE(huge.empty());

    for (const std::wstring& path : {huge, folder_.Path() + L"\\missing.txt"}) {
        const int writesBefore = wholeWrites_;
        DialogScript script({Button(IDOK)});
        EXPECT_FALSE(commands_.LoadFile(path));
        ASSERT_TRUE(script.Done());
        ExpectErrorBox(script.seen[0], kOpenFailed);
        EXPECT_EQ(box_.Text(), "kept");
        EXPECT_EQ(wholeWrites_, writesBefore);
        EXPECT_TRUE(Modified());
        ExpectNamed(named);
    }
}

TEST_F(FileCommandsTest, NewFileAsksOnlyAboutAChangedText) {
    const std::wstring named = Opened(L"a.txt", "1");
    Type("changed");
    {
        DialogScript script({Button(IDCANCEL)});
        commands_.NewFile();
        ASSERT_TRUE(script.Done());
        const SeenDialog& question = script.seen[0];
        EXPECT_EQ(question.caption, Wide(kSaveQuestionCaption));
        EXPECT_EQ(question.text, Wide(kSaveQuestion));
        EXPECT_TRUE(question.yes && question.no && question.cancel);
        EXPECT_EQ(question.icon, LoadIconW(nullptr, IDI_QUESTION));
    }
    EXPECT_EQ(box_.Text(), "changed");
    EXPECT_EQ(commands_.CurrentFileName(), named);
    {
        DialogScript script({Button(IDNO)});
        commands_.NewFile();
        EXPECT_TRUE(script.Done());
    }
    EXPECT_EQ(box_.Text(), NewDocumentText());
    EXPECT_FALSE(Modified());
    ExpectNamed(std::wstring());
    EXPECT_EQ(Caption(), L"Numerel");
    EXPECT_EQ(ProgramFolder::ReadBytes(named), "1");
    // Unchanged: no question.
    DialogScript none({});
    commands_.NewFile();
    EXPECT_TRUE(none.seen.empty());
    EXPECT_EQ(box_.Text(), NewDocumentText());
}

TEST_F(FileCommandsTest, FailedSaveToAReadOnlyFileKeepsTheFlagAndExitStays) {
    const std::wstring path = Opened(L"locked.txt", "old", true);
    Type("new");
    {
        DialogScript script({Button(IDOK)});
        commands_.SaveCommand();
        ASSERT_TRUE(script.Done());
        ExpectErrorBox(script.seen[0], kSaveFailed);
    }
    EXPECT_TRUE(Modified());
    EXPECT_EQ(ProgramFolder::ReadBytes(path), "old");
    EXPECT_EQ(folder_.Listing(), L"locked.txt;");
    {
        // Yes to the question, the save fails again: 退出 stops.
        DialogScript script({Button(IDYES), Button(IDOK)});
        commands_.ExitCommand();
        EXPECT_TRUE(script.Done());
        EXPECT_FALSE(ended_);
    }
    DialogScript script({Button(IDNO)});
    commands_.ExitCommand();
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(ended_);
}

}  // namespace
