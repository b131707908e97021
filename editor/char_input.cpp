#include "char_input.h"

#include <string>

#include "engine_state.h"
#include "number_rules.h"
#include "settings.h"

CharInput::CharInput(TextBox& box, const Settings& settings, const EngineState& state)
    : box_(box), settings_(settings), state_(state) {}

bool CharInput::CharInputHandler(unsigned char code) {
    // Only ASCII comes here as typed; a byte of a two-byte character is
    // never one of the keys below.
    if (code >= 0x80) return false;
    const char ch = static_cast<char>(code);

    if (settings_.MulDivSymbols && (ch == '*' || ch == '/')) {
        if (settings_.PrefixLastResult && CaretAtLineStart()) InsertLastResult();
        box_.ReplaceSelection(ch == '*' ? "×" : "÷");
        return true;
    }

    // The operator itself still goes on to be typed behind the result.
    if ((ch == '+' || ch == '-') && settings_.PrefixLastResult && CaretAtLineStart()) InsertLastResult();

    if (settings_.LaptopKeys) {
        const char* stand = ch == '=' ? "+" : ch == ']' ? "×" : ch == '[' ? "÷" : nullptr;
        if (stand) {
            box_.ReplaceSelection(stand);
            return true;
        }
    }

    if (((ch >= '0' && ch <= '9') || ch == '.') && CaretBehindResult()) box_.ReplaceSelection("\r\n");
    return false;
}

void CharInput::InsertLastResult() { box_.ReplaceSelection(state_.LastResult); }

bool CharInput::CaretAtLineStart() const {
    const TextPos caret = box_.SelectionStart();
    if (caret <= 0) return false;
    const std::string text = box_.Text();
    return caret <= static_cast<TextPos>(text.size()) && text[static_cast<size_t>(caret - 1)] == '\n';
}

bool CharInput::CaretBehindResult() const {
    const std::string text = box_.Text();
    const TextPos caret = box_.SelectionStart();
    // A CR right behind the caret: the last line of the text never breaks.
    if (caret <= 0 || caret >= static_cast<TextPos>(text.size()) || text[static_cast<size_t>(caret)] != '\r')
        return false;
    // "=" is never the second byte of a two-byte character: a byte search is safe.
    const size_t equals = text.rfind('=', static_cast<size_t>(caret - 1));
    if (equals == std::string::npos) return false;
    const std::string shown = text.substr(equals + 1, static_cast<size_t>(caret) - equals - 1);
    // Grouped, fractional or zero-padded results are no plain number: a
    // digit typed there goes on to extend them.
    return !shown.empty() && NumberToText(TextToNumber(shown)) == shown;
}
