// Taking the expression out of the caret's line, the first pass of the
// fraction conversion, and the cut that the chain refresh asks for.
#include <algorithm>

#include "engine.h"
#include "messages.h"
#include "request.h"
#include "settings.h"
#include "text_rules.h"

namespace {

// The box's bytes near the caret, read in pieces that double as a walk goes
// further. A chain refresh takes an expression once for each result of its
// line, so a take must cost what its piece costs, not what the line costs.
class NearText {
public:
    NearText(const TextBox& box, TextPos size, TextPos around)
        : box_(box), size_(size), start_(std::clamp<TextPos>(around - kFirstRead / 2, 0, size)) {}

    TextPos Size() const { return size_; }

    // The byte at 0 <= offset < Size().
    unsigned char At(TextPos offset) {
        if (offset < start_ || offset >= End()) Cover(offset);
        return static_cast<unsigned char>(bytes_[static_cast<size_t>(offset - start_)]);
    }

    bool IsCharStart(TextPos offset) {
        return IsCharStartIn(size_, offset, [this](TextPos at) { return At(at); });
    }

    // The bytes [start, end) cut to the text.
    std::string Part(TextPos start, TextPos end) {
        start = std::max<TextPos>(start, 0);
        end = std::min(end, size_);
        if (start >= end) return std::string();
        At(start);
        At(end - 1);
        return bytes_.substr(static_cast<size_t>(start - start_), static_cast<size_t>(end - start));
    }

private:
    static constexpr TextPos kFirstRead = 256;

    TextPos End() const { return start_ + TextLength(bytes_); }

    // Reads up to `offset`, at least as much again as read so far.
    void Cover(TextPos offset) {
        const TextPos step = std::max(TextLength(bytes_), kFirstRead);
        if (offset < start_) {
            const TextPos from = std::max<TextPos>(0, std::min(offset, start_ - step));
            bytes_.insert(0, box_.TextPart(from, start_ - from));
            start_ = from;
        } else {
            const TextPos end = End();
            const TextPos to = std::min(size_, std::max(offset + 1, end + step));
            bytes_ += box_.TextPart(end, to - end);
        }
    }

    const TextBox& box_;
    const TextPos size_;
    TextPos start_;  // bytes_ holds the text from here on
    std::string bytes_;
};

bool IsLineBreakAt(NearText& text, TextPos offset) {
    return offset >= 0 && offset + 1 < text.Size() && text.At(offset) == '\r' && text.At(offset + 1) == '\n' &&
           text.IsCharStart(offset);
}

bool IsBlankAt(NearText& text, TextPos offset) { return text.At(offset) == ' ' && text.IsCharStart(offset); }

// Where the caret line ends: the line breaks are the CR LF pairs that start
// a character, and the caret line is the one that holds the byte at the
// caret. A caret between CR and LF, or at the very end of a text that ends
// in CR LF, belongs to the line above (the empty last line is not counted).
TextPos CaretLineEnd(NearText& text, TextPos caret) {
    const TextPos size = text.Size();
    if (caret == size && IsLineBreakAt(text, size - 2)) return size - 2;
    for (TextPos at = std::max<TextPos>(caret - 1, 0); at + 1 < size; ++at) {
        if (IsLineBreakAt(text, at)) return at;
    }
    return size;
}

// Where the line that ends at `end` ends without its trailing ASCII and
// full-width blanks. A line break in front is no blank, so the walk stays
// on the line.
TextPos EndWithoutBlanks(NearText& text, TextPos end) {
    const auto fullWidthBlankBefore = [&](TextPos at) {
        return at >= 2 && text.At(at - 2) == 0xA1 && text.At(at - 1) == 0xA1;
    };
    for (;;) {
        if (end >= 1 && IsBlankAt(text, end - 1)) {
            --end;
        } else if (fullWidthBlankBefore(end) && text.IsCharStart(end - 2)) {
            // The ones in front of it lie in the same run of lead bytes and
            // start characters too: one check for the run, not one for each.
            end -= 2;
            while (fullWidthBlankBefore(end)) end -= 2;
        } else {
            return end;
        }
    }
}

// The first blank in [from, end), or -1.
TextPos FindBlank(NearText& text, TextPos from, TextPos end) {
    for (TextPos at = from; at < end; ++at) {
        if (IsBlankAt(text, at)) return at;
    }
    return -1;
}

// A walk back from `from` to the nearest "=" below `equalsBelow`, unless the
// segment starts first: behind a line break, or behind a blank when blanks
// split the line.
struct BackWalk {
    TextPos equals = -1;       // where the "=" stands, or -1
    TextPos segmentStart = 0;  // without one: where the segment starts
    bool behindBlank = false;  // that start follows a blank, not a line break
};

constexpr TextPos kNoEquals = -1;

BackWalk WalkBack(NearText& text, TextPos from, TextPos equalsBelow, bool blanksSplit) {
    BackWalk walk;
    for (TextPos at = from - 1; at >= 0; --at) {
        const unsigned char byte = text.At(at);
        if (byte == '\n' && IsLineBreakAt(text, at - 1)) {
            walk.segmentStart = at + 1;
            return walk;
        }
        if (byte == '=' && at < equalsBelow && text.IsCharStart(at)) {
            walk.equals = at;
            return walk;
        }
        if (blanksSplit && IsBlankAt(text, at)) {
            walk.segmentStart = at + 1;
            walk.behindBlank = true;
            return walk;
        }
    }
    return walk;
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

// The expression is what follows the last "=" of the caret's line (in
// space-split mode, of the blank-free segment at the caret), the final byte
// aside. It is found by walking back from the end of the line or segment:
// the line's start is looked for only when nothing else tells the
// expression's start, or when the request needs it.
bool Engine::TakeExpression(Request& request) {
    const TextPos size = box_.TextSize();
    if (size == 0) return false;
    state_.ResultProduced = false;
    request.resultForm = ResultFormOf(settings_.FractionType);

    const TextPos caret = std::clamp<TextPos>(box_.SelectionStart(), 0, size);
    request.caret = caret;
    NearText text(box_, size, caret);
    const bool split = settings_.SpaceSplitsExpressions;
    const TextPos lineEnd = CaretLineEnd(text, caret);
    request.insertionPoint = EndWithoutBlanks(text, lineEnd);
    request.paddingBlanks = 0;

    // The text the "=" rule reads ends here; normally its trailing blanks
    // do not count.
    TextPos expressionEnd = request.insertionPoint;
    if (split) {
        expressionEnd = lineEnd;
        // A caret below the line counts as standing at its end.
        const TextPos blankAfter = FindBlank(text, std::min(caret, lineEnd), lineEnd);
        if (blankAfter >= 0) {
            expressionEnd = blankAfter;
            // Three blanks go between the result and the next segment; the
            // ones there are counted from the first blank at or behind the
            // byte before the caret.
            constexpr size_t kGap = 3;
            const TextPos blank = FindBlank(text, std::max<TextPos>(caret - 1, 0), size);
            const std::string blanks = text.Part(blank, blank + kGap);
            const size_t present = std::min(blanks.size(), blanks.find_first_not_of(' '));
            request.paddingBlanks = static_cast<TextPos>(kGap - present);
            request.insertionPoint = blankAfter;
        }
    }
    // Its final byte never counts as the "=".
    const BackWalk walk = WalkBack(text, expressionEnd, expressionEnd - 1, split);

    request.lineStart = -1;
    request.segmentStart = walk.equals < 0 ? walk.segmentStart : -1;
    if (state_.RefreshActive || state_.EvalMode != EvalMode::Plain) {
        const BackWalk segment = walk.equals < 0 ? walk : WalkBack(text, walk.equals, kNoEquals, split);
        request.segmentStart = segment.segmentStart;
        request.lineStart = segment.behindBlank
                                ? WalkBack(text, segment.segmentStart - 1, kNoEquals, false).segmentStart
                                : segment.segmentStart;
    }

    // A point behind a line break would belong to the line above: the point
    // never leaves the expression's own segment (which starts before an "="
    // in front of it, so only a segment without one needs the check).
    const TextPos segmentEnd = request.insertionPoint;
    // A CR or LF that is the trail byte of a broken character is not a line end.
    const bool charBefore = request.insertionPoint > 0 && text.IsCharStart(request.insertionPoint - 1);
    const unsigned char before = charBefore ? text.At(request.insertionPoint - 1) : 0;
    TextPos adjusted = request.insertionPoint;
    if (before == '\r') adjusted -= 1;
    if (before == '\n') adjusted -= 2;
    if (walk.equals >= 0 || adjusted >= request.segmentStart) request.insertionPoint = adjusted;

    if (state_.RefreshActive) {
        // The cut takes the segment up to its trailing blanks, a stray line
        // end included, and the refresh puts back exactly what was cut, so
        // nothing is left behind twice.
        const TextPos end = std::max(segmentEnd, request.segmentStart);
        const std::string taken = text.Part(request.segmentStart, end);
        state_.RefreshText = split ? taken : TrimAll(taken);
        CutSelection(request.segmentStart, end);
        state_.RefreshActive = false;
        return false;
    }

    request.noEqualsOnLine = walk.equals < 0;
    std::string expression = text.Part(request.noEqualsOnLine ? request.segmentStart : walk.equals + 1, expressionEnd);
    if (!split) expression = TrimAll(expression);
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
    // The next form of the cycle: a decimal shown has one piece, an
    // improper fraction two, a mixed number three.
    state_.FractionConvertForm =
        pieces == 1 ? ResultForm::ImproperFraction : (pieces == 2 ? ResultForm::MixedNumber : ResultForm::Decimal);

    // Only a result shown behind an "=" is taken off: the "=" and what
    // follows it up to the insertion point, nothing the user typed before it.
    if (request.noEqualsOnLine) return false;
    const TextPos segmentLength = request.insertionPoint - request.segmentStart;
    const std::string segment = box_.TextPart(request.segmentStart, segmentLength);
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
