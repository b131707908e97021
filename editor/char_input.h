// Characters typed into the expression box, seen before the box takes them:
// "*" and "/" become "×" and "÷", an operator at a line start can bring the
// last result with it, laptop keys stand in for operators, and a digit typed
// right behind a finished result begins a new line.
#pragma once

#include "text_box.h"

struct EngineState;
struct Settings;

class CharInput {
public:
    CharInput(TextBox& box, const Settings& settings, const EngineState& state);

    // `code` is the byte the user typed. True when the character is consumed
    // (its replacement is already in the box); false when the box must type
    // it as usual. Every write here replaces the selection and is a change
    // of the box of its own.
    bool CharInputHandler(unsigned char code);

    // Writes the last result at the caret (over the selection).
    void InsertLastResult();

private:
    // The byte just before the caret is LF: the very start of the text is
    // no line start here.
    bool CaretAtLineStart() const;
    // The caret stands behind "=" and a plain number, with a line break
    // right after it.
    bool CaretBehindResult() const;

    TextBox& box_;
    const Settings& settings_;
    const EngineState& state_;
};
