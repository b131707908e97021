#include "edit_box_adapter.h"

#include <algorithm>

#include "gbk_codec.h"

namespace {

// Characters the control lays out in about a tenth of a second.
constexpr size_t kLargeTextUnits = 64 * 1024;

}  // namespace

std::wstring EditBoxAdapter::WideText() const {
    const int length = GetWindowTextLengthW(edit_);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(edit_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void EditBoxAdapter::UnitSelection(DWORD& start, DWORD& end) const {
    start = 0;
    end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (end < start) std::swap(start, end);
}

void EditBoxAdapter::SelectBytes(const std::string& gbk, TextPos start, TextPos end) {
    const TextPos size = static_cast<TextPos>(gbk.size());
    start = std::clamp<TextPos>(start, 0, size);
    end = std::clamp<TextPos>(end, start, size);
    const TextPos from = UnitOf(gbk, start);
    const TextPos to = UnitOf(gbk, end);
    // Wine's control works out the caret's place anew for every selection
    // and scroll, at a cost that grows with the square of the line's length
    // before the caret: a caret put where it already is costs nothing, and
    // the scroll waits until the scope's last move (a replacement scrolls
    // by itself). A selection keeps its direction, so only an empty one is
    // known to be unchanged.
    DWORD now, nowEnd;
    UnitSelection(now, nowEnd);
    if (from != to || static_cast<TextPos>(now) != from || static_cast<TextPos>(nowEnd) != to)
        SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(from), static_cast<LPARAM>(to));
    scrollPending_ = true;
    if (reuseDepth_ == 0) ScrollToCaret();
}

void EditBoxAdapter::ScrollToCaret() {
    if (!scrollPending_) return;
    scrollPending_ = false;
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

const std::string& EditBoxAdapter::CurrentText() const {
    if (reuseDepth_ == 0) {
        uncached_ = WideToGbk(WideText());
        return uncached_;
    }
    if (!cache_) SetCache(WideToGbk(WideText()));
    return *cache_;
}

void EditBoxAdapter::SetCache(std::optional<std::string> text) const {
    cache_ = std::move(text);
    mark_ = UnitByteMark{};
}

// In the kept text the walks between the two kinds of position start at the
// last one found: one key's work asks again and again near the caret.
TextPos EditBoxAdapter::ByteOf(const std::string& gbk, TextPos unit) const {
    if (cache_ && &gbk == &*cache_) return ByteOffsetOfUnit(gbk, unit, mark_);
    return ByteOffsetOfUnit(gbk, unit);
}

TextPos EditBoxAdapter::UnitOf(const std::string& gbk, TextPos byte) const {
    if (cache_ && &gbk == &*cache_) return UnitIndexOfByte(gbk, byte, mark_);
    return UnitIndexOfByte(gbk, byte);
}

std::string EditBoxAdapter::Text() const { return CurrentText(); }

TextPos EditBoxAdapter::TextSize() const { return TextLength(CurrentText()); }

std::string EditBoxAdapter::TextPart(TextPos start, TextPos count) const {
    return TextMid(CurrentText(), start + 1, count);
}

void EditBoxAdapter::SetText(const std::string& text) {
    ++writeCount_;
    // Only the part that differs is replaced: the control lays out every
    // line of a WM_SETTEXT anew, which takes a visible moment on a long
    // text, while an undo step or a repair usually changes a few lines.
    const std::wstring now = WideText();
    const std::wstring wanted = GbkToWide(text);
    const size_t shorter = std::min(now.size(), wanted.size());
    size_t prefix = 0;
    while (prefix < shorter && now[prefix] == wanted[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < shorter - prefix && now[now.size() - 1 - suffix] == wanted[wanted.size() - 1 - suffix]) ++suffix;
    const std::wstring replacement = wanted.substr(prefix, wanted.size() - prefix - suffix);
    // An opened file, a drop or the backup: laying it out takes seconds.
    const bool large = replacement.size() >= kLargeTextUnits;
    const HCURSOR cursor = large ? SetCursor(LoadCursorW(nullptr, IDC_WAIT)) : nullptr;
    writing_ = wholeWrite_ = true;
    SendMessageW(edit_, EM_SETSEL, prefix, now.size() - suffix);
    SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(replacement.c_str()));
    if (static_cast<size_t>(GetWindowTextLengthW(edit_)) != wanted.size()) SetWindowTextW(edit_, wanted.c_str());
    writing_ = wholeWrite_ = false;
    if (large) SetCursor(cursor);
    // As after any whole-text write: the caret at the start, the text
    // marked as changed (a later "save changes?" question must come). The
    // view is not scrolled there: nearly every caller puts the caret
    // somewhere next, and scrolling twice redraws the box twice.
    SendMessageW(edit_, EM_SETSEL, 0, 0);
    scrollPending_ = false;
    SendMessageW(edit_, EM_SETMODIFY, TRUE, 0);
    if (reuseDepth_ > 0) SetCache(text);
    if (textChanged_) textChanged_();
}

TextPos EditBoxAdapter::SelectionStart() const {
    DWORD start, end;
    UnitSelection(start, end);
    return ByteOf(CurrentText(), start);
}

TextPos EditBoxAdapter::SelectionLength() const {
    DWORD start, end;
    UnitSelection(start, end);
    const std::string& gbk = CurrentText();
    return ByteOf(gbk, end) - ByteOf(gbk, start);
}

void EditBoxAdapter::SetSelectionStart(TextPos start) {
    // The byte length of the current selection carries over to the new start.
    DWORD from, to;
    UnitSelection(from, to);
    const std::string& gbk = CurrentText();
    const TextPos length = ByteOf(gbk, to) - ByteOf(gbk, from);
    const TextPos newStart = std::clamp<TextPos>(start, 0, static_cast<TextPos>(gbk.size()));
    SelectBytes(gbk, newStart, newStart + length);
}

void EditBoxAdapter::SetSelectionLength(TextPos length) {
    DWORD from, to;
    UnitSelection(from, to);
    const std::string& gbk = CurrentText();
    const TextPos start = ByteOf(gbk, from);
    SelectBytes(gbk, start, start + std::max<TextPos>(length, 0));
}

std::string EditBoxAdapter::SelectedText() const {
    DWORD start, end;
    UnitSelection(start, end);
    const std::string& gbk = CurrentText();
    const TextPos from = ByteOf(gbk, start);
    const TextPos to = ByteOf(gbk, end);
    return gbk.substr(static_cast<size_t>(from), static_cast<size_t>(to - from));
}

void EditBoxAdapter::ReplaceSelection(const std::string& text) {
    DWORD start, end;
    UnitSelection(start, end);
    if (start == end && text.empty()) return;
    const std::wstring wide = GbkToWide(text);
    const int lengthBefore = GetWindowTextLengthW(edit_);
    if (cache_) {
        // The control's new text, spliced the same way before the control
        // reports the change.
        const TextPos from = ByteOf(*cache_, start);
        const TextPos to = ByteOf(*cache_, end);
        cache_->replace(static_cast<size_t>(from), static_cast<size_t>(to - from), text);
        mark_ = UnitByteMark{};
    }
    ++writeCount_;
    writing_ = true;
    // The control scrolls to the caret behind the new text itself.
    scrollPending_ = false;
    SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    writing_ = false;
    // A control that refused the text (out of memory) must not leave the
    // cache believing it took it.
    const long long expected = static_cast<long long>(lengthBefore) - (end - start) + wide.size();
    if (cache_ && GetWindowTextLengthW(edit_) != expected) SetCache(std::nullopt);
}
