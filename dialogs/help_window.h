// 帮助 (F1): modal over the main window, the user guide in a read-only
// multi-line box that has the keyboard focus from the start, so the text
// scrolls with the keys at once; 确定 closes it.
#pragma once

#include <windows.h>

#include "dialog.h"

class HelpWindow : public Dialog {
public:
    void Run(HINSTANCE instance, HWND owner);

private:
    bool OnInit() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
};

// For the main window's &K.帮助 (F1).
void RunHelpWindow(HINSTANCE instance, HWND owner);
