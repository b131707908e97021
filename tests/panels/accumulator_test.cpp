#include "accumulator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine.h"
#include "memory_text_box.h"
#include "settings.h"

namespace {

using Op = AccumulatorOperation;

std::vector<HistoryRecord> Records(const std::vector<std::string>& results) {
    std::vector<HistoryRecord> records;
    for (const std::string& result : results)
        records.push_back({static_cast<int>(records.size()) + 1, "x" + result + " ", result});
    return records;
}

struct BuildCase {
    std::vector<std::string> results;
    Op operation;
    std::string remark;
    int thousandsSeparator;
    std::string expected;
};

TEST(Accumulator, BuildsTheExpressionOfEveryChosenEntry) {
    const BuildCase cases[] = {
        {{"6", "4"}, Op::Sum, "", 0, "6+4"},
        {{"2", "3"}, Op::Product, "", 0, "2×3"},
        {{"6", "4"}, Op::Average, "", 0, "(6+4)÷2"},
        {{"6", "4"}, Op::Maximum, "", 0, "max(6，4)"},
        {{"6", "4", "1"}, Op::Minimum, "", 1, "min(6，4，1)"},
        {{"1,234", "5"}, Op::Maximum, "", 2, "max(1,234；5)"},
        {{"5"}, Op::Average, "", 0, "(5)÷1"},
        {{"5", "-3"}, Op::Sum, "", 0, "5+-3"},
        {{"2", "3"}, Op::Product, "面积", 0, "面积 2×3"},
        {{"6", "4"}, Op::Maximum, "a b", 0, "max(a b 6，4)"},
        {{"6", "4"}, Op::Sum, " 　 ", 0, " 　 6+4"},
    };
    for (const BuildCase& c : cases) {
        const std::vector<HistoryRecord> records = Records(c.results);
        EXPECT_EQ(BuildAccumulatorExpression(records, AccumulatorEntries(records), c.operation, c.remark,
                                             c.thousandsSeparator),
                  c.expected);
    }
}

// Entries listed before the records changed, and a record of a lone value.
TEST(Accumulator, SkipsEntriesWhoseRecordIsGoneAndTakesALoneValueAsItStands) {
    const std::vector<HistoryRecord> listed = Records({"6", "4", "9"});
    std::vector<AccumulatorEntry> chosen = AccumulatorEntries(listed);
    chosen.push_back({0, "x0 ", "0"});
    chosen.push_back({-5, "", ""});

    std::vector<HistoryRecord> now = Records({"6", "7"});  // 2 is another record, 3 is gone
    EXPECT_EQ(BuildAccumulatorExpression(now, chosen, Op::Average, "", 0), "(6)÷1");
    now.clear();
    EXPECT_EQ(BuildAccumulatorExpression(now, chosen, Op::Sum, "", 0), "");

    const std::vector<HistoryRecord> lone = {{1, "6 ", ""}, {2, "x4 ", "4"}, {3, "", ""}};
    EXPECT_EQ(BuildAccumulatorExpression(lone, AccumulatorEntries(lone), Op::Sum, "", 0), "6+4");
    EXPECT_EQ(AccumulatorEntryText(AccumulatorEntries(lone)[0]), "6 =");
    EXPECT_EQ(AccumulatorEntryText({1, "", "4"}), "4");
}

struct PlaceCase {
    std::string text;
    TextPos caret;
    std::string expected;  // "|" marks the caret afterwards
};

TEST(Accumulator, PutsTheLineAfterTheCaretsLine) {
    const PlaceCase cases[] = {
        {"1+1=2\r\n3", 2, "1+1=2\r\nE|\r\n3"},
        {"ab\r\ncd\r\nef", 4, "ab\r\ncd\r\nE|\r\nef"},  // caret at a line's start
        {"ab\r\ncd", 2, "ab\r\nE|\r\ncd"},              // caret before the line end
        {"ab\r\ncd", 3, "ab\r\nE|\r\ncd"},              // caret between CR and LF
        {"ab\r\ncd", 6, "E|\r\nab\r\ncd"},              // last line: to the top
        {"", 0, "E|\r\n"},
    };
    for (const PlaceCase& c : cases) {
        MemoryTextBox box(c.text, c.caret);
        InsertAccumulatorLine(box, "E");
        std::string shown = box.Text();
        shown.insert(static_cast<std::size_t>(box.SelectionStart()), "|");
        EXPECT_EQ(shown, c.expected) << c.caret;
        EXPECT_EQ(box.SelectionLength(), 0);
    }
}

// The built line through the real engine: each grouping mode reads its own
// argument separator.
TEST(Accumulator, TheEngineReadsTheBuiltLineInEveryGroupingMode) {
    for (int mode : {0, 1, 2}) {
        const std::vector<HistoryRecord> records = Records({"6", "4"});
        MemoryTextBox box("7", 1);
        MemoryStatusBar status;
        MemoryClipboard clipboard;
        EngineState state;
        Settings settings;
        settings.RealTimeMode = false;
        settings.ThousandsSeparator = mode;
        Engine engine(box, status, clipboard, settings, state);
        InsertAccumulatorLine(box, BuildAccumulatorExpression(records, AccumulatorEntries(records), Op::Maximum,
                                                              "", mode));
        engine.Evaluator();
        const std::string separator = mode == 2 ? "；" : "，";
        EXPECT_EQ(box.Text(), "max(6" + separator + "4)=6\r\n7") << mode;
    }
}

}  // namespace

namespace {

// The operation list's selection; none or past the list is 求和.
TEST(Accumulator, OperationOfTheListSelection) {
    const std::pair<long long, AccumulatorOperation> cases[] = {
        {-1, Op::Sum}, {0, Op::Sum}, {2, Op::Average}, {4, Op::Minimum}, {5, Op::Sum},
    };
    for (const auto& [selection, operation] : cases)
        EXPECT_EQ(AccumulatorOperationAt(selection), operation) << selection;
}

}  // namespace
