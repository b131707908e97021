// The box's mouse gestures, driven by mouse messages sent to a real edit
// control whose subclass calls them the way the main window does.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "box_mouse.h"
#include "clipboard_adapter.h"
#include "edit_box_adapter.h"
#include "editing_commands.h"
#include "keyboard_state.h"
#include "settings.h"
#include "window_fixture.h"

namespace {

const wchar_t kFrameClass[] = L"NumerelBoxMouseTestFrame";

class BoxMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW frameClass = {};
        frameClass.lpfnWndProc = DefWindowProcW;
        frameClass.hInstance = GetModuleHandleW(nullptr);
        frameClass.lpszClassName = kFrameClass;
        RegisterClassW(&frameClass);
        frame_ = CreateWindowExW(0, kFrameClass, L"frame", WS_OVERLAPPEDWINDOW, 200, 150, 400, 300, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(frame_, nullptr);
        box_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 10, 300, 200, frame_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(box_, nullptr);
        text_ = std::make_unique<EditBoxAdapter>(box_);
        clipboard_ = std::make_unique<ClipboardAdapter>(frame_);
        SetWindowLongPtrW(box_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        oldProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(box_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BoxMouseTest::BoxProc)));
    }

    void TearDown() override {
        SetModifiers(false, false);
        if (frame_) DestroyWindow(frame_);
    }

    static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<BoxMouseTest*>(GetWindowLongPtrW(box, GWLP_USERDATA));
        switch (message) {
        case WM_LBUTTONDOWN:
            BoxMouseDown(self->mouse_, box, self->frame_, lParam);
            break;
        case WM_MOUSEMOVE:
            if (const auto drag = BoxMouseMove(self->mouse_, box, lParam, CurrentShiftState()))
                SetWindowPos(self->frame_, nullptr, drag->WindowTopLeft.x, drag->WindowTopLeft.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case WM_LBUTTONUP:
            BoxMouseUp(self->mouse_, *self->text_, CurrentShiftState());
            break;
        case WM_LBUTTONDBLCLK:
            SelectNumberAtCaret(*self->text_, *self->clipboard_, true);
            return 0;
        case WM_MOUSEWHEEL:
            if (ZoomFontSize(self->mouse_, self->fontSize_, wParam, CurrentShiftState())) ++self->fontChanges_;
            break;
        default:
            break;
        }
        return CallWindowProcW(self->oldProc_, box, message, wParam, lParam);
    }

    POINT FramePosition() const {
        RECT frame = {};
        GetWindowRect(frame_, &frame);
        return {frame.left, frame.top};
    }

    HWND frame_ = nullptr;
    HWND box_ = nullptr;
    WNDPROC oldProc_ = nullptr;
    std::unique_ptr<EditBoxAdapter> text_;
    std::unique_ptr<ClipboardAdapter> clipboard_;
    BoxMouseState mouse_;
    int fontSize_ = 14;
    int fontChanges_ = 0;
};

TEST_F(BoxMouseTest, CtrlDragMovesTheWindowWithTheCursor) {
    struct Step {
        const char* what;
        UINT message;
        int x, y;  // box client coordinates
        bool ctrl, alt;
        POINT expected;  // the window's left and top afterwards
    };
    // The box's client origin moves with the window: a move to the same
    // client point after the window moved is a further move on the screen.
    const Step steps[] = {
        {"move before any press", WM_MOUSEMOVE, 50, 40, true, false, {200, 150}},
        {"press", WM_LBUTTONDOWN, 10, 10, false, false, {200, 150}},
        {"move without Ctrl", WM_MOUSEMOVE, 30, 25, false, false, {200, 150}},
        {"move with Ctrl and Alt", WM_MOUSEMOVE, 30, 25, true, true, {200, 150}},
        {"move with Ctrl", WM_MOUSEMOVE, 30, 25, true, false, {220, 165}},
        {"back by the same client distance", WM_MOUSEMOVE, 10, 10, true, false, {220, 165}},
        {"left and up", WM_MOUSEMOVE, 5, 0, true, false, {215, 155}},
        {"release", WM_LBUTTONUP, 5, 0, true, false, {215, 155}},
        {"move after the release", WM_MOUSEMOVE, 60, 60, true, false, {215, 155}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        SetModifiers(step.ctrl, false, step.alt);
        SendMessageW(box_, step.message, step.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                     MAKELPARAM(step.x, step.y));
        const POINT at = FramePosition();
        EXPECT_EQ(at.x, step.expected.x);
        EXPECT_EQ(at.y, step.expected.y);
    }
}

TEST_F(BoxMouseTest, AltReleaseDuplicatesTheSelection) {
    struct Case {
        const char* text;
        TextPos start, length;
        bool ctrl, alt;
        const char* after;
        TextPos caret;
    };
    const Case cases[] = {
        {"a\r\n1+2", 3, 3, false, true, "a\r\n1+2\r\n1+2\r\n", 11},
        {"2×3\r\nb", 1, 2, false, true, "2×3\r\n×\r\nb", 8},
        {"a\r\n1+2", 3, 0, false, true, "a\r\n1+2", 3},  // nothing selected: nothing happens
        {"a\r\n1+2", 3, 3, false, false, "a\r\n1+2", 3},
        {"a\r\n1+2", 3, 3, true, true, "a\r\n1+2", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.ctrl ? " ctrl" : "") + (c.alt ? " alt" : ""));
        text_->SetText(c.text);
        SendMessageW(box_, EM_SETMODIFY, FALSE, 0);
        text_->SetSelectionStart(c.start);
        text_->SetSelectionLength(c.length);
        SetModifiers(c.ctrl, false, c.alt);
        SendMessageW(box_, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(text_->Text(), c.after);
        EXPECT_EQ(text_->SelectionStart(), c.caret);
        // A duplication is a user's change: it must mark the box modified.
        EXPECT_EQ(SendMessageW(box_, EM_GETMODIFY, 0, 0) != 0, std::string(c.after) != c.text);
    }
}

TEST_F(BoxMouseTest, DoubleClickSelectsAndCopiesTheNumberInsteadOfAWord) {
    struct Case {
        const char* text;
        TextPos caret;
        const char* selected;
        const wchar_t* copied;
    };
    const Case cases[] = {
        {"1+1=2\r\n-3.5 apples", 11, "-3.5", L"-3.5"},
        {"12×5", 4, "×", L"\u00D7"},
        {"7 apples", 5, "", L"before"},  // behind a letter: nothing, not the word
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        clipboard_->PutText("before");
        text_->SetText(c.text);
        text_->SetSelectionStart(c.caret);
        text_->SetSelectionLength(0);
        SendMessageW(box_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_EQ(text_->SelectedText(), c.selected);
        EXPECT_EQ(ClipboardText(frame_), c.copied);
    }
}

TEST_F(BoxMouseTest, CtrlWheelChangesTheFontSizeByNotches) {
    struct Step {
        const char* what;
        int delta;
        bool ctrl, alt;
        int size;
    };
    const Step steps[] = {
        {"one notch away", WHEEL_DELTA, true, false, 15},
        {"two notches back", -2 * WHEEL_DELTA, true, false, 13},
        {"without Ctrl", WHEEL_DELTA, false, false, 13},
        {"Ctrl and Alt", WHEEL_DELTA, true, true, 13},
        {"half a notch", WHEEL_DELTA / 2, true, false, 13},
        {"the other half", WHEEL_DELTA / 2, true, false, 14},
        {"far back", -40 * WHEEL_DELTA, true, false, 1},
        {"at the smallest size", -WHEEL_DELTA, true, false, 1},
        {"up from there", WHEEL_DELTA, true, false, 2},
        {"far away", 100 * WHEEL_DELTA, true, false, kLargestFontSize},
        {"at the largest size", WHEEL_DELTA, true, false, kLargestFontSize},
    };
    int changes = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        SetModifiers(step.ctrl, false, step.alt);
        const int before = fontSize_;
        SendMessageW(box_, WM_MOUSEWHEEL, MAKEWPARAM(step.ctrl ? MK_CONTROL : 0, step.delta), MAKELPARAM(250, 200));
        EXPECT_EQ(fontSize_, step.size);
        if (fontSize_ != before) ++changes;
        EXPECT_EQ(fontChanges_, changes);  // reported exactly when the size changed
    }
}

}  // namespace
