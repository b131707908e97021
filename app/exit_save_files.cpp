#include "exit_save_files.h"

#include "gbk_codec.h"
#include "messages.h"
#include "program_files.h"

ResetFiles ProgramResetFiles() {
    return {programfiles::kBackupIniFile, programfiles::kBackupFile, programfiles::kSettingsFile};
}

ExitSnapshot SnapshotOfBox(const TextBox& box, bool withText) {
    ExitSnapshot snapshot;
    snapshot.Caret = box.SelectionStart();
    if (withText) snapshot.BoxText = box.Text();
    return snapshot;
}

ExitSaveResult ExitSave::Write(SettingsFile& file, FileStore& store, const Settings& settings, const TextBox& box) {
    // 退出保存 is no key the exit save writes: off here, it only spares the backup.
    Settings saved = settings;
    if (keptBackupBox_ && box.Text() == *keptBackupBox_) saved.RememberContent = false;
    return SaveSettingsAtExit(file, store, programfiles::kBackupFile, saved,
                              SnapshotOfBox(box, saved.RememberContent));
}

bool ExitSave::Run(SettingsFile& file, FileStore& store, const Settings& settings, const TextBox& box) {
    if (done_) return false;
    done_ = true;
    Write(file, store, settings, box);
    return true;
}

namespace {

// Wide, so the Chinese texts show whatever the ANSI code page.
int ShowMessage(HWND owner, const char* text, const char* caption, UINT flags) {
    return MessageBoxW(owner, GbkToWide(text).c_str(), GbkToWide(caption).c_str(), flags);
}

}  // namespace

bool AskResetQuestion(HWND owner) {
    return ShowMessage(owner, kResetQuestion, kResetCaption, kResetQuestionFlags) == IDYES;
}

bool AskEndWithoutBackup(HWND owner) {
    // No is the default: the text is worth more than a quick exit.
    return ShowMessage(owner, msg::kBackupFailedQuestion, msg::kWarningCaption,
                       MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

void ShowSettingsWriteFailure(HWND owner) {
    ShowMessage(owner, msg::kSettingsWriteFailed, msg::kErrorCaption, MB_OK | MB_ICONERROR);
}
