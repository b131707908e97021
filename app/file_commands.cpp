#include "file_commands.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "file_io.h"
#include "gbk_codec.h"
#include "program_files.h"

namespace {

// Room for a long path: the dialog fails with FNERR_BUFFERTOOSMALL rather
// than cutting a name.
constexpr DWORD kPathRoom = 32768;

// "name|pattern" to the dialog's form: NUL-separated, ended by two NULs.
std::wstring DialogFilter() {
    std::wstring filter = GbkToWide(kTextFileFilter);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.push_back(L'\0');
    return filter;
}

const char* DialogTitle(FileDialogKind kind) {
    switch (kind) {
    case FileDialogKind::Open:
        return kOpenDialogTitle;
    case FileDialogKind::Save:
        return kSaveDialogTitle;
    case FileDialogKind::SaveAs:
        return kSaveAsDialogTitle;
    }
    return "";
}

struct FileMessage {
    const char* text;
    const char* caption;
    UINT icon;
};

FileMessage MessageOf(FileError error) {
    switch (error) {
    case FileError::OpenFailed:
        break;
    case FileError::SaveFailed:
        return {kSaveFailed, kFileErrorCaption, MB_ICONERROR};
    case FileError::OpenedUntitled:
        return {kOpenedUntitledWarning, kFileWarningCaption, MB_ICONWARNING};
    case FileError::DroppedInPart:
        return {kDroppedInPartWarning, kFileWarningCaption, MB_ICONWARNING};
    }
    return {kOpenFailed, kFileErrorCaption, MB_ICONERROR};
}

}  // namespace

void ShowFileError(HWND owner, FileError error) {
    const FileMessage message = MessageOf(error);
    // Wide, so the Chinese texts show whatever the ANSI code page.
    MessageBoxW(owner, GbkToWide(message.text).c_str(), GbkToWide(message.caption).c_str(), MB_OK | message.icon);
}

std::string FileCommands::BoxText() const { return host_.FileBox().Text(); }

void FileCommands::SetBoxText(const std::string& text) { host_.FileBox().SetText(text); }

bool FileCommands::IsModified() const { return SendMessageW(host_.FileBoxControl(), EM_GETMODIFY, 0, 0) != 0; }

void FileCommands::SetModified(bool modified) {
    SendMessageW(host_.FileBoxControl(), EM_SETMODIFY, modified ? TRUE : FALSE, 0);
}

void FileCommands::SetCaption(const std::wstring& caption) { host_.SetFileCaption(caption); }

SaveAnswer FileCommands::AskSave() {
    // Wide, so the Chinese texts show whatever the ANSI code page.
    switch (MessageBoxW(host_.FileDialogOwner(), GbkToWide(kSaveQuestion).c_str(),
                        GbkToWide(kSaveQuestionCaption).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return SaveAnswer::Yes;
    case IDNO:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

std::optional<std::wstring> FileCommands::ChooseFile(FileDialogKind kind) {
    const std::wstring filter = DialogFilter();
    const std::wstring title = GbkToWide(DialogTitle(kind));
    const std::wstring extension = GbkToWide(kTextFileExtension);
    std::vector<wchar_t> path(kPathRoom, L'\0');

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = host_.FileDialogOwner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathRoom;
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    // The working folder stays where the program started.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    BOOL chosen;
    if (kind == FileDialogKind::Open) {
        dialog.Flags |= OFN_FILEMUSTEXIST;
        chosen = GetOpenFileNameW(&dialog);
    } else {
        dialog.Flags |= OFN_OVERWRITEPROMPT;
        chosen = GetSaveFileNameW(&dialog);
    }
    if (!chosen) return std::nullopt;
    return std::wstring(path.data());
}

std::optional<std::string> FileCommands::ReadDocument(const std::wstring& path) {
    // The dropped file's limit: a larger one is refused, never half read.
    ReadResult file = ReadWholeFile(path, programfiles::kLargestReadableFile);
    if (file.Outcome != ReadOutcome::Ok) return std::nullopt;
    return std::move(file.Bytes);
}

std::string FileCommands::ThroughBox(const std::string& text) const { return GbkThroughWide(text); }

bool FileCommands::WriteDocument(const std::wstring& path, const std::string& bytes) {
    return WriteFileAtomically(path, bytes);
}

void FileCommands::ShowError(FileError error) { ShowFileError(host_.FileDialogOwner(), error); }

void FileCommands::EndProgram() { host_.EndProgram(); }
