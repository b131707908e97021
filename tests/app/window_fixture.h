// A real main window in the test process, driven through the program's own
// message step: posted key messages are translated into characters exactly
// as in the running program.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "edit_box_adapter.h"
#include "main_window_probe.h"
#include "message_loop.h"
#include "program_folder.h"
#include "status_bar_adapter.h"

// The clipboard's Unicode text, empty when there is none.
inline std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Ctrl, Shift and Alt as GetKeyState reports them to the program.
inline void SetModifiers(bool ctrl, bool shift, bool alt = false) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = state[VK_LCONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = state[VK_LSHIFT] = shift ? 0x80 : 0;
    state[VK_MENU] = state[VK_LMENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
}

// Catches the pop-up menus the window opens and closes each at once.
class MenuWatch {
public:
    MenuWatch() {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &MenuWatch::Hook, nullptr, GetCurrentThreadId());
        timer_ = SetTimer(nullptr, 0, 50, &MenuWatch::Close);
    }
    ~MenuWatch() {
        KillTimer(nullptr, timer_);
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    std::vector<HMENU> opened;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_INITMENUPOPUP && current_)
            current_->opened.push_back(reinterpret_cast<HMENU>(message->wParam));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void CALLBACK Close(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

    static MenuWatch* current_;
    HHOOK hook_;
    UINT_PTR timer_;
};
inline MenuWatch* MenuWatch::current_ = nullptr;

// A main window started from a private program folder whose settings file
// switches real-time evaluation off, with an empty box: Enter alone
// evaluates, as most tests here want.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.WriteSettings(SettingsText());
        ASSERT_EQ(window_.Create(GetModuleHandleW(nullptr), folder_.Path(), false), StartResult::Running);
        window_.Show(SW_SHOWNOACTIVATE);
        Pump();
        box().SetText("");
        Pump();
    }

    virtual std::string SettingsText() const {
        return "[运行设置]\r\n动态刷新=假\r\n[其他设置]\r\n允许多开=真\r\n";
    }

    void TearDown() override { SetModifiers(false, false); }

    void Pump() { MessageLoop::ForThisThread().PumpPending(); }

    void PostKey(UINT message, WPARAM key) {
        const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
        LPARAM lParam = 1 | static_cast<LPARAM>(scan) << 16;
        if (message == WM_KEYUP) lParam |= static_cast<LPARAM>(3u << 30);  // was down, now released
        PostMessageW(window_.Box(), message, key, lParam);
    }

    // The key-down's character is handled before the release, as with a
    // real keyboard, whose key-up waits in the input queue behind it.
    void Press(WPARAM key) {
        PostKey(WM_KEYDOWN, key);
        Pump();
        PostKey(WM_KEYUP, key);
        Pump();
    }

    // Types digits and the keypad operators key by key.
    void Type(const std::string& keys) {
        for (char c : keys) {
            WPARAM key = static_cast<unsigned char>(c);
            if (c == '+') key = VK_ADD;
            if (c == '-') key = VK_SUBTRACT;
            if (c == '*') key = VK_MULTIPLY;
            if (c == '/') key = VK_DIVIDE;
            if (c == '.') key = VK_DECIMAL;
            Press(key);
        }
    }

    // A key pressed while Ctrl is held, through the accelerators as typed.
    void PressWithCtrl(WPARAM key) {
        SetModifiers(true, false);
        Press(key);
        SetModifiers(false, false);
    }

    // Selection of the box in UTF-16 units.
    std::pair<DWORD, DWORD> UnitSelection() {
        DWORD start = 0, end = 0;
        SendMessageW(window_.Box(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }

    // Text at the end of the box, caret behind it.
    void SetLine(const std::string& text) {
        box().SetText(text);
        box().SetSelectionStart(static_cast<TextPos>(text.size()));
    }

    EditBoxAdapter& box() { return window_.BoxText(); }
    std::string statusPart(StatusPart part) { return window_.StatusText().PartText(part); }
    std::string statusMessage() { return window_.StatusText().PartText(StatusPart::Message); }

    ProgramFolder folder_;
    ProbedMainWindow window_;
};
