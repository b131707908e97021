// 累加器's logic: the entries listed from the history records, and the one
// expression 确定 builds from the chosen entries and puts on a line of its
// own below the caret's line.
#pragma once

#include <string>
#include <vector>

#include "engine_state.h"
#include "text_box.h"

struct Settings;

// An entry of the window's lists. It keeps the whole record it was listed
// from: the records can be emptied and refilled while the window is open,
// and a new record under the same Number is not the entry's record.
struct AccumulatorEntry {
    int Number = 0;
    std::string Expression;
    std::string Result;
};

// The items of the operation list, in this order.
enum class AccumulatorOperation { Sum, Product, Average, Maximum, Minimum };
inline constexpr const char* kAccumulatorOperationNames[] = {"求和", "相乘", "平均", "最大值", "最小值"};

// The operation list's selection as an operation: none (-1) or anything
// past the list is 求和.
AccumulatorOperation AccumulatorOperationAt(long long selection);

std::vector<AccumulatorEntry> AccumulatorEntries(const std::vector<HistoryRecord>& records);

// Expression, "=" when there is one, result.
std::string AccumulatorEntryText(const AccumulatorEntry& entry);

// What the entry adds to the expression: its record's result, or its
// expression without the end mark when the record has none; empty when the record is
// gone or is not the one listed.
std::string AccumulatorOperand(const std::vector<HistoryRecord>& records, const AccumulatorEntry& entry);

// The expression of the chosen entries still standing, in their order, with
// the remark first; empty when none is left. `thousandsSeparator` is
// 逗号千分割: with 2 a "," groups digits, so max and min separate with "；".
std::string BuildAccumulatorExpression(const std::vector<HistoryRecord>& records,
                                       const std::vector<AccumulatorEntry>& chosen, AccumulatorOperation operation,
                                       const std::string& remark, int thousandsSeparator);

// Inserts the expression as the line after the caret's line (at the top of
// the text when the caret's line is the last), caret at its end.
void InsertAccumulatorLine(TextBox& box, const std::string& expression);

// What the window needs of the main window.
class AccumulatorHost {
public:
    virtual ~AccumulatorHost() = default;
    // The engine's program-wide values, which hold the history records.
    virtual EngineState& History() = 0;
    virtual const Settings& CurrentSettings() const = 0;
    // InsertAccumulatorLine on the box, then the evaluator on that line.
    virtual void InsertAndEvaluate(const std::string& expression) = 0;
    // The keyboard focus to the expression box.
    virtual void FocusBox() = 0;
};
