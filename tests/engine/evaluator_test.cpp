// Whole requests on the in-memory text box: the line as the user sees it
// before and after, and the status message.
#include <gtest/gtest.h>

#include <functional>

#include "engine_session.h"
#include "messages.h"

namespace {

struct Harness : EngineSession {
    Harness() { settings.RealTimeMode = false; }
};

struct LineCase {
    std::string input;
    std::string expected;         // the box text afterwards
    std::string message;          // status part 0 afterwards
    std::function<void(Settings&)> configure;
    TextPos caret = EngineSession::kCaretAtEnd;
};

void RunCases(const std::vector<LineCase>& cases) {
    for (const LineCase& c : cases) {
        SCOPED_TRACE("input: " + c.input);
        Harness h;
        if (c.configure) c.configure(h.settings);
        h.Load(c.input, c.caret);
        const bool wrote = h.engine.Evaluator();
        EXPECT_EQ(h.box.Text(), c.expected);
        EXPECT_EQ(h.status.PartText(StatusPart::Message), c.message);
        EXPECT_EQ(wrote, c.expected != c.input && c.message.empty());
    }
}

TEST(Evaluator, WritesResultsBehindTheExpression) {
    RunCases({
        {"1+2", "1+2=3", "", nullptr},
        {"1 + 2  ", "1 + 2=3  ", "", nullptr},
        {"1+2=", "1+2=3", "", nullptr},
        {"1+2+3=6+3+1", "1+2+3=6+3+1=10", "", nullptr},
        {"2+3×4", "2+3×4=14", "", nullptr},
        {"2^3^2", "2^3^2=64", "", nullptr},
        {"-2^2", "-2^2=4", "", nullptr},
        {"7\\2", "7\\2=3", "", nullptr},
        {"-7\\2", "-7\\2=-3", "", nullptr},
        {"0.3\\0.1", "0.3\\0.1=3", "", nullptr},
        {"1e10\\1", "1e10\\1", msg::kMissingOperator, nullptr},
        {"10000000000\\1", "10000000000\\1=10000000000", "", nullptr},
        {"50+10%", "50+10%=50.1", "", nullptr},
        {"2(3)", "2(3)=6", "", nullptr},
        {"3√8", "3√8=2", "", nullptr},
        {"2π", "2π=6.28318530718", "", nullptr},
        {"1÷3", "1÷3=0.333333333333", "", nullptr},
        {"10^20", "10^20=1×10^020", "", nullptr},
        {"1/3000000", "1/3000000=3.333333333333×10^-007", "", nullptr},
        {"1∟3×3", "1∟3×3=1", "", nullptr},
        {"[1+2]×{3}", "[1+2]×{3}=9", "", nullptr},
        {"ｓｉｎ30+1", "ｓｉｎ30+1=1.5", "", nullptr},
        {"0×-1", "0×-1=0", "", nullptr},
    });
}

TEST(Evaluator, FractionForms) {
    auto improper = [](Settings& s) { s.FractionType = 1; };
    auto mixed = [](Settings& s) { s.FractionType = 2; };
    RunCases({
        {"1∟2+1∟3", "1∟2+1∟3=5∟6", "", improper},
        {"0.05×2", "0.05×2=0.1", "", improper},
        {"7∟2", "7∟2=3∟1∟2", "", mixed},
        {"1∟2+1∟3", "1∟2+1∟3=0.833333333333", "", mixed},
        {"1∟3+1∟7000", "1∟3+1∟7000=0.333476190476", "", improper},
        // A 分数类型 outside 0..2: the computed text, not rounded to the places.
        {"1∟3×1", "1∟3×1=0.3333333333333", "", [](Settings& s) { s.FractionType = 3; }},
        {"1∟3×1", "1∟3×1=0.3333333333333", "", [](Settings& s) { s.FractionType = -1; }},
        {"1÷3", "1÷3=0.333333333333", "", [](Settings& s) { s.FractionType = 3; }},
    });
}

TEST(Evaluator, ReportsFailuresAndLeavesTheTextAlone) {
    auto ignoreChinese = [](Settings& s) { s.IgnoreChinese = true; };
    RunCases({
        {"5", "5", msg::kNoOperator, nullptr},
        {"(1+2]", "(1+2]", msg::kSquareMismatch, nullptr},
        {"[(1", "[(1", msg::kMissingParen, nullptr},
        {"1+2米", "1+2米", msg::kUnknownChinese, nullptr},
        {"1+2米", "1+2米=3", "", ignoreChinese},
        {"1e5", "1e5", msg::kMissingOperator, nullptr},
        {"(2)3", "(2)3", msg::kMissingOperatorAfterBracket, nullptr},
        {"1.2.3", "1.2.3", msg::kTooManyPoints, nullptr},
        {"1,2", "1,2", msg::kCommaMisplaced, nullptr},
        {"(1,2)", "(1,2)", msg::kCommaMisplaced, nullptr},
        {"1+", "1+", msg::kMissingOperand, nullptr},
        {"0÷0", "0÷0", msg::kDivideError, nullptr},
        {"2x", "2x", msg::kUnknownCharacter, nullptr},
        {"ＳＩＮ30", "ＳＩＮ30", msg::kUnknownCharacter, nullptr},
        // A lone lead byte at the end never takes the end mark with it.
        {"1+2\xB0", "1+2\xB0", msg::kUnknownCharacter, nullptr},
        {"0b101", "0b101", msg::kCannotComplete, nullptr},
    });
}

TEST(Evaluator, EmptyAndBareLinesComputeNothing) {
    for (const std::string text : {"", "=", "==", "   "}) {
        SCOPED_TRACE(text);
        Harness h;
        h.Load(text);
        EXPECT_FALSE(h.engine.Evaluator());
        EXPECT_EQ(h.box.Text(), text);
        EXPECT_EQ(h.status.PartText(StatusPart::Message), "");
    }
}

TEST(Evaluator, CaretLineIsTheLineThatHoldsTheCaret) {
    Harness h;
    h.Load("1+2\r\n3×4\r\n5", 7);  // inside "3×4"
    EXPECT_TRUE(h.engine.Evaluator());
    EXPECT_EQ(h.box.Text(), "1+2\r\n3×4=12\r\n5");
    EXPECT_EQ(h.box.SelectionStart(), 12);
    EXPECT_EQ(h.state.LastResult, "12");
    EXPECT_TRUE(h.state.ResultProduced);

    // At the very end of a text that ends in CR LF the line above is taken,
    // and its result goes on that line.
    h.Load("1+2\r\n");
    EXPECT_TRUE(h.engine.Evaluator());
    EXPECT_EQ(h.box.Text(), "1+2=3\r\n");

    // The caret at the start of a line belongs to that line.
    h.Load("1+2\r\n2×2", 5);
    EXPECT_TRUE(h.engine.Evaluator());
    EXPECT_EQ(h.box.Text(), "1+2\r\n2×2=4");
}

TEST(Evaluator, TakesTheLineThatHoldsTheCaretWhereverItStands) {
    RunCases({
        {"1+2\r\n3+4", "1+2=3\r\n3+4", "", nullptr, 0},
        {"1+2\r\n3+4", "1+2=3\r\n3+4", "", nullptr, 3},  // right before a CR LF
        {"1+2\r\n3+4", "1+2=3\r\n3+4", "", nullptr, 4},  // between CR and LF
        {"1+2\r\n", "1+2=3\r\n", "", nullptr, 4},
        // On the empty last line the empty line above counts: nothing to do.
        {"1+2\r\n\r\n", "1+2\r\n\r\n", "", nullptr},
        // An "=" on the line above is not the expression's.
        {"2=\r\n3+4", "2=\r\n3+4=7", "", nullptr},
        {"1+2　　", "1+2=3　　", "", nullptr},
    });
}

TEST(Evaluator, NeverOverwritesALiveSelection) {
    Harness h;
    h.Load("1+2", 1);
    h.box.SetSelectionLength(2);
    EXPECT_TRUE(h.engine.Evaluator());
    EXPECT_EQ(h.box.Text(), "1+2=3");
}

TEST(Evaluator, RealTimeModeConfirmsAndRepeatsRefresh) {
    Harness h;
    h.settings.RealTimeMode = true;
    h.Load("1+2");
    EXPECT_TRUE(h.engine.Evaluator());
    EXPECT_EQ(h.status.PartText(StatusPart::Message), msg::kRefreshed);

    // Evaluating the same line again would repeat the result: the chain is
    // refreshed and nothing new is written.
    h.status.SetPartText(StatusPart::Message, "");
    EXPECT_FALSE(h.engine.Evaluator());
    EXPECT_EQ(h.box.Text(), "1+2=3");
    EXPECT_EQ(h.status.PartText(StatusPart::Message), msg::kRefreshed);

    h.Load("1+24=3");
    EXPECT_FALSE(h.engine.Evaluator());
    EXPECT_EQ(h.box.Text(), "1+24=25");
    EXPECT_EQ(h.status.PartText(StatusPart::Message), msg::kRefreshed);
}

TEST(Evaluator, ClipboardAndHistoryRecords) {
    Harness h;
    h.settings.ResultToClipboard = true;
    h.state.RecordingOn = true;
    h.Load("10^20");
    EXPECT_TRUE(h.engine.Evaluator());
    EXPECT_EQ(h.clipboard.Text(), "1×10^020");

    h.Load("1+1\r\nSIN(30)+1\r\n7", 0);
    h.engine.Evaluator();
    h.box.SetSelectionStart(9);
    h.engine.Evaluator();
    h.box.SetSelectionStart(static_cast<TextPos>(h.box.Text().size()));
    EXPECT_FALSE(h.engine.Evaluator());  // a bare number is recorded without a result
    ASSERT_EQ(h.state.HistoryRecords.size(), 4u);
    EXPECT_EQ(h.state.HistoryRecords[1].Number, 2);
    EXPECT_EQ(h.state.HistoryRecords[1].Expression, "1+1 ");
    EXPECT_EQ(h.state.HistoryRecords[1].Result, "2");
    EXPECT_EQ(h.state.HistoryRecords[2].Expression, "sin(30)+1 ");
    EXPECT_EQ(h.state.HistoryRecords[2].Result, "1.5");
    EXPECT_EQ(h.state.HistoryRecords[3].Expression, "7 ");
    EXPECT_EQ(h.state.HistoryRecords[3].Result, "");
    EXPECT_EQ(h.clipboard.PutCount(), 3);
}

TEST(Evaluator, SpaceSplitSegments) {
    struct Case { std::string input; TextPos caret; std::string expected; TextPos caretAfter; };
    const Case cases[] = {
        {"1+1 2*3", 6, "1+1 2*3=6", 9},
        {"1+2  3+4", 1, "1+2=3   3+4", 5},
        {"1+2 3+4", 1, "1+2=3   3+4", 5},
        {"1+2   3+4", 1, "1+2=3   3+4", 5},
        {"1=5 2*3", 7, "1=5 2*3=6", 9},
        {"1+2 \r\n3", 3, "1+2=3   \r\n3", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Harness h;
        h.settings.SpaceSplitsExpressions = true;
        h.Load(c.input, c.caret);
        EXPECT_TRUE(h.engine.Evaluator());
        EXPECT_EQ(h.box.Text(), c.expected);
        EXPECT_EQ(h.box.SelectionStart(), c.caretAfter);
    }
}

TEST(Evaluator, RepairsStrayLineEndsAndRetriesOnce) {
    Harness h;
    h.Load("2x\n1", 0);
    EXPECT_FALSE(h.engine.Evaluator());
    EXPECT_EQ(h.box.Text(), "2x\r\n1");
    EXPECT_EQ(h.status.PartText(StatusPart::Message), msg::kUnknownCharacter);
}

TEST(Evaluator, StripControlCharsRepairsLineEnds) {
    Harness h;
    h.Load("1\n2\r3\t4", 3);
    h.engine.StripControlChars();
    EXPECT_EQ(h.box.Text(), "1\r\n23 4");
    EXPECT_EQ(h.box.SelectionStart(), 3);

    const int changes = h.box.ChangeCount();
    h.engine.StripControlChars();
    EXPECT_EQ(h.box.ChangeCount(), changes);  // a sound text is not rewritten
}

TEST(FractionConversion, FirstPassTakesOffTheShownResult) {
    // The pass never picks the computed text: left there, it shows that no
    // form was picked.
    constexpr ResultForm kNone = ResultForm::ComputedText;
    constexpr ResultForm kDecimal = ResultForm::Decimal;
    constexpr ResultForm kImproper = ResultForm::ImproperFraction;
    constexpr ResultForm kMixed = ResultForm::MixedNumber;
    struct Case { std::string input; bool removed; std::string after; ResultForm form; std::string message; };
    const Case cases[] = {
        {"1+1=0.5", true, "1+1", kImproper, ""},
        {"1+1=1∟2", true, "1+1", kMixed, ""},
        {"1+1=1∟1∟2", true, "1+1", kDecimal, ""},
        {"1+1 = 0.5", true, "1+1 ", kImproper, ""},
        {"1+1=x", false, "1+1=x", kNone, msg::kFractionNeedsResult},
        {"1+1=1∟1∟1∟2", false, "1+1=1∟1∟1∟2", kNone, msg::kFractionBadFormat},
        {"0.5", false, "0.5", kImproper, ""},
        {"1+2", false, "1+2", kNone, msg::kFractionNeedsResult},
        // A sign only in front: behind the "=" stands an expression, not a
        // result, and taking it off would lose what the user typed.
        {"1+1=-0.5", true, "1+1", kImproper, ""},
        {"1+1= -1∟2", true, "1+1", kMixed, ""},
        {"1+1=2-02", false, "1+1=2-02", kNone, msg::kFractionNeedsResult},
        {"1+1=1∟-2", false, "1+1=1∟-2", kNone, msg::kFractionNeedsResult},
        // Nothing to compute the result again from.
        {"=79", false, "=79", kImproper, msg::kFractionNeedsResult},
        {"+2\r\n =79", false, "+2\r\n =79", kImproper, msg::kFractionNeedsResult},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Harness h;
        h.state.FractionConvertForm = kNone;
        h.state.EvalMode = EvalMode::FractionFirstPass;
        h.Load(c.input);
        EXPECT_EQ(h.engine.Evaluator(), c.removed);
        EXPECT_EQ(h.box.Text(), c.after);
        EXPECT_EQ(h.state.FractionConvertForm, c.form);
        EXPECT_EQ(h.status.PartText(StatusPart::Message), c.message);
    }
}

TEST(FractionConversion, TwoPassesCycleTheForms) {
    Harness h;
    h.Load("3÷2=1.5");
    const char* expected[] = {"3÷2=3∟2", "3÷2=1∟1∟2", "3÷2=1.5"};
    for (const char* next : expected) {
        h.state.EvalMode = EvalMode::FractionFirstPass;
        ASSERT_TRUE(h.engine.Evaluator());
        h.state.EvalMode = EvalMode::FractionSecondPass;
        EXPECT_TRUE(h.engine.Evaluator());
        h.state.EvalMode = EvalMode::Plain;
        EXPECT_EQ(h.box.Text(), next);
    }
}

}  // namespace
