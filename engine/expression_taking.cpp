// Taking the expression out of the caret's line, the first pass of the
// fraction conversion, and the cut that the chain refresh asks for.
#include <algorithm>

#include "engine.h"
#include "messages.h"
#include "request.h"
#include "settings.h"
#include "text_rules.h"

namespace {

struct CaretLine {
    std::string text;
    TextPos start = 0;  // offset of its first byte
};

// The caret line: the piece of the text, split at CR LF, that holds the
// byte at the caret; a caret between CR and LF, or at the very end of a text
// that ends in CR LF, belongs to the line above (the empty last line is not
// counted). The start always belongs to the chosen line.
CaretLine FindCaretLine(const std::string& text, TextPos caret) {
    const TextPos size = TextLength(text);
    CaretLine line;
    TextPos pieceStart = 0;
    for (;;) {
        const TextPos breakPos = TextFind(text, "\r\n", pieceStart + 1);  // 1-based or -1
        const TextPos pieceEnd = breakPos < 0 ? size : breakPos - 1;
        const bool lastPiece = breakPos < 0;
        const bool nextIsTrailingEmpty = !lastPiece && pieceEnd + 2 >= size;
        if (caret <= pieceEnd + 1 || lastPiece || nextIsTrailingEmpty) {
            line.start = pieceStart;
            line.text = text.substr(static_cast<size_t>(pieceStart), static_cast<size_t>(pieceEnd - pieceStart));
            return line;
        }
        pieceStart = pieceEnd + 2;
    }
}

std::string PrepareExpression(const std::string& expression) {
    std::string prepared = ToLower(TrimAll(expression));
    prepared += ' ';
    return ToHalfWidth(prepared);
}

}  // namespace

void Engine::CutSelection(TextPos start, TextPos end) {
    box_.SetSelectionLength(0);
    box_.SetSelectionStart(start);
    box_.SetSelectionLength(std::max<TextPos>(0, end - start));
    box_.ReplaceSelection(std::string());
    box_.SetSelectionLength(0);
}

void Engine::InsertAtCaret(const std::string& text) {
    box_.SetSelectionLength(0);
    box_.ReplaceSelection(text);
}

bool Engine::TakeExpression(Request& request) {
    const std::string text = box_.Text();
    if (text.empty()) return false;
    state_.ResultProduced = false;
    request.resultForm = settings_.FractionType;

    const TextPos caret = std::clamp<TextPos>(box_.SelectionStart(), 0, TextLength(text));
    request.caret = caret;
    const CaretLine line = FindCaretLine(text, caret);
    request.lineStart = line.start;
    request.segmentStart = line.start;
    request.insertionPoint = line.start + TextLength(TrimRight(line.text));
    request.spaceSuffixKind = 0;

    if (!settings_.SpaceSplitsExpressions) {
        request.lineText = TrimAll(line.text);
    } else {
        const TextPos lineLength = TextLength(line.text);
        // The caret's position in the line; a caret below the chosen line
        // counts as standing at its end.
        const TextPos p = std::min(caret - line.start + 1, lineLength + 1);
        const TextPos b = TextFindLast(TextLeft(line.text, p - 1), " ");
        const TextPos f = TextFind(line.text, " ", p);
        if (b > 0 && f > 0) {
            request.lineText = TextMid(line.text, b + 1, f - b - 1);
        } else if (b > 0) {
            request.lineText = TextMid(line.text, b + 1, lineLength - b);
        } else if (f > 0) {
            request.lineText = TextLeft(line.text, f - 1);
        } else {
            request.lineText = line.text;
        }
        if (b > 0) request.segmentStart = line.start + b;
        if (f > 0) {
            const TextPos blank = TextFind(text, " ", caret);
            if (TextMid(text, blank, 3) == "   ") {
                request.spaceSuffixKind = 0;
            } else if (TextMid(text, blank, 2) == "  ") {
                request.spaceSuffixKind = 1;
            } else {
                request.spaceSuffixKind = 2;
            }
            request.insertionPoint = line.start + f - 1;
        }
    }

    // A point behind a line break would belong to the line above: the point
    // never leaves the expression's own segment.
    const TextPos segmentEnd = request.insertionPoint;
    // A CR or LF that is the trail byte of a broken character is not a line end.
    const bool charBefore = request.insertionPoint > 0 && IsCharStart(text, request.insertionPoint - 1);
    const char before = charBefore ? text[static_cast<size_t>(request.insertionPoint - 1)] : 0;
    TextPos adjusted = request.insertionPoint;
    if (before == '\r') adjusted -= 1;
    if (before == '\n') adjusted -= 2;
    if (adjusted >= request.segmentStart) request.insertionPoint = adjusted;

    if (state_.RefreshActive) {
        // The cut takes the segment up to its trailing blanks, a stray line
        // end included, and the refresh puts back exactly what was cut, so
        // nothing is left behind twice.
        const TextPos end = std::max(segmentEnd, request.segmentStart);
        const std::string taken = TextMid(text, request.segmentStart + 1, end - request.segmentStart);
        state_.RefreshText = settings_.SpaceSplitsExpressions ? taken : TrimAll(taken);
        CutSelection(request.segmentStart, end);
        state_.RefreshActive = false;
        return false;
    }

    // The "=" rule: the expression follows the last "=" that is not the final byte.
    const TextPos lineTextLength = TextLength(request.lineText);
    const TextPos lastEquals = TextFindLast(TextLeft(request.lineText, lineTextLength - 1), "=");
    std::string expression;
    if (lastEquals > 0) {
        request.noEqualsOnLine = false;
        expression = TextMid(request.lineText, lastEquals + 1, lineTextLength - lastEquals);
    } else {
        request.noEqualsOnLine = true;
        expression = request.lineText;
    }
    if (expression == "=") expression.clear();
    request.expressionHasEquals = TextContains(expression, "=");

    request.expressionText = PrepareExpression(expression);
    return request.expressionText != " ";
}

bool Engine::FractionFirstPass(Request& request) {
    const std::string& expression = request.expressionText;
    const TextPos size = TextLength(expression);
    // A "-" is a result's sign only in front: "2-02" behind an "=" is an
    // expression the user typed, and taking it off would lose it.
    bool signAllowed = true;
    for (TextPos offset = 0; offset < size;) {
        const unsigned char byte = static_cast<unsigned char>(expression[static_cast<size_t>(offset)]);
        if (IsLeadByte(byte)) {
            if (expression.compare(static_cast<size_t>(offset), 2, "∟") != 0) {
                Fail(msg::kFractionNeedsResult);
                return false;
            }
            signAllowed = false;
            offset += 2;
            continue;
        }
        const bool allowed = byte == '.' || byte == ',' || byte == ';' || byte == ' ' ||
                             (byte == '-' && signAllowed) || (byte >= '0' && byte <= '9');
        if (byte != ' ') signAllowed = false;
        if (!allowed) {
            Fail(msg::kFractionNeedsResult);
            return false;
        }
        ++offset;
    }

    const size_t pieces = TextPieceCount(expression, "∟");
    if (pieces == 0) {
        Fail(msg::kFractionNoNumber);
        return false;
    }
    if (pieces >= 4) {
        Fail(msg::kFractionBadFormat);
        return false;
    }
    state_.FractionConvertForm = pieces == 1 ? 1 : (pieces == 2 ? 2 : 0);

    // Only a result shown behind an "=" is taken off: the "=" and what
    // follows it up to the insertion point, nothing the user typed before it.
    if (request.noEqualsOnLine) return false;
    const std::string text = box_.Text();
    const TextPos segmentLength = request.insertionPoint - request.segmentStart;
    const std::string segment = TextMid(text, request.segmentStart + 1, segmentLength);
    const TextPos equalsPos = TextFindLast(TextLeft(segment, segmentLength - 1), "=");
    if (equalsPos <= 0) return false;
    // With nothing in front of the "=" there is no expression to compute
    // the result again from: the second pass would take the line above.
    if (TrimAll(TextLeft(segment, equalsPos - 1)).empty()) {
        Fail(msg::kFractionNeedsResult);
        return false;
    }
    CutSelection(request.segmentStart + equalsPos - 1, request.insertionPoint);
    return true;
}
