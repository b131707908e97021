// A window made from a DIALOGEX template of the resource script, modal or
// non-modal, owned by another window. The dialog procedure finds the object
// in DWLP_USER (set at WM_INITDIALOG) and calls its members; the helpers
// read and write its controls' texts as GBK.
#pragma once

#include <windows.h>

#include <string>

class Dialog {
public:
    Dialog() = default;
    // Destroys a dialog still open without calling back into the object: a
    // derived class that wants OnDestroy calls Destroy in its destructor.
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // The icons every dialog made from now on shows in its title and in the
    // task switcher, set once by the program at start-up; null leaves the
    // system's. The icons must outlive the dialogs (shared icons do).
    static void SetWindowIcons(HICON big, HICON smallIcon);

    // Shows the dialog and returns when EndModal is called, with its
    // result; -1 when the dialog could not be made or one is open already.
    // The owner is disabled meanwhile.
    INT_PTR RunModal(HINSTANCE instance, int templateId, HWND owner);
    void EndModal(INT_PTR result);

    // Makes the dialog (shown when its template says WS_VISIBLE) and lets
    // the thread's message loop give it keyboard navigation.
    bool Create(HINSTANCE instance, int templateId, HWND owner);
    // A non-modal window's menu item: makes it when closed, else shows the
    // one open (restored when minimised).
    void ShowOrRestore(HINSTANCE instance, int templateId, HWND owner);
    void Destroy();

    HWND Handle() const { return handle_; }
    bool IsOpen() const { return handle_ != nullptr; }
    bool IsModal() const { return modal_; }

    HWND Item(int id) const { return GetDlgItem(handle_, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& gbk);
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    void EnableItem(int id, bool enabled);

protected:
    // True lets the system focus the first control; false after setting
    // the focus elsewhere.
    virtual bool OnInit() { return true; }
    // IDCANCEL (Esc, a Cancel button) closes as the close box does.
    virtual void OnCommand(int id, int notifyCode, HWND control);
    // Modal: EndModal(IDCANCEL); non-modal: Destroy().
    virtual void OnClose();
    virtual void OnDestroy() {}
    // Any other message; FALSE leaves it to the system. As in any dialog
    // procedure, a handled message's result goes through DWLP_MSGRESULT,
    // except for the few that return it directly (WM_CTLCOLOR*).
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    bool modal_ = false;
};
