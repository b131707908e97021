#include "mode_displays.h"

#include "engine_state.h"
#include "main_menus.h"
#include "mode_line.h"
#include "settings.h"
#include "text_box.h"

void ModeDisplays::RefreshMenus() const { menus_.Refresh(commands_); }

void ModeDisplays::ShowModeLine() const {
    if (status_) status_->SetPartText(StatusPart::Mode, ModeLineText(settings_));
}

void ModeDisplays::ModesChanged() {
    state_.RecordingOn = false;
    RefreshMenus();
    ShowModeLine();
}

void ModeDisplays::ToggleRealtime() {
    settings_.RealTimeMode = !settings_.RealTimeMode;
    ModesChanged();
}

void ModeDisplays::ToggleRecording() {
    state_.RecordingOn = !state_.RecordingOn;
    RefreshMenus();
}
