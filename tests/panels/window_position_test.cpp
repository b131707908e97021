#include "window_position.h"

#include <gtest/gtest.h>

#include "memory_file_store.h"

namespace {

// The texts as typed go through start-up's own test (the edges themselves
// are the layout test's table).
TEST(WindowPosition, TextsAreJudgedAsStartUpReadsThem) {
    struct Case {
        PositionTexts texts;
        bool accepted;
    };
    const Case cases[] = {
        {{"100", "100", "800", "600"}, true},
        {{"1910", "100", "800", "600"}, true},
        {{"1911", "100", "800", "600"}, false},
        {{"100", "100", "800", "0080"}, true},
        {{"100", "100", "800", "79"}, false},
        {{"100", "100", "800", ""}, false},            // empty reads 0
        {{"4294967396", "100", "800", "600"}, false},  // held to 32 bits, not wrapped to 100
        {{"-500", "100", "510", "600"}, true},
        {{"-500", "100", "509", "600"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.texts.Left + " " + c.texts.Top + " " + c.texts.Width + " " + c.texts.Height);
        EXPECT_EQ(PositionAccepted(c.texts, 1920, 1080), c.accepted);
    }
    EXPECT_FALSE(PositionFieldAcceptsChar('a'));
    EXPECT_TRUE(PositionFieldAcceptsChar('-'));
    EXPECT_TRUE(PositionFieldAcceptsChar('\b'));
}

TEST(WindowPosition, FreshFileShowsZerosAndOkWritesTheTextsAsTyped) {
    MemoryFileStore store;  // first run: no folder
    SettingsFile file{store, "C:\\app\\Numerin运行文件\\Numerin配置文件.ini"};
    const PositionTexts fresh = ReadPositionTexts(file);
    EXPECT_EQ(fresh.Left + fresh.Top + fresh.Width + fresh.Height, "0000");
    EXPECT_FALSE(PositionAccepted(fresh, 1920, 1080));

    ASSERT_TRUE(WritePositionTexts(file, {"007", "-5", "800", "600"}));
    EXPECT_EQ(store.files[file.Path()],
              "[启动窗口位置]\r\n_启动窗口.左边=007\r\n_启动窗口.顶边=-5\r\n_启动窗口.宽度=800\r\n_启动窗口.高度=600\r\n");
    const PositionTexts read = ReadPositionTexts(file);
    EXPECT_EQ(read.Left, "007");
    EXPECT_EQ(read.Top, "-5");
}

}  // namespace
