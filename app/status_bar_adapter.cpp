#include "status_bar_adapter.h"

#include <commctrl.h>

#include "gbk_codec.h"

void StatusBarAdapter::SetPartText(StatusPart part, const std::string& text) {
    const int index = StatusPartIndex(part);
    if (index < 0) return;
    SendMessageW(status_, SB_SETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(GbkToWide(text).c_str()));
}

std::string StatusBarAdapter::PartText(StatusPart part) const {
    const int index = StatusPartIndex(part);
    if (index < 0) return std::string();
    const LRESULT length = LOWORD(SendMessageW(status_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(status_, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return WideToGbk(text);
}
