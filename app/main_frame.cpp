#include "main_frame.h"

#include <commctrl.h>

#include <algorithm>

#include "edit_box_adapter.h"
#include "expression_box.h"
#include "main_menus.h"
#include "settings.h"
#include "window_ids.h"

void MainFrame::Attach(HWND window, HWND status) {
    window_ = window;
    status_ = status;
}

void MainFrame::Place() {
    const Placement placement =
        StartPlacement(settings_, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const WindowRect& r = placement.Rect;
    SetWindowPos(window_, nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    startState_ = placement.State;
}

void MainFrame::Show(int showCommand) {
    if (startState_ == WindowState::Maximised &&
        (showCommand == SW_SHOWNORMAL || showCommand == SW_SHOWDEFAULT || showCommand == SW_SHOW))
        showCommand = SW_SHOWMAXIMIZED;
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

void MainFrame::Layout() {
    RECT client;
    GetClientRect(window_, &client);
    SendMessageW(status_, WM_SIZE, 0, 0);
    std::array<int, 4> edges = StatusPartEdges(client.right);
    SendMessageW(status_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));

    RECT outer;
    GetWindowRect(window_, &outer);
    const BarsShown bars{settings_.MenuBarVisible, settings_.StatusBarVisible, settings_.TitleBarVisible};
    BoxSize size = BoxSizeFor(outer.right - outer.left, outer.bottom - outer.top, bars);
    // Never under the status bar or past the client area, whatever frame
    // sizes the system draws.
    int statusHeight = 0;
    if (IsWindowVisible(status_)) {
        RECT bar;
        GetWindowRect(status_, &bar);
        statusHeight = bar.bottom - bar.top;
    }
    size.Width = std::min<int>(size.Width, client.right);
    size.Height = std::max<int>(0, std::min<int>(size.Height, client.bottom - statusHeight));
    MoveWindow(box_.Handle(), 0, 0, size.Width, size.Height, TRUE);
    RememberPlacement();
}

void MainFrame::RememberPlacement() {
    // Windows parks a minimised window far off the screen, so the tests
    // below keep nothing of it; Wine leaves it where it was, small.
    if (IsIconic(window_)) return;
    RECT outer;
    GetWindowRect(window_, &outer);
    const WindowRect rect{outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
    if (!IsOnScreen(rect, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))) return;
    const bool maximised = IsZoomed(window_);
    if (!maximised) {
        settings_.WindowLeft = rect.Left;
        settings_.WindowWidth = rect.Width;
        settings_.WindowTop = rect.Top;
        settings_.WindowHeight = rect.Height;
    }
    settings_.WindowState = static_cast<int>(maximised ? WindowState::Maximised : WindowState::Normal);
}

void MainFrame::ApplyBars() {
    ShowWindow(status_, settings_.StatusBarVisible ? SW_SHOWNA : SW_HIDE);
    const HMENU wanted = settings_.MenuBarVisible ? menus_.Bar() : nullptr;
    if (GetMenu(window_) != wanted) SetMenu(window_, wanted);

    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    // Without the title bar a narrow, empty tool-window caption stays, so
    // that the window can still be dragged; only the control box goes.
    constexpr LONG_PTR controlBox = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    if (settings_.TitleBarVisible) {
        style |= controlBox;
        exStyle &= ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW);
    } else {
        style &= ~controlBox;
        exStyle |= WS_EX_TOOLWINDOW;
    }
    style |= WS_CAPTION | WS_THICKFRAME;
    SetWindowLongPtrW(window_, GWL_STYLE, style);
    SetWindowLongPtrW(window_, GWL_EXSTYLE, exStyle);
    SetWindowTextW(window_, settings_.TitleBarVisible ? caption_.c_str() : L"");
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

void MainFrame::ShowAllBars() {
    if (IsZoomed(window_)) ShowWindow(window_, SW_RESTORE);
    settings_.StatusBarVisible = settings_.MenuBarVisible = settings_.TitleBarVisible = true;
    ApplyBars();
}

void MainFrame::FullScreen() {
    settings_.StatusBarVisible = settings_.MenuBarVisible = settings_.TitleBarVisible = false;
    ApplyBars();
    ShowWindow(window_, SW_MAXIMIZE);
}

void MainFrame::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (settings_.TitleBarVisible) SetWindowTextW(window_, caption_.c_str());
}

void MainFrame::SetKeepOnTop(bool onTop) {
    SetWindowPos(window_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainFrame::SetAlpha(int alpha) {
    const LONG_PTR exStyle = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrW(window_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void MainFrame::SetWordWrap(bool wrap, EditBoxAdapter& text) {
    if (box_.WordWraps() == wrap) return;
    box_.Create(window_, kBoxId, wrap);
    text.SetControl(box_.Handle());
    Layout();
}
