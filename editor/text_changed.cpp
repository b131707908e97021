#include "text_changed.h"

#include <iterator>
#include <string>
#include <utility>

#include "hint_messages.h"
#include "settings.h"

namespace {

struct Replacement {
    const char* typed;
    const char* with;
    bool ignoreCase = false;
    // Bytes the caret ends before the end of the replacement.
    TextPos caretBack = 0;
};

// Only while automatic replacement is on.
const Replacement kGroupA[] = {
    {"××", "^"}, {"÷÷", "√"}, {"**", "^"}, {"//", "√"}, {"√÷", "÷√"},
    {"++", "∟"}, {"……", "^"}, {".×", ")"}, {".÷", "("},
};

const Replacement kGroupB[] = {
    {"‘", "'"}, {"’", "'"}, {"'''", "°"}, {"tjfx", "tjfx("}, {"！", "!"},
    {"pi", "π", true}, {"|", "√"}, {"%%", "‰"}, {"..", "()", false, 1},
};

char AsciiLower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

// True when `typed` ends right at the caret and starts at a character start:
// "|", "p", "t" and "^" can be the second byte of a two-byte character, and
// a match there would tear that character apart.
bool TypedBeforeCaret(const std::string& text, TextPos caret, const std::string& typed, bool ignoreCase) {
    const TextPos length = static_cast<TextPos>(typed.size());
    if (caret < length || caret > static_cast<TextPos>(text.size())) return false;
    const size_t start = static_cast<size_t>(caret - length);
    for (size_t i = 0; i < typed.size(); ++i) {
        const char have = ignoreCase ? AsciiLower(text[start + i]) : text[start + i];
        if (have != typed[i]) return false;
    }
    return IsCharStart(text, static_cast<TextPos>(start));
}

const Replacement* FirstMatch(const Replacement* begin, const Replacement* end, const std::string& text,
                              TextPos caret) {
    for (const Replacement* rule = begin; rule != end; ++rule) {
        if (TypedBeforeCaret(text, caret, rule->typed, rule->ignoreCase)) return rule;
    }
    return nullptr;
}

}  // namespace

TextChangedHandling::TextChangedHandling(TextBox& box, StatusBar& status, const Settings& settings,
                                         TextChangedHost& host)
    : box_(box), status_(status), settings_(settings), host_(host) {}

void TextChangedHandling::TextChangedHandler() {
    if (writing_) return;
    const bool replaying = std::exchange(undoReplaying_, false);
    for (int round = 0; round < kMaxRounds; ++round) {
        const std::string text = box_.Text();
        const TextPos caret = box_.SelectionStart();
        // Rules act only on what was just typed: a selection is text the
        // user (or a command) picked, and the bytes before it are old.
        const bool replaceable = box_.SelectionLength() == 0 && round + 1 < kMaxRounds;

        host_.ShowCaretPosition();
        if (!settings_.RealTimeMode) ShowHint(text, caret);
        // The full-width brackets too are replaced before the step is
        // recorded: a step that still held one would be replaced and
        // recorded anew whenever undo went back to it, and undo could never
        // get past it.
        if (replaceable &&
            (ReplaceTypedSequence(text, caret) || (settings_.LaptopKeys && ReplaceLaptopBracket(text, caret))))
            continue;
        // The restored text itself is a step already; a replacement made on
        // it in a later round is a new one.
        if (!(replaying && round == 0)) host_.RecordUndoSnapshot();
        return;
    }
}

void TextChangedHandling::RestoreSnapshot(const std::string& text, TextPos caret) {
    writing_ = true;
    box_.SetText(text);
    box_.SetSelectionStart(caret);
    box_.SetSelectionLength(0);
    writing_ = false;
    undoReplaying_ = true;
    TextChangedHandler();
}

void TextChangedHandling::ShowHint(const std::string& text, TextPos caret) {
    if (settings_.EnterInsertsNewLine) {
        status_.SetPartText(StatusPart::Message, hint::kEnterNewLine);
        return;
    }
    // From the byte just before the caret: an "=" ahead of the line's end
    // means the line already shows a result. "=" and CR are never the second
    // byte of a character, so a byte search is exact.
    const size_t from = caret > 0 ? static_cast<size_t>(caret - 1) : 0;
    const size_t equals = text.find('=', from);
    const size_t lineEnd = text.find('\r', from);
    const bool hasResult = equals != std::string::npos && (lineEnd == std::string::npos || equals < lineEnd);
    status_.SetPartText(StatusPart::Message, hasResult ? hint::kLineModified : hint::kLineTyped);
}

bool TextChangedHandling::ReplaceTypedSequence(const std::string& text, TextPos caret) {
    const Replacement* rule = nullptr;
    if (settings_.AutoReplace) rule = FirstMatch(std::begin(kGroupA), std::end(kGroupA), text, caret);
    if (!rule) rule = FirstMatch(std::begin(kGroupB), std::end(kGroupB), text, caret);
    if (!rule) return false;
    ReplaceBeforeCaret(caret, static_cast<TextPos>(std::char_traits<char>::length(rule->typed)), rule->with,
                       rule->caretBack);
    return true;
}

bool TextChangedHandling::ReplaceLaptopBracket(const std::string& text, TextPos caret) {
    if (TypedBeforeCaret(text, caret, "【", false)) {
        ReplaceBeforeCaret(caret, 2, "÷");
        return true;
    }
    if (TypedBeforeCaret(text, caret, "】", false)) {
        ReplaceBeforeCaret(caret, 2, "×");
        return true;
    }
    return false;
}

void TextChangedHandling::ReplaceBeforeCaret(TextPos caret, TextPos length, const std::string& with, TextPos back) {
    writing_ = true;
    box_.SetSelectionStart(caret - length);
    box_.SetSelectionLength(length);
    box_.ReplaceSelection(with);
    if (back > 0) box_.SetSelectionStart(box_.SelectionStart() - back);
    writing_ = false;
}
