#include <gtest/gtest.h>

#include "layout.h"

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

}  // namespace
