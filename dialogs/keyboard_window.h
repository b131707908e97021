// 虚拟键盘: a non-modal window of 41 keys owned by the main window. Keys
// write into the main window's box and give it the focus back; digits, "."
// and BACK go to the box as real key presses through the message loop.
#pragma once

#include <windows.h>

#include "balloon_tip.h"
#include "dialog.h"
#include "keyboard_pad.h"
#include "subclass.h"

// What the keyboard needs of the main window beyond the pad's needs.
class KeyboardHost : public KeyboardBoxHost {
public:
    // The box's window, which the simulated key presses are posted to.
    virtual HWND BoxWindow() = 0;
};

class KeyboardWindow : public Dialog {
public:
    // `host` must outlive the window.
    KeyboardWindow(HINSTANCE instance, HWND owner, KeyboardHost& host)
        : instance_(instance), owner_(owner), host_(host), pad_(host) {}
    // Closes an open window, storing its place.
    ~KeyboardWindow() override;

    // &I.虚拟键盘 and start-up: makes the window, or shows the one open.
    void OpenVirtualKeyboard();
    // The status bar's right click: closes an open window, else opens it.
    void ToggleVirtualKeyboard();
    void Close();

    // Presses key `index` of the key table, as a click on it does.
    void PressKey(int index);

protected:
    bool OnInit() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    void OnDestroy() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void LayOut();
    void ShowCaptions();
    void SendKey(unsigned key);

    HINSTANCE instance_;
    HWND owner_;
    KeyboardHost& host_;
    KeyboardPad pad_;
    BalloonTip tip_;
    Subclass bracketRightClick_;
};
