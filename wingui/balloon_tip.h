// One balloon tool tip control owned by a window; controls are attached to
// it with a GBK text shown when the mouse rests on them. Each is a tool of
// the owner window whose id is the control's handle (TTF_IDISHWND).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

class BalloonTip {
public:
    BalloonTip() = default;
    ~BalloonTip() { Destroy(); }
    BalloonTip(const BalloonTip&) = delete;
    BalloonTip& operator=(const BalloonTip&) = delete;

    // The tool tip goes with its owner if the owner ends first.
    bool Create(HWND owner);
    void Destroy();
    HWND Handle() const { return tip_; }

    bool Attach(HWND control, const std::string& gbkText);
    void SetText(HWND control, const std::string& gbkText);
    void Detach(HWND control);
    // The bold line above every text; icon is TTI_NONE, TTI_INFO, TTI_WARNING
    // or TTI_ERROR. An empty title removes it.
    void SetTitle(const std::string& gbkTitle, WPARAM icon = TTI_NONE);
    // Texts wider than this break into lines (and "\r\n" breaks them).
    void SetMaxWidth(int pixels);

private:
    TTTOOLINFOW ToolOf(HWND control) const;

    HWND tip_ = nullptr;
    HWND owner_ = nullptr;
};
