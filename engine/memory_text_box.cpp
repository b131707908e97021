#include "memory_text_box.h"

#include <algorithm>

MemoryTextBox::MemoryTextBox(std::string text, TextPos caret) : text_(std::move(text)) {
    SetSelectionStart(caret);
}

void MemoryTextBox::SetText(const std::string& text) {
    text_ = text;
    start_ = 0;
    length_ = 0;
    ++changes_;
}

void MemoryTextBox::SetSelectionStart(TextPos start) {
    const TextPos size = static_cast<TextPos>(text_.size());
    start_ = std::clamp<TextPos>(start, 0, size);
    length_ = std::clamp<TextPos>(length_, 0, size - start_);
}

void MemoryTextBox::SetSelectionLength(TextPos length) {
    const TextPos size = static_cast<TextPos>(text_.size());
    length_ = std::clamp<TextPos>(length, 0, size - start_);
}

std::string MemoryTextBox::SelectedText() const {
    return text_.substr(static_cast<size_t>(start_), static_cast<size_t>(length_));
}

void MemoryTextBox::ReplaceSelection(const std::string& text) {
    if (length_ == 0 && text.empty()) return;
    text_.replace(static_cast<size_t>(start_), static_cast<size_t>(length_), text);
    start_ += static_cast<TextPos>(text.size());
    length_ = 0;
    ++changes_;
}

void MemoryStatusBar::SetPartText(int part, const std::string& text) {
    if (part >= 0 && part < static_cast<int>(parts_.size())) parts_[static_cast<size_t>(part)] = text;
}

std::string MemoryStatusBar::PartText(int part) const {
    if (part >= 0 && part < static_cast<int>(parts_.size())) return parts_[static_cast<size_t>(part)];
    return std::string();
}
