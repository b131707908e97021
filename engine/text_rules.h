// Byte-based text operations on GBK text.
//
// Positions are 1-based byte positions (the first byte is position 1) and
// lengths are byte counts. A byte of 0x80 or more is the lead byte of a
// two-byte character. Searching, replacing and splitting match only at
// character starts; cutting by position and length cuts at the given bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using TextPos = std::int64_t;

// True when the byte starts a two-byte character.
inline bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

// Number of bytes of the character that starts at 0-based offset `offset`
// (2 for a lead byte that has a following byte, else 1).
TextPos CharSizeAt(const std::string& text, TextPos offset);

// True when the 0-based offset is the start of a character (or the end).
bool IsCharStart(const std::string& text, TextPos offset);

// The same for a text of `size` bytes read through byteAt(offset). A byte
// below 0x80 always ends a character (alone or as a trail byte), so the
// characters before `offset` resynchronise at the last such byte; the lead
// bytes behind it pair up from there.
template <typename ByteAt>
bool IsCharStartIn(TextPos size, TextPos offset, ByteAt byteAt) {
    if (offset <= 0 || offset >= size) return offset == 0 || offset == size;
    TextPos leads = 0;
    for (TextPos at = offset - 1; at >= 0 && IsLeadByte(byteAt(at)); --at) ++leads;
    return leads % 2 == 0;
}

TextPos TextLength(const std::string& text);
std::string TextLeft(const std::string& text, TextPos count);
std::string TextRight(const std::string& text, TextPos count);
std::string TextMid(const std::string& text, TextPos start, TextPos count);
// The byte at 1-based `pos` as a signed value (lead bytes are negative); 0 beyond the end.
int TextCharCode(const std::string& text, TextPos pos = 1);

// 1-based position of the first occurrence at or after `start`, or -1.
// An empty pattern gives 1 when the searched part is not empty, else -1.
TextPos TextFind(const std::string& text, const std::string& pattern, TextPos start = 1,
                 bool ignoreCase = false);
// 1-based position of the last occurrence, or -1.
TextPos TextFindLast(const std::string& text, const std::string& pattern);
bool TextContains(const std::string& text, const std::string& pattern);

std::string TextReplaceAt(const std::string& text, TextPos start, TextPos count,
                          const std::string& replacement);
// Every occurrence of `from` replaced by `to`, left to right, without overlaps.
std::string TextSubstitute(const std::string& text, const std::string& from, const std::string& to);
// Pieces between separators; empty pieces in the middle are kept, an empty
// piece after the last separator is dropped, an empty text gives no piece.
std::vector<std::string> TextSplit(const std::string& text, const std::string& separator = ",");
// The number of pieces TextSplit would give, without making them.
size_t TextPieceCount(const std::string& text, const std::string& separator = ",");
bool TextStartsWith(const std::string& text, const std::string& prefix);

// Without any ASCII space and any full-width space.
std::string TrimAll(const std::string& text);
// Without trailing ASCII and full-width spaces.
std::string TrimRight(const std::string& text);
std::string ToLower(const std::string& text);
std::string ToUpper(const std::string& text);
// Full-width forms folded to ASCII: the full-width space, GBK row A3 (！..￣),
// "～" to "~", "☆" and "★" to "*".
std::string ToHalfWidth(const std::string& text);
