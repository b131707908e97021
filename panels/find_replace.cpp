#include "find_replace.h"

#include <algorithm>
#include <string_view>

namespace {

// A copy with the single-byte letters lower-cased; both bytes of every
// double-byte character stay as they are.
std::string FoldSingleByteLetters(const std::string& text) {
    std::string folded(text);
    for (size_t at = 0; at < folded.size(); ++at) {
        const auto byte = static_cast<unsigned char>(folded[at]);
        if (IsLeadByte(byte)) {
            ++at;
        } else if (byte >= 'A' && byte <= 'Z') {
            folded[at] = static_cast<char>(byte + ('a' - 'A'));
        }
    }
    return folded;
}

// Calls found(offset) for each match at a character start, looking from
// `from` on; found gives the offset to look from next, or npos to stop.
// The character starts are walked once alongside the search, so a scan
// costs one pass however many candidates land on trail bytes.
template <typename Found>
void ScanMatches(std::string_view text, std::string_view pattern, size_t from, Found found) {
    if (pattern.empty()) return;
    size_t charStart = 0;
    size_t look = from;
    while (look < text.size()) {
        const size_t candidate = text.find(pattern, look);
        if (candidate == std::string_view::npos) return;
        while (charStart < candidate)
            charStart += IsLeadByte(static_cast<unsigned char>(text[charStart])) && charStart + 1 < text.size() ? 2 : 1;
        if (charStart == candidate) {
            look = found(candidate);
        } else {
            look = candidate + 1;  // a trail byte
        }
    }
}

size_t Offset(TextPos position) { return position < 0 ? 0 : static_cast<size_t>(position); }

}  // namespace

TextPos FindForwardIn(const std::string& text, const std::string& pattern, TextPos from, bool ignoreCase) {
    TextPos result = -1;
    const auto first = [&result](size_t at) {
        result = static_cast<TextPos>(at);
        return std::string_view::npos;
    };
    if (ignoreCase) {
        ScanMatches(FoldSingleByteLetters(text), FoldSingleByteLetters(pattern), Offset(from), first);
    } else {
        ScanMatches(text, pattern, Offset(from), first);
    }
    return result;
}

TextPos FindBackwardIn(const std::string& text, const std::string& pattern, TextPos end, bool ignoreCase) {
    TextPos result = -1;
    // Overlapping candidates count: the last one is wanted, not a partition.
    const auto last = [&result](size_t at) {
        result = static_cast<TextPos>(at);
        return at + 1;
    };
    const size_t limit = std::min(Offset(end), text.size());
    if (ignoreCase) {
        const std::string folded = FoldSingleByteLetters(text.substr(0, limit));
        ScanMatches(folded, FoldSingleByteLetters(pattern), 0, last);
    } else {
        ScanMatches(std::string_view(text).substr(0, limit), pattern, 0, last);
    }
    return result;
}

std::string ReplaceEveryMatch(const std::string& text, const std::string& pattern, const std::string& replacement,
                              TextPos* count) {
    std::string result;
    size_t copied = 0;
    TextPos replaced = 0;
    ScanMatches(text, pattern, 0, [&](size_t at) {
        if (replaced++ == 0) result.reserve(text.size());
        result.append(text, copied, at - copied);
        result += replacement;
        copied = at + pattern.size();
        return copied;
    });
    if (count) *count = replaced;
    if (replaced == 0) return text;
    result.append(text, copied, std::string::npos);
    return result;
}

std::string ExpandFindTokens(const std::string& typed) {
    static const struct {
        const char* token;
        const char* stands;
    } kTokens[] = {{"#换行符", "\r\n"}, {"#空格符", " "}, {"#制表符", "\t"}};
    std::string expanded = typed;
    for (const auto& token : kTokens) expanded = ReplaceEveryMatch(expanded, token.token, token.stands);
    return expanded;
}

const char* FieldCharReplacement(bool mulDivSymbols, unsigned ch) {
    if (!mulDivSymbols) return nullptr;
    if (ch == '*') return "×";
    if (ch == '/') return "÷";
    return nullptr;
}

void FindReplace::TakeSearch(const std::string& typedFind, bool matchCase) {
    SearchText = ExpandFindTokens(typedFind);
    FindMatchCase = matchCase;
}

void FindReplace::TakeSearchAndReplace(const std::string& typedFind, const std::string& typedReplace,
                                       bool matchCase) {
    TakeSearch(typedFind, matchCase);
    ReplaceText = ExpandFindTokens(typedReplace);
}

void FindReplace::StoreTyped(const std::string& typedFind, const std::string& typedReplace, bool matchCase) {
    SearchText = typedFind;
    ReplaceText = typedReplace;
    FindMatchCase = matchCase;
}

int FindReplace::FindText(bool forward, bool replace) {
    host_.FocusBox();
    if (SearchText.empty()) return 0;
    const std::string text = box_.Text();
    const TextPos start = box_.SelectionStart();
    const bool ignoreCase = !FindMatchCase;
    TextPos found = forward ? FindForwardIn(text, SearchText, start + box_.SelectionLength(), ignoreCase)
                            : FindBackwardIn(text, SearchText, start, ignoreCase);
    if (found < 0) {
        box_.SetSelectionStart(0);
        box_.SetSelectionLength(0);
        found = FindForwardIn(text, SearchText, 0, ignoreCase);
        if (found < 0) return -1;
    }
    box_.SetSelectionStart(found);
    box_.SetSelectionLength(TextLength(SearchText));
    if (replace) box_.ReplaceSelection(ReplaceText);
    return 1;
}

void FindReplace::ReplaceAllInText() {
    host_.FocusBox();
    if (SearchText.empty()) return;
    box_.SetText(ReplaceEveryMatch(box_.Text(), SearchText, ReplaceText));
    host_.FocusBox();
}

bool FindReplace::ReplaceInSelection(const std::string& typedFind, const std::string& typedReplace) {
    if (typedFind.empty() || box_.SelectionLength() <= 0) return false;
    box_.ReplaceSelection(
        ReplaceEveryMatch(box_.SelectedText(), ExpandFindTokens(typedFind), ExpandFindTokens(typedReplace)));
    host_.FocusBox();
    return true;
}
