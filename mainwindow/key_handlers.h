// Key events of the expression box. Enter never reaches the box as a
// character: a short release evaluates the caret's line (or starts a new
// line, by the setting that swaps the two), and every line break Enter makes
// is inserted here.
#pragma once

#include <cstdint>
#include <functional>

#include "text_box.h"

class Engine;
struct Settings;

// Shift state of a key event: the sum of these.
constexpr int kShiftCtrl = 1;
constexpr int kShiftShift = 2;
constexpr int kShiftAlt = 4;

class KeyHandlers {
public:
    using TickSource = std::function<std::uint32_t()>;

    KeyHandlers(TextBox& box, StatusBar& status, Engine& engine, const Settings& settings, TickSource ticks);

    // Both return true when the key is consumed (the box must not see it).
    bool KeyDownHandler(unsigned key, int shift);
    bool KeyUpHandler(unsigned key, int shift);

private:
    // Order A runs the after-result options for Enter, order B for Ctrl+Enter.
    void EvaluateWithTiming(bool orderA);
    void InsertNewLine();
    void InsertLastResult();

    TextBox& box_;
    StatusBar& status_;
    Engine& engine_;
    const Settings& settings_;
    TickSource ticks_;
};
