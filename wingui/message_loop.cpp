#include "message_loop.h"

#include <algorithm>

MessageLoop& MessageLoop::ForThisThread() {
    thread_local MessageLoop loop;
    return loop;
}

void MessageLoop::AddFilter(MessageFilter& filter) {
    if (std::find(filters_.begin(), filters_.end(), &filter) == filters_.end()) filters_.push_back(&filter);
}

void MessageLoop::RemoveFilter(MessageFilter& filter) {
    filters_.erase(std::remove(filters_.begin(), filters_.end(), &filter), filters_.end());
}

void MessageLoop::AddDialog(HWND dialog) {
    if (std::find(dialogs_.begin(), dialogs_.end(), dialog) == dialogs_.end()) dialogs_.push_back(dialog);
}

void MessageLoop::RemoveDialog(HWND dialog) {
    dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
}

void MessageLoop::Process(const MSG& message) {
    // Copies: a filter or a dialog may add or remove entries while it runs.
    const std::vector<MessageFilter*> filters = filters_;
    for (MessageFilter* filter : filters)
        if (filter->PreTranslateMessage(message)) return;
    const std::vector<HWND> dialogs = dialogs_;
    for (HWND dialog : dialogs)
        if (IsWindow(dialog) && IsDialogMessageW(dialog, const_cast<MSG*>(&message))) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void MessageLoop::PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Process(message);
    }
}

int MessageLoop::Run() {
    MSG message;
    BOOL result;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (result == -1) return 1;
        Process(message);
    }
    return static_cast<int>(message.wParam);
}
