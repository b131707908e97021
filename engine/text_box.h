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

// The status bar's parts, left to right.
enum class StatusPart : int {
    Message = 0,  // messages, hints and the time a calculation took
    Caret = 1,    // the caret's line and column
    Mode = 2,     // the mode line
    Clock = 3,
};
inline constexpr int kStatusPartCount = 4;

// Index of a part, or -1 for a value that names none.
inline int StatusPartIndex(StatusPart part) {
    const int index = static_cast<int>(part);
    return index >= 0 && index < kStatusPartCount ? index : -1;
}

class StatusBar {
public:
    virtual ~StatusBar() = default;
    virtual void SetPartText(StatusPart part, const std::string& text) = 0;
    virtual std::string PartText(StatusPart part) const = 0;
};

class ClipboardSink {
public:
    virtual ~ClipboardSink() = default;
    virtual void PutText(const std::string& text) = 0;
};
