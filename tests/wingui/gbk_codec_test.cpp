// GBK <-> UTF-16 at the window boundary. These run under an ANSI code page
// other than 936 in CI, which is what proves the conversion never uses it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "gbk_codec.h"

namespace {

struct RoundTrip {
    const char* gbk;
    const wchar_t* wide;
};

TEST(GbkCodec, ConvertsBothWaysWithCodePage936) {
    const RoundTrip cases[] = {
        {"", L""},
        {"1+2=3", L"1+2=3"},
        {"1×2\r\n3", L"1\u00D72\r\n3"},
        {"√π∟‰÷", L"\u221A\u03C0\u221F\u2030\u00F7"},
        {"真假", L"\u771F\u5047"},
        {"（１）　", L"\uFF08\uFF11\uFF09\u3000"},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.gbk);
        EXPECT_EQ(GbkToWide(c.gbk), c.wide);
        EXPECT_EQ(WideToGbk(c.wide), c.gbk);
    }
    EXPECT_EQ(WideToGbk(L"\u00D7"), "\xA1\xC1");
}

TEST(GbkCodec, KeepsOneUnitPerCharacterForTextWithoutAGbkForm) {
    struct Case {
        const wchar_t* wide;
        const char* gbk;
    };
    const Case cases[] = {
        {L"a\uAC00b", "a?b"},                // Hangul: no GBK form
        {L"1\U0001F600" L"2", "1??2"},        // a surrogate pair: one "?" per unit
        {L"\u20AC5", "?5"},                  // code page 936 writes the euro as a single byte 0x80
        {L"\u00D7\uAC00\u00D7", "×?×"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gbk);
        const std::string gbk = WideToGbk(c.wide);
        EXPECT_EQ(gbk, c.gbk);
        EXPECT_EQ(UnitIndexOfByte(gbk, static_cast<TextPos>(gbk.size())),
                  static_cast<TextPos>(std::wstring(c.wide).size()));
    }
}

TEST(GbkCodec, ReadsBytesThatAreNotGbkAsOneUnitEach) {
    struct Case {
        std::string gbk;
        std::wstring wide;
    };
    const Case cases[] = {
        {"1\xD5", L"1\uFFFD"},               // lead byte without its second byte
        {"\x80" "a5", L"\uFFFD" L"5"},       // 0x80 starts a two-byte character here
        {"\xD5\xE6\x81\x30" "7", L"\u771F\uFFFD" L"7"},  // invalid second byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gbk);
        const std::wstring wide = GbkToWide(c.gbk);
        EXPECT_EQ(wide, c.wide);
        EXPECT_EQ(UnitIndexOfByte(c.gbk, static_cast<TextPos>(c.gbk.size())), static_cast<TextPos>(wide.size()));
    }
}

TEST(GbkCodec, MapsByteOffsetsToUtf16Positions) {
    const std::string text = "1×2\r\n3";  // bytes: 1 A1 C1 2 CR LF 3
    struct Case {
        TextPos byte;
        TextPos unit;
    };
    const Case cases[] = {
        {0, 0}, {1, 1}, {2, 1},  // inside "×": its start
        {3, 2}, {4, 3}, {6, 5}, {7, 6}, {99, 6}, {-1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.byte);
        EXPECT_EQ(UnitIndexOfByte(text, c.byte), c.unit);
    }
    const TextPos bytesOfUnit[] = {0, 1, 3, 4, 5, 6, 7, 7};
    for (TextPos unit = 0; unit < 8; ++unit) {
        SCOPED_TRACE(unit);
        EXPECT_EQ(ByteOffsetOfUnit(text, unit), bytesOfUnit[unit]);
    }
}

// The test command runs this suite under two system code pages and says
// which one each run must have; without the variable any page will do.
TEST(GbkCodec, RunsUnderTheCodePageTheTestCommandChose) {
    const char* expected = std::getenv("NUMEREL_EXPECT_ACP");
    if (!expected) GTEST_SKIP() << "no code page asked for";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

// Walks that start at the last position found give what walks from the
// start give, in whatever order the positions are asked for.
TEST(GbkCodec, MarkedWalksAgreeWithWalksFromTheStart) {
    const std::string text = "1×2\r\n√π∟3ab" "\xB0";  // ends in a lone lead byte
    UnitByteMark mark;
    const TextPos units[] = {0, 3, 1, 9, 9, 4, 12, 2, 20, 0, 7};
    for (TextPos unit : units) {
        SCOPED_TRACE(unit);
        EXPECT_EQ(ByteOffsetOfUnit(text, unit, mark), ByteOffsetOfUnit(text, unit));
    }
    const TextPos bytes[] = {0, 2, 5, 1, 14, 13, 3, 30, 6, 0};
    for (TextPos byte : bytes) {
        SCOPED_TRACE(byte);
        EXPECT_EQ(UnitIndexOfByte(text, byte, mark), UnitIndexOfByte(text, byte));
    }
}

}  // namespace
