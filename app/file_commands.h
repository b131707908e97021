// The file menu's commands over the real windows: the common open and save
// dialogs, the question about unsaved changes and the error boxes as real
// message boxes, the files read whole and replaced atomically. The main
// window owns one and binds its commands to IDM_NEW_FILE, IDM_OPEN_FILE,
// IDM_SAVE, IDM_SAVE_AS and IDM_EXIT.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "text_box.h"
#include "text_file.h"

// The error box, or the warning box, of a file over `owner`.
void ShowFileError(HWND owner, FileError error);

// What the commands need of the main window.
class FileCommandsHost {
public:
    virtual ~FileCommandsHost() = default;
    // Owner of the dialogs and message boxes.
    virtual HWND FileDialogOwner() = 0;
    // The box's text in GBK; a whole-text write reaches the text-changed
    // handling (so it is one undo step).
    virtual TextBox& FileBox() = 0;
    // The box's control, whose own modification flag marks unsaved changes
    // (it may be made again, so asked each time).
    virtual HWND FileBoxControl() = 0;
    // The window's caption names the file (the window may hide its caption).
    virtual void SetFileCaption(const std::wstring& caption) = 0;
    // Ends the program without the close query, once the command has
    // returned; the exit save runs on the way.
    virtual void EndProgram() = 0;
};

class FileCommands : private TextFileHost {
public:
    explicit FileCommands(FileCommandsHost& host) : host_(host) {}
    FileCommands(const FileCommands&) = delete;
    FileCommands& operator=(const FileCommands&) = delete;

    void NewFile() { document_.NewFile(); }                  // IDM_NEW_FILE
    void OpenFileCommand() { document_.OpenFileCommand(); }  // IDM_OPEN_FILE
    void SaveCommand() { document_.SaveCommand(); }          // IDM_SAVE
    void SaveAsCommand() { document_.SaveAsCommand(); }      // IDM_SAVE_AS
    void ExitCommand() { document_.ExitCommand(); }          // IDM_EXIT

    AskOutcome AskSaveChanges() { return document_.AskSaveChanges(); }
    SaveOutcome SaveFile(const std::optional<std::wstring>& path = std::nullopt) {
        return document_.SaveFile(path);
    }
    bool LoadFile(const std::wstring& path) { return document_.LoadFile(path); }
    const std::wstring& CurrentFileName() const { return document_.CurrentFileName(); }

private:
    // TextFileHost.
    std::string BoxText() const override;
    void SetBoxText(const std::string& text) override;
    bool IsModified() const override;
    void SetModified(bool modified) override;
    void SetCaption(const std::wstring& caption) override;
    SaveAnswer AskSave() override;
    std::optional<std::wstring> ChooseFile(FileDialogKind kind) override;
    std::optional<std::string> ReadDocument(const std::wstring& path) override;
    std::string ThroughBox(const std::string& text) const override;
    bool WriteDocument(const std::wstring& path, const std::string& bytes) override;
    void ShowError(FileError error) override;
    void EndProgram() override;

    FileCommandsHost& host_;
    TextDocument document_{*this};
};
