// Key events of the expression box. Enter never reaches the box as a
// character: a short release evaluates the caret's line (or starts a new
// line, by the setting that swaps the two), a held Enter starts a new line
// every 350 ms, and every line break Enter makes is inserted here. In
// real-time mode nearly every released key evaluates the caret's line.
#pragma once

#include "key_handler_host.h"
#include "text_box.h"
#include "virtual_keys.h"

class Engine;
struct Settings;

class KeyHandlers {
public:
    // Ctrl+digit and Ctrl+'-'/'=' write Precision and FontSize in `settings`.
    KeyHandlers(TextBox& box, StatusBar& status, Engine& engine, Settings& settings, KeyHandlerHost& host);

    // Both return true when the key is consumed (the box must not see it).
    bool KeyDownHandler(unsigned key, int shift);
    bool KeyUpHandler(unsigned key, int shift);

    // Tick of the key-delay timer while Enter is held.
    void DelayedNewline();

    // A tick came after the last key-down of Enter: its release is no short press.
    bool EnterLongPress() const { return enterLongPress_; }

    static constexpr unsigned kKeyDelayMs = 350;

private:
    bool SpaceSplitKey(unsigned key);
    bool CtrlKey(unsigned key);
    // The key just typed a digit that stands for a symbol: put the symbol there.
    void ReplaceQuickSymbol(unsigned key, int shift);
    bool IsRealTimeKey(unsigned key, int shift) const;
    void EvaluateInPlace();
    // Order A runs the after-result options for Enter, order B for Ctrl+Enter.
    void EvaluateWithTiming(bool orderA);
    void InsertNewLine();
    void InsertLastResult();

    TextBox& box_;
    StatusBar& status_;
    Engine& engine_;
    Settings& settings_;
    KeyHandlerHost& host_;
    bool enterLongPress_ = false;
};
