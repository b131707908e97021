#include "text_rules.h"

#include <algorithm>

namespace {

const char kFullWidthSpace[] = "\xA1\xA1";

unsigned char ByteAt(const std::string& text, TextPos offset) {
    return static_cast<unsigned char>(text[static_cast<size_t>(offset)]);
}

char AsciiLower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

bool BytesMatchAt(const std::string& text, TextPos offset, const std::string& pattern, bool ignoreCase) {
    if (offset + static_cast<TextPos>(pattern.size()) > static_cast<TextPos>(text.size())) return false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        char a = text[static_cast<size_t>(offset) + i];
        char b = pattern[i];
        if (ignoreCase) {
            a = AsciiLower(a);
            b = AsciiLower(b);
        }
        if (a != b) return false;
    }
    return true;
}

// Calls visit(offset) for every character start, in order, until it returns false.
template <typename Visit>
void ForEachCharStart(const std::string& text, Visit visit) {
    const TextPos size = static_cast<TextPos>(text.size());
    for (TextPos offset = 0; offset < size; offset += CharSizeAt(text, offset)) {
        if (!visit(offset)) return;
    }
}

}  // namespace

TextPos CharSizeAt(const std::string& text, TextPos offset) {
    const TextPos size = static_cast<TextPos>(text.size());
    if (offset < 0 || offset >= size) return 1;
    return (IsLeadByte(ByteAt(text, offset)) && offset + 1 < size) ? 2 : 1;
}

bool IsCharStart(const std::string& text, TextPos offset) {
    return IsCharStartIn(TextLength(text), offset, [&](TextPos at) { return ByteAt(text, at); });
}

TextPos TextLength(const std::string& text) { return static_cast<TextPos>(text.size()); }

std::string TextLeft(const std::string& text, TextPos count) {
    if (count <= 0) return std::string();
    return text.substr(0, static_cast<size_t>(std::min<TextPos>(count, TextLength(text))));
}

std::string TextRight(const std::string& text, TextPos count) {
    if (count <= 0) return std::string();
    const TextPos size = TextLength(text);
    if (count >= size) return text;
    return text.substr(static_cast<size_t>(size - count));
}

std::string TextMid(const std::string& text, TextPos start, TextPos count) {
    const TextPos size = TextLength(text);
    if (start < 1 || start > size || count <= 0) return std::string();
    return text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(std::min(count, size - start + 1)));
}

int TextCharCode(const std::string& text, TextPos pos) {
    if (pos < 1 || pos > TextLength(text)) return 0;
    return static_cast<signed char>(text[static_cast<size_t>(pos - 1)]);
}

TextPos TextFind(const std::string& text, const std::string& pattern, TextPos start, bool ignoreCase) {
    if (start < 1) start = 1;
    const TextPos size = TextLength(text);
    if (pattern.empty()) return start <= size ? 1 : -1;
    TextPos offset = start - 1;
    if (!IsCharStart(text, offset)) ++offset;  // start inside a character: go on from the next one
    for (; offset < size; offset += CharSizeAt(text, offset)) {
        if (BytesMatchAt(text, offset, pattern, ignoreCase)) return offset + 1;
    }
    return -1;
}

TextPos TextFindLast(const std::string& text, const std::string& pattern) {
    if (pattern.empty()) return text.empty() ? -1 : 1;
    TextPos found = -1;
    ForEachCharStart(text, [&](TextPos offset) {
        if (BytesMatchAt(text, offset, pattern, false)) found = offset + 1;
        return true;
    });
    return found;
}

bool TextContains(const std::string& text, const std::string& pattern) {
    return !pattern.empty() && TextFind(text, pattern) > 0;
}

std::string TextReplaceAt(const std::string& text, TextPos start, TextPos count, const std::string& replacement) {
    const TextPos size = TextLength(text);
    if (start < 1) start = 1;
    if (start > size + 1) start = size + 1;
    if (count < 0) count = 0;
    count = std::min(count, size - start + 1);
    std::string result = text;
    result.replace(static_cast<size_t>(start - 1), static_cast<size_t>(count), replacement);
    return result;
}

std::string TextSubstitute(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty() || text.find(from) == std::string::npos) return text;
    std::string result;
    result.reserve(text.size());
    const TextPos size = TextLength(text);
    const char first = from[0];
    TextPos runStart = 0;  // bytes from here on are not in `result` yet
    TextPos offset = 0;
    while (offset < size) {
        if (text[static_cast<size_t>(offset)] == first && BytesMatchAt(text, offset, from, false)) {
            result.append(text, static_cast<size_t>(runStart), static_cast<size_t>(offset - runStart));
            result += to;
            offset += TextLength(from);
            runStart = offset;
        } else {
            offset += CharSizeAt(text, offset);
        }
    }
    result.append(text, static_cast<size_t>(runStart), std::string::npos);
    return result;
}

namespace {

// Calls piece(start, length) for every piece of the split rule.
template <typename Piece>
void ForEachPiece(const std::string& text, const std::string& separator, Piece piece) {
    if (text.empty()) return;
    const TextPos size = TextLength(text);
    if (separator.empty()) {
        piece(0, size);
        return;
    }
    const char first = separator[0];
    TextPos pieceStart = 0;
    TextPos offset = 0;
    while (offset < size) {
        if (text[static_cast<size_t>(offset)] == first && BytesMatchAt(text, offset, separator, false)) {
            piece(pieceStart, offset - pieceStart);
            offset += TextLength(separator);
            pieceStart = offset;
        } else {
            offset += CharSizeAt(text, offset);
        }
    }
    if (pieceStart < size) piece(pieceStart, size - pieceStart);
}

}  // namespace

std::vector<std::string> TextSplit(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    ForEachPiece(text, separator, [&](TextPos start, TextPos length) {
        pieces.push_back(text.substr(static_cast<size_t>(start), static_cast<size_t>(length)));
    });
    return pieces;
}

size_t TextPieceCount(const std::string& text, const std::string& separator) {
    size_t count = 0;
    ForEachPiece(text, separator, [&](TextPos, TextPos) { ++count; });
    return count;
}

bool TextStartsWith(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

std::string TrimAll(const std::string& text) {
    // Only an ASCII space or a character with lead byte A1 can be a blank.
    if (text.find_first_of(" \xA1") == std::string::npos) return text;
    std::string result;
    result.reserve(text.size());
    const TextPos size = TextLength(text);
    TextPos runStart = 0;  // bytes from here on are not in `result` yet
    for (TextPos offset = 0; offset < size;) {
        const TextPos step = CharSizeAt(text, offset);
        const bool blank = (step == 1 && text[static_cast<size_t>(offset)] == ' ') ||
                           (step == 2 && BytesMatchAt(text, offset, kFullWidthSpace, false));
        if (blank) {
            result.append(text, static_cast<size_t>(runStart), static_cast<size_t>(offset - runStart));
            runStart = offset + step;
        }
        offset += step;
    }
    result.append(text, static_cast<size_t>(runStart), std::string::npos);
    return result;
}

std::string TrimRight(const std::string& text) {
    // Walk forward so that a trailing A1 A1 is only taken as a space when it
    // really is one character.
    TextPos keep = 0;
    ForEachCharStart(text, [&](TextPos offset) {
        const TextPos step = CharSizeAt(text, offset);
        const bool blank = (step == 1 && text[static_cast<size_t>(offset)] == ' ') ||
                           (step == 2 && BytesMatchAt(text, offset, kFullWidthSpace, false));
        if (!blank) keep = offset + step;
        return true;
    });
    return text.substr(0, static_cast<size_t>(keep));
}

std::string ToLower(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    ForEachCharStart(text, [&](TextPos offset) {
        const TextPos step = CharSizeAt(text, offset);
        if (step == 1) {
            result += AsciiLower(text[static_cast<size_t>(offset)]);
        } else {
            result.append(text, static_cast<size_t>(offset), 2);
        }
        return true;
    });
    return result;
}

std::string ToUpper(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    ForEachCharStart(text, [&](TextPos offset) {
        const TextPos step = CharSizeAt(text, offset);
        const char ch = text[static_cast<size_t>(offset)];
        if (step == 1) {
            result += (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
        } else {
            result.append(text, static_cast<size_t>(offset), 2);
        }
        return true;
    });
    return result;
}

std::string ToHalfWidth(const std::string& text) {
    // Only two-byte characters fold.
    if (std::none_of(text.begin(), text.end(), [](char ch) { return IsLeadByte(static_cast<unsigned char>(ch)); })) {
        return text;
    }
    std::string result;
    result.reserve(text.size());
    ForEachCharStart(text, [&](TextPos offset) {
        const TextPos step = CharSizeAt(text, offset);
        if (step == 1) {
            result += text[static_cast<size_t>(offset)];
            return true;
        }
        const unsigned char lead = ByteAt(text, offset);
        const unsigned char trail = ByteAt(text, offset + 1);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            result += static_cast<char>(trail - 0xA1 + 0x21);  // ！..￣ to ! .. ~
        } else if (lead == 0xA1 && trail == 0xA1) {
            result += ' ';  // full-width space
        } else if (lead == 0xA1 && trail == 0xAB) {
            result += '~';  // ～
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            result += '*';  // ☆ ★
        } else {
            result.append(text, static_cast<size_t>(offset), 2);
        }
        return true;
    });
    return result;
}
