// The message loop's order: filters see a message before it is translated,
// so a key-down they swallow never becomes a character.
#include <gtest/gtest.h>

#include "message_loop.h"
#include "test_window.h"

namespace {

struct FiveSwallower : MessageFilter {
    bool PreTranslateMessage(const MSG& message) override {
        return message.message == WM_KEYDOWN && message.wParam == '5';
    }
};

TEST(MessageLoopRouting, AFilterSwallowsAKeyDownBeforeItTypes) {
    TestWindow owner;
    const HWND edit = owner.AddEdit(1);
    FiveSwallower filter;
    MessageLoop::ForThisThread().AddFilter(filter);
    PostKeyDown(edit, '5');
    PostKeyDown(edit, '6');
    MessageLoop::ForThisThread().PumpPending();
    MessageLoop::ForThisThread().RemoveFilter(filter);
    EXPECT_EQ(TextOf(edit), L"6");
}

}  // namespace
