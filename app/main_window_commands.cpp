// The main window's command table: every action of the menu bar, the
// context menu, the accelerators and the status bar's clicks, once.
#include <algorithm>

#include "accumulator_effects.h"
#include "calculator_core.h"
#include "editing_commands.h"
#include "effective_values.h"
#include "analysis_window.h"
#include "about_window.h"
#include "help_window.h"
#include "insert_commands.h"
#include "keyboard_effects.h"
#include "file_effects.h"
#include "find_effects.h"
#include "main_window.h"
#include "printing.h"
#include "resource_ids.h"
#include "status_bar_clicks.h"

void MainWindow::BuildCommands() {
    CommandTable& t = commands_;
    // An action that gives the box the keyboard focus back afterwards.
    auto thenFocus = [this](std::function<void()> action) {
        return [this, action] {
            action();
            FocusBox();
        };
    };
    auto toggle = [this](bool& flag) {
        return [this, &flag] {
            flag = !flag;
            frame_.ApplyBars();
        };
    };

    // 文件.
    t.Add(IDM_NEW_FILE, CtrlKey('N'), thenFocus([this] { files_->Commands().NewFile(); }));
    t.Add(IDM_OPEN_FILE, CtrlKey('O'), thenFocus([this] { files_->Commands().OpenFileCommand(); }));
    t.Add(IDM_SAVE, CtrlKey('S'), [this] { files_->Commands().SaveCommand(); });
    t.Add(IDM_SAVE_AS, {}, [this] { files_->Commands().SaveAsCommand(); });
    t.Add(IDM_PRINT, CtrlKey('P'), thenFocus([this] { PrintExpressions(Handle(), core_->Text.Text()); }));
    // Asks about unsaved changes, then goes without the close question,
    // through the exit save.
    t.Add(IDM_EXIT, CtrlKey('Q'), [this] { files_->Commands().ExitCommand(); });

    // 编辑.
    t.Add(IDM_UNDO, CtrlKey('Z'), thenFocus([this] { core_->Undo(); }));
    t.Add(IDM_REDO, CtrlKey('Y'), thenFocus([this] { core_->Redo(); }));
    t.Add(IDM_CUT, CtrlKey('X'), thenFocus([this] { SendMessageW(box_.Handle(), WM_CUT, 0, 0); }));
    t.Add(IDM_COPY, CtrlKey('C'), thenFocus([this] {
               if (!core_->Text.SelectedText().empty()) SendMessageW(box_.Handle(), WM_COPY, 0, 0);
           }));
    // Ctrl+E is shared: while the compatible copy is hidden it repairs the
    // text's line ends. Listed before the repair, so the key is this entry's.
    t.Add(IDM_COPY_COMPAT, CtrlKey('E'), [this] {
               if (settings_.MulDivSymbols) {
                   CopyCompatible(core_->Text, core_->Clipboard);
               } else {
                   core_->Calculator.StripControlChars();
               }
           });
    t.Add(IDM_PASTE, CtrlKey('V'), thenFocus([this] { SendMessageW(box_.Handle(), WM_PASTE, 0, 0); }));
    t.Add(IDM_PASTE_RESULT, CtrlKey('R'), thenFocus([this] { core_->Chars.InsertLastResult(); }));
    t.Add(IDM_CLEAR_BOX, CtrlKey('D'), thenFocus([this] { ClearBox(core_->Text); }));
    t.Add(IDM_SELECT_ALL, CtrlKey('A'), thenFocus([this] { SendMessageW(box_.Handle(), EM_SETSEL, 0, -1); }));
    t.Add(IDM_REALTIME, CtrlKey('G'), [this] { modes_.ToggleRealtime(); }, nullptr,
           [this] { return settings_.RealTimeMode; });
    // Real-time mode and recording exclude each other.
    t.Add(IDM_RECORD, CtrlKey('H'), [this] { modes_.ToggleRecording(); }, [this] { return !settings_.RealTimeMode; },
           [this] { return state_.RecordingOn; });
    // The accumulator works on recorded results: only outside real-time mode.
    t.Add(IDM_ACCUMULATOR, CtrlKey('M'), [this] { accumulator_->Window().Open(); }, [this] { return !settings_.RealTimeMode; });
    t.Add(IDM_CLEAR_ACCUMULATOR, {}, [this] { ClearAccumulator(Handle(), state_); },
          [this] { return !settings_.RealTimeMode; });
    t.Add(IDM_REFRESH_LINE, PlainKey(VK_F5), [this] { core_->Lines.RefreshCommand(); });
    t.Add(IDM_BATCH, {}, thenFocus([this] { core_->Lines.BatchEvaluate(); }));
    t.Add(IDM_FRACTION_CONVERT, {}, [this] { core_->Lines.FractionConvert(); });
    t.Add(IDM_REPAIR_TEXT, CtrlKey('E'), [this] { core_->Calculator.StripControlChars(); });

    // Only in the context menu.
    t.Add(IDM_COPY_LINE, {}, [this] { CopyLine(core_->Text, core_->Clipboard); });
    t.Add(IDM_SELECT_LINE, {}, [this] { SelectLine(core_->Text); });
    t.Add(IDM_SUM, {}, [this] { core_->Lines.SumResults(); });
    t.Add(IDM_DELETE_LINE, {}, thenFocus([this] { DeleteLine(core_->Text); }));
    // The inserts leave the focus where it is.
    t.Add(IDM_SEPARATOR_LINE, {}, [this] { InsertSeparatorLine(core_->Text); });
    for (UINT id = IDM_INSERT_FUNCTION_FIRST; id <= IDM_INSERT_FUNCTION_LAST; ++id)
        t.Add(id, {}, [this, id] { InsertTemplate(core_->Text, kFunctionTemplates[id - IDM_INSERT_FUNCTION_FIRST]); });

    // 视图.
    t.Add(IDM_VIEW_NORMAL, {}, [this] { frame_.ShowAllBars(); });
    t.Add(IDM_VIEW_STATUS_BAR, {}, toggle(settings_.StatusBarVisible), nullptr,
           [this] { return settings_.StatusBarVisible; });
    t.Add(IDM_VIEW_MENU_BAR, {}, toggle(settings_.MenuBarVisible), nullptr,
           [this] { return settings_.MenuBarVisible; });
    t.Add(IDM_VIEW_TITLE_BAR, {}, toggle(settings_.TitleBarVisible), nullptr,
           [this] { return settings_.TitleBarVisible; });
    // The check mark is the full-screen key's state; the item itself only
    // goes to full screen.
    t.Add(IDM_VIEW_FULL_SCREEN, {}, [this] { frame_.FullScreen(); }, nullptr, [this] { return fullScreenKeyOn_; });

    // 托盘菜单.
    t.Add(IDM_TRAY_OPEN, {}, [this] { closing_.BringBack(); });
    t.Add(IDM_TRAY_EXIT, {}, [this] { PostEndOfProgram(Handle()); });

    // 其他, 设置, 关于: the windows not built yet are greyed.
    t.Add(IDM_FIND_REPLACE, CtrlKey('F'), [this] { find_->Window().Open(); });
    t.Add(IDM_FIND_PREVIOUS, ShiftKey(VK_F3), [this] { find_->Find().FindPrevious(); });
    t.Add(IDM_FIND_NEXT, PlainKey(VK_F3), [this] { find_->Find().FindNext(); });
    t.Add(IDM_VIRTUAL_KEYBOARD, CtrlKey('I'), [this] { keyboard_->Window().OpenVirtualKeyboard(); });
    // The status bar's right click.
    t.Add(IDM_TOGGLE_KEYBOARD, {}, [this] { keyboard_->Window().ToggleVirtualKeyboard(); });
    // Both open 辅助分析, each on its own page.
    t.Add(IDM_BASE_CONVERSION, {}, thenFocus([this] { RunAnalysisWindow(Instance(), Handle(), 0); }));
    t.Add(IDM_STATISTICS, {}, thenFocus([this] { RunAnalysisWindow(Instance(), Handle(), 1); }));
    t.Add(IDM_UNIT_CONVERSION);  // offered, with no action
    t.Add(IDM_OPTIONS, CtrlKey('K'), [this] { OpenOptions(); });
    t.Add(IDM_APPEARANCE, CtrlKey('U'), [this] { OpenAppearance(); });
    t.Add(IDM_FONT, CtrlKey('T'), thenFocus([this] { look_.ChooseInFontDialog(Handle(), box_.Handle(), settings_); }));
    t.Add(IDM_RESET_SETTINGS, {}, [this] { ResetSettingsCommand(); });
    t.Add(IDM_HELP, PlainKey(VK_F1), [this] { RunHelpWindow(Instance(), Handle()); });
    t.Add(IDM_ABOUT, {}, [this] { RunAboutWindow(Instance(), Handle()); });
}

namespace {

// What the reset asks of the main window: its question, and the skin and
// edge-hiding operations.
class WindowResetHost final : public ResetHost {
public:
    WindowResetHost(HWND window, Skin& skin, EdgeDocking& edge) : window_(window), skin_(skin), edge_(edge) {}
    bool ConfirmReset() override { return AskResetQuestion(window_); }
    void SetSkinAero() override { skin_.SetAero(false); }
    void AdjustSkinAero(const std::array<int, 7>& parameters) override { skin_.AdjustAero(parameters); }
    void ApplySkin(int index) override { skin_.Apply(index); }
    void SetEdgeHideCountdown(int ticks) override { edge_.SetHideCountdown(ticks); }

private:
    HWND window_;
    Skin& skin_;
    EdgeDocking& edge_;
};

}  // namespace

void MainWindow::ResetSettingsCommand() {
    WindowResetHost host(Handle(), *skin_, edge_);
    const std::optional<ResetLive> live = ResetSettings(settings_, core_->Files, ProgramResetFiles(), host);
    if (!live) return;
    if (!live->FilesDeleted) SettingsWriteFailed();
    ApplyFont();
    SetWindowPos(Handle(), nullptr, live->Left, live->Top, live->Width, live->Height, SWP_NOZORDER | SWP_NOACTIVATE);
    // Painted white while the setting keeps its colour.
    look_.Paint(box_.Handle(), live->BoxBackColour);
    FocusBox();
}

void MainWindow::RunCommand(UINT id) {
    // Inside the message's HandlerScope, which keeps the box's adapter.
    EditBoxAdapter::TextReuseScope reuse(core_->Text);
    commands_.Run(id);
    // A window destroyed meanwhile has no menus left to refresh.
    if (Handle()) modes_.RefreshMenus();
}

void MainWindow::StatusBarClicked(UINT notification) {
    for (const StatusBarClick& click : kStatusBarClicks)
        if (click.Notification == notification) RunCommand(click.Command);
}
