// The engine's clipboard: puts text as CF_UNICODETEXT; Windows derives the
// ANSI form for programs that ask for CF_TEXT.
#pragma once

#include <windows.h>

#include <string>

#include "text_box.h"

class ClipboardAdapter : public ClipboardSink {
public:
    explicit ClipboardAdapter(HWND owner) : owner_(owner) {}

    void PutText(const std::string& text) override;

private:
    HWND owner_;
};
