// What the key handlers of the box need of the main window.
#include "calculator_core.h"
#include "main_window.h"
#include "resource_ids.h"
#include "window_ids.h"

void MainWindow::SetKeyDelayTimer(unsigned intervalMs) {
    // SetTimer again would restart the count: a held Enter's auto-repeated
    // key-downs must not delay its ticks.
    if (intervalMs == keyDelayInterval_) return;
    keyDelayInterval_ = intervalMs;
    if (intervalMs == 0) {
        KillTimer(Handle(), kKeyDelayTimerId);
    } else {
        SetTimer(Handle(), kKeyDelayTimerId, intervalMs, nullptr);
    }
}

std::uint32_t MainWindow::TickCount() { return static_cast<std::uint32_t>(GetTickCount()); }

void MainWindow::FocusBox() { box_.Focus(); }

bool MainWindow::IsNumLockOn() { return (GetKeyState(VK_NUMLOCK) & 1) != 0; }

void MainWindow::PressNumLock() {
    INPUT presses[2] = {};
    presses[0].type = presses[1].type = INPUT_KEYBOARD;
    presses[0].ki.wVk = presses[1].ki.wVk = VK_NUMLOCK;
    presses[0].ki.dwFlags = presses[1].ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
    presses[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, presses, sizeof(INPUT));
}

bool MainWindow::IsFullScreenChecked() {
    return fullScreenKeyOn_;
}

void MainWindow::SetFullScreen(bool on) {
    if (on) {
        frame_.FullScreen();
    } else {
        frame_.ShowAllBars();
    }
    fullScreenKeyOn_ = on;
    modes_.RefreshMenus();
}

void MainWindow::FontSizeChanged() { ApplyFont(); }

void MainWindow::UpdateModeStatus() { modes_.ShowModeLine(); }

void MainWindow::FractionConvert() { core_->Lines.FractionConvert(); }
