// The exit save and the reset of the settings over the program's folder:
// the box's snapshot, a guard that saves once, the files the reset deletes
// and its question as a real message box.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "exit_save.h"
#include "settings_reset.h"
#include "text_box.h"


// The reset's files, relative to the program's folder.
ResetFiles ProgramResetFiles();

// The caret in bytes, and the text only when the save will back it up.
ExitSnapshot SnapshotOfBox(const TextBox& box, bool withText);

// The exit save at most once per window: the close path writes first and
// counts it done unless the user keeps the window; WM_ENDSESSION with TRUE
// (the process may end without a destroy) and WM_DESTROY save when it has
// not run yet.
class ExitSave {
public:
    // `file` and `store` name files relative to the same folder; the backup
    // is programfiles::kBackupFile there. Writes whether or not it ran
    // before, and leaves it not done.
    ExitSaveResult Write(SettingsFile& file, FileStore& store, const Settings& settings, const TextBox& box);
    // Write unless done, then done. False when it had already run.
    bool Run(SettingsFile& file, FileStore& store, const Settings& settings, const TextBox& box);
    void MarkDone() { done_ = true; }
    bool Done() const { return done_; }

    // The backup file is left as it is while the box still holds `text` at
    // the save (a backup start-up could not restore).
    void KeepBackupWhileBoxHolds(std::string text) { keptBackupBox_ = std::move(text); }

private:
    bool done_ = false;
    std::optional<std::string> keptBackupBox_;
};

// kResetQuestion in a message box owned by `owner`; true only for Yes.
bool AskResetQuestion(HWND owner);

// The backup of the text could not be written: true when the user still
// wants to end (Yes), false to keep the window and its text (No).
bool AskEndWithoutBackup(HWND owner);

// Settings that could not be written, as an error message box.
void ShowSettingsWriteFailure(HWND owner);
