#include "gbk_codec.h"

#include <windows.h>

namespace {

constexpr UINT kGbk = 936;

// Number of GBK characters by the engine's own rule.
size_t CharCount(const std::string& gbk) {
    size_t count = 0;
    for (size_t i = 0; i < gbk.size(); i += static_cast<size_t>(CharSizeAt(gbk, static_cast<TextPos>(i))))
        ++count;
    return count;
}

// Strict conversion of the whole text; empty result on an invalid sequence.
std::wstring ConvertStrict(const char* bytes, int size) {
    const int units = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes, size, nullptr, 0);
    if (units <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes, size, wide.data(), units);
    return wide;
}

bool IsSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// Two bytes for a unit with a real double-byte GBK form, else "?".
std::string UnitToGbk(wchar_t unit) {
    if (unit < 0x80) return std::string(1, static_cast<char>(unit));
    if (IsSurrogate(unit)) return "?";
    char bytes[4];
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, &unit, 1, bytes, sizeof bytes, "?",
                                         &usedDefault);
    if (size != 2 || usedDefault || !IsLeadByte(static_cast<unsigned char>(bytes[0]))) return "?";
    return std::string(bytes, 2);
}

}  // namespace

std::wstring GbkToWide(const std::string& gbk) {
    if (gbk.empty()) return std::wstring();
    // Valid GBK converts in one call; a sequence that is invalid, or that code
    // page 936 reads differently from the engine (0x80 is a single byte there),
    // goes character by character.
    std::wstring wide = ConvertStrict(gbk.data(), static_cast<int>(gbk.size()));
    if (!wide.empty() && wide.size() == CharCount(gbk)) return wide;

    wide.clear();
    for (size_t i = 0; i < gbk.size();) {
        const size_t size = static_cast<size_t>(CharSizeAt(gbk, static_cast<TextPos>(i)));
        if (size == 1 && !IsLeadByte(static_cast<unsigned char>(gbk[i]))) {
            wide += static_cast<wchar_t>(static_cast<unsigned char>(gbk[i]));
        } else {
            const std::wstring one = size == 2 ? ConvertStrict(gbk.data() + i, 2) : std::wstring();
            wide += one.size() == 1 && one[0] >= 0x80 ? one[0] : L'\xFFFD';
        }
        i += size;
    }
    return wide;
}

std::string WideToGbk(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    size_t expected = 0;
    for (wchar_t unit : wide) expected += unit < 0x80 ? 1 : 2;

    const int size = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, "?", nullptr);
    if (size > 0 && static_cast<size_t>(size) == expected) {
        std::string gbk(static_cast<size_t>(size), '\0');
        BOOL usedDefault = FALSE;
        WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), gbk.data(),
                            size, "?", &usedDefault);
        // Every non-ASCII unit gave two bytes: nothing was replaced.
        if (!usedDefault) return gbk;
    }
    std::string gbk;
    gbk.reserve(expected);
    for (wchar_t unit : wide) gbk += UnitToGbk(unit);
    return gbk;
}

std::string GbkThroughWide(const std::string& gbk) { return WideToGbk(GbkToWide(gbk)); }

TextPos UnitIndexOfByte(const std::string& gbk, TextPos offset, UnitByteMark& mark) {
    UnitByteMark at = offset >= mark.Byte ? mark : UnitByteMark{};
    const TextPos size = static_cast<TextPos>(gbk.size());
    while (at.Byte < size) {
        const TextPos next = at.Byte + CharSizeAt(gbk, at.Byte);
        if (next > offset) break;
        at.Byte = next;
        ++at.Unit;
    }
    mark = at;
    return at.Unit;
}

TextPos ByteOffsetOfUnit(const std::string& gbk, TextPos index, UnitByteMark& mark) {
    UnitByteMark at = index >= mark.Unit ? mark : UnitByteMark{};
    const TextPos size = static_cast<TextPos>(gbk.size());
    for (; at.Unit < index && at.Byte < size; ++at.Unit) at.Byte += CharSizeAt(gbk, at.Byte);
    mark = at;
    return at.Byte;
}

TextPos UnitIndexOfByte(const std::string& gbk, TextPos offset) {
    UnitByteMark start;
    return UnitIndexOfByte(gbk, offset, start);
}

TextPos ByteOffsetOfUnit(const std::string& gbk, TextPos index) {
    UnitByteMark start;
    return ByteOffsetOfUnit(gbk, index, start);
}
