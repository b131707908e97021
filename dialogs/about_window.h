// 关于: modal over the main window, the picture (a JPEG of the resources
// decoded by the system's imaging component), the product name with the
// version of the program's version resource, the statement and three
// contact lines. A press on a contact line opens it while the window stays
// open: the first opens 帮助 over it, the other two hand their link to the
// shell. "确 定" closes the window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "dialog.h"

// "0.1.0.0" from the module's VS_VERSION_INFO; empty when it has none.
std::string ModuleVersion(HINSTANCE instance);

// The JPEG resource `id` decoded by WIC into a 32-bit top-down DIB section;
// nullptr when it cannot be decoded. The caller deletes it.
HBITMAP DecodeJpegResource(HINSTANCE instance, int id);

// ShellExecuteW(owner, "open", link).
void OpenWithShell(HWND owner, const std::wstring& link);

class AboutWindow : public Dialog {
public:
    using LinkOpener = std::function<void(HWND owner, const std::wstring& link)>;

    explicit AboutWindow(LinkOpener openLink = OpenWithShell) : openLink_(std::move(openLink)) {}
    ~AboutWindow() override;

    void Run(HINSTANCE instance, HWND owner);

    // The links of the second and third contact lines.
    static std::wstring FolderLink(HINSTANCE instance);
    static std::wstring MailLink();

private:
    bool OnInit() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OpenContact(int id);

    LinkOpener openLink_;
    HINSTANCE instance_ = nullptr;
    HBITMAP picture_ = nullptr;
};

// For the main window's &A.关于计算器.
void RunAboutWindow(HINSTANCE instance, HWND owner);
