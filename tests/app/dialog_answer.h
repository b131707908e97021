// Answering the program's modal dialogs and message boxes from a test,
// through their real buttons.
#pragma once

#include <windows.h>

#include <string>

// Answers the next dialog or message box of this thread by clicking one of
// its buttons (after ticking the check box `tickFirst` when given), and
// keeps what the box showed.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(int button, int tickFirst = 0) : button_(button), tickFirst_(tickFirst) {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, &MessageBoxAnswer::Hook, nullptr, GetCurrentThreadId());
    }
    ~MessageBoxAnswer() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }

    bool seen = false;
    std::wstring caption;
    std::wstring text;
    bool yes = false, no = false, ok = false, cancel = false;
    bool exclamationIcon = false;
    HICON icon = nullptr;
    // Set to answer every box alike, counted in `shown`, rather than only
    // the first: a second box fails a test instead of waiting for ever.
    bool answerEvery = false;
    int shown = 0;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        MessageBoxAnswer* self = current_;
        const HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        if (code == HCBT_ACTIVATE && self && (!self->seen || self->answerEvery) &&
            GetClassNameW(window, className, 16) && std::wstring(className) == L"#32770") {
            ++self->shown;
            if (!self->seen) self->Read(window);
            self->seen = true;
            if (self->tickFirst_) PostMessageW(GetDlgItem(window, self->tickFirst_), BM_CLICK, 0, 0);
            // No button: its own close box.
            if (self->button_) {
                PostMessageW(GetDlgItem(window, self->button_), BM_CLICK, 0, 0);
            } else {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    void Read(HWND box) {
        wchar_t buffer[256] = {};
        GetWindowTextW(box, buffer, 256);
        caption = buffer;
        GetDlgItemTextW(box, 0xFFFF, buffer, 256);
        text = buffer;
        yes = GetDlgItem(box, IDYES) != nullptr;
        no = GetDlgItem(box, IDNO) != nullptr;
        ok = GetDlgItem(box, IDOK) != nullptr;
        cancel = GetDlgItem(box, IDCANCEL) != nullptr;
        // The icon control holds the system's shared exclamation icon.
        const HICON exclamation = LoadIconW(nullptr, IDI_EXCLAMATION);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (const auto shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0))) icon = shown;
        exclamationIcon = icon == exclamation;
    }

    static inline MessageBoxAnswer* current_ = nullptr;
    int button_;
    int tickFirst_;
    HHOOK hook_ = nullptr;
};

