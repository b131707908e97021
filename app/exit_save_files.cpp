#include "exit_save_files.h"

#include "gbk_codec.h"
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

bool ExitSave::Run(SettingsFile& file, FileStore& store, const Settings& settings, const TextBox& box) {
    if (done_) return false;
    done_ = true;
    // 退出保存 is no key the exit save writes: off here, it only spares the backup.
    Settings saved = settings;
    if (keptBackupBox_ && box.Text() == *keptBackupBox_) saved.RememberContent = false;
    SaveSettingsAtExit(file, store, programfiles::kBackupFile, saved, SnapshotOfBox(box, saved.RememberContent));
    return true;
}

bool AskResetQuestion(HWND owner) {
    // Wide, so the Chinese texts show whatever the ANSI code page.
    return MessageBoxW(owner, GbkToWide(kResetQuestion).c_str(), GbkToWide(kResetCaption).c_str(),
                       kResetQuestionFlags) == IDYES;
}
