#include "undo_history.h"

#include "effective_values.h"

UndoHistory::UndoHistory(int depth, std::size_t byteBudget)
    : depth_(static_cast<std::size_t>(EffectiveUndoDepth(depth))), byteBudget_(byteBudget) {}

void UndoHistory::SetDepth(int depth) {
    depth_ = static_cast<std::size_t>(EffectiveUndoDepth(depth));
    while (snapshots_.size() > depth_) DropOldest();
}

void UndoHistory::Record(const std::string& text, TextPos caret) {
    if (index_ > 0 && snapshots_[index_ - 1].Text == text) return;
    while (snapshots_.size() > index_) {
        bytes_ -= snapshots_.back().Text.size();
        snapshots_.pop_back();
    }
    snapshots_.push_back({text, caret});
    bytes_ += text.size();
    ++index_;
    // The newest snapshot always stays, however large.
    while (snapshots_.size() > 1 && (snapshots_.size() > depth_ || bytes_ > byteBudget_)) DropOldest();
}

void UndoHistory::DropOldest() {
    bytes_ -= snapshots_.front().Text.size();
    snapshots_.pop_front();
    if (index_ > 0) --index_;
    // The current snapshot itself went: the oldest left becomes current.
    if (index_ == 0 && !snapshots_.empty()) index_ = 1;
}

const UndoSnapshot* UndoHistory::Undo() {
    if (index_ <= 1) return nullptr;
    --index_;
    return &snapshots_[index_ - 1];
}

const UndoSnapshot* UndoHistory::Redo() {
    if (index_ >= snapshots_.size()) return nullptr;
    ++index_;
    return &snapshots_[index_ - 1];
}
