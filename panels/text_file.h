// The box's text as a document of the file menu: the file it belongs to,
// the caption naming it, the question about unsaved changes, and the new,
// open, save, save-as and exit commands. The windows, dialogs and files are
// reached through TextFileHost, so every decision is tested without them.
#pragma once

#include <functional>
#include <optional>
#include <string>

// The program's texts (GBK).
inline constexpr char kSaveQuestion[] = "文件已经被修改，是否保存？";
inline constexpr char kSaveQuestionCaption[] = "询问";
inline constexpr char kOpenFailed[] = "打开文件失败！";
inline constexpr char kSaveFailed[] = "保存文件失败！";
inline constexpr char kFileErrorCaption[] = "错误";
inline constexpr char kOpenedUntitledWarning[] = "文件含有不能显示的内容，已作为未命名文本打开。";
inline constexpr char kDroppedInPartWarning[] = "文件含有不能显示的内容，显示的文本与文件不完全相同。";
inline constexpr char kFileWarningCaption[] = "警告";
inline constexpr char kOpenDialogTitle[] = "打开：";
inline constexpr char kSaveDialogTitle[] = "保存：";
inline constexpr char kSaveAsDialogTitle[] = "另存为：";
// One entry, in the "name|pattern" form; the dialog wants it NUL-separated.
inline constexpr char kTextFileFilter[] = "文本文件(*.txt)|*.txt";
inline constexpr char kTextFileExtension[] = "txt";

// 新建's text: 31 empty lines.
std::string NewDocumentText();

// "Numerel" for an untitled text, else "Numerel - " and the path.
std::wstring DocumentCaption(const std::wstring& path);

// What the box shows of a file's bytes: the bytes up to the first NUL or
// 0x1A. Whole when that is the file byte for byte and the box gives it back
// unchanged: `throughBox` returns the bytes the box holds of a text it was
// given (a byte sequence without a character of its own comes back as "?").
struct FileText {
    std::string Text;
    bool Whole = true;
};
using BoxConversion = std::function<std::string(const std::string&)>;
FileText TextOfFile(const std::string& bytes, const BoxConversion& throughBox);

enum class FileDialogKind { Open, Save, SaveAs };
enum class SaveAnswer { Yes, No, Cancel };
// The errors, and the warnings that a file was not shown whole: opened
// untitled, or dropped into the box.
enum class FileError { OpenFailed, SaveFailed, OpenedUntitled, DroppedInPart };

class TextFileHost {
public:
    virtual ~TextFileHost() = default;
    virtual std::string BoxText() const = 0;
    // The whole text as one change of the box (one undo step).
    virtual void SetBoxText(const std::string& text) = 0;
    virtual bool IsModified() const = 0;
    virtual void SetModified(bool modified) = 0;
    virtual void SetCaption(const std::wstring& caption) = 0;
    // kSaveQuestion with Yes, No and Cancel.
    virtual SaveAnswer AskSave() = 0;
    // The chosen full path; nothing when the dialog was cancelled.
    virtual std::optional<std::wstring> ChooseFile(FileDialogKind kind) = 0;
    // The file's bytes, only when read whole within the program's limit.
    virtual std::optional<std::string> ReadDocument(const std::wstring& path) = 0;
    // The bytes the box gives back of `text` once it has shown it.
    virtual std::string ThroughBox(const std::string& text) const = 0;
    // Replaces the file whole; false leaves the old file as it was.
    virtual bool WriteDocument(const std::wstring& path, const std::string& bytes) = 0;
    virtual void ShowError(FileError error) = 0;
    // Ends the program once the command is done; the exit save runs on the way.
    virtual void EndProgram() = 0;
};

enum class SaveOutcome { Saved, Cancelled, Failed };
enum class AskOutcome { GoOn, Abort };

class TextDocument {
public:
    explicit TextDocument(TextFileHost& host) : host_(host) {}

    // Empty for a text never saved or opened.
    const std::wstring& CurrentFileName() const { return fileName_; }

    // Asks only about a modified text. A cancelled question, a cancelled
    // save dialog and a failed save all stop the command that asked.
    AskOutcome AskSaveChanges();
    // To `path`, or without one to the current file (asking for a name when
    // there is none). The flag, the name and the caption change only when
    // the file was written.
    SaveOutcome SaveFile(const std::optional<std::wstring>& path = std::nullopt);
    // Reads the file whole before the box is touched: a failure changes
    // nothing but shows the open-failure message. A file the box cannot
    // show whole opens untitled, with a warning, so that no save replaces
    // the file with what the box holds.
    bool LoadFile(const std::wstring& path);

    void NewFile();
    void OpenFileCommand();
    void SaveCommand();
    void SaveAsCommand();
    void ExitCommand();

private:
    void Named(const std::wstring& path);

    TextFileHost& host_;
    std::wstring fileName_;
};
