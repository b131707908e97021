#include "clipboard_adapter.h"

#include <cstring>

#include "gbk_codec.h"

void ClipboardAdapter::PutText(const std::string& text) {
    const std::wstring wide = GbkToWide(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return;
    }
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);

    if (!OpenClipboard(owner_)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // On success the clipboard owns the memory.
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    CloseClipboard();
}
