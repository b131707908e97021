// Menu commands of the main window, the calculation modes and the mode line.
#include <algorithm>

#include "edit_box_adapter.h"
#include "char_input.h"
#include "clipboard_adapter.h"
#include "editing_commands.h"
#include "engine.h"
#include "line_commands.h"
#include "main_window.h"
#include "mode_line.h"
#include "resource_ids.h"
#include "status_bar_adapter.h"

namespace {

// The item is taken out of its menu while hidden and put back with its
// caption in front of `before` when shown.
struct HiddenItem {
    UINT id;
    UINT before;  // shown again in front of this item
};

void SetItemVisible(HMENU menu, const HiddenItem& item, bool visible, const std::wstring& caption) {
    if (!menu) return;
    const bool present = GetMenuState(menu, item.id, MF_BYCOMMAND) != static_cast<UINT>(-1);
    if (visible && !present) {
        InsertMenuW(menu, item.before, MF_BYCOMMAND | MF_STRING, item.id, caption.c_str());
    } else if (!visible && present) {
        RemoveMenu(menu, item.id, MF_BYCOMMAND);
    }
}

std::wstring MenuCaption(HMENU menu, UINT id) {
    wchar_t caption[128] = {};
    if (menu) GetMenuStringW(menu, id, caption, 128, MF_BYCOMMAND);
    return caption;
}

}  // namespace

void MainWindow::SetCompatCopyVisible(bool visible) {
    // Read while the items are still in the menus, to put them back later.
    if (compatCaption_.empty()) {
        compatCaption_ = MenuCaption(mainMenu_, IDM_COPY_COMPAT);
        compatContextCaption_ = MenuCaption(contextMenu_, IDM_CTX_COPY_COMPAT);
    }
    SetItemVisible(mainMenu_, {IDM_COPY_COMPAT, IDM_PASTE}, visible, compatCaption_);
    SetItemVisible(contextMenu_, {IDM_CTX_COPY_COMPAT, IDM_CTX_PASTE}, visible, compatContextCaption_);
    if (GetMenu(window_)) DrawMenuBar(window_);
}

void MainWindow::OnCommand(int id) {
    switch (id) {
    case IDM_UNDO:
    case IDM_CTX_UNDO:
        Undo();
        break;
    case IDM_REDO:
        Redo();
        break;
    case IDM_PASTE_RESULT:
    case IDM_CTX_PASTE_RESULT:
        charInput_->InsertLastResult();
        FocusBox();
        break;
    case IDM_BATCH:
        lineCommands_->BatchEvaluate();
        FocusBox();
        break;
    case IDM_CTX_SUM:
        lineCommands_->SumResults();
        break;
    case IDM_FRACTION_CONVERT:
    case IDM_CTX_FRACTION_CONVERT:
        lineCommands_->FractionConvert();
        break;
    case IDM_REFRESH_LINE:
    case IDM_CTX_REFRESH_LINE:
        lineCommands_->RefreshCommand();
        break;
    case IDM_REALTIME:
        ToggleRealtime();
        break;
    case IDM_RECORD:
        ToggleRecording();
        break;
    case IDM_CUT:
    case IDM_CTX_CUT:
        SendMessageW(box_, WM_CUT, 0, 0);
        FocusBox();
        break;
    case IDM_COPY:
    case IDM_CTX_COPY:
        if (!boxText_->SelectedText().empty()) SendMessageW(box_, WM_COPY, 0, 0);
        FocusBox();
        break;
    case IDM_PASTE:
    case IDM_CTX_PASTE:
        SendMessageW(box_, WM_PASTE, 0, 0);
        FocusBox();
        break;
    case IDM_SELECT_ALL:
    case IDM_CTX_SELECT_ALL:
        SendMessageW(box_, EM_SETSEL, 0, -1);
        FocusBox();
        break;
    case IDM_COPY_COMPAT:
        // Ctrl+E is shared: while the compatible copy is hidden it repairs
        // the text's line ends.
        if (settings_.MulDivSymbols) {
            CopyCompatible(*boxText_, *clipboard_);
        } else {
            engine_->StripControlChars();
        }
        break;
    case IDM_CTX_COPY_COMPAT:
        CopyCompatible(*boxText_, *clipboard_);
        break;
    case IDM_CLEAR_BOX:
    case IDM_CTX_CLEAR_BOX:
        ClearBox(*boxText_);
        FocusBox();
        break;
    case IDM_CTX_COPY_LINE:
        CopyLine(*boxText_, *clipboard_);
        break;
    case IDM_CTX_DELETE_LINE:
        DeleteLine(*boxText_);
        FocusBox();
        break;
    case IDM_CTX_SELECT_LINE:
        SelectLine(*boxText_);
        break;
    case IDM_REPAIR_TEXT:
        engine_->StripControlChars();
        break;
    case IDM_VIEW_NORMAL:
        ShowAllBars();
        break;
    case IDM_VIEW_STATUS_BAR:
        settings_.StatusBarVisible = !settings_.StatusBarVisible;
        ApplyBars();
        break;
    case IDM_VIEW_MENU_BAR:
        settings_.MenuBarVisible = !settings_.MenuBarVisible;
        ApplyBars();
        break;
    case IDM_VIEW_TITLE_BAR:
        settings_.TitleBarVisible = !settings_.TitleBarVisible;
        ApplyBars();
        break;
    case IDM_VIEW_FULL_SCREEN:
        FullScreen();
        break;
    default:
        // Commands of later parts: their items stay greyed until built.
        break;
    }
}

void MainWindow::ToggleRealtime() {
    settings_.RealTimeMode = !settings_.RealTimeMode;
    CheckMenuItem(mainMenu_, IDM_REALTIME, MF_BYCOMMAND | (settings_.RealTimeMode ? MF_CHECKED : MF_UNCHECKED));
    UpdateRealtimeMenus();
    UpdateModeStatus();
}

void MainWindow::ToggleRecording() {
    state_.RecordingOn = !state_.RecordingOn;
    CheckMenuItem(mainMenu_, IDM_RECORD, MF_BYCOMMAND | (state_.RecordingOn ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::UpdateRealtimeMenus() {
    // Recording is off after every call; real-time mode and recording
    // exclude each other.
    state_.RecordingOn = false;
    CheckMenuItem(mainMenu_, IDM_RECORD, MF_BYCOMMAND | MF_UNCHECKED);
    EnableMenuItem(mainMenu_, IDM_RECORD, MF_BYCOMMAND | (settings_.RealTimeMode ? MF_GRAYED : MF_ENABLED));
    // The accumulator's items follow the mode once the accumulator exists;
    // until then they stay greyed in both modes.
    EnableMenuItem(mainMenu_, IDM_ACCUMULATOR, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(mainMenu_, IDM_CLEAR_ACCUMULATOR, MF_BYCOMMAND | MF_GRAYED);
}

void MainWindow::UpdateModeStatus() { statusText_->SetPartText(2, ModeLineText(settings_)); }
