#include "accumulator.h"

#include <algorithm>
#include <cstddef>

#include "text_rules.h"

namespace {

constexpr char kFullWidthSpace[] = "　";

// A remark of blanks alone (ASCII or full-width) gets no separator.
bool HasVisibleText(const std::string& remark) {
    for (TextPos at = 0; at < static_cast<TextPos>(remark.size());) {
        const TextPos size = CharSizeAt(remark, at);
        const std::string ch = remark.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(size));
        if (ch != " " && ch != kFullWidthSpace) return true;
        at += size;
    }
    return false;
}

std::string StripEndMark(std::string expression) {
    while (!expression.empty() && expression.back() == ' ') expression.pop_back();
    return expression;
}

}  // namespace

std::vector<AccumulatorEntry> AccumulatorEntries(const std::vector<HistoryRecord>& records) {
    std::vector<AccumulatorEntry> entries;
    entries.reserve(records.size());
    for (const HistoryRecord& record : records) entries.push_back({record.Number, record.Expression, record.Result});
    return entries;
}

std::string AccumulatorEntryText(const AccumulatorEntry& entry) {
    return entry.Expression.empty() ? entry.Result : entry.Expression + "=" + entry.Result;
}

std::string AccumulatorOperand(const std::vector<HistoryRecord>& records, const AccumulatorEntry& entry) {
    if (entry.Number < 1 || static_cast<std::size_t>(entry.Number) > records.size()) return {};
    const HistoryRecord& record = records[static_cast<std::size_t>(entry.Number) - 1];
    if (record.Number != entry.Number || record.Expression != entry.Expression || record.Result != entry.Result)
        return {};
    if (!record.Result.empty()) return record.Result;
    // Only a lone value is recorded without a result: it stands for itself.
    return StripEndMark(record.Expression);
}

std::string BuildAccumulatorExpression(const std::vector<HistoryRecord>& records,
                                       const std::vector<AccumulatorEntry>& chosen, AccumulatorOperation operation,
                                       const std::string& remark, int thousandsSeparator) {
    std::vector<std::string> operands;
    for (const AccumulatorEntry& entry : chosen) {
        std::string operand = AccumulatorOperand(records, entry);
        if (!operand.empty()) operands.push_back(std::move(operand));
    }
    if (operands.empty()) return {};

    const char* join = "+";
    if (operation == AccumulatorOperation::Product) join = "×";
    if (operation == AccumulatorOperation::Maximum || operation == AccumulatorOperation::Minimum)
        join = thousandsSeparator == 2 ? "；" : "，";
    std::string body = remark + (HasVisibleText(remark) ? " " : "");
    for (std::size_t i = 0; i < operands.size(); ++i) body += (i ? join : "") + operands[i];

    switch (operation) {
    case AccumulatorOperation::Average:
        return "(" + body + ")÷" + std::to_string(operands.size());
    case AccumulatorOperation::Maximum:
        return "max(" + body + ")";
    case AccumulatorOperation::Minimum:
        return "min(" + body + ")";
    default:
        return body;
    }
}

void InsertAccumulatorLine(TextBox& box, const std::string& expression) {
    const std::string text = box.Text();
    const TextPos caret = std::clamp<TextPos>(box.SelectionStart(), 0, static_cast<TextPos>(text.size()));
    // The search starts one byte early: a caret right behind a CR still
    // finds the line end it stands in.
    const std::size_t lineEnd = text.find("\r\n", static_cast<std::size_t>(caret > 0 ? caret - 1 : 0));
    const TextPos at = lineEnd == std::string::npos ? 0 : static_cast<TextPos>(lineEnd) + 2;
    box.SetSelectionStart(at);
    box.SetSelectionLength(0);
    box.ReplaceSelection(expression + "\r\n");
    box.SetSelectionStart(at + static_cast<TextPos>(expression.size()));
    box.SetSelectionLength(0);
}

AccumulatorOperation AccumulatorOperationAt(long long selection) {
    const auto last = static_cast<long long>(AccumulatorOperation::Minimum);
    return selection < 0 || selection > last ? AccumulatorOperation::Sum
                                             : static_cast<AccumulatorOperation>(selection);
}
