#include "appearance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "effective_values.h"
#include "memory_file_store.h"

namespace {

TEST(Appearance, SkinStepsWrapAndSkinOffReturnsToTheLastChosen) {
    struct Case {
        int from;
        int next;
        int previous;
    };
    const Case cases[] = {{33, 1, 32}, {1, 2, 33}, {15, 16, 14}, {16, 17, 15}, {8, 9, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(NextSkin(c.from), c.next);
        EXPECT_EQ(PreviousSkin(c.from), c.previous);
    }

    // Each step, then whether 关闭皮肤 is checked and the skin shown.
    struct Step {
        char action;  // n next, p previous, o 关闭皮肤 clicked
        int skin;
        bool off;
    };
    struct Walk {
        int opened;
        std::vector<Step> steps;
    };
    const Walk walks[] = {
        {16, {{'o', 8, false}}},                                    // opened off, nothing else chosen
        {16, {{'o', 8, false}, {'o', 16, true}, {'o', 8, false}}},  // 16 stays the last chosen
        {4, {{'n', 5, false}, {'o', 16, true}, {'o', 5, false}}},
        {15, {{'n', 16, true}, {'n', 17, false}, {'p', 16, true}, {'o', 8, false}}},
        {33, {{'n', 1, false}, {'p', 33, false}, {'o', 16, true}, {'n', 17, false}}},
    };
    for (const Walk& w : walks) {
        Settings settings;
        settings.SkinIndex = w.opened;
        AppearanceChoice choice(settings);
        EXPECT_EQ(choice.SkinOffChecked(), w.opened == kSkinOff);
        for (const Step& s : w.steps) {
            SCOPED_TRACE(std::to_string(w.opened) + " " + s.action);
            if (s.action == 'n') choice.Next();
            if (s.action == 'p') choice.Previous();
            if (s.action == 'o') choice.ToggleSkinOff();
            EXPECT_EQ(choice.Shown().Skin, s.skin);
            EXPECT_EQ(choice.SkinOffChecked(), s.off);
        }
    }
}

TEST(Appearance, SliderGivesEngineValueAndWindowAlpha) {
    struct Case {
        int position;
        int kept;
        int engine;
        int alpha;
    };
    const Case cases[] = {{100, 100, 500, 254}, {50, 50, 250, 127}, {1, 1, 5, 2}, {0, 1, 5, 2}, {101, 100, 500, 254}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        AppearanceChoice choice{Settings{}};
        choice.SetOpacity(c.position);
        EXPECT_EQ(choice.Shown().Opacity, c.kept);
        EXPECT_EQ(SkinAeroArguments(choice.Shown().Opacity), (std::array<int, 7>{c.engine, 1, 1, 1, 0, 0, 0}));
        EXPECT_EQ(WindowAlpha(choice.Shown().Opacity), c.alpha);
    }
    // A damaged file's opacity opens as the fully opaque window shows it.
    Settings damaged;
    damaged.SkinOpacity = 0;
    EXPECT_EQ(AppearanceChoice(damaged).Restored().Opacity, 100);
}

TEST(Appearance, OkKeepsTheShownLookAndCancelGivesTheOpenedOne) {
    Settings settings;
    settings.SkinIndex = 5;
    settings.SkinEffects = true;
    settings.SkinOpacity = 70;
    settings.BoxBackColour = 0x00FFFF;
    settings.FontColour = 0x0000FF;
    settings.MenuBarVisible = false;
    const AppearanceLook opened = LookOf(settings);
    EXPECT_STREQ(EffectsButtonCaption(settings.SkinEffects), "关闭特效");
    EXPECT_STREQ(EffectsButtonCaption(false), "打开特效");

    AppearanceChoice choice(settings);
    choice.Previous();
    choice.ToggleEffects();
    choice.SetOpacity(30);
    choice.SetBackColour(0x123456);
    choice.SetTextColour(0x654321);
    choice.SetBars(false, true, false);
    EXPECT_EQ(choice.Restored(), opened);

    choice.Keep(settings);
    EXPECT_EQ(LookOf(settings), choice.Shown());
    EXPECT_EQ(settings.SkinIndex, 4);
    EXPECT_FALSE(settings.SkinEffects);
    EXPECT_EQ(settings.SkinOpacity, 30);
    EXPECT_EQ(settings.BoxBackColour, 0x123456);
    EXPECT_EQ(settings.FontColour, 0x654321);
    EXPECT_FALSE(settings.TitleBarVisible);
    EXPECT_TRUE(settings.MenuBarVisible);
}

TEST(Appearance, OkWritesExactlyFourKeysInOrderOnAFirstRun) {
    MemoryFileStore store;  // no folder yet
    SettingsFile file{store, "C:\\app\\Numerin运行文件\\Numerin配置文件.ini"};
    Settings settings;
    settings.BoxBackColour = 255;
    settings.SkinIndex = 33;
    settings.SkinOpacity = 1;
    settings.SkinEffects = false;
    ASSERT_TRUE(WriteAppearanceKeys(file, settings));
    EXPECT_EQ(store.files[file.Path()], "[运行设置]\r\n背景颜色=255\r\n软件皮肤=33\r\n皮肤滑块条=1\r\n加载特效=假\r\n");
    EXPECT_EQ(store.replaceCount, 4);
}

}  // namespace
