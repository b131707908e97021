#include <gtest/gtest.h>

#include "../../skinengine/skin_format.h"

namespace {

SkinFile Sample() {
    SkinFile skin;
    for (std::size_t i = 0; i < skin.colours.size(); ++i)
        skin.colours[i] = static_cast<std::uint32_t>(0x00F0E0D0 - 0x00050709 * i);
    return skin;
}

TEST(SkinFormat, RoundTripKeepsColoursAndSystemLook) {
    for (bool system : {false, true}) {
        SkinFile skin = Sample();
        skin.systemLook = system;
        const auto bytes = EncodeSkin(skin);
        ASSERT_EQ(bytes.size(), kSkinFileSize);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), ".SHE");
        const auto parsed = ParseSkin(bytes.data(), bytes.size());
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->systemLook, system);
        EXPECT_EQ(parsed->colours, skin.colours);
    }
}

TEST(SkinFormat, EveryTruncationAndExtensionIsRejected) {
    auto bytes = EncodeSkin(Sample());
    EXPECT_FALSE(ParseSkin(nullptr, 0));
    EXPECT_FALSE(ParseSkin(nullptr, bytes.size()));
    for (std::size_t length = 0; length < bytes.size(); ++length)
        EXPECT_FALSE(ParseSkin(bytes.data(), length)) << length;
    bytes.push_back(0);
    EXPECT_FALSE(ParseSkin(bytes.data(), bytes.size()));
}

TEST(SkinFormat, EveryFlippedBitIsRejected) {
    const auto good = EncodeSkin(Sample());
    for (std::size_t i = 0; i < good.size(); ++i)
        for (int bit = 0; bit < 8; ++bit) {
            auto bytes = good;
            bytes[i] ^= static_cast<std::uint8_t>(1 << bit);
            EXPECT_FALSE(ParseSkin(bytes.data(), bytes.size())) << i << ":" << bit;
        }
}

// Damaged fields with the checksum made right again: only the field check
// can refuse them.
TEST(SkinFormat, WrongFieldsAreRejectedEvenWithAGoodChecksum) {
    struct Case {
        std::size_t offset;
        std::uint8_t value;
    };
    const Case cases[] = {
        {0, ','}, {3, 'e'}, {4, 1}, {4, 3}, {5, 1}, {6, 2}, {7, 1}, {8, kSkinColourCount - 1},
        {8, kSkinColourCount + 1}, {9, 1}, {13, 1}, {kSkinFileSize - 3, 1},
    };
    for (const Case& c : cases) {
        auto bytes = EncodeSkin(Sample());
        bytes[c.offset] = static_cast<std::uint8_t>(c.value);
        unsigned sum = 0;
        for (std::size_t i = 0; i + 2 < bytes.size(); ++i) sum += bytes[i];
        bytes[bytes.size() - 2] = sum & 0xFF;
        bytes[bytes.size() - 1] = (sum >> 8) & 0xFF;
        EXPECT_FALSE(ParseSkin(bytes.data(), bytes.size())) << c.offset;
    }
}

TEST(SkinFormat, BlendOfTwoColours) {
    struct Case {
        std::uint32_t over, under;
        int strength;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {0x00FF8000, 0x00F0F0F0, 0, 0x00F0F0F0},    {0x00FF8000, 0x00F0F0F0, 500, 0x00FF8000},
        {0x00FF8000, 0x00F0F0F0, 250, 0x00F8B878},  {0x00000000, 0x00FFFFFF, 250, 0x007F7F7F},
        {0x00FFFFFF, 0x00000000, 250, 0x00808080},  {0x00123456, 0x00ABCDEF, -5, 0x00ABCDEF},
        {0x00123456, 0x00ABCDEF, 900, 0x00123456}, {0x00000000, 0x00000001, 250, 0x00000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendSkinColour(c.over, c.under, c.strength), c.expected)
            << std::hex << c.over << " " << c.under << " " << std::dec << c.strength;
}

TEST(SkinFormat, ContrastRatioAndReadableText) {
    EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0xFFFFFF, 0x000000), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x123456, 0x123456), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x0000FF, 0xFFFFFF), 4.0, 0.01);  // pure red (0x00BBGGRR) on white
    struct Case {
        std::uint32_t text, background;
    };
    // Pure red on white, on a dark surface and on a mid grey; a text that
    // already reads stays as it is.
    const Case cases[] = {{0x0000FF, 0xFFFFFF}, {0x0000FF, 0x1C2026}, {0x0000FF, 0x808080}, {0x202020, 0xF0F0F0}};
    for (const Case& c : cases) {
        const std::uint32_t readable = ReadableOn(c.text, c.background);
        EXPECT_GE(ContrastRatio(readable, c.background), kReadableContrast) << std::hex << c.text << " " << c.background;
        if (ContrastRatio(c.text, c.background) >= kReadableContrast) {
            EXPECT_EQ(readable, c.text);
        }
    }
    // The red stays red: more red than green or blue.
    const std::uint32_t red = ReadableOn(0x0000FF, 0xFFFFFF);
    EXPECT_GT(red & 0xFF, (red >> 8) & 0xFF);
}

}  // namespace
