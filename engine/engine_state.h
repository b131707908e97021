// Program-wide values of the engine. One instance lives for the whole run;
// everything that belongs to a single request stays local to that request,
// because a request can nest (the result stage runs the chain refresh, which
// runs the evaluator again).
#pragma once

#include <string>
#include <vector>

#include "result_form.h"

struct HistoryRecord {
    int Number = 0;
    std::string Expression;
    std::string Result;
};

// What an evaluation request does.
enum class EvalMode {
    Plain,
    // The fraction conversion: the first pass takes the shown result off
    // and picks the next form, the second writes the result in that form.
    FractionFirstPass,
    FractionSecondPass,
};

struct EngineState {
    // "::" names the type: the member has the same name.
    ::EvalMode EvalMode = ::EvalMode::Plain;
    // Result form chosen by the first fraction pass for the second.
    ResultForm FractionConvertForm = ResultForm::Decimal;

    // Chain refresh handshake: the next request cuts the caret line out.
    bool RefreshActive = false;
    std::string RefreshText;
    // Cleared before each refreshed piece, set when an evaluation runs its
    // whole postfix list.
    bool RefreshPieceEvaluated = false;

    bool ResultProduced = false;
    std::string LastResult;

    // The check mark of the recording menu item.
    bool RecordingOn = false;
    std::vector<HistoryRecord> HistoryRecords;

    // Texts of the postfix evaluation; after a successful request its one
    // entry is the unformatted result.
    std::vector<std::string> OperandStack;
};
