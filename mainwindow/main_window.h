// The main window: the expression box 编辑框 over the status bar 状态条,
// with the engine and the key handlers that work on them.
#pragma once

#include <windows.h>

#include <memory>

#include "engine_state.h"
#include "settings.h"

class ClipboardAdapter;
class EditBoxAdapter;
class Engine;
class KeyHandlers;
class StatusBarAdapter;

class MainWindow {
public:
    MainWindow();
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window hidden and runs its start-up; Show() makes it
    // visible. With `endsProgram` its destruction ends the message loop.
    bool Create(HINSTANCE instance, bool endsProgram);
    void Show(int showCommand);

    // The main loop's look at a message before TranslateMessage; true when
    // the message was handled and must go no further (a consumed key-down
    // must not be translated into a character).
    bool PreTranslateMessage(const MSG& message);

    HWND Handle() const { return window_; }
    HWND Box() const { return box_; }
    HWND Status() const { return status_; }
    EditBoxAdapter& BoxText() { return *boxText_; }
    StatusBarAdapter& StatusText() { return *statusText_; }
    Settings& CurrentSettings() { return settings_; }
    EngineState& State() { return state_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleBoxMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateControls();
    void ApplyFont();
    void Layout();
    void BoxTextChanged();
    void Release();

    Settings settings_;
    EngineState state_;
    bool endsProgram_ = false;
    HWND window_ = nullptr;
    HWND box_ = nullptr;
    HWND status_ = nullptr;
    HFONT font_ = nullptr;
    WNDPROC oldBoxProc_ = nullptr;

    std::unique_ptr<EditBoxAdapter> boxText_;
    std::unique_ptr<StatusBarAdapter> statusText_;
    std::unique_ptr<ClipboardAdapter> clipboard_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<KeyHandlers> keys_;
};
