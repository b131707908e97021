// Batch calculation, the sum of selected results and fraction conversion on
// the in-memory box and engine. The batch works on a copy of the text; its
// outcome is compared with the same walk made straight on the box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_session.h"
#include "line_commands.h"
#include "messages.h"

namespace {

struct LineSession : EngineSession {
    LineSession() {
        settings.RealTimeMode = false;
        state.RecordingOn = true;
    }
    LineCommands commands{box, status, clipboard, settings, engine};
};

// ---- Batch calculation ----

struct BatchCase {
    const char* name;
    std::string text;
    bool spaceSplit;
    std::string expected;
    std::string status;    // part 0 afterwards
    size_t records;        // history records appended
};

TEST(BatchEvaluate, EvaluatesEveryLineOnceAndLeavesTheCaretBehindTheFirstByte) {
    const std::vector<BatchCase> cases = {
        {"two lines", "1+1\r\n2×3", false, "1+1=2\r\n2×3=6", "", 2},
        // The empty piece behind a final line break is no line: the last
        // line is not evaluated a second time (which would refresh it).
        {"text ends in CR LF", "1+1\r\n2×3\r\n", false, "1+1=2\r\n2×3=6\r\n", "", 2},
        {"empty lines", "1+1\r\n\r\n3-5\r\n\r\n", false, "1+1=2\r\n\r\n3-5=-2\r\n\r\n", "", 2},
        {"empty first line", "\r\n2+2\r\n4÷8", false, "\r\n2+2=4\r\n4÷8=0.5", "", 2},
        {"failing line does not stop the batch", "1÷0\r\n2+2", false, "1÷0\r\n2+2=4", msg::kDivideError, 1},
        {"the last message stays", "2+\r\n1÷0\r\n3", false, "2+\r\n1÷0\r\n3", msg::kNoOperator, 1},
        {"shown result refreshed, not extended", "1+2=5\r\n3×3=9", false, "1+2=3\r\n3×3=9", msg::kRefreshed, 2},
        {"lone line feeds repaired first", "1+1\n2+2\n3+3", false, "1+1=2\r\n2+2=4\r\n3+3=6", "", 3},
        {"lone carriage return removed", "1+1\r2+2\r\n3", false, "1+12+2=15\r\n3", msg::kNoOperator, 2},
        {"repair after an earlier line", "1+1\r\n2x\r\n3+3\n4+4", false, "1+1=2\r\n2x\r\n3+3=6\r\n4+4=8",
         msg::kUnknownCharacter, 3},
        {"empty text", "", false, "", "", 0},
        {"space split: every expression of a line", "1+1 2×3\r\n4-1", true, "1+1=2   2×3=6\r\n4-1=3", "", 3},
        {"space split: ends after the last expression", "1+1   2+2", true, "1+1=2   2+2=4", "", 2},
        {"space split: blank before a line break", "1+1 \r\n2+2", true, "1+1=2   \r\n2+2=4", "", 2},
        {"space split: text ends in CR LF", "1+1 2+2\r\n", true, "1+1=2   2+2=4\r\n", "", 2},
        {"space split: leading blanks", "  1+1\r\n 2+2", true, "  1+1=2\r\n 2+2=4", "", 2},
        {"space split: blank-separated pieces stay apart", "1 + 1", true, "1 + 1", msg::kNoOperator, 2},
    };
    for (const BatchCase& c : cases) {
        SCOPED_TRACE(c.name);
        LineSession s;
        s.settings.SpaceSplitsExpressions = c.spaceSplit;
        s.Load(c.text, 0);
        s.commands.BatchEvaluate();
        EXPECT_EQ(s.box.Text(), c.expected);
        EXPECT_EQ(s.box.SelectionStart(), c.text.empty() ? 0 : 1);
        EXPECT_EQ(s.box.SelectionLength(), 0);
        EXPECT_EQ(s.status.PartText(StatusPart::Message), c.status);
        EXPECT_EQ(s.state.HistoryRecords.size(), c.records);
    }
}

// Everything an observer can see after a batch, one labelled field a line.
std::vector<std::string> Observe(const LineSession& s) {
    std::vector<std::string> seen = {
        "text " + s.box.Text(),
        "caret " + std::to_string(s.box.SelectionStart()),
        "selection " + std::to_string(s.box.SelectionLength()),
        "status " + s.status.PartText(StatusPart::Message),
        "clipboard " + s.clipboard.Text(),
        "last result " + s.state.LastResult,
        "result produced " + std::to_string(s.state.ResultProduced),
        "refresh text " + s.state.RefreshText,
        "refresh state " + std::to_string(s.state.RefreshPieceEvaluated),
    };
    for (const HistoryRecord& r : s.state.HistoryRecords)
        seen.push_back("record " + std::to_string(r.Number) + "|" + r.Expression + "|" + r.Result);
    for (const std::string& operand : s.state.OperandStack) seen.push_back("operand " + operand);
    return seen;
}

struct BatchSetup {
    const char* name;
    bool spaceSplit;
    bool realTime;
    bool toClipboard;
    int fractionType;
    int thousands;
};

TEST(BatchEvaluate, EndsAsTheSameWalkMadeStraightOnTheBox) {
    const std::vector<BatchSetup> setups = {
        {"plain", false, false, false, 0, 0},
        {"space split", true, false, false, 0, 0},
        {"real time, clipboard, fractions", false, true, true, 1, 0},
        {"space split, real time, mixed, grouping", true, true, true, 2, 1},
    };
    const std::vector<std::string> texts = {
        "1+1\r\n2×3\r\n\r\n",
        "1+2=3+4=8\r\n5-6=0+1\r\n7",
        "1∟2+1∟3\r\n1÷3\r\n0.5×2",
        "sum(1,2,3)\r\n2^10\r\n1000000×1000000\r\n1÷30000",
        "  1 + 1   2*3 \r\n\r\n 4 5 \r\n",
        "1+1\r\n2x\r\n3+3\n4+4\r5",
        "(\n\r\n2x\r\n1+1\n5",
        "1+\x80\r\n2+2\r\n3+3",        // a lone lead byte pairs with the CR
        "×\r\n÷\r\n√4\r\nπ",
        "abc=\r\n=\r\n==\r\n1+2=\r\n=3",
        "3=3 4+4=9\r\n1÷0=1+4=5\r\n",
        "\r\n\r\n",
        "1",
        "",
    };
    for (const BatchSetup& setup : setups) {
        for (const std::string& text : texts) {
            SCOPED_TRACE(std::string(setup.name) + ": " + text);
            LineSession copied;
            LineSession direct;
            for (LineSession* s : {&copied, &direct}) {
                s->settings.SpaceSplitsExpressions = setup.spaceSplit;
                s->settings.RealTimeMode = setup.realTime;
                s->settings.ResultToClipboard = setup.toClipboard;
                s->settings.FractionType = setup.fractionType;
                s->settings.ThousandsSeparator = setup.thousands;
                // Values from before the batch that it may or may not replace.
                s->state.LastResult = "99";
                s->state.ResultProduced = true;
                s->status.SetPartText(StatusPart::Message, "before");
                s->Load(text, 2);
                s->box.SetSelectionLength(1);
            }
            copied.commands.BatchEvaluate();
            BatchEvaluateInPlace(direct.box, direct.engine, direct.settings);
            EXPECT_EQ(Observe(copied), Observe(direct));
        }
    }
}

TEST(BatchEvaluate, WritesTheBoxAndTheClipboardOnceAtMost) {
    struct Case {
        const char* name;
        std::string text;
        int boxWrites;
        int clipboardPuts;
        const char* clipboard;  // the last result
    };
    const std::vector<Case> cases = {
        {"three results", "1+1\r\n2+2\r\n3+3", 1, 1, "6"},
        {"nothing to write", "\r\n\r\n", 0, 0, ""},
        {"only failures", "1÷0\r\n2+", 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineSession s;
        s.settings.ResultToClipboard = true;
        s.Load(c.text, 0);
        const int before = s.box.ChangeCount();
        s.commands.BatchEvaluate();
        EXPECT_EQ(s.box.ChangeCount() - before, c.boxWrites);
        EXPECT_EQ(s.clipboard.PutCount(), c.clipboardPuts);
        EXPECT_EQ(s.clipboard.Text(), c.clipboard);
    }
}

std::string NumberedLines(int count, bool withResults) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        if (i > 1) text += "\r\n";
        text += std::to_string(i) + "+1";
        if (withResults) text += "=" + std::to_string(i + 1);
    }
    return text;
}

TEST(BatchEvaluate, TenThousandLines) {
    struct Case {
        const char* name;
        std::string prefix;          // lines in front of the numbered ones
        std::string expectedPrefix;
        std::string suffix;
    };
    const std::vector<Case> cases = {
        {"sound line ends", "", "", ""},
        {"ends in CR LF", "", "", "\r\n"},
        // The first line holds a lone LF: repaired at once, the rest goes
        // line by line.
        {"repaired first line", "7×7\n8×8\r\n", "7×7=49\r\n8×8=64\r\n", "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineSession s;
        s.Load(c.prefix + NumberedLines(10000, false) + c.suffix, 0);
        s.commands.BatchEvaluate();
        EXPECT_TRUE(s.box.Text() == c.expectedPrefix + NumberedLines(10000, true) + c.suffix);
        EXPECT_EQ(s.box.SelectionStart(), 1);
        EXPECT_EQ(s.state.LastResult, "10001");
        ASSERT_EQ(s.state.HistoryRecords.size(), 10000u + (c.prefix.empty() ? 0 : 2));
        EXPECT_EQ(s.state.HistoryRecords.back().Number, static_cast<int>(s.state.HistoryRecords.size()));
    }
}

// ---- Sum of the selected lines' results ----

struct SumCase {
    const char* name;
    std::string text;
    TextPos selectionStart;
    TextPos selectionLength;
    std::string expected;
    TextPos caret;  // afterwards
    bool spaceSplit = false;
    int fractionType = 0;
};

TEST(SumResults, AppendsTheSumOfTheSelectedLines) {
    const std::vector<SumCase> cases = {
        {"results and a plain number", "1+2=3\r\n4-10=-6\r\n5", 0, 17, "1+2=3\r\n4-10=-6\r\n5\r\n3-6+5=2", 26},
        // A lone number is no sum: the line gets no result.
        {"selection inside the first line", "1+2=3\r\n4-10=-6", 1, 2, "1+2=3\r\n3\r\n4-10=-6", 8},
        {"widened to whole lines", "9\r\n1+1=2\r\n2×3=6\r\n7", 5, 8, "9\r\n1+1=2\r\n2×3=6\r\n2+6=8\r\n7", 23},
        {"empty lines add nothing", "1\r\n\r\n2\r\n", 0, 7, "1\r\n\r\n2\r\n1+2=3\r\n", 13},
        {"line ending in = gives its expression", "1+2=\r\n4", 0, 7, "1+2=\r\n4\r\n1+2+4=7", 16},
        {"negative first and later parts", "-5\r\n2-3=-1\r\n4", 0, 12, "-5\r\n2-3=-1\r\n4\r\n-5-1+4=-2", 24},
        {"blanks dropped", " 1 + 2 = 3 \r\n 4 ", 0, 16, " 1 + 2 = 3 \r\n 4 \r\n3+4=7", 23},
        {"a chain gives its last result", "1+2=3+4=7\r\n1", 0, 12, "1+2=3+4=7\r\n1\r\n7+1=8", 19},
        // The last selected byte is an LF: the line after it is taken in.
        {"selection ending behind a line break", "1\r\n2\r\n3", 0, 3, "1\r\n2\r\n1+2=3\r\n3", 11},
        {"fractions", "1∟2\r\n1÷3=1∟3", 0, 12, "1∟2\r\n1÷3=1∟3\r\n1∟2+1∟3=5∟6", 31, false, 1},
        {"space split: one expression", "1 2=3\r\n4", 0, 8, "1 2=3\r\n4\r\n3+4=7", 15, true},
        {"no selection", "1\r\n2", 0, 0, "1\r\n2", 0},
        {"only empty lines", "\r\n\r\n1", 0, 3, "\r\n\r\n1", 0},
    };
    for (const SumCase& c : cases) {
        SCOPED_TRACE(c.name);
        LineSession s;
        s.settings.SpaceSplitsExpressions = c.spaceSplit;
        s.settings.FractionType = c.fractionType;
        s.Load(c.text, c.selectionStart);
        s.box.SetSelectionLength(c.selectionLength);
        s.commands.SumResults();
        EXPECT_EQ(s.box.Text(), c.expected);
        EXPECT_EQ(s.box.SelectionStart(), c.caret);
        // Nothing to sum leaves the selection as it was.
        EXPECT_EQ(s.box.SelectionLength(), c.expected == c.text ? c.selectionLength : 0);
    }
}

TEST(SumResults, TenThousandSelectedLines) {
    LineSession s;
    const std::string text = NumberedLines(10000, true);
    s.Load(text, 0);
    s.box.SetSelectionLength(static_cast<TextPos>(text.size()));
    s.commands.SumResults();
    // 2 + 3 + ... + 10001
    EXPECT_EQ(s.state.LastResult, "50015000");
    const std::string tail = "\r\n2+3+4+";
    const std::string written = s.box.Text().substr(text.size());
    EXPECT_EQ(written.compare(0, tail.size(), tail), 0);
    EXPECT_EQ(written.substr(written.size() - 15), "+10001=50015000");
    EXPECT_EQ(s.state.HistoryRecords.size(), 1u);
}

// ---- Fraction conversion ----

TEST(FractionConvert, CyclesDecimalImproperMixed) {
    LineSession s;
    s.Load("3÷2=1.5");
    const std::vector<std::string> steps = {"3÷2=3∟2", "3÷2=1∟1∟2", "3÷2=1.5", "3÷2=3∟2"};
    for (const std::string& expected : steps) {
        SCOPED_TRACE(expected);
        s.commands.FractionConvert();
        EXPECT_EQ(s.box.Text(), expected);
        EXPECT_EQ(s.state.EvalMode, EvalMode::Plain);
        EXPECT_EQ(s.state.LastResult, expected.substr(5));
    }
}

TEST(FractionConvert, EndsInThePlainModeWhateverHappens) {
    struct Case {
        const char* name;
        std::string text;
        TextPos caret;
        std::string expected;
        std::string status;
    };
    const std::vector<Case> cases = {
        {"no result yet", "1+2", 3, "1+2", msg::kFractionNeedsResult},
        {"not a number behind =", "1+1=x", 5, "1+1=x", msg::kFractionNeedsResult},
        {"too many fraction bars", "1+1=1∟2∟3∟4", 4, "1+1=1∟2∟3∟4", msg::kFractionBadFormat},
        {"a number without =", "0.5", 1, "0.5", ""},
        {"caret line among others", "1\r\n1÷4=0.25\r\n2", 5, "1\r\n1÷4=1∟4\r\n2", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineSession s;
        s.Load(c.text, c.caret);
        s.commands.FractionConvert();
        EXPECT_EQ(s.box.Text(), c.expected);
        EXPECT_EQ(s.status.PartText(StatusPart::Message), c.status);
        EXPECT_EQ(s.state.EvalMode, EvalMode::Plain);
    }
    // After a failed conversion the next evaluation is a plain one.
    LineSession s;
    s.Load("1+2");
    s.commands.FractionConvert();
    s.engine.Evaluator();
    EXPECT_EQ(s.box.Text(), "1+2=3");
}

}  // namespace
