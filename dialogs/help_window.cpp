#include "help_window.h"

#include "controls.h"
#include "help_about_ids.h"
#include "help_text.h"

void HelpWindow::Run(HINSTANCE instance, HWND owner) { RunModal(instance, IDD_HELP, owner); }

bool HelpWindow::OnInit() {
    HWND text = Item(IDC_HELP_TEXT);
    LimitText(text, 0);
    SetItemText(IDC_HELP_TEXT, HelpText());
    SetFocus(text);
    SelectText(text, 0, 0);
    return false;
}

void HelpWindow::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_HELP_OK || id == IDOK) {
        EndModal(IDOK);
        return;
    }
    Dialog::OnCommand(id, notifyCode, control);
}

void RunHelpWindow(HINSTANCE instance, HWND owner) {
    HelpWindow window;
    window.Run(instance, owner);
}
