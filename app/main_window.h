// The main window: the expression box 编辑框 over the status bar 状态条,
// with the menu bar, the context menu, the tray icon and the key handlers.
// Its creation handler reads the settings file and sets everything up in a
// fixed order before the window is first shown.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "box_mouse.h"
#include "command_table.h"
#include "drop_target.h"
#include "engine_state.h"
#include "key_handler_host.h"
#include "layout.h"
#include "message_loop.h"
#include "settings.h"
#include "text_changed.h"
#include "tray_icon.h"
#include "undo_history.h"

class CharInput;
class ClipboardAdapter;
class EditBoxAdapter;
class Engine;
class KeyHandlers;
class LineCommands;
class SettingsFile;
class StatusBarAdapter;
class Win32FileStore;

extern const wchar_t kMainWindowClass[];

enum class StartResult {
    Running,          // created and set up; Show() makes it visible
    AnotherInstance,  // another instance runs and was restored: end with code 0
    Failed,
};

class MainWindow : private KeyHandlerHost, private TextChangedHost, private DropSink, private MessageFilter {
public:
    MainWindow();
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window hidden and runs its creation handler. The
    // program's files are looked for in `programFolder`. With `endsProgram`
    // the window's destruction ends the message loop.
    StartResult Create(HINSTANCE instance, const std::wstring& programFolder, bool endsProgram);
    // Shows the window in the state start-up chose (maximised or normal).
    void Show(int showCommand);

    HWND Handle() const { return window_; }
    HWND Box() const { return box_; }
    HWND Status() const { return status_; }
    HMENU ContextMenu() const { return contextMenu_; }
    EditBoxAdapter& BoxText() { return *boxText_; }
    StatusBarAdapter& StatusText() { return *statusText_; }
    Settings& CurrentSettings() { return settings_; }
    EngineState& State() { return state_; }
    bool TrayIconShown() const { return tray_.Shown(); }
    bool SessionEnding() const { return sessionEnding_; }
    int ShowHideHotKeyId() const { return showHideHotKeyId_; }
    const UndoHistory& History() const { return undo_; }
    const CommandTable& Commands() const { return commands_; }
    HMENU MenuBar() const { return mainMenu_; }

    // Commands of the menus, callable directly.
    void ToggleRealtime();
    void ToggleRecording();
    void UpdateRealtimeMenus();
    void UpdateModeStatus() override;
    void ApplyBars();
    void ShowAllBars();
    void FullScreen();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MainWindowSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditBoxSubclassProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleBoxMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Creation handler and its steps (main_window_startup.cpp).
    StartResult MainWindowCreated();
    void PlaceWindow();
    StartResult CheckSingleInstance();
    void ApplyLayeredAlpha();
    void ApplyFont();
    void ApplyWordWrap();
    void RegisterShowHideHotKey();
    void InstallSubclassing();
    void ApplyKeepOnTop();
    void RestoreContent();
    void SetCompatCopyVisible(bool visible);

    bool CreateBox(bool wordWrap);
    bool CreateControls();
    void LayoutMainWindow();
    void RememberPlacement();
    void BoxTextChanged();
    void BuildCommands();
    void RunCommand(UINT id);
    void RefreshMenus();
    void EditBoxContextMenu();
    void ShowCaretPosition() override;
    void RecordUndoSnapshot() override;
    void Undo();
    void Redo();
    void RegisterDropTarget();

    // The message loop's look at a message before TranslateMessage: menu
    // shortcuts, and key-downs the box handlers consume (a consumed key-down
    // must not be translated into a character). True when handled.
    bool PreTranslateMessage(const MSG& message) override;

    // DropSink: dropped text or a dropped file's text becomes the box's
    // whole text; a file that cannot be read leaves the box as it was.
    void OnTextDropped(const std::string& gbk) override;
    void OnFileDropped(const std::wstring& path, const std::string& gbk) override;
    void Release();

    // KeyHandlerHost (main_window_keys.cpp).
    void SetKeyDelayTimer(unsigned intervalMs) override;
    std::uint32_t TickCount() override;
    void FocusBox() override;
    bool IsNumLockOn() override;
    void PressNumLock() override;
    bool IsFullScreenChecked() override;
    void SetFullScreen(bool on) override;
    void FontSizeChanged() override;
    void FractionConvert() override;

    // Operations of parts built later; each is empty until then.
    void ApplySkin() {}
    void AdjustSkinAero() {}
    void OpenVirtualKeyboard() {}
    void EdgeDockAdjust() {}
    void EdgeHideTick() {}
    void TrayIconEvent(LPARAM) {}
    void ShowHideHotKey() {}

    Settings settings_;
    EngineState state_;
    std::wstring programFolder_;
    bool endsProgram_ = false;
    bool sessionEnding_ = false;
    WindowState startState_ = WindowState::Normal;
    int edgeHideCountdown_ = 0;
    int showHideHotKeyId_ = 0;
    unsigned keyDelayInterval_ = 0;

    HWND window_ = nullptr;
    HWND box_ = nullptr;
    HWND status_ = nullptr;
    HMENU mainMenu_ = nullptr;
    HMENU contextMenuRoot_ = nullptr;
    HMENU contextMenu_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH boxBrush_ = nullptr;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    WNDPROC oldMainWindowProc_ = nullptr;
    WNDPROC oldEditBoxProc_ = nullptr;
    CommandTable commands_;
    bool fullScreenKeyOn_ = false;  // the full-screen key's state, checked in 视图
    TrayIcon tray_;
    std::wstring compatCaption_;         // 复制(兼容) of the menu bar
    std::wstring compatContextCaption_;  // and of the context menu
    BoxMouseState mouse_;
    DropTargetRegistration dropTarget_;
    UndoHistory undo_;

    std::unique_ptr<Win32FileStore> fileStore_;
    std::unique_ptr<SettingsFile> settingsFile_;
    std::unique_ptr<EditBoxAdapter> boxText_;
    std::unique_ptr<StatusBarAdapter> statusText_;
    std::unique_ptr<ClipboardAdapter> clipboard_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<KeyHandlers> keys_;
    std::unique_ptr<CharInput> charInput_;
    std::unique_ptr<LineCommands> lineCommands_;
    std::unique_ptr<TextChangedHandling> textChanged_;
};
