// Answering a sequence of dialogs, message boxes and common dialogs from a
// test, through their real controls.
#pragma once

#include <windows.h>
#include <dlgs.h>

#include <string>
#include <vector>

// What a dialog or message box showed.
struct SeenDialog {
    std::wstring caption, text;
    std::wstring firstFilter;  // a file dialog's first file type
    bool yes = false, no = false, cancel = false;
    HICON icon = nullptr;
};

// Answers the dialogs of this thread in order: a message box by its button,
// a common file dialog by typing a file name and pressing OK. A dialog the
// script does not expect is closed and still kept in `seen`. A dialog
// active again after another one (a file dialog after its own question)
// counts as a new one. Wine activates
// a common file dialog before its WM_INITDIALOG (its filter and title are not
// there yet): each dialog is read and answered from a timer of its modal
// loop instead.
class DialogScript {
public:
    struct Step {
        int button;          // for a message box or dialog
        std::wstring file;   // for a file dialog: typed into its name box
        int tickFirst = 0;   // a check box clicked before the button
    };
    explicit DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, &DialogScript::Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogScript() {
        if (timer_) KillTimer(nullptr, timer_);
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    bool Done() const { return seen.size() == steps_.size(); }

    std::vector<SeenDialog> seen;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t name[16] = {};
        if (code == HCBT_ACTIVATE && current_ && GetClassNameW(window, name, 16) && std::wstring(name) == L"#32770" &&
            window != current_->last_) {
            current_->last_ = window;
            current_->pending_ = window;
            current_->timer_ = SetTimer(nullptr, current_->timer_, 1, &DialogScript::Tick);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogScript* self = current_;
        if (!self) return;
        KillTimer(nullptr, self->timer_);
        self->timer_ = 0;
        if (IsWindow(self->pending_)) self->Answer(self->pending_);
        self->pending_ = nullptr;
    }

    void Answer(HWND dialog) {
        SeenDialog s;
        wchar_t buffer[512] = {};
        GetWindowTextW(dialog, buffer, 512);
        s.caption = buffer;
        GetDlgItemTextW(dialog, 0xFFFF, buffer, 512);
        s.text = buffer;
        s.yes = GetDlgItem(dialog, IDYES) != nullptr;
        s.no = GetDlgItem(dialog, IDNO) != nullptr;
        s.cancel = GetDlgItem(dialog, IDCANCEL) != nullptr;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0))) s.icon = icon;
        // The file type box (cmb1) and the file name box (cmb13, or edt1).
        if (HWND types = GetDlgItem(dialog, cmb1)) {
            if (SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buffer)) != CB_ERR) s.firstFilter = buffer;
        }
        const size_t index = seen.size();
        seen.push_back(s);
        if (index >= steps_.size()) {
            PostMessageW(dialog, WM_CLOSE, 0, 0);
            return;
        }
        const Step& step = steps_[index];
        if (!step.file.empty()) {
            HWND fileName = GetDlgItem(dialog, cmb13);
            if (!fileName) fileName = GetDlgItem(dialog, edt1);
            SetWindowTextW(fileName, step.file.c_str());
            PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        } else {
            if (step.tickFirst) PostMessageW(GetDlgItem(dialog, step.tickFirst), BM_CLICK, 0, 0);
            PostMessageW(GetDlgItem(dialog, step.button), BM_CLICK, 0, 0);
        }
    }

    static inline DialogScript* current_ = nullptr;
    std::vector<Step> steps_;
    HWND last_ = nullptr;
    HWND pending_ = nullptr;
    UINT_PTR timer_ = 0;
    HHOOK hook_ = nullptr;
};

inline DialogScript::Step Button(int id) { return {id, std::wstring()}; }
inline DialogScript::Step File(const std::wstring& path) { return {0, path}; }
// Ticks a check box of the dialog, then presses a button.
inline DialogScript::Step TickThen(int checkBox, int button) { return {button, std::wstring(), checkBox}; }
