// The stages after taking the expression: normalise, tokenise, convert,
// evaluate, then write "=" and the result back or report why not.
#include <vector>

#include "engine.h"
#include "messages.h"
#include "normaliser.h"
#include "number_rules.h"
#include "postfix_conversion.h"
#include "postfix_evaluation.h"
#include "request.h"
#include "result_formatting.h"
#include "settings.h"
#include "text_rules.h"
#include "tokeniser.h"

namespace {

// A CR without its LF or an LF without its CR.
bool HasBrokenLineEnds(const std::string& text) {
    const size_t size = text.size();
    for (size_t i = 0; i < size; ++i) {
        if (text[i] == '\r' && (i + 1 >= size || text[i + 1] != '\n')) return true;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return true;
    }
    return false;
}

// Where an offset lands once the line ends are repaired: every CR goes,
// every LF becomes CR LF.
TextPos OffsetAfterRepair(const std::string& text, TextPos offset) {
    TextPos repaired = 0;
    for (TextPos i = 0; i < offset && i < static_cast<TextPos>(text.size()); ++i) {
        const char ch = text[static_cast<size_t>(i)];
        repaired += ch == '\r' ? 0 : (ch == '\n' ? 2 : 1);
    }
    return repaired;
}

}  // namespace

bool Engine::EvaluateExpression(Request& request) {
    std::string message;
    std::string normalised;
    if (!NormaliseSymbols(request.expressionText, settings_, normalised, message)) {
        Fail(message);
        return false;
    }

    TokeniseOutcome tokens = Tokenise(normalised);
    if (tokens.status == TokeniseStatus::Unrecognised) {
        // No repair inside a refresh, so no need to read the whole text
        // there, again for every failing piece of a long line.
        const std::string text = refreshDepth_ == 0 ? box_.Text() : std::string();
        if (HasBrokenLineEnds(text)) {
            // The character may be a stray line end: repair and start again
            // once, with the caret behind the same character as before, so
            // the retry takes the same line and writes where this one would.
            const TextPos caret = OffsetAfterRepair(text, box_.SelectionStart());
            StripControlChars();
            box_.SetSelectionLength(0);
            box_.SetSelectionStart(caret);
            Evaluator();
            return false;
        }
        Fail(msg::kUnknownCharacter);
        return false;
    }
    if (tokens.status == TokeniseStatus::Failed) {
        Fail(tokens.message);
        return false;
    }

    std::vector<std::string> postfix;
    if (!ConvertToPostfix(tokens.tokens, postfix, message)) {
        Fail(message);
        return false;
    }

    EvaluationContext context{state_.OperandStack, settings_, state_.EvalMode};
    if (!EvaluatePostfix(postfix, context)) {
        Fail(context.message);
        return false;
    }
    request.fractionInput = context.fractionInput;
    state_.RefreshPieceEvaluated = true;
    return ResultStage(request);
}

// True when no line break lies between the line's start and the caret.
bool Engine::CaretOnLine(TextPos lineStart) const {
    const TextPos caret = box_.SelectionStart();
    return caret >= lineStart &&
           !TextContains(box_.TextPart(lineStart, caret - lineStart), "\r\n");
}

bool Engine::ResultStage(Request& request) {
    const std::vector<std::string>& stack = state_.OperandStack;
    if (stack.size() != 1) {
        Fail(msg::kCannotComplete);
        return false;
    }
    const std::string value = stack.front();
    // A joined argument list is no single value.
    if (TextPieceCount(value) != 1) {
        Fail(msg::kCommaMisplaced);
        return false;
    }

    if (value + " " == request.expressionText && state_.EvalMode == EvalMode::Plain) {
        if (!request.noEqualsOnLine) {
            RefreshLine();
            return false;
        }
        if (state_.RecordingOn) AppendHistoryRecord(request.expressionText, std::string());
        status_.SetPartText(StatusPart::Message, msg::kNoOperator);
        return false;
    }

    const double x = TextToNumber(value);
    std::string result = ResultText(x, NumberToText(x), request.resultForm, request.fractionInput, settings_);

    if (result == TrimAll(request.expressionText)) {
        RefreshLine();
        return false;
    }

    state_.ResultProduced = true;
    if (settings_.ResultToClipboard) clipboard_.PutText(result);
    state_.LastResult = result;

    std::string written = request.expressionHasEquals ? result : "=" + result;
    box_.SetSelectionLength(0);  // never overwrite a live selection
    // The second conversion pass writes where the first took the result
    // off, unless a line-end repair since has left the caret on another
    // line than the expression's: then behind the expression.
    if (state_.EvalMode == EvalMode::Plain || !CaretOnLine(request.lineStart)) {
        box_.SetSelectionStart(request.insertionPoint);
    }
    written.append(static_cast<size_t>(request.paddingBlanks), ' ');
    box_.ReplaceSelection(written);
    if (request.paddingBlanks != 0) box_.SetSelectionStart(box_.SelectionStart() - request.paddingBlanks);

    if (state_.RecordingOn) AppendHistoryRecord(request.expressionText, result);
    if (settings_.RealTimeMode) status_.SetPartText(StatusPart::Message, msg::kRefreshed);
    return true;
}
