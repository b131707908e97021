// Find and replace on GBK bytes: where a match may start, the searches from
// the selection with their wrap, the tokens, and the replacements as one
// write of the box.
#include <gtest/gtest.h>

#include <string>

#include "find_replace.h"
#include "marked_text.h"
#include "memory_text_box.h"
#include "settings.h"

namespace {

TEST(FindReplaceMatching, MatchesOnlyAtCharacterStartsAndFoldsOnlyAsciiLetters) {
    struct Case {
        const char* text;
        const char* pattern;
        bool forward;
        TextPos from;  // forward: look from; backward: the match ends by
        bool ignoreCase;
        TextPos found;
    };
    const Case cases[] = {
        {"abcabc", "bc", true, 0, false, 1},
        {"abcabc", "bc", true, 2, false, 4},
        // "∟" is A8 4E: its trail byte is no "N"; the lone "N" behind it is.
        {"∟N", "N", true, 0, false, 2},
        {"∟", "N", true, 0, true, -1},
        {"\x81@|", "@", true, 0, false, -1},
        // A run of lead bytes pairs up from the start.
        {"啊啊a", "a", true, 0, false, 4},
        {"ABC", "abc", true, 0, true, 0},
        {"ABC", "abc", true, 0, false, -1},
        // Double-byte characters compare exactly even when case is ignored.
        {"\xA8\x6E", "∟", true, 0, true, -1},
        {"Ａ", "ａ", true, 0, true, -1},
        {"abab", "ab", false, 4, false, 2},
        {"abab", "ab", false, 3, false, 0},
        {"abab", "ab", false, 1, false, -1},
        {"aaa", "aa", false, 3, false, 1},
        {"∟N|", "N", false, 3, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " / " << c.pattern << " from " << c.from);
        const TextPos found = c.forward ? FindForwardIn(c.text, c.pattern, c.from, c.ignoreCase)
                                        : FindBackwardIn(c.text, c.pattern, c.from, c.ignoreCase);
        EXPECT_EQ(found, c.found);
    }
}

TEST(FindReplaceMatching, ReplacesLeftToRightWithoutOverlapAndExpandsTokens) {
    struct Case {
        const char* text;
        const char* pattern;
        const char* replacement;
        const char* result;
        TextPos count;
    };
    const Case cases[] = {
        {"aaa", "aa", "b", "ba", 1},
        {"abcabc", "bc", "", "aa", 2},
        {"∟N∟", "N", "x", "∟x∟", 1},
        {"Ab ab", "ab", "X", "Ab X", 1},
        {"xyz", "q", "r", "xyz", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TextPos count = -1;
        EXPECT_EQ(ReplaceEveryMatch(c.text, c.pattern, c.replacement, &count), c.result);
        EXPECT_EQ(count, c.count);
    }

    const struct {
        const char* typed;
        const char* expanded;
    } tokens[] = {
        {"1#换行符2", "1\r\n2"},
        {"#空格符#制表符#换行符#换行符", " \t\r\n\r\n"},
        {"#换行#空格", "#换行#空格"},
    };
    for (const auto& t : tokens) EXPECT_EQ(ExpandFindTokens(t.typed), t.expanded) << t.typed;

    EXPECT_STREQ(FieldCharReplacement(true, '*'), "×");
    EXPECT_STREQ(FieldCharReplacement(true, '/'), "÷");
    EXPECT_EQ(FieldCharReplacement(true, '+'), nullptr);
    EXPECT_EQ(FieldCharReplacement(false, '*'), nullptr);
}

class FakeHost : public FindReplaceHost {
public:
    void FocusBox() override { ++focused; }
    const Settings& CurrentSettings() const override { return settings; }
    int focused = 0;
    Settings settings;
};

struct Session {
    explicit Session(const std::string& marked) {
        const MarkedText parsed = ParseMarked(marked, '|');
        box.SetText(parsed.Text);
        box.SetSelectionStart(parsed.Start);
        box.SetSelectionLength(parsed.Length);
    }
    MemoryTextBox box;
    FakeHost host;
    FindReplace find{box, host};
};

TEST(FindReplaceBox, SearchesFromTheSelectionAndWrapsToTheStart) {
    struct Case {
        const char* before;
        const char* search;
        bool forward;
        bool matchCase;
        bool replace;
        const char* after;
        int result;
    };
    const Case cases[] = {
        // From a selected match the next one, not the same.
        {"[ab]cab", "ab", true, true, false, "abc[ab]", 1},
        {"ab|c", "ab", true, true, false, "[ab]c", 1},
        {"xy|z", "q", true, true, false, "|xyz", -1},
        {"abcab|", "ab", false, true, false, "abc[ab]", 1},
        {"abca|b", "ab", false, true, false, "[ab]cab", 1},
        // Nothing ends before the caret: the first match from the start.
        {"xa|bab", "ab", false, true, false, "x[ab]ab", 1},
        {"xy|z", "q", false, true, false, "|xyz", -1},
        {"|xAB", "ab", true, false, false, "x[AB]", 1},
        {"|xAB", "ab", true, true, false, "|xAB", -1},
        {"x|y", "", true, true, false, "x|y", 0},
        {"[ab]ab", "ab", true, true, true, "abX|", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        Session s(c.before);
        s.find.SearchText = c.search;
        s.find.ReplaceText = "X";
        s.find.FindMatchCase = c.matchCase;
        EXPECT_EQ(s.find.FindText(c.forward, c.replace), c.result);
        EXPECT_EQ(ShowMarked(s.box, '|'), c.after);
        EXPECT_GE(s.host.focused, 1);
    }
}

TEST(FindReplaceBox, ReplacementsAreOneWriteComparingExactly) {
    Session all("ab|AB ab");
    all.find.TakeSearchAndReplace("ab", "#制表符", false);
    const int changes = all.box.ChangeCount();
    all.find.ReplaceAllInText();
    EXPECT_EQ(ShowMarked(all.box, '|'), "|\tAB \t");
    EXPECT_EQ(all.box.ChangeCount(), changes + 1);

    Session none("x[ab]ab");
    none.find.ReplaceAllInText();  // an empty search text writes nothing
    EXPECT_EQ(ShowMarked(none.box, '|'), "x[ab]ab");

    Session selected("aa[aaaA]a");
    const int before = selected.box.ChangeCount();
    EXPECT_TRUE(selected.find.ReplaceInSelection("a#空格符", "#换行符"));
    // No "a " in it: written back as it was, the caret behind it.
    EXPECT_EQ(ShowMarked(selected.box, '|'), "aaaaaA|a");
    selected.box.SetSelectionStart(2);
    selected.box.SetSelectionLength(4);
    EXPECT_TRUE(selected.find.ReplaceInSelection("aa", "b"));
    EXPECT_EQ(ShowMarked(selected.box, '|'), "aabaA|a");
    EXPECT_EQ(selected.box.ChangeCount(), before + 2);
    // The stored values are not the window's for 替换选中.
    EXPECT_EQ(selected.find.SearchText, "");

    Session empty("ab|ab");
    EXPECT_FALSE(empty.find.ReplaceInSelection("ab", "x"));
    EXPECT_EQ(ShowMarked(empty.box, '|'), "ab|ab");
}

TEST(FindReplaceBox, ClosingStoresTheFieldsAsTypedForTheMenuSearches) {
    Session s("a b #空格符|");
    s.find.TakeSearch("#空格符", true);
    EXPECT_EQ(s.find.FindPrevious(), 1);
    EXPECT_EQ(ShowMarked(s.box, '|'), "a b[ ]#空格符");
    s.find.StoreTyped("#空格符", "#换行符", true);
    EXPECT_EQ(s.find.FindNext(), 1);
    EXPECT_EQ(ShowMarked(s.box, '|'), "a b [#空格符]");
    EXPECT_EQ(s.find.ReplaceText, "#换行符");
}

}  // namespace
