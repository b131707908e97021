// The file menu's document: byte rules, the save's failures, the question
// about unsaved changes and what each command leaves behind.
#include "text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

// The box's conversion in these tests: a lone 0x80 has no character of its
// own and comes back as "?".
std::string FakeThroughBox(const std::string& text) {
    std::string kept = text;
    std::replace(kept.begin(), kept.end(), '\x80', '?');
    return kept;
}

// The step of a replace that fails; the target is untouched before the
// last step and the half-written temporary is thrown away.
enum class FailAt { Nothing, Open, Write, Flush, Replace };

class FakeHost : public TextFileHost {
public:
    std::string text = "1+2=3";
    bool modified = false;
    std::wstring caption = L"Numerel";
    SaveAnswer answer = SaveAnswer::Cancel;
    std::optional<std::wstring> chosen;  // every dialog's answer
    std::map<std::wstring, std::string> files;
    FailAt failAt = FailAt::Nothing;
    std::vector<FileDialogKind> dialogs;
    std::vector<FileError> errors;
    int questions = 0;
    int setTexts = 0;
    bool ended = false;

    std::string BoxText() const override { return text; }
    void SetBoxText(const std::string& t) override {
        text = t;
        ++setTexts;
    }
    bool IsModified() const override { return modified; }
    void SetModified(bool m) override { modified = m; }
    void SetCaption(const std::wstring& c) override { caption = c; }
    SaveAnswer AskSave() override {
        ++questions;
        return answer;
    }
    std::optional<std::wstring> ChooseFile(FileDialogKind kind) override {
        dialogs.push_back(kind);
        return chosen;
    }
    std::string ThroughBox(const std::string& t) const override { return FakeThroughBox(t); }
    std::optional<std::string> ReadDocument(const std::wstring& path) override {
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    }
    bool WriteDocument(const std::wstring& path, const std::string& bytes) override {
        if (failAt != FailAt::Nothing) return false;
        files[path] = bytes;
        return true;
    }
    void ShowError(FileError e) override { errors.push_back(e); }
    void EndProgram() override { ended = true; }
};

struct Fixture {
    FakeHost host;
    TextDocument doc{host};
};

TEST(TextFileTest, AFileIsWholeOnlyWhenTheBoxShowsAndGivesBackEveryByte) {
    const struct {
        std::string bytes, text;
        bool whole;
    } cases[] = {
        {"\xA6\xD0*2\r\n1\r2\n", "\xA6\xD0*2\r\n1\r2\n", true},
        {"", "", true},
        {"\xEF\xBB\xBF" "1\r\n", "\xEF\xBB\xBF" "1\r\n", true},  // taken as bytes, no mark dropped
        {"1+2\r\n3\x1A" "4", "1+2\r\n3", false},
        {std::string("\xA6\xD0*2\0\x1A", 6), "\xA6\xD0*2", false},
        {"\x1A", "", false},
        {"1\x80\r\n2", "1\x80\r\n2", false},  // the box would save "1?\r\n2"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const FileText shown = TextOfFile(c.bytes, FakeThroughBox);
        EXPECT_EQ(shown.Text, c.text);
        EXPECT_EQ(shown.Whole, c.whole);
    }
}

// A file shown in part opens like 新建 with its text: untitled, with a
// warning, so 保存 asks for a name and never replaces the file.
TEST(TextFileTest, OpenNamesOnlyAFileShownWhole) {
    const struct {
        std::string bytes, text;
        bool whole;
    } cases[] = {
        {"1+2\r\n", "1+2\r\n", true},
        {std::string("1+2\r\n\0tail", 10), "1+2\r\n", false},
        {"1\x80" "2", "1\x80" "2", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Fixture f;
        f.host.files[L"old.txt"] = "old";
        ASSERT_TRUE(f.doc.LoadFile(L"old.txt"));
        f.host.files[L"a.txt"] = c.bytes;
        f.host.modified = true;
        EXPECT_TRUE(f.doc.LoadFile(L"a.txt"));
        EXPECT_EQ(f.host.text, c.text);
        EXPECT_EQ(f.host.setTexts, 2);
        EXPECT_FALSE(f.host.modified);
        const std::wstring name = c.whole ? L"a.txt" : L"";
        EXPECT_EQ(f.doc.CurrentFileName(), name);
        EXPECT_EQ(f.host.caption, DocumentCaption(name));
        EXPECT_EQ(f.host.errors,
                  c.whole ? std::vector<FileError>{} : std::vector<FileError>{FileError::OpenedUntitled});

        f.host.text += "+1";
        f.doc.SaveCommand();  // a dialog, if any, is cancelled
        EXPECT_EQ(f.host.dialogs.size(), c.whole ? 0u : 1u);
        EXPECT_EQ(f.host.files[L"a.txt"], c.whole ? c.text + "+1" : c.bytes);
    }
}

TEST(TextFileTest, SaveAsksOnceForANameThenWritesTheBoxBytesExactly) {
    Fixture f;
    f.host.text = "1\xA1\xC1" "2\r\n3";  // GBK, no final line end
    f.host.modified = true;
    f.host.chosen = L"C:\\a.txt";
    EXPECT_EQ(f.doc.SaveFile(), SaveOutcome::Saved);
    EXPECT_EQ(f.host.files[L"C:\\a.txt"], f.host.text);
    EXPECT_FALSE(f.host.modified);
    EXPECT_EQ(f.doc.CurrentFileName(), L"C:\\a.txt");
    EXPECT_EQ(f.host.caption, L"Numerel - C:\\a.txt");

    f.host.text = "4";
    f.host.chosen = L"C:\\other.txt";
    f.doc.SaveCommand();
    EXPECT_EQ(f.host.dialogs, std::vector<FileDialogKind>{FileDialogKind::Save});
    EXPECT_EQ(f.host.files[L"C:\\a.txt"], "4");

    // 另存为 names the new file; 保存 then writes there.
    f.doc.SaveAsCommand();
    EXPECT_EQ(f.host.dialogs.back(), FileDialogKind::SaveAs);
    EXPECT_EQ(f.host.caption, L"Numerel - C:\\other.txt");
    f.host.text = "5";
    f.doc.SaveCommand();
    EXPECT_EQ(f.host.files[L"C:\\other.txt"], "5");
    EXPECT_EQ(f.host.files[L"C:\\a.txt"], "4");
}

TEST(TextFileTest, CancelledSaveDialogChangesNothing) {
    Fixture f;
    f.host.modified = true;
    EXPECT_EQ(f.doc.SaveFile(), SaveOutcome::Cancelled);
    f.doc.SaveAsCommand();
    EXPECT_TRUE(f.host.files.empty());
    EXPECT_TRUE(f.host.modified);
    EXPECT_TRUE(f.host.errors.empty());
    EXPECT_EQ(f.host.caption, L"Numerel");
}

TEST(TextFileTest, FailedSaveKeepsOldFileFlagNameAndStopsTheAskingCommand) {
    for (FailAt step : {FailAt::Open, FailAt::Write, FailAt::Flush, FailAt::Replace}) {
        Fixture f;
        f.host.files[L"a.txt"] = "old";
        ASSERT_TRUE(f.doc.LoadFile(L"a.txt"));
        f.host.text = "new";
        f.host.modified = true;
        f.host.failAt = step;
        f.host.answer = SaveAnswer::Yes;
        f.doc.ExitCommand();
        EXPECT_FALSE(f.host.ended);
        EXPECT_EQ(f.doc.SaveFile(L"b.txt"), SaveOutcome::Failed);
        EXPECT_EQ(f.host.files, (std::map<std::wstring, std::string>{{L"a.txt", "old"}}));
        EXPECT_TRUE(f.host.modified);
        EXPECT_EQ(f.doc.CurrentFileName(), L"a.txt");
        EXPECT_EQ(f.host.caption, L"Numerel - a.txt");
        EXPECT_EQ(f.host.errors, std::vector<FileError>(2, FileError::SaveFailed));
    }
}

TEST(TextFileTest, AskSaveChangesDecides) {
    const struct {
        bool modified;
        SaveAnswer answer;
        bool named, writes;
        AskOutcome outcome;
        int questions;
        bool written;
    } cases[] = {
        {false, SaveAnswer::Cancel, false, true, AskOutcome::GoOn, 0, false},
        {true, SaveAnswer::No, false, true, AskOutcome::GoOn, 1, false},
        {true, SaveAnswer::Cancel, true, true, AskOutcome::Abort, 1, false},
        {true, SaveAnswer::Yes, true, true, AskOutcome::GoOn, 1, true},
        {true, SaveAnswer::Yes, false, true, AskOutcome::Abort, 1, false},  // save dialog cancelled
        {true, SaveAnswer::Yes, true, false, AskOutcome::Abort, 1, false},  // the write failed
    };
    for (const auto& c : cases) {
        Fixture f;
        f.host.files[L"a.txt"] = "old";
        f.doc.LoadFile(L"a.txt");
        if (!c.named) f.doc.NewFile();
        f.host.text = "new";
        f.host.modified = c.modified;
        f.host.answer = c.answer;
        f.host.failAt = c.writes ? FailAt::Nothing : FailAt::Write;
        EXPECT_EQ(f.doc.AskSaveChanges(), c.outcome);
        EXPECT_EQ(f.host.questions, c.questions);
        EXPECT_EQ(f.host.files[L"a.txt"] == "new", c.written);
    }
}

TEST(TextFileTest, FailedOpenLeavesEverythingAsItWas) {
    Fixture f;
    f.host.files[L"a.txt"] = "old";
    f.doc.LoadFile(L"a.txt");
    f.host.modified = true;
    f.host.chosen = L"missing.txt";
    f.doc.OpenFileCommand();  // cancelled at the question: no dialog
    f.host.answer = SaveAnswer::No;
    f.doc.OpenFileCommand();
    EXPECT_EQ(f.host.text, "old");
    EXPECT_EQ(f.host.setTexts, 1);
    EXPECT_TRUE(f.host.modified);
    EXPECT_EQ(f.doc.CurrentFileName(), L"a.txt");
    EXPECT_EQ(f.host.caption, L"Numerel - a.txt");
    EXPECT_EQ(f.host.errors, std::vector<FileError>{FileError::OpenFailed});
    EXPECT_EQ(f.host.dialogs, std::vector<FileDialogKind>{FileDialogKind::Open});
}

TEST(TextFileTest, NewFileAsksOnlyAboutAChangedText) {
    const struct {
        bool modified;
        SaveAnswer answer;
        bool emptied;
    } cases[] = {
        {false, SaveAnswer::Cancel, true},
        {true, SaveAnswer::No, true},
        {true, SaveAnswer::Cancel, false},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.host.files[L"a.txt"] = "old";
        f.doc.LoadFile(L"a.txt");
        f.host.modified = c.modified;
        f.host.answer = c.answer;
        f.doc.NewFile();
        EXPECT_EQ(f.host.questions, c.modified ? 1 : 0);
        EXPECT_EQ(f.host.text, c.emptied ? NewDocumentText() : "old");
        EXPECT_EQ(f.host.caption, c.emptied ? L"Numerel" : L"Numerel - a.txt");
        EXPECT_EQ(f.doc.CurrentFileName().empty(), c.emptied);
        EXPECT_EQ(f.host.modified, c.modified && !c.emptied);
    }
    EXPECT_EQ(NewDocumentText().size(), 62u);
    EXPECT_EQ(NewDocumentText().find_first_not_of("\r\n"), std::string::npos);
}

TEST(TextFileTest, ExitEndsTheProgramUnlessTheQuestionIsCancelled) {
    for (SaveAnswer answer : {SaveAnswer::No, SaveAnswer::Cancel}) {
        Fixture f;
        f.host.modified = true;
        f.host.answer = answer;
        f.doc.ExitCommand();
        EXPECT_EQ(f.host.ended, answer == SaveAnswer::No);
    }
}

}  // namespace
