#include "editing_commands.h"

#include <algorithm>

namespace {

const char kLineBreak[] = "\r\n";
const int kClearedLines = 31;

bool IsNumberByte(char ch) { return (ch >= '0' && ch <= '9') || ch == '.'; }

bool IsOperatorByte(char ch) {
    switch (ch) {
    case '-':
    case '+':
    case '*':
    case '=':
    case '/':
    case '^':
    case '%':
        return true;
    default:
        return false;
    }
}

TextPos ClampCaret(const std::string& text, TextPos caret) {
    return std::clamp<TextPos>(caret, 0, TextLength(text));
}

// Selects [start, end): a new start keeps the old length, so the length is
// always set after it.
void Select(TextBox& box, TextPos start, TextPos end) {
    box.SetSelectionStart(start);
    box.SetSelectionLength(end - start);
}

}  // namespace

LineSpan CaretLine(const std::string& text, TextPos caret) {
    caret = ClampCaret(text, caret);
    LineSpan line;
    if (caret > 0) {
        const size_t lineFeed = text.rfind('\n', static_cast<size_t>(caret - 1));
        line.Start = lineFeed == std::string::npos ? 0 : static_cast<TextPos>(lineFeed) + 1;
    }
    // CR and LF are never the second byte of a GBK character, so plain byte
    // searches are safe here.
    const size_t from = caret > 0 ? static_cast<size_t>(caret - 1) : 0;
    const size_t cr = text.find('\r', from);
    line.End = cr == std::string::npos ? TextLength(text) : static_cast<TextPos>(cr);
    return line;
}

void CopyLine(const TextBox& box, ClipboardSink& clipboard) {
    const std::string text = box.Text();
    const LineSpan line = CaretLine(text, box.SelectionStart());
    clipboard.PutText(text.substr(static_cast<size_t>(line.Start), static_cast<size_t>(line.End - line.Start)));
}

bool DeleteLine(TextBox& box) {
    const LineSpan line = CaretLine(box.Text(), box.SelectionStart());
    Select(box, line.Start, line.End);
    box.ReplaceSelection(std::string());
    box.SetSelectionLength(0);
    return line.End > line.Start;
}

void SelectLine(TextBox& box) {
    const LineSpan line = CaretLine(box.Text(), box.SelectionStart());
    Select(box, line.Start, line.End);
}

std::string CompatibleText(const std::string& gbk) {
    // TextSubstitute matches at character starts only.
    std::string text = TextSubstitute(gbk, "×", "*");
    text = TextSubstitute(text, "÷", "/");
    return TextSubstitute(text, "π", "pi");
}

bool CopyCompatible(const TextBox& box, ClipboardSink& clipboard) {
    const std::string selected = box.SelectedText();
    if (selected.empty()) return false;
    clipboard.PutText(CompatibleText(selected));
    return true;
}

std::string ClearedBoxText() {
    std::string text;
    for (int i = 0; i < kClearedLines; ++i) text += kLineBreak;
    return text;
}

void ClearBox(TextBox& box) { box.SetText(ClearedBoxText()); }

LineSpan NumberBeforeCaret(const std::string& text, TextPos caret) {
    caret = ClampCaret(text, caret);
    if (caret == 0) return {};
    const TextPos before = caret - 1;
    const char ch = text[static_cast<size_t>(before)];

    if (IsNumberByte(ch) && IsCharStart(text, before)) {
        // Digits and "." are below 0x40 and so never a trail byte, except
        // behind a stray lead byte that pairs with them.
        TextPos start = before;
        while (start > 0 && IsNumberByte(text[static_cast<size_t>(start - 1)]) && IsCharStart(text, start - 1))
            --start;
        if (start > 0 && text[static_cast<size_t>(start - 1)] == '-' && IsCharStart(text, start - 1)) {
            const TextPos minus = start - 1;
            if (minus == 0 || !IsNumberByte(text[static_cast<size_t>(minus - 1)])) start = minus;
        }
        TextPos end = caret;
        while (end < TextLength(text) && IsNumberByte(text[static_cast<size_t>(end)])) ++end;
        return {start, end};
    }

    if (caret >= 2 && IsCharStart(text, caret - 2) && CharSizeAt(text, caret - 2) == 2) {
        const std::string symbol = text.substr(static_cast<size_t>(caret - 2), 2);
        if (symbol == "×" || symbol == "÷" || symbol == "‰") return {caret - 2, caret};
    }

    // "^" can be the second byte of a Chinese character.
    if (IsOperatorByte(ch) && IsCharStart(text, before)) return {before, caret};
    return {};
}

bool SelectNumberAtCaret(TextBox& box, ClipboardSink& clipboard, bool copy) {
    const std::string text = box.Text();
    const LineSpan found = NumberBeforeCaret(text, box.SelectionStart());
    if (found.End == found.Start) return false;
    Select(box, found.Start, found.End);
    if (copy)
        clipboard.PutText(text.substr(static_cast<size_t>(found.Start), static_cast<size_t>(found.End - found.Start)));
    return true;
}

bool DuplicateSelection(TextBox& box) {
    const std::string selected = box.SelectedText();
    if (selected.empty()) return false;
    const std::string text = box.Text();
    const TextPos caret = ClampCaret(text, box.SelectionStart());
    const size_t lineBreak = text.find(kLineBreak, static_cast<size_t>(std::max<TextPos>(caret - 1, 0)));

    TextPos at;
    std::string inserted;
    TextPos behindCopy;
    if (lineBreak != std::string::npos) {
        at = static_cast<TextPos>(lineBreak) + 2;
        inserted = selected + kLineBreak;
        behindCopy = at + TextLength(selected);
    } else {
        at = TextLength(text);
        inserted = kLineBreak + selected + kLineBreak;
        behindCopy = at + 2 + TextLength(selected);
    }
    Select(box, at, at);
    box.ReplaceSelection(inserted);
    Select(box, behindCopy, behindCopy);
    return true;
}

std::string TextOfFileBytes(const std::string& bytes) {
    const size_t end = bytes.find_first_of(std::string("\0\x1A", 2));
    return end == std::string::npos ? bytes : bytes.substr(0, end);
}
