// The expression box's own undo history: a snapshot of the whole text and
// the caret after every change, stepped through by undo and redo.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "settings.h"
#include "text_rules.h"

struct UndoSnapshot {
    std::string Text;
    TextPos Caret = 0;
};

class UndoHistory {
public:
    // At most `depth` snapshots (see EffectiveUndoDepth) and about
    // `byteBudget` bytes of text: a 32-bit process must not run out of
    // memory on a long text, so the oldest steps go first.
    explicit UndoHistory(int depth = kDefaultUndoDepth, std::size_t byteBudget = std::size_t{64} << 20);

    void SetDepth(int depth);

    // The box as it now is. Steps undone before are dropped; a text equal
    // to the current snapshot's is not recorded again (one undo would then
    // seem to do nothing).
    void Record(const std::string& text, TextPos caret);

    // The snapshot to put back, or nullptr at either end of the history.
    const UndoSnapshot* Undo();
    const UndoSnapshot* Redo();

    // 1-based position of the current snapshot (0 before the first), and
    // the number of snapshots held.
    std::size_t Index() const { return index_; }
    std::size_t Count() const { return snapshots_.size(); }
    std::size_t Bytes() const { return bytes_; }

private:
    void DropOldest();

    std::deque<UndoSnapshot> snapshots_;
    std::size_t index_ = 0;
    std::size_t depth_;
    std::size_t byteBudget_;
    std::size_t bytes_ = 0;
};
