// The window base: the object gets its window's messages from WM_NCCREATE
// to WM_NCDESTROY, and takes the window down when it ends first.
#include <gtest/gtest.h>

#include "test_window.h"

namespace {

class RecordingWindow : public Window {
public:
    HWND HandleAtCreate = nullptr;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE) HandleAtCreate = Handle();
        if (message == WM_APP) return static_cast<LRESULT>(wParam) + 1;
        return Window::HandleMessage(message, wParam, lParam);
    }
};

TEST(WindowBase, DispatchesToTheObjectWhileTheWindowLives) {
    HWND gone = nullptr;
    {
        RecordingWindow window;
        ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr), TestWindowClass(), "1×2 真", WS_OVERLAPPEDWINDOW));
        EXPECT_EQ(window.HandleAtCreate, window.Handle());
        EXPECT_EQ(SendMessageW(window.Handle(), WM_APP, 41, 0), 42);
        EXPECT_EQ(TextOf(window.Handle()), L"1\u00D72 \u771F");
        DestroyWindow(window.Handle());
        EXPECT_EQ(window.Handle(), nullptr);

        ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr), TestWindowClass(), "", WS_OVERLAPPEDWINDOW));
        gone = window.Handle();
    }
    EXPECT_FALSE(IsWindow(gone));
}

}  // namespace
