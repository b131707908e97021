#include "window_closing.h"

#include "closing.h"
#include "edge_docking.h"
#include "exit_question_dialog.h"
#include "expression_box.h"
#include "keyboard_window.h"
#include "layout.h"
#include "main_menus.h"
#include "mode_displays.h"
#include "settings.h"
#include "settings_file.h"
#include "settings_writer.h"

void WindowClosing::Attach(HWND window, SettingsFile& file, const KeyboardWindow& keyboard) {
    window_ = window;
    file_ = &file;
    keyboard_ = &keyboard;
}

void WindowClosing::AddTrayIcon(UINT callbackMessage, HICON icon) {
    tray_.Add(window_, callbackMessage, icon, L"Numerel");
}

void WindowClosing::WatchSessionEnd() {
    sessionWatch_.Install(window_, [this](UINT message, WPARAM wParam, LPARAM, bool&) -> LRESULT {
        if (message == WM_QUERYENDSESSION) sessionEnding_ = true;
        if (message == WM_ENDSESSION && !wParam) sessionEnding_ = false;
        return 0;
    });
}

bool WindowClosing::CloseQuery() {
    if (sessionEnding_) return true;
    ShowWindow(window_, SW_MINIMIZE);
    return ExitDecision();
}

bool WindowClosing::ExitDecision() {
    // The next start reopens the keyboard window when it is open now.
    settings_.KeyboardOpenAtStart = keyboard_->IsOpen();
    WriteSetting(*file_, settings_, &Settings::KeyboardOpenAtStart);

    switch (DecideClose(false, settings_.ExitAction)) {
    case CloseStep::Close:
        return true;
    case CloseStep::HideInTray:
        HideToTray();
        return false;
    case CloseStep::AskFirst:
        break;
    }
    ExitQuestionDialog question;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    const ExitAnswer answer = question.Ask(instance, window_);
    const ExitQuestionOutcome outcome = AnswerExitQuestion(answer, question.Remember(), settings_.ExitAction);
    settings_.ExitAction = outcome.NewExitAction;
    if (outcome.Hide) HideToTray();
    return outcome.Close;
}

void WindowClosing::HideToTray() {
    if (tray_.Shown()) ShowWindow(window_, SW_HIDE);
}

void WindowClosing::BringBack() {
    ShowWindow(window_, settings_.WindowState == static_cast<int>(WindowState::Maximised) ? SW_SHOWMAXIMIZED
                                                                                          : SW_RESTORE);
    // Topmost for a moment brings it to the front, then as the setting says.
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(window_, settings_.KeepOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    edge_.BringBack();
    box_.Focus();
}

void WindowClosing::OnTrayEvent(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        BringBack();
        break;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
        ShowTrayMenu();
        break;
    default:
        break;
    }
}

void WindowClosing::ShowTrayMenu() {
    modes_.RefreshMenus();
    POINT at;
    GetCursorPos(&at);
    // A tray menu closes when clicked elsewhere only while its window is in front.
    SetForegroundWindow(window_);
    TrackPopupMenu(menus_.Tray(), TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    PostMessageW(window_, WM_NULL, 0, 0);
}
