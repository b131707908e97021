#include "message_loop.h"

#include "main_window.h"

void ProcessMessage(MainWindow& window, const MSG& message) {
    if (window.PreTranslateMessage(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void PumpPendingMessages(MainWindow& window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave it for the loop that owns it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ProcessMessage(window, message);
    }
}

int RunMessageLoop(MainWindow& window) {
    MSG message;
    BOOL result;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (result == -1) return 1;
        ProcessMessage(window, message);
    }
    return static_cast<int>(message.wParam);
}
