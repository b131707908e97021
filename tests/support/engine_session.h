// An engine wired to the in-memory text box, status bar and clipboard, as
// the tests, the benchmark and the fuzzer drive it.
#pragma once

#include <string>

#include "engine.h"
#include "memory_text_box.h"
#include "settings.h"

struct EngineSession {
    MemoryTextBox box;
    MemoryStatusBar status;
    MemoryClipboard clipboard;
    Settings settings;
    EngineState state;
    Engine engine{box, status, clipboard, settings, state};

    static constexpr TextPos kCaretAtEnd = -1;

    // Puts `text` into the box with the caret at `caret` (at the end by default).
    void Load(const std::string& text, TextPos caret = kCaretAtEnd) {
        box.SetText(text);
        box.SetSelectionStart(caret == kCaretAtEnd ? static_cast<TextPos>(text.size()) : caret);
    }
};
