#include "exit_question_dialog.h"

#include "exit_question_ids.h"

ExitAnswer ExitQuestionDialog::Ask(HINSTANCE instance, HWND owner) {
    answer_ = ExitAnswer::Dismissed;
    remember_ = false;
    RunModal(instance, IDD_EXIT_QUESTION, owner);
    return answer_;
}

void ExitQuestionDialog::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_EXIT_NOW || id == IDC_EXIT_TO_TRAY) {
        answer_ = id == IDC_EXIT_NOW ? ExitAnswer::ExitNow : ExitAnswer::ToTray;
        remember_ = IsChecked(IDC_EXIT_REMEMBER);
        EndModal(id);
        return;
    }
    Dialog::OnCommand(id, notifyCode, control);
}
