// One fuzz input: six bytes of settings, action and caret, then the box text.
// RunCase drives the engine on the in-memory text box and checks every step
// against the rules of line_properties.h. Header-only, shared by the fuzzer
// and the regression tests, which replay the exact bytes of each finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine.h"
#include "engine_session.h"
#include "line_properties.h"
#include "memory_text_box.h"
#include "messages.h"
#include "number_rules.h"
#include "settings.h"
#include "text_rules.h"

namespace fuzzcase {

enum class Action { Evaluate, Refresh, FractionConvert, EvaluateTwice };

struct Case {
    Settings settings;
    bool recording = false;
    Action action = Action::Evaluate;
    std::string text;
    size_t caret = 0;
};

constexpr size_t kHeaderSize = 6;

// Byte 0: places (mostly 0..14, sometimes absurd); byte 1: flags; byte 2:
// grouping, fraction form and angle unit; byte 3: action; bytes 4-5: caret
// (0xFFFF at the end of the text). Unless flag 0x40 asks for raw bytes, a
// byte of 0x80 and above without a proper trail byte becomes "?", as the
// real edit control never holds broken characters.
inline Case Decode(const std::uint8_t* data, size_t size) {
    std::uint8_t header[kHeaderSize] = {12, 0x01, 0, 0, 0xFF, 0xFF};
    for (size_t i = 0; i < kHeaderSize && i < size; ++i) header[i] = data[i];
    Case c;
    Settings& s = c.settings;
    static const int kOddPlaces[16] = {-2147483647 - 1, -100, -1, 15, 16, 99, 2147483647, 12,
                                       0, 14, 13, 1, -15, 30, 1000000, 7};
    s.Precision = header[0] < 0xF0 ? header[0] % 15 : kOddPlaces[header[0] & 0x0F];
    s.RoundLastDigit = header[1] & 0x01;
    s.IgnoreChinese = header[1] & 0x02;
    s.SpaceSplitsExpressions = header[1] & 0x04;
    s.RealTimeMode = header[1] & 0x08;
    s.ResultToClipboard = header[1] & 0x10;
    c.recording = header[1] & 0x20;
    const bool raw = header[1] & 0x40;
    s.ThousandsSeparator = header[2] % 3;
    s.FractionType = (header[2] / 3) % 3;
    s.AngleUnit = (header[2] / 9) % 3 + 1;
    c.action = static_cast<Action>(header[3] % 4);

    const std::string bytes = size > kHeaderSize
                                  ? std::string(reinterpret_cast<const char*>(data + kHeaderSize), size - kHeaderSize)
                                  : std::string();
    if (raw) {
        c.text = bytes;
    } else {
        for (size_t i = 0; i < bytes.size(); ++i) {
            const unsigned char lead = static_cast<unsigned char>(bytes[i]);
            if (lead < 0x80) {
                c.text += bytes[i];
                continue;
            }
            const unsigned char trail = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
            if (lead != 0x80 && lead != 0xFF && trail >= 0x40 && trail != 0x7F && trail != 0xFF) {
                c.text += bytes.substr(i, 2);
                ++i;
            } else {
                c.text += '?';
            }
        }
    }
    const unsigned caretSeed = header[4] | (header[5] << 8);
    c.caret = caretSeed == 0xFFFF ? c.text.size() : caretSeed % (c.text.size() + 1);
    return c;
}

using World = EngineSession;

inline bool IsBlankRun(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' || text[i] == '\r' || text[i] == '\n') continue;
        if (text.compare(i, 2, "　") == 0) {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

// The expression before a result written without "=" ends in one, blanks
// aside (the second conversion pass writes at the caret, behind any blank).
inline bool EndsInEquals(const std::string& text) {
    const std::string trimmed = TrimRight(text);
    return !trimmed.empty() && trimmed.back() == '=';
}

// The positions p at which `longer` is `shorter` with one piece put in:
// longer = shorter[0, p) + piece + shorter[p, end). Empty range when none.
struct SpliceRange {
    size_t low = 1;
    size_t high = 0;
};

inline SpliceRange FindSplice(const std::string& shorter, const std::string& longer) {
    SpliceRange range;
    if (longer.size() < shorter.size()) return range;
    size_t prefix = 0;
    while (prefix < shorter.size() && shorter[prefix] == longer[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < shorter.size() &&
           shorter[shorter.size() - 1 - suffix] == longer[longer.size() - 1 - suffix]) {
        ++suffix;
    }
    range.low = shorter.size() - suffix;
    range.high = prefix;
    return range;
}

class Checker {
public:
    Checker(World& world, const Settings& settings) : w_(world), s_(settings) {}

    // Empty when the step kept every rule; else the first broken one.
    std::string Evaluate(EvalMode evalMode) {
        const std::string before = w_.box.Text();
        const size_t caret = static_cast<size_t>(w_.box.SelectionStart());
        w_.status.SetPartText(StatusPart::Message, std::string());
        w_.state.EvalMode = evalMode;
        const bool wrote = w_.engine.Evaluator();
        w_.state.EvalMode = EvalMode::Plain;
        return CheckEvaluation(before, caret, wrote, evalMode);
    }

    std::string Refresh() {
        const std::string before = w_.box.Text();
        const size_t caret = static_cast<size_t>(w_.box.SelectionStart());
        w_.status.SetPartText(StatusPart::Message, std::string());
        w_.engine.RefreshLine();
        const std::string after = w_.box.Text();
        const std::string status = w_.status.PartText(StatusPart::Message);
        if (status != "" && status != msg::kRefreshed && status != msg::kRefreshFailed)
            return "refresh ended with another message";
        if (before.empty()) return after.empty() ? std::string() : "refresh of an empty box wrote";
        // A refresh never repairs line ends: a stray CR or LF is just a byte
        // of the line here.
        const lineprops::Span line = lineprops::CaretLine(before, caret);
        if (!status.empty()) return CheckLineRebuilt(before, after, line);
        // No message: a line without a chain, put back as it was taken,
        // without its blanks (normal mode) but with the trailing ones, which
        // were never cut.
        std::string expected = before;
        if (!s_.SpaceSplitsExpressions) {
            const std::string old = before.substr(line.start, line.end - line.start);
            const std::string kept = TrimAll(old) + old.substr(TrimRight(old).size());
            expected = before.substr(0, line.start) + kept + before.substr(line.end);
        }
        return after == expected ? std::string() : "refresh without message changed the line";
    }

    std::string FractionConvert() {
        const std::string before = w_.box.Text();
        const size_t caret = static_cast<size_t>(w_.box.SelectionStart());
        w_.status.SetPartText(StatusPart::Message, std::string());
        w_.state.EvalMode = EvalMode::FractionFirstPass;
        const bool first = w_.engine.Evaluator();
        w_.state.EvalMode = EvalMode::Plain;
        const std::string cut = w_.box.Text();
        const std::string status = w_.status.PartText(StatusPart::Message);
        if (!first) {
            if (cut != before) return "failed first conversion pass changed the text";
            if (status != "" && !TextStartsWith(status, "  [分数转换不能完成请求]_"))
                return "first conversion pass with a foreign message";
            return std::string();
        }
        if (!status.empty()) return "first conversion pass succeeded with a message";
        // The pass takes "=" and the shown result off, nothing else.
        const SpliceRange range = FindSplice(cut, before);
        const size_t removed = before.size() - cut.size();
        const size_t at = static_cast<size_t>(w_.box.SelectionStart());
        if (range.low > range.high || at < range.low || at > range.high)
            return "first conversion pass did not cut at the caret";
        const std::string piece = before.substr(at, removed);
        if (piece.empty() || piece[0] != '=') return "first conversion pass cut no result";
        const std::string shown = ToHalfWidth(TrimAll(piece.substr(1)));
        for (size_t i = 0; i < shown.size(); ++i) {
            if (shown.compare(i, 2, "∟") == 0) {
                ++i;
                continue;
            }
            const char c = shown[i];
            if (!(lineprops::IsDigit(c) || c == '.' || c == ',' || c == ';' || c == '-'))
                return "first conversion pass cut more than a result";
        }
        if (!lineprops::HasBrokenLineEnds(before)) {
            const lineprops::Span line = lineprops::CaretLine(before, caret);
            if (at < line.start || at + removed > line.end) return "first conversion pass cut outside the caret line";
        }
        return Evaluate(EvalMode::FractionSecondPass);
    }

private:
    ResultForm FormAsked(EvalMode evalMode) const {
        return evalMode == EvalMode::FractionSecondPass ? w_.state.FractionConvertForm : ResultFormOf(s_.FractionType);
    }

    std::string CheckEvaluation(const std::string& before, size_t caret, bool wrote, EvalMode evalMode) {
        const std::string after = w_.box.Text();
        const std::string status = w_.status.PartText(StatusPart::Message);
        const bool broken = lineprops::HasBrokenLineEnds(before);
        if (wrote) {
            if (lineprops::IsErrorMessage(status)) return "wrote a result and reported a failure";
            if (!w_.state.ResultProduced) return "wrote a result without ResultProduced";
            return CheckInsertion(before, caret, after, evalMode, !broken);
        }
        if (after == before) return std::string();
        if (lineprops::IsErrorMessage(status)) {
            if (broken && after == lineprops::Repaired(before)) return std::string();
            return "failure changed the text";
        }
        // What is left: a chain refresh of the caret line (stray line ends
        // are bytes of the line then), or a retry after the line-end repair
        // on the line that holds the same caret.
        const lineprops::Span line = lineprops::CaretLine(before, caret);
        const std::string fault = CheckLineRebuilt(before, after, line);
        if (fault.empty() || !broken) return fault;
        const std::string repaired = lineprops::Repaired(before);
        const lineprops::Span repairedLine =
            lineprops::CaretLine(repaired, lineprops::Repaired(before.substr(0, caret)).size());
        return CheckLineRebuilt(repaired, lineprops::Repaired(after), repairedLine);
    }

    // `after` is `before` with "=" (unless the line ends in one) and the
    // result put in behind the expression, perhaps with blanks.
    std::string CheckInsertion(const std::string& before, size_t caret, const std::string& after, EvalMode evalMode,
                               bool checkPlace) {
        const std::vector<std::string>& stack = w_.state.OperandStack;
        if (stack.size() != 1) return "result written without exactly one value";
        const double computed = TextToNumber(stack.front());
        const SpliceRange range = FindSplice(before, after);
        if (range.low > range.high) return "result not inserted at one place";
        const size_t length = after.size() - before.size();
        const lineprops::Span line = lineprops::CaretLine(before, caret);
        std::string firstFault = "no place explains the insertion";
        for (size_t p = range.low; p <= range.high; ++p) {
            std::string piece = after.substr(p, length);
            const bool equals = !piece.empty() && piece[0] == '=';
            if (equals) piece.erase(0, 1);
            size_t blanks = 0;
            while (!piece.empty() && piece.back() == ' ') {
                piece.pop_back();
                ++blanks;
            }
            std::string fault;
            double shown = 0;
            double slack = 0;
            if (blanks > 2 || (blanks > 0 && !s_.SpaceSplitsExpressions)) {
                fault = "result with blanks behind it";
            } else if (!equals && !EndsInEquals(before.substr(0, p))) {
                fault = "result without its equals sign";
            } else if (piece != w_.state.LastResult) {
                fault = "written result is not the last result";
            } else if (std::string why = lineprops::ReadResult(piece, s_, FormAsked(evalMode), shown, slack);
                       !why.empty()) {
                fault = "written result does not read: " + why;
            } else if (!(std::fabs(shown - computed) <= slack)) {
                fault = "written result " + piece + " is not the value " + stack.front();
            } else if (checkPlace && (p < line.start || p > line.end)) {
                fault = "result written outside the caret line";
            } else if (checkPlace && evalMode == EvalMode::FractionSecondPass && p != static_cast<size_t>(caret)) {
                fault = "second conversion pass did not write at the caret";
            } else if (checkPlace && !IsBlankRun(before.substr(p, line.end - p)) &&
                       !(s_.SpaceSplitsExpressions && before[p] == ' ')) {
                fault = "result written inside the expression";
            }
            if (fault.empty()) return std::string();
            if (p == range.low) firstFault = fault;
        }
        return firstFault;
    }

    // Only the bytes of the caret line changed, and it keeps its chain: a
    // refresh, or a result written by a retry. (A refresh that drops the
    // blank of "\r \n" may join the two into a line break.) In broken GBK,
    // which the real edit control never holds, a lead byte swallows the "="
    // or digit behind it and chains lose their shape, so only the bytes
    // outside the line are checked there.
    std::string CheckLineRebuilt(const std::string& before, const std::string& after, const lineprops::Span& line) {
        if (before == after) return std::string();
        const lineprops::Span o = line;
        const size_t tail = before.size() - o.end;
        if (after.size() < o.start + tail || after.compare(0, o.start, before, 0, o.start) != 0 ||
            after.compare(after.size() - tail, tail, before, o.end, tail) != 0) {
            return "text outside the caret line changed";
        }
        const lineprops::Span n = {o.start, after.size() - tail};
        if (!lineprops::IsWellFormedGbk(before)) return std::string();
        const std::string oldLine = before.substr(o.start, o.end - o.start);
        const std::string newLine = after.substr(n.start, n.end - n.start);
        // A line-end repair may have come first and dropped a lone CR
        // inside the line.
        const bool same = lineprops::SameSkeleton(oldLine, newLine, s_.SpaceSplitsExpressions) ||
                          (lineprops::HasBrokenLineEnds(before) &&
                           lineprops::SameSkeleton(lineprops::Repaired(oldLine), newLine, s_.SpaceSplitsExpressions));
        if (!same) {
            return "line changed beyond its results";
        }
        return std::string();
    }

    World& w_;
    const Settings& s_;
};

// Control bytes as C escapes, for reports (the rest stays GBK).
inline std::string Escaped(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c != 0x7F && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

// Runs the case; empty when every rule held, else the broken rule with the
// text before and after. The box text and status message at the end go to
// `text` and `status` when given.
inline std::string RunCase(const Case& c, std::string* text = nullptr, std::string* status = nullptr) {
    World world;
    world.settings = c.settings;
    world.state.RecordingOn = c.recording;
    world.box.SetText(c.text);
    world.box.SetSelectionStart(static_cast<TextPos>(c.caret));
    Checker checker(world, world.settings);
    std::string fault;
    switch (c.action) {
    case Action::Evaluate: fault = checker.Evaluate(EvalMode::Plain); break;
    case Action::Refresh: fault = checker.Refresh(); break;
    case Action::FractionConvert: fault = checker.FractionConvert(); break;
    case Action::EvaluateTwice:
        fault = checker.Evaluate(EvalMode::Plain);
        if (fault.empty()) fault = checker.Evaluate(EvalMode::Plain);
        break;
    }
    if (fault.empty() && world.state.RefreshActive) fault = "a cut request was left pending";
    if (text != nullptr) *text = world.box.Text();
    if (status != nullptr) *status = world.status.PartText(StatusPart::Message);
    if (fault.empty()) return fault;
    return fault + "\n  before: \"" + Escaped(c.text) + "\" caret " + std::to_string(c.caret) + "\n  after:  \"" +
           Escaped(world.box.Text()) + "\"\n  status: \"" + world.status.PartText(StatusPart::Message) + "\"";
}

}  // namespace fuzzcase
