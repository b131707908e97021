#include "options_signs.h"

namespace {

const std::string kTimes = "×";
const std::string kDivide = "÷";

}  // namespace

SignedText SwapMulDivSigns(const std::string& text, TextPos caret, bool symbols) {
    SignedText out;
    out.Caret = caret;
    out.Text.reserve(text.size() + text.size() / 4);
    TextPos at = 0;
    const TextPos size = static_cast<TextPos>(text.size());
    while (at < size) {
        const TextPos width = CharSizeAt(text, at);
        const std::string ch = text.substr(static_cast<size_t>(at), static_cast<size_t>(width));
        std::string replaced = ch;
        if (symbols) {
            if (ch == "*") replaced = kTimes;
            if (ch == "/") replaced = kDivide;
        } else {
            if (ch == kTimes) replaced = "*";
            if (ch == kDivide) replaced = "/";
        }
        if (replaced != ch) {
            out.Changed = true;
            if (at < caret) out.Caret += static_cast<TextPos>(replaced.size()) - width;
        }
        out.Text += replaced;
        at += width;
    }
    return out;
}

void ApplyMulDivSigns(TextBox& box, bool symbols) {
    const SignedText signed_ = SwapMulDivSigns(box.Text(), box.SelectionStart(), symbols);
    if (!signed_.Changed) return;
    box.SetText(signed_.Text);
    box.SetSelectionStart(signed_.Caret);
    box.SetSelectionLength(0);
}
