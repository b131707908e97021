// What the engine needs of the main text box, the status bar and the
// clipboard. The Windows program implements these over real controls; tests
// and the batch logic use the in-memory text box.
#pragma once

#include <string>

#include "text_rules.h"

// A text box holding GBK bytes with CR LF line ends. Positions are byte
// offsets: the caret is the number of bytes before it.
class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string Text() const = 0;
    // The length, and the bytes [start, start + count) cut to the text
    // (none when start lies outside it). Taking an expression reads only the
    // bytes near the caret through these, so that a box holding its text can
    // answer without copying all of it; others fall back on Text().
    virtual TextPos TextSize() const { return TextLength(Text()); }
    virtual std::string TextPart(TextPos start, TextPos count) const { return TextMid(Text(), start + 1, count); }
    // Whole-text write; reaches the text-changed handling like any edit.
    virtual void SetText(const std::string& text) = 0;
    virtual TextPos SelectionStart() const = 0;
    virtual TextPos SelectionLength() const = 0;
    // A new start keeps the length set last.
    virtual void SetSelectionStart(TextPos start) = 0;
    // A new length counts from the start set last.
    virtual void SetSelectionLength(TextPos length) = 0;
    virtual std::string SelectedText() const = 0;
    // Replaces the selection; the caret ends right behind the inserted text
    // with an empty selection.
    virtual void ReplaceSelection(const std::string& text) = 0;
};

// The status bar: part 0 messages, 1 line and column, 2 mode line, 3 clock.
class StatusBar {
public:
    virtual ~StatusBar() = default;
    virtual void SetPartText(int part, const std::string& text) = 0;
    virtual std::string PartText(int part) const = 0;
};

class ClipboardSink {
public:
    virtual ~ClipboardSink() = default;
    virtual void PutText(const std::string& text) = 0;
};
