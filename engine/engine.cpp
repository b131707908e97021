#include "engine.h"

#include "request.h"
#include "settings.h"

Engine::Engine(TextBox& box, StatusBar& status, ClipboardSink& clipboard, const Settings& settings,
               EngineState& state)
    : box_(box), status_(status), clipboard_(clipboard), settings_(settings), state_(state) {}

void Engine::Fail(const std::string& message) {
    ++failureCount_;
    status_.SetPartText(StatusPart::Message, message);
}

void Engine::AppendHistoryRecord(const std::string& expression, const std::string& result) {
    HistoryRecord record;
    record.Number = static_cast<int>(state_.HistoryRecords.size()) + 1;
    record.Expression = expression;
    record.Result = result;
    state_.HistoryRecords.push_back(record);
}

void Engine::StripControlChars() {
    const TextPos caret = box_.SelectionStart();
    const std::string original = box_.Text();
    std::string repaired;
    repaired.reserve(original.size() + original.size() / 8);
    for (char ch : original) {
        if (ch == '\r') continue;
        if (ch == '\n') {
            repaired += "\r\n";
        } else if (ch == '\t') {
            repaired += ' ';
        } else {
            repaired += ch;
        }
    }
    // One write instead of three: the box sees the same final text.
    if (repaired != original) box_.SetText(repaired);
    box_.SetSelectionLength(0);
    box_.SetSelectionStart(caret);
}

bool Engine::Evaluator() {
    Request request;
    if (!TakeExpression(request)) return false;
    if (state_.EvalMode == EvalMode::FractionFirstPass) return FractionFirstPass(request);
    if (state_.EvalMode == EvalMode::FractionSecondPass) request.resultForm = state_.FractionConvertForm;
    return EvaluateExpression(request);
}
