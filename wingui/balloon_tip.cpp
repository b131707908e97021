#include "balloon_tip.h"

#include "gbk_codec.h"

bool BalloonTip::Create(HWND owner) {
    if (tip_ || !owner) return false;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    const DWORD style = WS_POPUP | TTS_BALLOON | TTS_ALWAYSTIP | TTS_NOPREFIX;
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
    if (tip_) owner_ = owner;
    return tip_ != nullptr;
}

void BalloonTip::Destroy() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
    tip_ = owner_ = nullptr;
}

// The size of the version 5.80 structure, which version 6 takes as well:
// without a manifest asking for comctl32 6 the program gets version 5, and
// Windows' version 5 refuses the larger size these headers give by default.
TTTOOLINFOW BalloonTip::ToolOf(HWND control) const {
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

bool BalloonTip::Attach(HWND control, const std::string& gbkText) {
    if (!tip_ || !control) return false;
    std::wstring text = GbkToWide(gbkText);
    TTTOOLINFOW tool = ToolOf(control);
    // The control copies the text.
    tool.lpszText = text.data();
    return SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

void BalloonTip::SetText(HWND control, const std::string& gbkText) {
    if (!tip_) return;
    std::wstring text = GbkToWide(gbkText);
    TTTOOLINFOW tool = ToolOf(control);
    tool.lpszText = text.data();
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void BalloonTip::Detach(HWND control) {
    if (!tip_) return;
    TTTOOLINFOW tool = ToolOf(control);
    SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void BalloonTip::SetTitle(const std::string& gbkTitle, WPARAM icon) {
    if (!tip_) return;
    const std::wstring title = GbkToWide(gbkTitle);
    SendMessageW(tip_, TTM_SETTITLEW, icon, reinterpret_cast<LPARAM>(title.c_str()));
}

void BalloonTip::SetMaxWidth(int pixels) {
    if (tip_) SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, pixels);
}
