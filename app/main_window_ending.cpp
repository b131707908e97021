// The way out of the program: the quit commands and a granted close end it
// only when no handler of the window is left on the stack, after the exit
// save, which asks before the text is lost. Failed writes of the settings
// file are reported once per user action.
#include "calculator_core.h"
#include "main_window.h"
#include "window_ids.h"

void MainWindow::EndWhenIdle() {
    // The message being handled is the only handler: nothing that asked for
    // the end, no modal loop, finds the window gone when it goes on.
    if (handlers_.Depth > 1) {
        handlers_.EndPending = true;
        return;
    }
    if (SaveBeforeEnd()) DestroyWindow(Handle());
}

bool MainWindow::SaveBeforeEnd() {
    if (!running_ || exitSave_.Done()) return true;
    const ExitSaveResult saved = exitSave_.Write(core_->SettingsStore, core_->Files, settings_, core_->Text);
    // This action's earlier failures (the close's keyboard key) are told
    // with the exit save's.
    const bool settingsFailed = !saved.SettingsSaved || handlers_.WriteFailurePending;
    handlers_.WriteFailurePending = false;
    // A log-off cannot wait for an answer.
    if (!closing_.SessionEnding()) {
        if (!saved.BackupSaved) {
            if (!AskEndWithoutBackup(Handle())) {
                closing_.BringBack();
                return false;
            }
        } else if (settingsFailed) {
            ShowSettingsWriteFailure(Handle());
        }
    }
    exitSave_.MarkDone();
    return true;
}

void MainWindow::AfterHandlers() {
    if (handlers_.ReleasePending) {
        handlers_.ReleasePending = false;
        Release();
        return;
    }
    if (!Handle()) return;
    if (handlers_.EndPending) {
        handlers_.EndPending = false;
        PostEndOfProgram(Handle());
    }
    if (handlers_.WriteFailurePending && !handlers_.ReportPosted) {
        handlers_.ReportPosted = true;
        PostMessageW(Handle(), kWriteFailedMessage, 0, 0);
    }
}

void MainWindow::SettingsWriteFailed() {
    handlers_.WriteFailurePending = true;
    // A window of its own (the keyboard) wrote outside any handler.
    if (handlers_.Depth == 0) AfterHandlers();
}

void MainWindow::ReportWriteFailure() {
    handlers_.ReportPosted = false;
    // Inside another handler's modal loop: told when that handler is done.
    if (handlers_.Depth > 1 || !handlers_.WriteFailurePending) return;
    handlers_.WriteFailurePending = false;
    // Once the exit save ran the program is on its way out.
    if (!exitSave_.Done()) ShowSettingsWriteFailure(Handle());
}
