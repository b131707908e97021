// The expression engine's entry points: evaluate the caret's line, refresh
// its chain of results, repair line ends. It talks to the outside only
// through the text box, status bar and clipboard interfaces.
#pragma once

#include <string>

#include "engine_state.h"
#include "text_box.h"

struct Settings;

class Engine {
public:
    Engine(TextBox& box, StatusBar& status, ClipboardSink& clipboard, const Settings& settings,
           EngineState& state);

    // Evaluates the caret's line; true when a new result was written (or the
    // first fraction-conversion pass took the shown result off the line).
    bool Evaluator();

    // Recalculates every result of the chain on the caret's line.
    void RefreshLine();

    // Lone CRs vanish, lone LFs become CR LF, tabs become blanks.
    void StripControlChars();

    EngineState& State() { return state_; }

    // How many failure messages the engine has shown so far; lets a caller
    // tell whether the evaluations it ran all went through.
    int FailureCount() const { return failureCount_; }

private:
    struct Request;

    bool TakeExpression(Request& request);
    bool FractionFirstPass(Request& request);
    bool EvaluateExpression(Request& request);
    bool ResultStage(Request& request);
    bool CaretOnLine(TextPos lineStart) const;
    void CutSelection(TextPos start, TextPos end);
    void InsertAtCaret(const std::string& text);
    void AppendHistoryRecord(const std::string& expression, const std::string& result);
    void Fail(const std::string& message);

    TextBox& box_;
    StatusBar& status_;
    ClipboardSink& clipboard_;
    const Settings& settings_;
    EngineState& state_;
    int failureCount_ = 0;
    // Above 0 while a chain refresh runs its evaluations: they never repair
    // line ends, which would shift the text under the refresh's caret.
    int refreshDepth_ = 0;
};
