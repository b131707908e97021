// Program-wide values of the engine. One instance lives for the whole run;
// everything that belongs to a single request stays local to that request,
// because a request can nest (the result stage runs the chain refresh, which
// runs the evaluator again).
#pragma once

#include <string>
#include <vector>

struct HistoryRecord {
    int Number = 0;
    std::string Expression;
    std::string Result;
};

struct EngineState {
    // 0 plain; 1 and 2 the two passes of the fraction conversion.
    int EvalMode = 0;
    // Result form chosen by the first fraction pass for the second.
    int FractionConvertForm = 0;

    // Chain refresh handshake: the next request cuts the caret line out.
    bool RefreshActive = false;
    std::string RefreshText;
    // 0 before each refreshed piece, 1 when an evaluation ran its whole postfix list.
    int RefreshLineState = 0;

    bool ResultProduced = false;
    std::string LastResult;

    // The check mark of the recording menu item.
    bool RecordingOn = false;
    std::vector<HistoryRecord> HistoryRecords;

    // Texts of the postfix evaluation; after a successful request its one
    // entry is the unformatted result.
    std::vector<std::string> OperandStack;
};
