// The 33 skins made from the palette table, byte for byte as the program
// embeds them: whole files, a look a reader can tell apart from every other,
// and text that reads in every state.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "../../skinengine/skin_format.h"

namespace {

const std::vector<std::vector<std::uint8_t>> kSkinBytes = {
#include "skin_palette_bytes.inc"
};

std::vector<SkinFile> Skins() {
    std::vector<SkinFile> skins;
    for (const auto& bytes : kSkinBytes) {
        const auto skin = ParseSkin(bytes.data(), bytes.size());
        EXPECT_TRUE(skin) << skins.size() + 1;
        skins.push_back(skin.value_or(SkinFile{}));
    }
    return skins;
}

// How far apart two colours look: the weighted ("red mean") RGB distance,
// 0 to about 765.
double Distance(std::uint32_t a, std::uint32_t b) {
    const int ra = a & 0xFF, ga = (a >> 8) & 0xFF, ba = (a >> 16) & 0xFF;
    const int rb = b & 0xFF, gb = (b >> 8) & 0xFF, bb = (b >> 16) & 0xFF;
    const double mean = (ra + rb) / 2.0;
    const double dr = ra - rb, dg = ga - gb, db = ba - bb;
    return std::sqrt((2 + mean / 256) * dr * dr + 4 * dg * dg + (2 + (255 - mean) / 256) * db * db);
}

TEST(SkinPalette, ThirtyThreeWholeSkinsAndSixteenIsTheSystemLook) {
    const auto skins = Skins();
    ASSERT_EQ(skins.size(), 33u);
    for (std::size_t i = 0; i < skins.size(); ++i) EXPECT_EQ(skins[i].systemLook, i + 1 == 16) << i + 1;
}

TEST(SkinPalette, EveryTwoSkinsDifferClearlyInCaptionAndButtons) {
    constexpr double kClearCaption = 50, kClearButton = 25;
    const auto skins = Skins();
    for (std::size_t i = 0; i < skins.size(); ++i)
        for (std::size_t j = i + 1; j < skins.size(); ++j) {
            if (skins[i].systemLook || skins[j].systemLook) continue;
            const auto& a = skins[i].colours;
            const auto& b = skins[j].colours;
            EXPECT_GE(Distance(a[kSkinCaption], b[kSkinCaption]), kClearCaption) << i + 1 << " " << j + 1;
            double button = 0;
            for (int role : {kSkinButtonFace, kSkinButtonHot, kSkinButtonPressed})
                button = std::max(button, Distance(a[role], b[role]));
            EXPECT_GE(button, kClearButton) << i + 1 << " " << j + 1;
        }
}

TEST(SkinPalette, EveryTextReadsOnItsBackground) {
    struct Pair {
        SkinColourRole text, background;
    };
    const Pair pairs[] = {
        {kSkinCaptionText, kSkinCaption},         {kSkinInactiveCaptionText, kSkinInactiveCaption},
        {kSkinMenuText, kSkinMenuBar},            {kSkinMenuText, kSkinMenu},
        {kSkinMenuHighlightText, kSkinMenuHighlight}, {kSkinDisabledText, kSkinMenu},
        {kSkinDisabledText, kSkinMenuBar},        {kSkinButtonText, kSkinButtonFace},
        {kSkinButtonText, kSkinButtonHot},        {kSkinButtonText, kSkinButtonPressed},
        {kSkinDisabledText, kSkinButtonFace},     {kSkinLabelText, kSkinDialog},
        {kSkinLabelText, kSkinGradientEnd},       {kSkinStatusText, kSkinStatusBar},
        {kSkinTabText, kSkinTabSelected},         {kSkinTabText, kSkinTabUnselected},
    };
    const auto skins = Skins();
    for (std::size_t i = 0; i < skins.size(); ++i) {
        if (skins[i].systemLook) continue;
        for (const Pair& p : pairs)
            EXPECT_GE(ContrastRatio(skins[i].colours[p.text], skins[i].colours[p.background]), kReadableContrast)
                << "skin " << i + 1 << " text " << p.text << " on " << p.background;
    }
}

}  // namespace
