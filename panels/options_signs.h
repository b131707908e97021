// OK of the options window turns the box's multiplication and division
// signs into the form the option now asks for.
#pragma once

#include <string>

#include "text_box.h"
#include "text_rules.h"

struct SignedText {
    std::string Text;
    TextPos Caret = 0;
    bool Changed = false;
};

// With `symbols`, every "*" becomes "×" and then every "/" becomes "÷";
// without, every "×" becomes "*" and then every "÷" becomes "/". The caret
// (a byte offset) stays behind the same character. GBK characters are read
// whole, so a sign's bytes are never matched across two characters.
SignedText SwapMulDivSigns(const std::string& text, TextPos caret, bool symbols);

// The same on the box: a text without those signs is left untouched.
void ApplyMulDivSigns(TextBox& box, bool symbols);
