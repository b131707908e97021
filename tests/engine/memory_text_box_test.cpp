// The in-memory box keeps a gap where it was last changed; whatever the
// replacements, every read sees the text as if there were none.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "memory_text_box.h"

namespace {

struct Replacement {
    TextPos start;
    TextPos length;
    std::string text;
};

TEST(MemoryTextBox, ReplacementsAnywhereReadBackAsOneText) {
    struct Case {
        const char* what;
        std::string initial;
        std::vector<Replacement> steps;
        std::string expected;
    };
    const std::string thousand(1000, 'x');
    const Case cases[] = {
        {"insertions one behind the other", "abef", {{2, 0, "c"}, {3, 0, "d"}}, "abcdef"},
        {"an insertion in front of the last", "abef", {{2, 0, "cd"}, {0, 0, "x"}}, "xabcdef"},
        {"an insertion behind the last, further on", "abcdef", {{1, 0, "x"}, {6, 0, "y"}}, "axbcdeyf"},
        {"a replacement across the last insertion", "abcdef", {{3, 0, "XYZ"}, {2, 3, "-"}}, "ab-Zdef"},
        {"deletions", "abcdef", {{1, 2, ""}, {3, 1, ""}}, "ade"},
        {"growth far beyond the first size", "ab", {{1, 0, thousand}, {1001, 0, thousand}},
         "a" + thousand + thousand + "b"},
        {"a selection cut to the end", "abc", {{1, 99, "z"}}, "az"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryTextBox box(c.initial);
        for (const Replacement& step : c.steps) {
            box.SetSelectionStart(step.start);
            box.SetSelectionLength(step.length);
            box.ReplaceSelection(step.text);
        }
        const Replacement& last = c.steps.back();
        EXPECT_EQ(box.SelectionStart(), last.start + static_cast<TextPos>(last.text.size()));
        EXPECT_EQ(box.Text(), c.expected);
        const TextPos size = static_cast<TextPos>(c.expected.size());
        ASSERT_EQ(box.TextSize(), size);
        // Every piece, the ones that run over the end or across the gap included.
        for (TextPos start = -1; start <= size && size < 20; ++start) {
            for (TextPos count = -1; count <= size + 1; ++count) {
                const std::string expected =
                    start < 0 || start >= size || count <= 0 ? "" : c.expected.substr(start, count);
                EXPECT_EQ(box.TextPart(start, count), expected) << start << "+" << count;
            }
        }
    }
}

TEST(MemoryTextBox, SelectionReadsAcrossTheGap) {
    MemoryTextBox box("abcdef", 2);
    box.ReplaceSelection("XY");
    box.SetSelectionStart(1);
    box.SetSelectionLength(5);
    EXPECT_EQ(box.SelectedText(), "bXYcd");
    EXPECT_EQ(box.TextPart(3, INT64_MAX), "Ycdef");
}

}  // namespace
