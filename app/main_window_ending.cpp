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
    if (handlerDepth_ > 1) {
        endPending_ = true;
        return;
    }
    if (SaveBeforeEnd()) DestroyWindow(Handle());
}

bool MainWindow::SaveBeforeEnd() {
    if (!running_ || exitSave_.Done()) return true;
    const ExitSaveResult saved = exitSave_.Write(core_->SettingsStore, core_->Files, settings_, core_->Text);
    // This action's earlier failures (the close's keyboard key) are told
    // with the exit save's.
    const bool settingsFailed = !saved.SettingsSaved || writeFailurePending_;
    writeFailurePending_ = false;
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
    if (releasePending_) {
        releasePending_ = false;
        Release();
        return;
    }
    if (!Handle()) return;
    if (endPending_) {
        endPending_ = false;
        PostEndOfProgram(Handle());
    }
    if (writeFailurePending_ && !reportPosted_) {
        reportPosted_ = true;
        PostMessageW(Handle(), kWriteFailedMessage, 0, 0);
    }
}

void MainWindow::SettingsWriteFailed() {
    writeFailurePending_ = true;
    // A window of its own (the keyboard) wrote outside any handler.
    if (handlerDepth_ == 0) AfterHandlers();
}

void MainWindow::ReportWriteFailure() {
    reportPosted_ = false;
    // Inside another handler's modal loop: told when that handler is done.
    if (handlerDepth_ > 1 || !writeFailurePending_) return;
    writeFailurePending_ = false;
    // Once the exit save ran the program is on its way out.
    if (!exitSave_.Done()) ShowSettingsWriteFailure(Handle());
}
