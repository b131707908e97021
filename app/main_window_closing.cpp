// Closing the main window: minimised first, then closed, hidden in the tray
// or left minimised as 退出设置 and the exit question decide; the tray icon
// brings it back.
#include "closing.h"
#include "exit_question_dialog.h"
#include "calculator_core.h"
#include "keyboard_effects.h"
#include "main_window.h"
#include "settings_file.h"
#include "settings_writer.h"

bool MainWindow::CloseQuery() {
    if (sessionEnding_) return true;
    ShowWindow(Handle(), SW_MINIMIZE);
    return ExitDecision();
}

bool MainWindow::ExitDecision() {
    // The next start reopens the keyboard window when it is open now.
    settings_.KeyboardOpenAtStart = keyboard_->Window().IsOpen();
    WriteSetting(core_->SettingsStore, settings_, &Settings::KeyboardOpenAtStart);

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
    const HINSTANCE instance = Instance();
    const ExitAnswer answer = question.Ask(instance, Handle());
    const ExitQuestionOutcome outcome = AnswerExitQuestion(answer, question.Remember(), settings_.ExitAction);
    settings_.ExitAction = outcome.NewExitAction;
    if (outcome.Hide) HideToTray();
    return outcome.Close;
}

void MainWindow::HideToTray() {
    if (tray_.Shown()) ShowWindow(Handle(), SW_HIDE);
}

void MainWindow::BringBack() {
    const HWND window = Handle();
    ShowWindow(window, settings_.WindowState == static_cast<int>(WindowState::Maximised) ? SW_SHOWMAXIMIZED
                                                                                         : SW_RESTORE);
    // Topmost for a moment brings it to the front, then as the setting says.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(window, settings_.KeepOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    edge_.BringBack();
    FocusBox();
}

void MainWindow::OnTrayEvent(LPARAM mouseMessage) {
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

void MainWindow::ShowTrayMenu() {
    modes_.RefreshMenus();
    POINT at;
    GetCursorPos(&at);
    // A tray menu closes when clicked elsewhere only while its window is in front.
    SetForegroundWindow(Handle());
    TrackPopupMenu(menus_.Tray(), TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
    PostMessageW(Handle(), WM_NULL, 0, 0);
}
