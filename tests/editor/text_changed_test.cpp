// The handling that follows every change of the expression box's text:
// typing hints, replacement of typed sequences, undo steps. Every typing case
// runs twice: on a box that reports nothing (the test calls the handler after
// each key) and on one that reports each change from inside the write, as
// the real control does.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "marked_text.h"
#include "char_input.h"
#include "engine_state.h"
#include "hint_messages.h"
#include "memory_text_box.h"
#include "settings.h"
#include "text_changed.h"

namespace {

class ReportingTextBox : public MemoryTextBox {
public:
    void SetText(const std::string& text) override {
        MemoryTextBox::SetText(text);
        Report();
    }
    void ReplaceSelection(const std::string& text) override {
        const int before = ChangeCount();
        MemoryTextBox::ReplaceSelection(text);
        if (ChangeCount() != before) Report();
    }

    std::function<void()> onChange;
    // Reports under way: above 1 inside a write made during a report.
    int reporting = 0;

private:
    void Report() {
        if (!onChange) return;
        ++reporting;
        onChange();
        --reporting;
    }
};

struct Snapshot {
    std::string text;
    TextPos caret;
    bool operator==(const Snapshot& other) const { return text == other.text && caret == other.caret; }
};

std::ostream& operator<<(std::ostream& out, const Snapshot& s) { return out << '"' << s.text << "\" @" << s.caret; }

class RecordingHost : public TextChangedHost {
public:
    explicit RecordingHost(const ReportingTextBox& box) : box_(box) {}
    void ShowCaretPosition() override {
        shownCarets.push_back(box_.SelectionStart());
        deepestWork = std::max(deepestWork, box_.reporting);
    }
    void RecordUndoSnapshot() override { snapshots.push_back({box_.Text(), box_.SelectionStart()}); }

    std::vector<TextPos> shownCarets;
    std::vector<Snapshot> snapshots;
    // The deepest report the handling did its work in.
    int deepestWork = 0;

private:
    const ReportingTextBox& box_;
};

struct TypingSession {
    explicit TypingSession(bool reports) : reports_(reports) {
        settings.RealTimeMode = false;
        if (reports_) box.onChange = [this] { changed.TextChangedHandler(); };
    }

    ReportingTextBox box;
    MemoryStatusBar status;
    Settings settings;
    EngineState state;
    RecordingHost host{box};
    CharInput input{box, settings, state};
    TextChangedHandling changed{box, status, settings, host};

    // "1+#2" puts the caret between + and 2; "1[+2]" selects "+2". Loaded
    // without any handling.
    void Put(const std::string& marked) {
        const MarkedText parsed = ParseMarked(marked, '#');
        auto report = std::move(box.onChange);
        box.onChange = nullptr;
        box.SetText(parsed.Text);
        box.onChange = std::move(report);
        box.SetSelectionStart(parsed.Start);
        box.SetSelectionLength(parsed.Length);
    }

    std::string Shown() const { return ShowMarked(box, '#'); }

    // ASCII keys go through the character handler; a two-byte character
    // comes from an input method and is typed as it is.
    void Type(const std::string& keys) {
        for (size_t i = 0; i < keys.size();) {
            const size_t size = static_cast<size_t>(CharSizeAt(keys, static_cast<TextPos>(i)));
            const int before = box.ChangeCount();
            if (size == 2 || !input.CharInputHandler(static_cast<unsigned char>(keys[i])))
                box.ReplaceSelection(keys.substr(i, size));
            if (!reports_ && box.ChangeCount() != before) changed.TextChangedHandler();
            i += size;
        }
    }

    bool Reports() const { return reports_; }

private:
    bool reports_;
};

struct TypingCase {
    const char* name;
    std::function<void(Settings&)> setup;
    const char* before;
    const char* keys;
    const char* after;
};

void Defaults(Settings&) {}
void MulDivOff(Settings& s) { s.MulDivSymbols = false; }
void Auto(Settings& s) { s.AutoReplace = true; }
void AutoMulDivOff(Settings& s) { s.AutoReplace = true; s.MulDivSymbols = false; }
void Laptop(Settings& s) { s.LaptopKeys = true; }

void RunTypingCases(const TypingCase* begin, const TypingCase* end) {
    for (bool reports : {false, true}) {
        for (const TypingCase* c = begin; c != end; ++c) {
            SCOPED_TRACE(std::string(c->name) + (reports ? " (reporting box)" : " (quiet box)"));
            TypingSession s(reports);
            c->setup(s.settings);
            s.Put(c->before);
            s.Type(c->keys);
            EXPECT_EQ(s.Shown(), c->after);
            // The handling never works inside its own writes.
            EXPECT_LE(s.host.deepestWork, 1);
        }
    }
}

TEST(TextChanged, AlwaysActingReplacements) {
    const TypingCase cases[] = {
        {"pi", Defaults, "2", "pi", "2π#"},
        {"PI", Defaults, "", "PI", "π#"},
        {"Pi", Defaults, "", "Pi", "π#"},
        {"pI", Defaults, "", "pI", "π#"},
        {"per mille", Defaults, "5", "%%", "5‰#"},
        {"brackets", Defaults, "2", "..", "2(#)"},
        {"brackets mid-line", Defaults, "1+#=3", "..", "1+(#)=3"},
        {"root", Defaults, "", "|9", "√9#"},
        {"left quote", Defaults, "a#b", "‘", "a'#b"},
        {"right quote", Defaults, "", "’", "'#"},
        {"degrees", Defaults, "30", "'''", "30°#"},
        {"two primes stay", Defaults, "", "''", "''#"},
        {"three quotes chain to degrees", Defaults, "", "‘‘‘", "°#"},
        {"full-width bang", Defaults, "5", "！", "5!#"},
        {"statistics bracket", Defaults, "", "tjfx", "tjfx(#"},
        {"statistics is case-exact", Defaults, "", "TJFX", "TJFX#"},
        {"existing tjfx( left alone", Defaults, "tjfx(1,2)\r\n#", "tjfx", "tjfx(1,2)\r\ntjfx(#"},
        {"tjfx typed before an existing one", Defaults, "#\r\ntjfx(3)", "tjfx", "tjfx(#\r\ntjfx(3)"},
        {"stars stay without auto", MulDivOff, "", "**", "**#"},
        {"pluses stay without auto", Defaults, "", "++", "++#"},
        {"times pair stays without auto", Defaults, "", "**", "××#"},
        {"point-times stays without auto", Defaults, "1", ".*", "1.×#"},
    };
    RunTypingCases(std::begin(cases), std::end(cases));
}

TEST(TextChanged, AutomaticReplacements) {
    const TypingCase cases[] = {
        {"two stars through times", Auto, "2", "**", "2^#"},
        {"two slashes through divide", Auto, "", "//", "√#"},
        {"raw stars", AutoMulDivOff, "2", "**", "2^#"},
        {"raw slashes", AutoMulDivOff, "", "//", "√#"},
        {"root then divide swaps", Auto, "", "|/", "÷√#"},
        {"angle", Auto, "3", "++", "3∟#"},
        {"ellipsis", Auto, "2", "……", "2^#"},
        {"point-times closes", Auto, "(1", ".*", "(1)#"},
        {"point-divide opens", Auto, "2", "./", "2(#"},
        {"then pi", Auto, "2**", "pi", "2**π#"},
    };
    RunTypingCases(std::begin(cases), std::end(cases));
}

TEST(TextChanged, LaptopBrackets) {
    const TypingCase cases[] = {
        {"left bracket divides", Laptop, "8", "【", "8÷#"},
        {"right bracket multiplies", Laptop, "8", "】", "8×#"},
        {"brackets stay without laptop keys", Defaults, "", "【】", "【】#"},
        {"with auto, then group A", [](Settings& s) { s.LaptopKeys = s.AutoReplace = true; }, "", "【【",
         "√#"},
    };
    RunTypingCases(std::begin(cases), std::end(cases));
}

// A byte that is the second half of a two-byte character is no typed
// character: bytes 0x81 0x7C are one character, not "|".
TEST(TextChanged, MatchesStartAtCharacterStarts) {
    const TypingCase cases[] = {
        {"bar as trail byte", Defaults, "\x81|", "", "\x81|#"},
        {"typed bar as trail byte", Defaults, "", "\x81|", "\x81|#"},
        {"real bar behind it", Defaults, "\x81|", "|", "\x81|√#"},
        {"p as trail byte", Defaults, "\x81p", "i", "\x81pi#"},
        {"t as trail byte", Defaults, "\x81t", "jfx", "\x81tjfx#"},
        {"trail byte ahead of a real match", Defaults, "\x81t", "tjfx", "\x81ttjfx(#"},
        {"point after a two-byte character", Defaults, "×", "..", "×(#)"},
    };
    RunTypingCases(std::begin(cases), std::end(cases));
}

TEST(TextChanged, SelectionBlocksReplacement) {
    for (bool reports : {false, true}) {
        SCOPED_TRACE(reports);
        TypingSession s(reports);
        s.Put("pi[x]");
        s.changed.TextChangedHandler();
        EXPECT_EQ(s.Shown(), "pi[x]");
        ASSERT_EQ(s.host.snapshots.size(), 1u);
    }
}

TEST(TextChanged, Hints) {
    const struct {
        const char* name;
        bool enterNewLine;
        const char* text;
        const char* hint;
    } cases[] = {
        {"enter makes lines", true, "1+2=3#", hint::kEnterNewLine},
        {"enter makes lines, no result", true, "1+2#", hint::kEnterNewLine},
        {"no result", false, "1+2#", hint::kLineTyped},
        {"caret behind the result", false, "1+2=3#", hint::kLineTyped},
        {"caret in the expression", false, "1+#2=3", hint::kLineModified},
        {"caret behind the equals", false, "1+2=#3", hint::kLineModified},
        {"caret at the text start", false, "#1=2", hint::kLineModified},
        {"equals on a later line", false, "1+2#\r\n3=3", hint::kLineTyped},
        {"equals on an earlier line", false, "1=1\r\n2#", hint::kLineTyped},
        {"last line with equals", false, "a\r\n1+#2=3", hint::kLineModified},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TypingSession s(false);
        s.settings.EnterInsertsNewLine = c.enterNewLine;
        s.Put(c.text);
        s.changed.TextChangedHandler();
        EXPECT_STREQ(s.status.PartText(StatusPart::Message).c_str(), c.hint);
    }
}

TEST(TextChanged, RealTimeModeLeavesTheStatusAlone) {
    for (bool enterNewLine : {false, true}) {
        SCOPED_TRACE(enterNewLine);
        TypingSession s(false);
        s.settings.RealTimeMode = true;
        s.settings.EnterInsertsNewLine = enterNewLine;
        s.status.SetPartText(StatusPart::Message, "last message");
        s.Type("1+pi");
        EXPECT_EQ(s.status.PartText(StatusPart::Message), "last message");
        EXPECT_EQ(s.Shown(), "1+π#");
    }
}

TEST(TextChanged, EveryChangeIsAStep) {
    const struct {
        const char* name;
        std::function<void(Settings&)> setup;
        const char* keys;
        std::vector<Snapshot> steps;
    } cases[] = {
        {"plain typing", Defaults, "2*3", {{"2", 1}, {"2×", 3}, {"2×3", 4}}},
        // The sequence as typed is never a step: only what replaced it.
        {"replacement", Defaults, "pi", {{"p", 1}, {"π", 2}}},
        {"brackets keep the caret inside", Defaults, "..", {{".", 1}, {"()", 1}}},
        {"chain", Defaults, "‘‘‘", {{"'", 1}, {"''", 2}, {"°", 2}}},
        {"group A", Auto, "**", {{"×", 2}, {"^", 1}}},
        // Never a step: undo would replace it again and get stuck there.
        {"laptop bracket", Laptop, "8【", {{"8", 1}, {"8÷", 3}}},
    };
    for (bool reports : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (reports ? " (reporting box)" : " (quiet box)"));
            TypingSession s(reports);
            c.setup(s.settings);
            s.Type(c.keys);
            EXPECT_EQ(s.host.snapshots, c.steps);
            // The position shown is the caret's after the replacement.
            ASSERT_FALSE(s.host.shownCarets.empty());
            EXPECT_EQ(s.host.shownCarets.back(), c.steps.back().caret);
        }
    }
}

TEST(TextChanged, RestoreRecordsNothingOnce) {
    for (bool reports : {false, true}) {
        SCOPED_TRACE(reports);
        TypingSession s(reports);
        s.Put("1+2");
        s.changed.RestoreSnapshot("1×2\r\n3", 3);
        EXPECT_EQ(s.Shown(), "1×#2\r\n3");
        EXPECT_TRUE(s.host.snapshots.empty());
        EXPECT_FALSE(s.changed.UndoReplaying());
        // Handled once, with the caret already back.
        EXPECT_EQ(s.host.shownCarets, std::vector<TextPos>{3});

        s.Type("5");
        EXPECT_EQ(s.host.snapshots, (std::vector<Snapshot>{{"1×52\r\n3", 4}}));
    }
}

TEST(TextChanged, RestoredTextStillPassesTheRules) {
    for (bool reports : {false, true}) {
        SCOPED_TRACE(reports);
        TypingSession s(reports);
        s.changed.RestoreSnapshot("2pi+1", 3);
        EXPECT_EQ(s.Shown(), "2π#+1");
        // The replacement is a change of its own; the restored text is not.
        EXPECT_EQ(s.host.snapshots, (std::vector<Snapshot>{{"2π+1", 3}}));
        EXPECT_FALSE(s.changed.UndoReplaying());
    }
}

}  // namespace
