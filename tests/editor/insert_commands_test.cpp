// The insert-function templates and the separator line, on the in-memory box.
#include <gtest/gtest.h>

#include "insert_commands.h"
#include "marked_text.h"
#include "memory_text_box.h"

namespace {

TEST(InsertCommands, TemplatesReplaceTheSelectionAndPutTheCaretInsideTheBrackets) {
    struct Case {
        int item;
        const char* before;  // "#" the caret, "[...]" a selection
        const char* after;
    };
    const Case cases[] = {
        {0, "#", "sin(#)"},
        {13, "1+#", "1+log(#,)"},  // between "(" and ","
        {15, "2×[3.7]", "2×int(#)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        const MarkedText before = ParseMarked(c.before, '#');
        MemoryTextBox box(before.Text, before.Start);
        box.SetSelectionLength(before.Length);
        InsertTemplate(box, kFunctionTemplates[c.item]);
        EXPECT_EQ(ShowMarked(box, '#'), c.after);
    }
}

TEST(InsertCommands, SeparatorIsALineOf106RuleCharacters) {
    MemoryTextBox box("1+2", 3);
    InsertSeparatorLine(box);
    std::string rule;
    for (int i = 0; i < 106; ++i) rule += "━";
    EXPECT_EQ(box.Text(), "1+2\r\n" + rule + "\r\n");
    EXPECT_EQ(box.SelectionStart(), static_cast<TextPos>(box.Text().size()));
}

}  // namespace
