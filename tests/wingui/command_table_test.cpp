// The command table on a menu made in the test: what it greys, checks and
// runs, and the keys it binds.
#include <gtest/gtest.h>
#include <windows.h>

#include "command_table.h"

namespace {

UINT State(HMENU menu, UINT idOrPosition, UINT by) { return GetMenuState(menu, idOrPosition, by); }

TEST(CommandTable, MenusFollowTheTableAndOnlyAvailableCommandsRun) {
    bool on = false, allowed = true;
    int runs = 0;
    CommandTable table;
    table.Add(1, CtrlKey('A'), [&] { ++runs; }, [&] { return allowed; }, [&] { return on; });
    table.Add(2, PlainKey(VK_F5));  // not built
    table.Add(3, {}, [&] { ++runs; });

    const HMENU menu = CreatePopupMenu();
    const HMENU unbuilt = CreatePopupMenu();
    AppendMenuW(unbuilt, MF_STRING, 2, L"two");
    AppendMenuW(menu, MF_STRING, 1, L"one");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(unbuilt), L"sub");
    AppendMenuW(menu, MF_STRING, 99, L"unknown");
    EnableMenuItem(menu, 99, MF_BYCOMMAND | MF_GRAYED);

    on = true;
    table.UpdateMenu(menu);
    EXPECT_TRUE(State(menu, 1, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(State(menu, 1, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(State(unbuilt, 2, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(State(menu, 1, MF_BYPOSITION) & MF_GRAYED) << "a sub-menu of unbuilt items";
    EXPECT_TRUE(State(menu, 99, MF_BYCOMMAND) & MF_GRAYED) << "items the table does not know keep their state";

    on = false;
    allowed = false;
    table.UpdateMenu(menu);
    EXPECT_FALSE(State(menu, 1, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(State(menu, 1, MF_BYCOMMAND) & MF_GRAYED);

    EXPECT_FALSE(table.Run(1));  // disabled
    EXPECT_FALSE(table.Run(2));  // not built
    EXPECT_FALSE(table.Run(42));  // unknown
    EXPECT_TRUE(table.Run(3));
    EXPECT_EQ(runs, 1);
    DestroyMenu(menu);
}

TEST(CommandTable, KeysAreShownAsMenusShowThemAndTheFirstEntryTakesAKey) {
    EXPECT_EQ(ShortcutText(CtrlKey('N')), L"Ctrl+N");
    EXPECT_EQ(ShortcutText(ShiftKey(VK_F3)), L"Shift+F3");
    EXPECT_EQ(ShortcutText(PlainKey(VK_F12)), L"F12");
    EXPECT_EQ(ShortcutText({}), L"");

    CommandTable table;
    table.Add(7, CtrlKey('E'));
    table.Add(8, CtrlKey('E'));
    table.Add(9, ShiftKey(VK_F3));
    ACCEL keys[4] = {};
    ASSERT_EQ(CopyAcceleratorTableW(table.Accelerators(), keys, 4), 2);
    EXPECT_EQ(keys[0].cmd, 7);
    EXPECT_EQ(keys[0].fVirt, FVIRTKEY | FCONTROL);
    EXPECT_EQ(keys[1].cmd, 9);
    EXPECT_EQ(keys[1].fVirt, FVIRTKEY | FSHIFT);
}

}  // namespace
