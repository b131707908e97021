#include "line_commands.h"

#include <algorithm>
#include <array>

#include "engine.h"
#include "memory_text_box.h"
#include "settings.h"
#include "text_rules.h"

namespace {

constexpr TextPos kTextEnd = -1;

// An in-memory box that counts whole-text writes: the engine makes one only
// when it repairs the line ends.
class WorkBox : public MemoryTextBox {
public:
    void SetText(const std::string& text) override {
        ++wholeWrites_;
        MemoryTextBox::SetText(text);
    }
    int WholeWrites() const { return wholeWrites_; }

private:
    int wholeWrites_ = 0;
};

// Keeps the last text of each status part, so the real bar is written once.
class RecordingStatusBar : public StatusBar {
public:
    void SetPartText(StatusPart part, const std::string& text) override {
        const int index = StatusPartIndex(part);
        if (index < 0) return;
        parts_[static_cast<size_t>(index)] = text;
        set_[static_cast<size_t>(index)] = true;
    }
    std::string PartText(StatusPart part) const override {
        const int index = StatusPartIndex(part);
        return index >= 0 ? parts_[static_cast<size_t>(index)] : std::string();
    }
    void CopySetPartsTo(StatusBar& target) const {
        for (int index = 0; index < kStatusPartCount; ++index)
            if (set_[static_cast<size_t>(index)])
                target.SetPartText(static_cast<StatusPart>(index), parts_[static_cast<size_t>(index)]);
    }

private:
    std::array<std::string, kStatusPartCount> parts_;
    std::array<bool, kStatusPartCount> set_{};
};

// Keeps the last text put, so the real clipboard is opened once.
class RecordingClipboard : public ClipboardSink {
public:
    void PutText(const std::string& text) override {
        text_ = text;
        put_ = true;
    }
    void CopyTo(ClipboardSink& target) const {
        if (put_) target.PutText(text_);
    }

private:
    std::string text_;
    bool put_ = false;
};

void PlaceCaret(TextBox& box, TextPos caret) {
    box.SetSelectionLength(0);
    box.SetSelectionStart(caret);
}

// Offset of the CR of the first CR LF at offset `from` or later, or -1.
TextPos FindLineBreak(const std::string& text, TextPos from) {
    const TextPos found = TextFind(text, "\r\n", std::max<TextPos>(from, 0) + 1);
    return found < 0 ? -1 : found - 1;
}

TextPos FindBlank(const std::string& text, TextPos from) {
    const TextPos found = TextFind(text, " ", std::max<TextPos>(from, 0) + 1);
    return found < 0 ? -1 : found - 1;
}

// Evaluates the line the caret is on; returns the start of the next line,
// or kTextEnd. A text that ends in CR LF has no further line: its last line
// is not evaluated twice.
TextPos WalkPlainLine(TextBox& box, Engine& engine, TextPos caret) {
    PlaceCaret(box, caret);
    engine.Evaluator();
    const std::string text = box.Text();
    // From the byte just before the caret: with the caret behind the first
    // byte of a text that starts with an empty line, that byte is its CR.
    const TextPos lineBreak = FindLineBreak(text, box.SelectionStart() - 1);
    if (lineBreak < 0) return kTextEnd;
    const TextPos next = lineBreak + 2;
    return next < TextLength(text) ? next : kTextEnd;
}

// Evaluates every blank-separated expression of the caret's line from the
// caret on; returns the start of the next line, or kTextEnd.
TextPos WalkSpaceSplitLine(TextBox& box, Engine& engine, TextPos caret) {
    std::string text = box.Text();
    // Every step passes a byte or an expression, and results only add a few
    // bytes per expression: a walk that runs longer than this is stuck.
    const TextPos stepLimit = 64 * (TextLength(text) + 16);
    for (TextPos step = 0; step < stepLimit; ++step) {
        const TextPos size = TextLength(text);
        if (caret > size) return kTextEnd;
        const char before = caret > 0 ? text[static_cast<size_t>(caret - 1)] : '\0';
        if (before == ' ') {
            ++caret;
            continue;
        }
        if (before == '\r' && caret < size && text[static_cast<size_t>(caret)] == '\n') {
            ++caret;
            return caret < size ? caret : kTextEnd;
        }
        PlaceCaret(box, caret);
        engine.Evaluator();
        text = box.Text();
        caret = box.SelectionStart();
        const TextPos blank = FindBlank(text, caret - 1);
        const TextPos lineBreak = FindLineBreak(text, caret - 1);
        if (blank < 0 && lineBreak < 0) return kTextEnd;
        // Behind the blank, or between the CR and the LF; a missing blank is
        // farther than any line break.
        caret = (blank >= 0 && (lineBreak < 0 || blank < lineBreak)) ? blank + 1 : lineBreak + 1;
    }
    return kTextEnd;
}

TextPos WalkLine(TextBox& box, Engine& engine, bool spaceSplit, TextPos caret) {
    return spaceSplit ? WalkSpaceSplitLine(box, engine, caret) : WalkPlainLine(box, engine, caret);
}

// True when every CR is followed by its LF, every LF follows its CR, and no
// line break is the second byte of a two-byte character. Then the engine
// never repairs line ends, and what it does on a line depends on that line
// alone (its line break included), so lines can go to it one at a time.
bool HasSoundLineEnds(const std::string& text) {
    const size_t size = text.size();
    for (size_t at = 0; at < size;) {
        const char byte = text[at];
        if (IsLeadByte(static_cast<unsigned char>(byte)) && at + 1 < size) {
            if (text[at + 1] == '\r' || text[at + 1] == '\n') return false;
            at += 2;
        } else if (byte == '\r') {
            if (at + 1 >= size || text[at + 1] != '\n') return false;
            at += 2;
        } else if (byte == '\n') {
            return false;
        } else {
            ++at;
        }
    }
    return true;
}

}  // namespace

LineCommands::LineCommands(TextBox& box, StatusBar& status, ClipboardSink& clipboard, const Settings& settings,
                           Engine& engine)
    : box_(box), status_(status), clipboard_(clipboard), settings_(settings), engine_(engine) {}

void LineCommands::BatchEvaluate() {
    const std::string original = box_.Text();
    const bool spaceSplit = settings_.SpaceSplitsExpressions;
    WorkBox work;
    RecordingStatusBar status;
    RecordingClipboard clipboard;
    Engine engine(work, status, clipboard, settings_, engine_.State());

    std::string done;                     // lines evaluated, line breaks included
    std::string repaired;
    const std::string* source = &original;  // its lines from `from` on are still to go
    TextPos from = kTextEnd;
    TextPos caret = 1;                    // behind the first byte of the text

    if (HasSoundLineEnds(original)) {
        from = 0;
    } else {
        // Broken line ends: the engine sees the whole text, as it would on
        // the box, until a repair has made the line ends sound.
        work.SetText(original);
        for (;;) {
            const int writes = work.WholeWrites();
            caret = WalkLine(work, engine, spaceSplit, caret);
            if (caret == kTextEnd) {
                done = work.Text();
                break;
            }
            if (work.WholeWrites() != writes) {
                repaired = work.Text();
                if (HasSoundLineEnds(repaired)) {
                    done = repaired.substr(0, static_cast<size_t>(caret));
                    source = &repaired;
                    from = caret;
                    caret = 0;
                    break;
                }
            }
        }
    }

    if (from != kTextEnd) {
        // One line and its line break at a time: the engine's work per line
        // then does not grow with the length of the text.
        const std::string& text = *source;
        done.reserve(text.size() + text.size() / 4);
        const size_t size = text.size();
        for (size_t at = static_cast<size_t>(from); at < size;) {
            const size_t cr = text.find('\r', at);
            const size_t end = cr == std::string::npos ? size : cr + 2;
            work.SetText(text.substr(at, end - at));
            WalkLine(work, engine, spaceSplit, caret);
            caret = 0;
            done += work.Text();
            at = end;
        }
    }

    if (done != original) box_.SetText(done);
    PlaceCaret(box_, 1);
    status.CopySetPartsTo(status_);
    clipboard.CopyTo(clipboard_);
}

void BatchEvaluateInPlace(TextBox& box, Engine& engine, const Settings& settings) {
    TextPos caret = 1;
    while (caret != kTextEnd) caret = WalkLine(box, engine, settings.SpaceSplitsExpressions, caret);
    PlaceCaret(box, 1);
}

void LineCommands::SumResults() {
    const TextPos length = box_.SelectionLength();
    if (length <= 0) return;
    const TextPos first = box_.SelectionStart();
    const TextPos last = first + length - 1;
    const std::string text = box_.Text();

    // Whole lines: from behind the last LF at or before the first selected
    // byte to before the first CR at or after the last selected byte.
    const size_t lf = text.rfind('\n', static_cast<size_t>(std::max<TextPos>(first, 0)));
    const size_t blockStart = lf == std::string::npos ? 0 : lf + 1;
    const size_t cr = text.find('\r', static_cast<size_t>(last));
    const size_t blockEnd = cr == std::string::npos ? text.size() : cr;
    if (blockEnd < blockStart) return;

    std::string joined;
    for (const std::string& line : TextSplit(text.substr(blockStart, blockEnd - blockStart), "\r\n")) {
        // The part after the last "=" that is not the final byte: the shown
        // result, or the line itself when it holds none. Blanks go, so in
        // space-split mode the new line is one expression.
        const std::vector<std::string> pieces = TextSplit(line, "=");
        if (pieces.empty()) continue;
        const std::string part = TrimAll(pieces.back());
        // An empty line has nothing to add.
        if (part.empty()) continue;
        if (!joined.empty() && part[0] != '-') joined += '+';
        joined += part;
    }
    if (joined.empty()) return;

    // The new line is evaluated on its own, then written once with its
    // result: on the real box every write of a long line measures it anew.
    WorkBox work;
    RecordingStatusBar status;
    RecordingClipboard clipboard;
    Engine engine(work, status, clipboard, settings_, engine_.State());
    work.SetText(joined);
    PlaceCaret(work, static_cast<TextPos>(joined.size()));
    engine.Evaluator();
    PlaceCaret(box_, static_cast<TextPos>(blockEnd));
    box_.ReplaceSelection("\r\n" + work.Text());
    status.CopySetPartsTo(status_);
    clipboard.CopyTo(clipboard_);
}

void LineCommands::FractionConvert() {
    EngineState& state = engine_.State();
    // Plain mode again on every way out: a pass left in place would turn the
    // next ordinary evaluation into a conversion.
    struct PlainModeAfterwards {
        EngineState& state;
        ~PlainModeAfterwards() { state.EvalMode = EvalMode::Plain; }
    } plainModeAfterwards{state};

    state.EvalMode = EvalMode::FractionFirstPass;
    if (!engine_.Evaluator()) return;
    state.EvalMode = EvalMode::FractionSecondPass;
    engine_.Evaluator();
}

void LineCommands::RefreshCommand() { engine_.RefreshLine(); }
