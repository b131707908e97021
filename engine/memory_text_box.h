// An in-memory text box, status bar and clipboard with the semantics of the
// real controls: for unit tests, fuzzing and logic that works without a window.
#pragma once

#include <array>
#include <string>

#include "text_box.h"

class MemoryTextBox : public TextBox {
public:
    MemoryTextBox() = default;
    explicit MemoryTextBox(std::string text, TextPos caret = 0);

    std::string Text() const override;
    TextPos TextSize() const override { return TextLength(buffer_) - (gapEnd_ - gapStart_); }
    std::string TextPart(TextPos start, TextPos count) const override;
    void SetText(const std::string& text) override;
    TextPos SelectionStart() const override { return start_; }
    TextPos SelectionLength() const override { return length_; }
    void SetSelectionStart(TextPos start) override;
    void SetSelectionLength(TextPos length) override;
    std::string SelectedText() const override;
    void ReplaceSelection(const std::string& text) override;

    int ChangeCount() const { return changes_; }

private:
    void MoveGapTo(TextPos offset);

    // The text with a gap at the last replacement: a chain refresh puts in
    // piece after piece at one place, and each moves only its own bytes,
    // not the rest of the text.
    std::string buffer_;
    TextPos gapStart_ = 0;
    TextPos gapEnd_ = 0;
    TextPos start_ = 0;
    TextPos length_ = 0;
    int changes_ = 0;
};

class MemoryStatusBar : public StatusBar {
public:
    void SetPartText(StatusPart part, const std::string& text) override;
    std::string PartText(StatusPart part) const override;

private:
    std::array<std::string, kStatusPartCount> parts_;
};

class MemoryClipboard : public ClipboardSink {
public:
    void PutText(const std::string& text) override { text_ = text; ++puts_; }
    const std::string& Text() const { return text_; }
    int PutCount() const { return puts_; }

private:
    std::string text_;
    int puts_ = 0;
};
