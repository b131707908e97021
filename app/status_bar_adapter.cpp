#include "status_bar_adapter.h"

#include <commctrl.h>

#include "gbk_codec.h"

namespace {
constexpr int kParts = 4;
}

void StatusBarAdapter::SetPartText(int part, const std::string& text) {
    if (part < 0 || part >= kParts) return;
    SendMessageW(status_, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(GbkToWide(text).c_str()));
}

std::string StatusBarAdapter::PartText(int part) const {
    if (part < 0 || part >= kParts) return std::string();
    const LRESULT length = LOWORD(SendMessageW(status_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(status_, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return WideToGbk(text);
}
