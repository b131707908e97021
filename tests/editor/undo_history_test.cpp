#include <gtest/gtest.h>

#include <string>

#include "undo_history.h"

namespace {

// Records "0", "1", ... "n-1" with the caret behind each.
void RecordSteps(UndoHistory& history, int from, int to) {
    for (int i = from; i < to; ++i) history.Record(std::to_string(i), static_cast<TextPos>(std::to_string(i).size()));
}

TEST(UndoHistory, KeepsTheLastStatesUpToItsDepth) {
    UndoHistory history(50);
    RecordSteps(history, 0, 60);
    EXPECT_EQ(history.Count(), 50u);
    int undone = 0;
    const UndoSnapshot* last = nullptr;
    while (const UndoSnapshot* step = history.Undo()) {
        last = step;
        ++undone;
    }
    EXPECT_EQ(undone, 49);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Text, "10");  // the fiftieth-last state
    EXPECT_EQ(history.Undo(), nullptr);
}

TEST(UndoHistory, UndoAtTheFirstSnapshotChangesNothing) {
    UndoHistory history;
    EXPECT_EQ(history.Undo(), nullptr);
    EXPECT_EQ(history.Redo(), nullptr);
    history.Record("start", 2);
    EXPECT_EQ(history.Undo(), nullptr);
    EXPECT_EQ(history.Index(), 1u);
}

TEST(UndoHistory, NewChangesDropTheRedoSteps) {
    UndoHistory history;
    RecordSteps(history, 0, 4);
    ASSERT_NE(history.Undo(), nullptr);
    const UndoSnapshot* back = history.Undo();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Text, "1");
    EXPECT_EQ(back->Caret, 1);
    ASSERT_NE(history.Redo(), nullptr);
    EXPECT_EQ(history.Index(), 3u);
    history.Undo();
    history.Record("typed", 5);
    EXPECT_EQ(history.Count(), 3u);
    EXPECT_EQ(history.Redo(), nullptr);
    EXPECT_EQ(history.Undo()->Text, "1");
}

TEST(UndoHistory, AnUnchangedTextIsNotRecordedTwice) {
    UndoHistory history;
    history.Record("1+2", 3);
    history.Record("1+2", 1);
    history.Record("1+2=3", 3);
    EXPECT_EQ(history.Count(), 2u);
    EXPECT_EQ(history.Undo()->Text, "1+2");
}

TEST(UndoHistory, DepthIsHeldWithinItsLimits) {
    struct Case {
        int depth;
        size_t kept;
    };
    const Case cases[] = {{0, 50}, {-3, 50}, {1, 1}, {500, 500}, {800, 500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        UndoHistory history(c.depth);
        RecordSteps(history, 0, 600);
        EXPECT_EQ(history.Count(), c.kept);
        EXPECT_EQ(history.Index(), c.kept);
    }
    UndoHistory shrinking(100);
    RecordSteps(shrinking, 0, 100);
    shrinking.SetDepth(10);
    EXPECT_EQ(shrinking.Count(), 10u);
    EXPECT_EQ(shrinking.Index(), 10u);
}

TEST(UndoHistory, LargeTextsAreBoundedByBytesOldestFirst) {
    UndoHistory history(500, 3000);
    for (int i = 0; i < 10; ++i) history.Record(std::string(1000, static_cast<char>('a' + i)), 0);
    EXPECT_EQ(history.Count(), 3u);
    EXPECT_LE(history.Bytes(), 3000u);
    EXPECT_EQ(history.Undo()->Text[0], 'i');
    // One snapshot over the budget on its own still stays: it is the box.
    history.Record(std::string(5000, 'z'), 0);
    EXPECT_EQ(history.Count(), 1u);
    EXPECT_EQ(history.Index(), 1u);
}

}  // namespace
