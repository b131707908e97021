// The main window: the expression box 编辑框 over the status bar 状态条,
// with the menu bar and the context menu. It creates the window and its
// controls, runs the creation handler's steps in their fixed order, and
// hands each message to the object that deals with it: the box, the
// command table, the key handlers, the tray icon, edge docking, the drop
// target.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "balloon_tip.h"
#include "box_look.h"
#include "command_table.h"
#include "drop_target.h"
#include "edge_docking.h"
#include "engine_state.h"
#include "exit_save_files.h"
#include "expression_box.h"
#include "key_handler_host.h"
#include "main_frame.h"
#include "main_menus.h"
#include "message_loop.h"
#include "mode_displays.h"
#include "options_window.h"
#include "settings.h"
#include "skin.h"
#include "text_changed.h"
#include "window_closing.h"
#include "window.h"

class AccumulatorEffects;
class EditBoxAdapter;
class FileEffects;
class FindEffects;
class KeyboardEffects;
class StatusBarAdapter;
class UndoHistory;
struct CalculatorCore;

extern const wchar_t kMainWindowClass[];

enum class StartResult {
    Running,          // created and set up; Show() makes it visible
    AnotherInstance,  // another instance runs and was restored: end with code 0
    Failed,
};

class MainWindow : public Window,
                   private KeyHandlerHost,
                   private TextChangedHost,
                   private ExpressionBoxHost,
                   private MessageFilter {
public:
    MainWindow();
    ~MainWindow() override;

    // Creates the window hidden and runs its creation handler. The
    // program's files are looked for in `programFolder`. With `endsProgram`
    // the window's destruction ends the message loop.
    StartResult Create(HINSTANCE instance, const std::wstring& programFolder, bool endsProgram);
    // Shows the window in the state start-up chose (maximised or normal).
    void Show(int showCommand);

protected:
    // What a test reads of the window's insides, through a class of its own
    // derived from this one; the program itself never asks.
    HMENU ContextMenu() const { return menus_.Context(); }
    EditBoxAdapter& BoxText();
    StatusBarAdapter& StatusText();
    Settings& CurrentSettings() { return settings_; }
    EngineState& State() { return state_; }
    const CommandTable& Commands() const { return commands_; }
    const UndoHistory& History() const;
    bool TrayIconShown() const { return closing_.TrayIconShown(); }
    bool SessionEnding() const { return closing_.SessionEnding(); }
    int ShowHideHotKeyId() const { return edge_.ShowHideHotKeyId(); }

private:
    // Every handler of the window runs inside a HandlerScope; what is left
    // to default handling runs after it.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // True when handled, with its `result`.
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The message loop's look at a message before TranslateMessage: menu
    // shortcuts, and key-downs the box handlers consume (a consumed key-down
    // must not be translated into a character). True when handled.
    bool PreTranslateMessage(const MSG& message) override;
    HINSTANCE Instance() const { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE)); }

    // Creation handler and its steps (main_window_startup.cpp).
    bool CreateControls();
    StartResult MainWindowCreated();
    StartResult CheckSingleInstance();
    void InstallSubclassing();
    // False when the backup was too large to restore: the box is cleared.
    bool RestoreContent();

    void ApplyFont();
    void BoxTextChanged();
    // Status part 3 from the local date and time; every second.
    void ClockTick();

    // The command table (main_window_commands.cpp).
    void BuildCommands();
    void RunCommand(UINT id);
    // The status bar's clicks, as commands of the table.
    void StatusBarClicked(UINT notification);
    // 重置设置: asks, resets part of the settings, applies them at once and
    // deletes the settings file and the backups.
    void ResetSettingsCommand();
    // The modal options and appearance windows, whose live effects reach
    // the window's parts (main_window_options.cpp).
    void OpenOptions();
    void OpenAppearance();

    // ExpressionBoxHost.
    void ShowBoxContextMenu() override;
    void DragWindow(const BoxDrag& drag) override;
    // TextChangedHost and ExpressionBoxHost.
    void ShowCaretPosition() override;
    void RecordUndoSnapshot() override;

    // KeyHandlerHost (main_window_keys.cpp).
    void SetKeyDelayTimer(unsigned intervalMs) override;
    std::uint32_t TickCount() override;
    void FocusBox() override;
    bool IsNumLockOn() override;
    void PressNumLock() override;
    bool IsFullScreenChecked() override;
    void SetFullScreen(bool on) override;
    void FontSizeChanged() override;
    void UpdateModeStatus() override;
    void FractionConvert() override;

    // Everything the window owns beyond its own parts; freed once the
    // window is destroyed and no handler of it is running.
    void Release();

    // A handler of the window on the stack: a command, a message, a key, a
    // menu. The window may be destroyed meanwhile (by a modal loop's
    // message, by the system): what it owns is released only when the
    // outermost handler ends, so none finds its objects freed under it.
    class HandlerScope {
    public:
        explicit HandlerScope(MainWindow& window) : window_(window) { ++window_.handlers_.Depth; }
        ~HandlerScope() {
            if (--window_.handlers_.Depth == 0) window_.AfterHandlers();
        }
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

    private:
        MainWindow& window_;
    };

    // Ending the program (main_window_ending.cpp). The quit commands post
    // the end; it runs only as the one handler on the stack, so nothing that
    // asked for it is still running when the window goes.
    void EndWhenIdle();
    // The exit save on the way out; when the backup of the text fails the
    // user chooses, and false keeps the window with its text.
    bool SaveBeforeEnd();
    // What the outermost handler left: the release, the end, a report.
    void AfterHandlers();
    // A write of the settings file failed: one message per user action.
    void SettingsWriteFailed();
    void ReportWriteFailure();

    Settings settings_;
    EngineState state_;
    std::wstring programFolder_;
    bool endsProgram_ = false;
    bool running_ = false;          // set up in full: a second instance's window never saves
    bool escCloses_ = false;        // Esc asks the window to close; set by the options only
    unsigned keyDelayInterval_ = 0;
    bool fullScreenKeyOn_ = false;  // the full-screen key's state, checked in 视图
    // The handlers on the stack, and what waits for the outermost to end.
    struct HandlerState {
        int Depth = 0;                     // HandlerScopes on the stack
        bool ReleasePending = false;       // destroyed: release when the handlers are done
        bool EndPending = false;           // the end was asked while other handlers ran
        bool WriteFailurePending = false;  // a settings write failed, not reported yet
        bool ReportPosted = false;         // kWriteFailedMessage is on its way
    } handlers_;
    HICON trayIcon_ = nullptr;          // shared with the window class: never freed
    OptionsSession optionsSession_;

    ExpressionBox box_{*this};
    MainMenus menus_;
    BoxLook look_;
    MainFrame frame_{box_, menus_, settings_};
    CommandTable commands_;
    ModeDisplays modes_{commands_, menus_, settings_, state_};
    BalloonTip statusTip_;   // how to use the status bar
    std::unique_ptr<Skin> skin_;
    EdgeDocking edge_;
    WindowClosing closing_{settings_, edge_, box_, menus_, modes_};
    DropTargetRegistration dropTarget_;
    ExitSave exitSave_;

    // The calculator over the controls, and the windows around the box,
    // each with what it needs of the main window.
    std::unique_ptr<CalculatorCore> core_;
    std::unique_ptr<FileEffects> files_;
    std::unique_ptr<FindEffects> find_;
    std::unique_ptr<AccumulatorEffects> accumulator_;
    std::unique_ptr<KeyboardEffects> keyboard_;
};
