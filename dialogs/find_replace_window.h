// 查找和替换: a non-modal window owned by the main window. Its fields come
// from the FindReplace's stored values at each opening and go back to them
// at each closing; its buttons run the FindReplace's searches on the box.
#pragma once

#include <windows.h>

#include "dialog.h"
#include "subclass.h"

class FindReplace;
class FindReplaceHost;

class FindReplaceWindow : public Dialog {
public:
    // `find` and `host` must outlive the window.
    FindReplaceWindow(HINSTANCE instance, HWND owner, FindReplace& find, FindReplaceHost& host)
        : instance_(instance), owner_(owner), find_(find), host_(host) {}
    // Closes an open window, storing its fields.
    ~FindReplaceWindow() override;

    // 查找和替换 (Ctrl+F): makes the window, or shows the one already open;
    // then the box has the keyboard focus back.
    void Open();

protected:
    bool OnInit() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    void OnDestroy() override;

private:
    void UpdateButtons();
    void AppendToken(int combo, int field);
    void FilterFieldChars(Subclass& filter, int field);

    HINSTANCE instance_;
    HWND owner_;
    FindReplace& find_;
    FindReplaceHost& host_;
    Subclass findChars_;
    Subclass replaceChars_;
};
