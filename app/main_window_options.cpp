// The options and appearance windows over the main window, and the effects
// they have on the running program at once.
#include "appearance_effects.h"
#include "edit_box_adapter.h"
#include "main_window.h"
#include "settings_file.h"

class OptionsEffects final : public OptionsHost {
public:
    explicit OptionsEffects(MainWindow& window) : window_(window) {}

    void SetAlwaysOnTop(bool) override { window_.ApplyKeepOnTop(); }
    void SetEscapeCloses(bool closes) override { window_.escCloses_ = closes; }
    // The record already holds the new key and modifiers.
    void ReRegisterShowHideHotKey(bool, int, int) override {
        window_.edge_.RegisterShowHideHotKey(window_.Handle(), window_.settings_);
    }
    void SetWordWrap(bool) override { window_.ApplyWordWrap(); }
    void SetEdgeHideTimer(bool) override { window_.edge_.SetEdgeHideTimer(window_.Handle(), window_.settings_); }
    void ShowCompatibleCopy(bool shown) override { window_.SetCompatCopyVisible(shown); }
    TextBox& Box() override { return *window_.boxText_; }
    void RefreshModeDisplays() override {
        window_.UpdateRealtimeMenus();
        window_.UpdateModeStatus();
    }

private:
    MainWindow& window_;
};

void MainWindow::OpenOptions() {
    OptionsEffects effects(*this);
    const HINSTANCE instance = Instance();
    RunOptionsWindow(instance, Handle(), settings_, *settingsFile_, effects);
    FocusBox();
}

void MainWindow::OpenAppearance() {
    AppearanceEffects effects(*this);
    const HINSTANCE instance = Instance();
    RunAppearanceWindow(instance, Handle(), settings_, *settingsFile_, effects);
    FocusBox();
}
