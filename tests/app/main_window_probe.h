// The main window as the tests see it: its controls found through the
// window itself, and what only a test reads of its insides made reachable.
#pragma once

#include <windows.h>

#include "edit_box_adapter.h"
#include "main_window.h"
#include "status_bar_adapter.h"
#include "undo_history.h"
#include "window_ids.h"

class ProbedMainWindow : public MainWindow {
public:
    HWND Box() const { return GetDlgItem(Handle(), kBoxId); }
    HWND Status() const { return GetDlgItem(Handle(), kStatusBarId); }
    HMENU MenuBar() const { return GetMenu(Handle()); }

    using MainWindow::BoxText;
    using MainWindow::Commands;
    using MainWindow::ContextMenu;
    using MainWindow::CurrentSettings;
    using MainWindow::History;
    using MainWindow::SessionEnding;
    using MainWindow::ShowHideHotKeyId;
    using MainWindow::State;
    using MainWindow::StatusText;
    using MainWindow::TrayIconShown;
};
