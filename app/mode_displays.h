// Where the calculation modes show: the menus' check marks and greying,
// brought up to date from the command table, and the mode line in part 2
// of the status bar.
#pragma once

class CommandTable;
class MainMenus;
class StatusBar;
struct EngineState;
struct Settings;

class ModeDisplays {
public:
    ModeDisplays(const CommandTable& commands, const MainMenus& menus, Settings& settings, EngineState& state)
        : commands_(commands), menus_(menus), settings_(settings), state_(state) {}
    ModeDisplays(const ModeDisplays&) = delete;
    ModeDisplays& operator=(const ModeDisplays&) = delete;

    // The status bar the mode line goes to, once made.
    void Attach(StatusBar& status) { status_ = &status; }

    void RefreshMenus() const;
    void ShowModeLine() const;
    // A mode was set from outside the menus (the options, start-up):
    // recording is off after every such change, since real-time mode and
    // recording exclude each other; then the menus and the mode line.
    void ModesChanged();

    void ToggleRealtime();
    void ToggleRecording();

private:
    const CommandTable& commands_;
    const MainMenus& menus_;
    Settings& settings_;
    EngineState& state_;
    StatusBar* status_ = nullptr;
};
