#include "memory_text_box.h"

#include <algorithm>
#include <cstring>

MemoryTextBox::MemoryTextBox(std::string text, TextPos caret)
    : buffer_(std::move(text)), gapStart_(TextLength(buffer_)), gapEnd_(gapStart_) {
    SetSelectionStart(caret);
}

std::string MemoryTextBox::Text() const { return TextPart(0, TextSize()); }

std::string MemoryTextBox::TextPart(TextPos start, TextPos count) const {
    const TextPos size = TextSize();
    if (start < 0 || start >= size || count <= 0) return std::string();
    const TextPos end = start + std::min(count, size - start);
    std::string part;
    part.reserve(static_cast<size_t>(end - start));
    if (start < gapStart_) {
        part.append(buffer_, static_cast<size_t>(start), static_cast<size_t>(std::min(end, gapStart_) - start));
    }
    if (end > gapStart_) {
        const TextPos from = std::max(start, gapStart_);
        part.append(buffer_, static_cast<size_t>(from + gapEnd_ - gapStart_), static_cast<size_t>(end - from));
    }
    return part;
}

void MemoryTextBox::SetText(const std::string& text) {
    buffer_ = text;
    gapStart_ = gapEnd_ = TextLength(buffer_);
    start_ = 0;
    length_ = 0;
    ++changes_;
}

void MemoryTextBox::SetSelectionStart(TextPos start) {
    const TextPos size = TextSize();
    start_ = std::clamp<TextPos>(start, 0, size);
    length_ = std::clamp<TextPos>(length_, 0, size - start_);
}

void MemoryTextBox::SetSelectionLength(TextPos length) {
    length_ = std::clamp<TextPos>(length, 0, TextSize() - start_);
}

std::string MemoryTextBox::SelectedText() const { return TextPart(start_, length_); }

void MemoryTextBox::MoveGapTo(TextPos offset) {
    char* const bytes = buffer_.data();
    if (offset < gapStart_) {
        const TextPos moved = gapStart_ - offset;
        std::memmove(bytes + gapEnd_ - moved, bytes + offset, static_cast<size_t>(moved));
        gapStart_ -= moved;
        gapEnd_ -= moved;
    } else if (offset > gapStart_) {
        const TextPos moved = offset - gapStart_;
        std::memmove(bytes + gapStart_, bytes + gapEnd_, static_cast<size_t>(moved));
        gapStart_ += moved;
        gapEnd_ += moved;
    }
}

void MemoryTextBox::ReplaceSelection(const std::string& text) {
    if (length_ == 0 && text.empty()) return;
    MoveGapTo(start_);
    gapEnd_ += length_;
    const TextPos inserted = TextLength(text);
    if (gapEnd_ - gapStart_ < inserted) {
        // Growing by the text's size keeps the moves of a long run of
        // insertions in proportion to what they insert.
        const TextPos grow = inserted + TextSize();
        buffer_.insert(static_cast<size_t>(gapEnd_), static_cast<size_t>(grow), '\0');
        gapEnd_ += grow;
    }
    buffer_.replace(static_cast<size_t>(gapStart_), text.size(), text);
    gapStart_ += inserted;
    start_ += inserted;
    length_ = 0;
    ++changes_;
}

void MemoryStatusBar::SetPartText(StatusPart part, const std::string& text) {
    const int index = StatusPartIndex(part);
    if (index >= 0) parts_[static_cast<size_t>(index)] = text;
}

std::string MemoryStatusBar::PartText(StatusPart part) const {
    const int index = StatusPartIndex(part);
    return index >= 0 ? parts_[static_cast<size_t>(index)] : std::string();
}
