// Recalculating every result of the chain on the caret's line.
#include <vector>

#include "engine.h"
#include "messages.h"
#include "number_rules.h"
#include "text_rules.h"

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Removes an old result from the front of a later chain piece; what follows
// it is the continuation the user typed.
std::string StripOldResult(const std::string& piece) {
    size_t at = 0;
    if (at < piece.size() && (piece[at] == '-' || piece[at] == '+')) ++at;
    for (;;) {
        if (at < piece.size() && (IsDigit(piece[at]) || piece[at] == '.' || piece[at] == ';' || piece[at] == ',')) {
            ++at;
        } else if (piece.compare(at, 2, "∟") == 0) {
            at += 2;
        } else {
            break;
        }
    }
    const std::string powerMark = "×10^";
    if (piece.compare(at, powerMark.size(), powerMark) == 0) {
        // An exponent is an optional "-" and digits; anything after that,
        // a "-2" the user typed included, stays.
        size_t end = at + powerMark.size();
        const size_t exponentStart = end;
        if (end < piece.size() && piece[end] == '-') ++end;
        while (end < piece.size() && IsDigit(piece[end])) ++end;
        const double exponent = TextToNumber(piece.substr(exponentStart, end - exponentStart));
        if (exponent >= 13 - kTolerance || exponent <= -5 + kTolerance) at = end;
    }
    return piece.substr(at);
}

}  // namespace

void Engine::RefreshLine() {
    if (box_.TextSize() == 0) return;
    struct DepthGuard {
        int& depth;
        explicit DepthGuard(int& d) : depth(d) { ++depth; }
        ~DepthGuard() { --depth; }
    } guard(refreshDepth_);

    state_.RefreshActive = true;
    Evaluator();
    state_.RefreshActive = false;
    const std::string taken = state_.RefreshText;
    // Where the line was taken out; everything the refresh puts in or the
    // evaluations write stays inside the stretch that grows from there.
    const TextPos start = box_.SelectionStart();
    const TextPos sizeAfterCut = box_.TextSize();

    const std::vector<std::string> pieces = TextSplit(taken, "=");
    if (taken.empty() || pieces.size() <= 1) {
        InsertAtCaret(taken);
        return;
    }

    std::vector<std::string> rebuilt;
    rebuilt.push_back(pieces.front());
    for (size_t i = 1; i < pieces.size(); ++i) rebuilt.push_back(StripOldResult(pieces[i]));

    // While the rebuilt line is still empty it is not evaluated: an empty
    // last line would hand the evaluator the line above instead.
    bool lineEmpty = true;
    const int failuresBefore = failureCount_;
    for (size_t i = 0; i + 1 < rebuilt.size(); ++i) {
        InsertAtCaret(rebuilt[i]);
        lineEmpty = lineEmpty && rebuilt[i].empty();
        state_.RefreshPieceEvaluated = false;
        if (!lineEmpty) Evaluator();
    }
    InsertAtCaret(rebuilt.back());

    // A failed refresh puts back the line as this refresh took it out, even
    // when an inner refresh took out a half-rebuilt one in the meantime.
    const std::string& original = taken;
    // Any failed evaluation makes the refresh a failure, not only the last one.
    if (state_.RefreshPieceEvaluated && failureCount_ == failuresBefore) {
        status_.SetPartText(StatusPart::Message, msg::kRefreshed);
        return;
    }
    // That stretch goes, not the caret line: pieces may have joined into a
    // new line break ("\r" and "\n3" of "\r=\n3"), and a result may have
    // been written in front of pieces put in before it.
    const TextPos end = start + box_.TextSize() - sizeAfterCut;
    state_.RefreshText = box_.TextPart(start, end - start);
    CutSelection(start, end);
    InsertAtCaret(original);
    ++failureCount_;
    status_.SetPartText(StatusPart::Message, msg::kRefreshFailed);
}
