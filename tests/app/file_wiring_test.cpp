// The file menu over the real main window: what start-up puts in the box is
// no unsaved change, typing is, and 退出 asks about it first.
#include "dialog_answer.h"
#include "resource_ids.h"
#include "window_fixture.h"

namespace {

class FileWiringTest : public WindowTest {
protected:
    void SetUp() override {}
};

TEST_F(FileWiringTest, ExitAsksOnlyAboutTypedText) {
    WindowTest::SetUp();
    Type("1+2");
    {
        MessageBoxAnswer answer(IDCANCEL);
        PressWithCtrl('Q');
        ASSERT_TRUE(answer.seen);
        EXPECT_EQ(answer.text, L"文件已经被修改，是否保存？");
    }
    EXPECT_NE(window_.Handle(), nullptr) << "cancelled";
    MessageBoxAnswer answer(IDNO);
    PressWithCtrl('Q');
    EXPECT_TRUE(answer.seen);
    EXPECT_EQ(window_.Handle(), nullptr);
}

TEST_F(FileWiringTest, ExitRightAfterStartUpDoesNotAsk) {
    // As the program starts: the box holds the cleared text.
    folder_.WriteSettings(SettingsText());
    ASSERT_EQ(window_.Create(GetModuleHandleW(nullptr), folder_.Path(), false), StartResult::Running);
    MessageBoxAnswer answer(IDCANCEL);
    SendMessageW(window_.Handle(), WM_COMMAND, IDM_EXIT, 0);
    Pump();
    EXPECT_FALSE(answer.seen);
    EXPECT_EQ(window_.Handle(), nullptr);
}

}  // namespace
