// The exit question 是否要直接退出！: modal over the main window, it asks
// whether closing exits the program or hides it in the tray.
#pragma once

#include "closing.h"
#include "dialog.h"

class ExitQuestionDialog : public Dialog {
public:
    // Dismissed when the window is closed by its own close button.
    ExitAnswer Ask(HINSTANCE instance, HWND owner);
    // Whether 记住设置 was ticked when it was answered.
    bool Remember() const { return remember_; }

private:
    void OnCommand(int id, int notifyCode, HWND control) override;

    ExitAnswer answer_ = ExitAnswer::Dismissed;
    bool remember_ = false;
};
