// The context menu's inserts and the font dialog over the real main window.
#include "dialog_answer.h"
#include "function_templates.h"
#include "resource_ids.h"
#include "window_fixture.h"

namespace {

TEST_F(WindowTest, InsertItemsPutTheirTextAtTheCaret) {
    SetLine("2×");
    SendMessageW(window_.Handle(), WM_COMMAND, IDM_INSERT_FUNCTION_FIRST + 13, 0);  // log(,)
    EXPECT_EQ(box().Text(), "2×log(,)");
    EXPECT_EQ(box().SelectionStart(), 7);  // "2×log(": × is two bytes
    SendMessageW(window_.Handle(), WM_COMMAND, IDM_SEPARATOR_LINE, 0);
    EXPECT_EQ(box().Text().substr(0, 11), "2×log(\r\n━");
}

TEST_F(WindowTest, FontDialogCancelledChangesNothing) {
    const Settings before = window_.CurrentSettings();
    MessageBoxAnswer answer(IDCANCEL);
    PressWithCtrl('T');
    ASSERT_TRUE(answer.seen);
    EXPECT_EQ(window_.CurrentSettings().FontName, before.FontName);
    EXPECT_EQ(window_.CurrentSettings().FontSize, before.FontSize);
}

}  // namespace
