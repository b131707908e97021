#include <gtest/gtest.h>

#include "editing_commands.h"
#include "memory_text_box.h"

namespace {

std::string Slice(const std::string& text, LineSpan span) {
    return text.substr(static_cast<size_t>(span.Start), static_cast<size_t>(span.End - span.Start));
}

TEST(EditingCommands, CaretLineRunsFromTheLastLineFeedToTheNextCarriageReturn) {
    struct Case {
        const char* text;
        TextPos caret;
        const char* line;
    };
    const char* const text = "a\r\n1+2=3\r\nb";
    const Case cases[] = {
        {text, 0, "a"}, {text, 1, "a"}, {text, 2, "a"},  // between CR and LF: still the first line
        {text, 3, "1+2=3"}, {text, 8, "1+2=3"}, {text, 10, "b"},
        {text, 11, "b"},  // a last line without a line break
        {"a\r\n\r\nb", 3, ""}, {"2×π\r\n", 5, "2×π"}, {"", 0, ""}, {"abc", 99, "abc"}, {"\r\n\r\n", 4, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.caret));
        EXPECT_EQ(Slice(c.text, CaretLine(c.text, c.caret)), c.line);
    }
}

TEST(EditingCommands, LineCommandsWorkOnFirstMiddleAndLastLines) {
    struct Case {
        TextPos caret;
        const char* line;
        const char* afterDelete;
        TextPos caretAfterDelete;
    };
    const std::string text = "a\r\n1+2=3\r\nb";
    const Case cases[] = {
        {0, "a", "\r\n1+2=3\r\nb", 0},
        {5, "1+2=3", "a\r\n\r\nb", 3},
        {11, "b", "a\r\n1+2=3\r\n", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caret);
        MemoryClipboard clipboard;
        MemoryTextBox box(text, c.caret);
        CopyLine(box, clipboard);
        EXPECT_EQ(clipboard.Text(), c.line);
        EXPECT_EQ(box.Text(), text);

        SelectLine(box);
        EXPECT_EQ(box.SelectedText(), c.line);

        box.SetSelectionStart(c.caret);
        box.SetSelectionLength(0);
        EXPECT_TRUE(DeleteLine(box));
        EXPECT_EQ(box.Text(), c.afterDelete);
        EXPECT_EQ(box.SelectionStart(), c.caretAfterDelete);
        EXPECT_EQ(box.SelectionLength(), 0);
    }
}

TEST(EditingCommands, DeletingAnEmptyLineChangesNothing) {
    MemoryTextBox box("a\r\n\r\nb", 3);
    EXPECT_FALSE(DeleteLine(box));
    EXPECT_EQ(box.Text(), "a\r\n\r\nb");
    EXPECT_EQ(box.ChangeCount(), 0);
}

TEST(EditingCommands, CompatibleTextReplacesWholeCharactersOnly) {
    struct Case {
        const char* text;
        const char* compatible;
    };
    const Case cases[] = {
        {"2×π÷4", "2*pi/4"},
        {"××÷÷ππ", "**//pipi"},
        {"√2‰", "√2‰"},
        // 啊 is B0 A1 and 唉 B0 A6: the next character's lead byte makes the
        // bytes of "×" (A1 C1), "÷" (A1 C2) and "π" (A6 D0) across the border.
        {"啊痢", "啊痢"},
        {"啊隆", "啊隆"},
        {"唉小", "唉小"},
        {"啊×唉π", "啊*唉pi"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CompatibleText(c.text), c.compatible);
    }
}

TEST(EditingCommands, CompatibleCopyTakesTheSelectionOnly) {
    MemoryClipboard clipboard;
    MemoryTextBox box("1\r\n2×π÷4\r\n5", 3);
    EXPECT_FALSE(CopyCompatible(box, clipboard));
    EXPECT_EQ(clipboard.PutCount(), 0);

    box.SetSelectionLength(8);
    EXPECT_TRUE(CopyCompatible(box, clipboard));
    EXPECT_EQ(clipboard.Text(), "2*pi/4");
    EXPECT_EQ(box.Text(), "1\r\n2×π÷4\r\n5");
}

TEST(EditingCommands, ClearBoxWritesThirtyOneEmptyLines) {
    MemoryTextBox box("1+2=3", 5);
    ClearBox(box);
    EXPECT_EQ(box.Text().size(), 62u);
    std::string expected;
    for (int i = 0; i < 31; ++i) expected += "\r\n";
    EXPECT_EQ(box.Text(), expected);
    EXPECT_EQ(ClearedBoxText(), expected);
    EXPECT_EQ(box.ChangeCount(), 1);
}

TEST(EditingCommands, NumberBeforeCaret) {
    struct Case {
        const char* text;
        TextPos caret;
        const char* selected;  // "" when nothing is found
    };
    const Case cases[] = {
        {"-3.5", 4, "-3.5"},
        {"1+1\r\n-3.5", 9, "-3.5"},   // a line break in front counts as no number
        {"2-3.5", 5, "3.5"},          // the "-" is an operator here
        {"2.-3", 4, "3"}, {"(-3)", 3, "-3"},
        {"12345", 2, "12345"},        // the whole number around the caret
        {"1.5.6+2", 3, "1.5.6"}, {".5", 1, ".5"},
        {"2×", 3, "×"}, {"8÷", 3, "÷"}, {"5‰", 3, "‰"}, {"1+", 2, "+"}, {"1-", 2, "-"}, {"1*", 2, "*"},
        {"=", 1, "="}, {"1/", 2, "/"}, {"2^", 2, "^"}, {"5%", 2, "%"},
        {"sin", 3, ""}, {"π", 2, ""}, {"12", 0, ""}, {"", 0, ""},
        // "乛" is 81 5E: its second byte is "^" but not a character.
        {"乛", 2, ""},
        {"1乛", 3, ""},
        // A caret inside "啊痢" (B0 A1 C1 F4): the two bytes in front read
        // A1 C1, the bytes of "×", but start inside "啊".
        {"啊痢", 3, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.caret));
        EXPECT_EQ(Slice(c.text, NumberBeforeCaret(c.text, c.caret)), c.selected);
    }
}

TEST(EditingCommands, DoubleClickSelectsAndCopiesByTheSetting) {
    struct Case {
        const char* text;
        TextPos caret;
        bool copy;
        bool selected;
        const char* selection;
        const char* clipboard;
    };
    const Case cases[] = {
        {"1+1=2\r\n-3.5", 11, true, true, "-3.5", "-3.5"},
        {"1+1=2\r\n-3.5", 11, false, true, "-3.5", "old"},
        {"2×3", 3, true, true, "×", "×"},
        {"abc", 1, true, false, "bc", "old"},  // the selection stays as it was
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.copy ? " copy" : ""));
        MemoryClipboard clipboard;
        clipboard.PutText("old");
        MemoryTextBox box(c.text, c.caret);
        if (!c.selected) box.SetSelectionLength(2);
        EXPECT_EQ(SelectNumberAtCaret(box, clipboard, c.copy), c.selected);
        EXPECT_EQ(box.SelectedText(), c.selection);
        EXPECT_EQ(clipboard.Text(), c.clipboard);
        EXPECT_EQ(box.Text(), c.text);
    }
}

TEST(EditingCommands, DuplicateSelectionPutsACopyOnTheNextLine) {
    struct Case {
        const char* text;
        TextPos start;
        TextPos length;
        const char* after;
        TextPos caret;
    };
    const Case cases[] = {
        // The last line: a line break, the copy and a further line break.
        {"a\r\n1+2", 3, 3, "a\r\n1+2\r\n1+2\r\n", 11},
        {"1+2\r\nb", 0, 3, "1+2\r\n1+2\r\nb", 8},
        {"x1+2y\r\nb", 1, 3, "x1+2y\r\n1+2\r\nb", 10},
        // A selection over a line break goes behind the caret's line.
        {"a\r\nb\r\nc", 0, 4, "a\r\na\r\nb\r\nb\r\nc", 7},
        {"2×3", 1, 2, "2×3\r\n×\r\n", 8},
        {"1+2\r\n3", 2, 0, "1+2\r\n3", 2},  // nothing selected: nothing written
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MemoryTextBox box(c.text, c.start);
        box.SetSelectionLength(c.length);
        const bool changes = c.length > 0;
        EXPECT_EQ(DuplicateSelection(box), changes);
        EXPECT_EQ(box.Text(), c.after);
        EXPECT_EQ(box.SelectionStart(), c.caret);
        EXPECT_EQ(box.SelectionLength(), 0);
        EXPECT_EQ(box.ChangeCount() != 0, changes);
    }
}

TEST(EditingCommands, FileBytesEndAtTheFirstNulOrEndOfFileMark) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"1+2\r\n3", "1+2\r\n3"},      {std::string("1+2\0rest", 8), "1+2"}, {"1+2\x1A" "rest", "1+2"},
        {std::string("a\x1A" "b\0c", 5), "a"}, {std::string("a\0b\x1A" "c", 5), "a"},
        {std::string("\0", 1), ""},   {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextOfFileBytes(c.bytes), c.text);
    }
}

}  // namespace
