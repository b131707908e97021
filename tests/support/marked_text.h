// Texts with the caret or the selection written into them, for tables of
// editing cases: with the mark '#', "1+#2" puts the caret between + and 2;
// "1[+2]" selects "+2".
#pragma once

#include <string>

#include "text_box.h"

struct MarkedText {
    std::string Text;
    TextPos Start = 0;
    TextPos Length = 0;
};

inline MarkedText ParseMarked(const std::string& marked, char caretMark) {
    MarkedText parsed;
    TextPos start = -1;
    TextPos end = -1;
    for (char ch : marked) {
        if (ch == caretMark || ch == '[') {
            start = static_cast<TextPos>(parsed.Text.size());
        } else if (ch == ']') {
            end = static_cast<TextPos>(parsed.Text.size());
        } else {
            parsed.Text += ch;
        }
    }
    parsed.Start = start < 0 ? static_cast<TextPos>(parsed.Text.size()) : start;
    parsed.Length = end < 0 ? 0 : end - parsed.Start;
    return parsed;
}

// The box's text with its caret or selection marked as ParseMarked reads it.
inline std::string ShowMarked(const TextBox& box, char caretMark) {
    std::string text = box.Text();
    const size_t start = static_cast<size_t>(box.SelectionStart());
    const size_t length = static_cast<size_t>(box.SelectionLength());
    if (length == 0) return text.insert(start, 1, caretMark);
    text.insert(start + length, "]");
    return text.insert(start, "[");
}
