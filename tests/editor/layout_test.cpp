#include <gtest/gtest.h>

#include "layout.h"
#include "settings.h"

namespace {

TEST(Layout, StatusPartsScaleWithTheClientWidth) {
    struct Case {
        int width;
        std::array<int, 4> edges;
    };
    const Case cases[] = {
        {545, {200, 223, 523, -1}},
        {1090, {400, 623, 923, -1}},
        {480, {176, 176, 476, -1}},  // part 1 exactly empty
        {300, {110, 110, 410, -1}},  // part 1 would be negative
        {0, {0, 0, 300, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        EXPECT_EQ(StatusPartEdges(c.width), c.edges);
    }
}

TEST(Layout, FirstRunPlacementIsHalfTheScreenCentred) {
    const WindowRect full = DefaultPlacement(1920, 1080);
    EXPECT_EQ(full.Left, 480);
    EXPECT_EQ(full.Top, 270);
    EXPECT_EQ(full.Width, 960);
    EXPECT_EQ(full.Height, 540);

    const WindowRect odd = DefaultPlacement(1366, 767);
    EXPECT_EQ(odd.Left, 341);
    EXPECT_EQ(odd.Top, 191);
    EXPECT_EQ(odd.Width, 683);
    EXPECT_EQ(odd.Height, 383);
}

Settings Stored(int left, int top, int width, int height, int state = 0) {
    Settings s;
    s.WindowLeft = left;
    s.WindowTop = top;
    s.WindowWidth = width;
    s.WindowHeight = height;
    s.WindowState = state;
    return s;
}

TEST(Layout, StartPlacementTakesTheStoredValuesOrFallsBack) {
    struct Case {
        const char* what;
        Settings stored;
        WindowRect rect;
        WindowState state;
    };
    const WindowRect centred = {480, 270, 960, 540};
    const int maxInt = 2147483647;
    const Case cases[] = {
        {"as stored", Stored(100, 100, 800, 600), {100, 100, 800, 600}, WindowState::Normal},
        {"stored maximised", Stored(100, 100, 800, 600, 3), {100, 100, 800, 600}, WindowState::Maximised},
        {"state 2 starts normal", Stored(100, 100, 800, 600, 2), {100, 100, 800, 600}, WindowState::Normal},
        {"fresh file", Stored(0, 0, 0, 0), centred, WindowState::Centred},
        {"height 79", Stored(100, 100, 800, 79), centred, WindowState::Centred},
        {"height 80", Stored(100, 100, 800, 80), {100, 100, 800, 80}, WindowState::Normal},
        {"narrow window high up", Stored(100, 100, 200, 600), {100, 100, 200, 600}, WindowState::Normal},
        {"bottom edge above the screen", Stored(100, -595, 800, 600), centred, WindowState::Centred},
        {"left edge past the screen", Stored(1911, 100, 800, 600), centred, WindowState::Centred},
        {"left edge 10 inside", Stored(1910, 100, 800, 600), {1910, 100, 800, 600}, WindowState::Normal},
        {"right edge left of the screen", Stored(-795, 100, 800, 600), centred, WindowState::Centred},
        {"top past the screen", Stored(100, 1071, 800, 600), centred, WindowState::Centred},
        {"maximised but off screen", Stored(5000, 100, 800, 600, 3), centred, WindowState::Centred},
        {"saturated values do not wrap", Stored(maxInt, maxInt, maxInt, maxInt), centred, WindowState::Centred},
        {"negative extremes", Stored(-maxInt - 1, 0, maxInt, 600), centred, WindowState::Centred},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Placement p = StartPlacement(c.stored, 1920, 1080);
        EXPECT_EQ(p.Rect.Left, c.rect.Left);
        EXPECT_EQ(p.Rect.Top, c.rect.Top);
        EXPECT_EQ(p.Rect.Width, c.rect.Width);
        EXPECT_EQ(p.Rect.Height, c.rect.Height);
        EXPECT_EQ(p.State, c.state);
    }
}

// Start-up and the window-position window share this test: a placement
// one accepts, the other keeps.
TEST(Layout, PlacementKeptOnlyWhileTheWindowCanBeReached) {
    struct Case {
        WindowRect rect;
        bool kept;
    };
    const Case cases[] = {
        {{1910, 100, 800, 600}, true},   {{1911, 100, 800, 600}, false},
        {{-500, 100, 510, 600}, true},   {{-500, 100, 509, 600}, false},
        {{100, 1070, 800, 600}, true},   {{100, 1071, 800, 600}, false},
        {{100, 100, 800, 80}, true},     {{100, 100, 800, 79}, false},
        {{100, -590, 800, 600}, true},   {{100, -591, 800, 600}, false},
        {{2147483647, 0, 2147483647, 600}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rect.Left << "," << c.rect.Top << " " << c.rect.Width << "x"
                                        << c.rect.Height);
        EXPECT_EQ(PlacementKept(c.rect, 1920, 1080), c.kept);
    }
}

TEST(Layout, OnlyAReachableWindowIsRemembered) {
    EXPECT_TRUE(IsOnScreen({100, 100, 800, 600}, 1920, 1080));
    // A window the fallback would reject for its height alone is still on
    // the screen and remembered.
    EXPECT_TRUE(IsOnScreen({100, 100, 800, 20}, 1920, 1080));
    // Minimised windows sit far off the screen.
    EXPECT_FALSE(IsOnScreen({-32000, -32000, 160, 28}, 1920, 1080));
    EXPECT_FALSE(IsOnScreen({100, 1075, 800, 600}, 1920, 1080));
}

TEST(Layout, EveryHiddenBarGivesItsHeightToTheBox) {
    struct Case {
        BarsShown bars;
        int height;
    };
    const Case cases[] = {
        {{true, true, true}, 540 - 72},
        {{false, true, true}, 540 - 72 + 26},
        {{true, false, true}, 540 - 72 + 22},
        {{true, true, false}, 540 - 72 + 20},
        {{false, false, false}, 540 - 72 + 68},
    };
    for (const Case& c : cases) {
        const BoxSize size = BoxSizeFor(960, 540, c.bars);
        EXPECT_EQ(size.Width, 953);
        EXPECT_EQ(size.Height, c.height);
    }
    const BoxSize tiny = BoxSizeFor(5, 30, BarsShown{});
    EXPECT_EQ(tiny.Width, 0);
    EXPECT_EQ(tiny.Height, 0);
}

}  // namespace
