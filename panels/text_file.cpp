#include "text_file.h"

#include "editing_commands.h"

namespace {

constexpr int kNewDocumentLines = 31;

}  // namespace

std::string NewDocumentText() {
    std::string text;
    for (int i = 0; i < kNewDocumentLines; ++i) text += "\r\n";
    return text;
}

FileText TextOfFile(const std::string& bytes, const BoxConversion& throughBox) {
    FileText shown{TextOfFileBytes(bytes)};
    shown.Whole = shown.Text.size() == bytes.size() && throughBox(shown.Text) == bytes;
    return shown;
}

std::wstring DocumentCaption(const std::wstring& path) {
    return path.empty() ? std::wstring(L"Numerel") : L"Numerel - " + path;
}

AskOutcome TextDocument::AskSaveChanges() {
    if (!host_.IsModified()) return AskOutcome::GoOn;
    switch (host_.AskSave()) {
    case SaveAnswer::No:
        return AskOutcome::GoOn;
    case SaveAnswer::Cancel:
        return AskOutcome::Abort;
    case SaveAnswer::Yes:
        break;
    }
    return SaveFile() == SaveOutcome::Saved ? AskOutcome::GoOn : AskOutcome::Abort;
}

SaveOutcome TextDocument::SaveFile(const std::optional<std::wstring>& path) {
    std::wstring target = path ? *path : fileName_;
    if (target.empty()) {
        const std::optional<std::wstring> chosen = host_.ChooseFile(FileDialogKind::Save);
        if (!chosen) return SaveOutcome::Cancelled;
        target = *chosen;
    }
    // The box's bytes exactly: no mark in front, no line end behind.
    if (!host_.WriteDocument(target, host_.BoxText())) {
        host_.ShowError(FileError::SaveFailed);
        return SaveOutcome::Failed;
    }
    host_.SetModified(false);
    Named(target);
    return SaveOutcome::Saved;
}

bool TextDocument::LoadFile(const std::wstring& path) {
    const std::optional<std::string> bytes = host_.ReadDocument(path);
    if (!bytes) {
        host_.ShowError(FileError::OpenFailed);
        return false;
    }
    const FileText shown = TextOfFile(*bytes, [this](const std::string& text) { return host_.ThroughBox(text); });
    host_.SetBoxText(shown.Text);
    host_.SetModified(false);
    Named(shown.Whole ? path : std::wstring());
    if (!shown.Whole) host_.ShowError(FileError::OpenedUntitled);
    return true;
}

void TextDocument::NewFile() {
    if (AskSaveChanges() == AskOutcome::Abort) return;
    host_.SetBoxText(NewDocumentText());
    host_.SetModified(false);
    Named(std::wstring());
}

void TextDocument::OpenFileCommand() {
    if (AskSaveChanges() == AskOutcome::Abort) return;
    if (const std::optional<std::wstring> path = host_.ChooseFile(FileDialogKind::Open)) LoadFile(*path);
}

void TextDocument::SaveCommand() { SaveFile(); }

void TextDocument::SaveAsCommand() {
    if (const std::optional<std::wstring> path = host_.ChooseFile(FileDialogKind::SaveAs)) SaveFile(*path);
}

void TextDocument::ExitCommand() {
    if (AskSaveChanges() == AskOutcome::Abort) return;
    host_.EndProgram();
}

void TextDocument::Named(const std::wstring& path) {
    fileName_ = path;
    host_.SetCaption(DocumentCaption(path));
}
