// The modal options and appearance windows over the main window, with the
// effects they have on the running program at once.
#include "appearance_effects.h"
#include "appearance_window.h"
#include "calculator_core.h"
#include "main_window.h"
#include "options_effects.h"
#include "options_window.h"

void MainWindow::OpenOptions() {
    OptionsEffects effects(Handle(), frame_, menus_, edge_, modes_, core_->Text, escCloses_);
    RunOptionsWindow(Instance(), Handle(), settings_, core_->SettingsStore, effects, optionsSession_);
    FocusBox();
}

void MainWindow::OpenAppearance() {
    AppearanceEffects effects(*skin_, frame_, look_, box_);
    RunAppearanceWindow(Instance(), Handle(), settings_, core_->SettingsStore, effects);
    FocusBox();
}
