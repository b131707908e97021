// The engine's text box, status bar and clipboard over the real controls.
#include "window_fixture.h"

#include <commctrl.h>

#include "clipboard_adapter.h"
#include "messages.h"

namespace {

using EditBoxAdapterTest = WindowTest;

TEST_F(EditBoxAdapterTest, TextReadOnceInAScopeFollowsEveryChange) {
    box().SetText("1×2");
    EditBoxAdapter::TextReuseScope reuse(box());
    EXPECT_EQ(box().Text(), "1×2");
    box().SetSelectionStart(4);
    box().ReplaceSelection("+3");
    EXPECT_EQ(box().Text(), "1×2+3");
    box().SetSelectionStart(1);
    box().SetSelectionLength(2);
    box().ReplaceSelection("÷");
    EXPECT_EQ(box().Text(), "1÷2+3");
    EXPECT_EQ(box().SelectionStart(), 3);
    // A change the control makes itself, reported to the window: "1÷" is
    // two UTF-16 units.
    SendMessageW(window_.Box(), EM_SETSEL, 0, 2);
    SendMessageW(window_.Box(), WM_CUT, 0, 0);
    EXPECT_EQ(box().Text(), "2+3");
    box().SetText("7");
    EXPECT_EQ(box().Text(), "7");
}

// Every caret placement costs Wine's control a walk over the line up to
// the caret: the adapter places it only where it moves, and scrolls to it
// once, when its scope ends (a replacement scrolls by itself).
int g_setSel = 0, g_scrollCaret = 0;
WNDPROC g_boxProc = nullptr;

LRESULT CALLBACK CountingBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == EM_SETSEL) ++g_setSel;
    if (message == EM_SCROLLCARET) ++g_scrollCaret;
    return CallWindowProcW(g_boxProc, box, message, wParam, lParam);
}

TEST_F(EditBoxAdapterTest, TheCaretIsPlacedOnlyWhereItMovesAndScrolledToOncePerScope) {
    std::string lines;
    for (int i = 0; i < 200; ++i) lines += "1+1\r\n";
    SetLine(lines + "2+2");
    const HWND control = window_.Box();
    g_setSel = g_scrollCaret = 0;
    g_boxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingBoxProc)));
    {
        EditBoxAdapter::TextReuseScope reuse(box());
        // Where it is already, as the engine asks before writing a result.
        box().SetSelectionLength(0);
        box().SetSelectionStart(box().SelectionStart());
        box().ReplaceSelection("=4");
        EXPECT_EQ(g_setSel, 0);
        EXPECT_EQ(g_scrollCaret, 0);
        EXPECT_GT(SendMessageW(control, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
        // To the top and back down to the second line.
        box().SetSelectionStart(0);
        box().SetSelectionStart(5);
        EXPECT_EQ(g_setSel, 2);
        EXPECT_EQ(g_scrollCaret, 0);
    }
    EXPECT_EQ(g_scrollCaret, 1);
    EXPECT_LE(SendMessageW(control, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
    box().SetSelectionStart(0);
    EXPECT_EQ(g_setSel, 3);
    EXPECT_EQ(g_scrollCaret, 2);
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_boxProc));
    EXPECT_EQ(box().Text(), lines + "2+2=4");
}

TEST_F(EditBoxAdapterTest, KeepsGbkBytesAndMapsByteOffsetsToControlPositions) {
    const std::string text = "1×2\r\n3";
    box().SetText(text);
    EXPECT_EQ(box().Text(), text);
    wchar_t wide[16] = {};
    GetWindowTextW(window_.Box(), wide, 16);
    EXPECT_STREQ(wide, L"1\u00D72\r\n3");

    box().SetSelectionStart(3);  // behind "1×"
    EXPECT_EQ(UnitSelection(), std::make_pair(DWORD{2}, DWORD{2}));
    EXPECT_EQ(box().SelectionStart(), 3);

    box().SetSelectionLength(3);
    EXPECT_EQ(UnitSelection(), std::make_pair(DWORD{2}, DWORD{5}));
    EXPECT_EQ(box().SelectionLength(), 3);
    EXPECT_EQ(box().SelectedText(), "2\r\n");

    // A new start keeps the byte length: "×2" is selected from byte 1.
    box().SetSelectionStart(1);
    EXPECT_EQ(box().SelectedText(), "×2");
    EXPECT_EQ(UnitSelection(), std::make_pair(DWORD{1}, DWORD{3}));

    // An offset inside "×" lands on its start; the length is clamped at the end.
    box().SetSelectionLength(0);
    box().SetSelectionStart(2);
    EXPECT_EQ(box().SelectionStart(), 1);
    box().SetSelectionLength(50);
    EXPECT_EQ(box().SelectedText(), "×2\r\n3");
    box().SetSelectionStart(99);
    EXPECT_EQ(box().SelectionStart(), 7);
    EXPECT_EQ(box().SelectionLength(), 0);
}

TEST_F(EditBoxAdapterTest, ReplaceSelectionWritesGbkAndLeavesTheCaretBehindIt) {
    box().SetText("1×2\r\n3");
    box().SetSelectionStart(3);
    box().ReplaceSelection("√");
    EXPECT_EQ(box().Text(), "1×√2\r\n3");
    EXPECT_EQ(box().SelectionStart(), 5);
    EXPECT_EQ(box().SelectionLength(), 0);

    box().SetSelectionStart(1);
    box().SetSelectionLength(4);
    box().ReplaceSelection("+");
    EXPECT_EQ(box().Text(), "1+2\r\n3");
    EXPECT_EQ(box().SelectionStart(), 2);
}

TEST_F(EditBoxAdapterTest, TextChangeIsReportedForWholeTextWrites) {
    int changes = 0;
    box().SetTextChangedHandler([&changes] { ++changes; });
    box().SetText("1+2");
    EXPECT_EQ(changes, 1);
    box().SetText("");
    EXPECT_EQ(changes, 2);
}

// A whole-text write replaces only what differs, but looks like any other:
// the exact text, the caret at the start, the text marked as changed, one
// report of the change.
TEST_F(EditBoxAdapterTest, WholeTextWritesGiveExactlyTheNewText) {
    const char* texts[] = {"1×2\r\n3÷4\r\n5", "1×2\r\n3÷÷4\r\n5", "1×2\r\n5", "π1×2\r\n5", "π1×2\r\n5π",
                           "", "√", "√√", "x√√y"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        int changes = 0;
        box().SetTextChangedHandler([&changes] { ++changes; });
        SendMessageW(window_.Box(), EM_SETSEL, 1, 1);
        SendMessageW(window_.Box(), EM_SETMODIFY, FALSE, 0);
        box().SetText(text);
        EXPECT_EQ(box().Text(), text);
        EXPECT_EQ(UnitSelection(), std::make_pair(DWORD{0}, DWORD{0}));
        EXPECT_TRUE(SendMessageW(window_.Box(), EM_GETMODIFY, 0, 0));
        EXPECT_EQ(changes, 1);
    }
}

TEST_F(EditBoxAdapterTest, EditsTextsBeyondTheControlsDefaultLimit) {
    // 500 lines of 80 bytes: past the control's default limit of 30,000.
    std::string longText;
    for (int line = 0; line < 500; ++line) longText += std::string(78, '7') + "\r\n";
    box().SetText(longText);
    box().SetSelectionStart(40000);
    box().ReplaceSelection("×");
    const std::string text = box().Text();
    ASSERT_EQ(text.size(), 40002u);
    EXPECT_EQ(text.substr(39997), "7\r\n×");
    EXPECT_EQ(box().SelectionStart(), 40002);
}

TEST_F(WindowTest, StatusBarPartsHoldGbkText) {
    StatusBarAdapter& status = window_.StatusText();
    status.SetPartText(StatusPart::Mode, "真 12位精度");
    status.SetPartText(StatusPart::Clock, "");
    EXPECT_EQ(status.PartText(StatusPart::Mode), "真 12位精度");
    EXPECT_EQ(status.PartText(StatusPart::Clock), "");
    wchar_t wide[32] = {};
    SendMessageW(window_.Status(), SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(wide));
    EXPECT_STREQ(wide, L"\u771F 12\u4F4D\u7CBE\u5EA6");
    EXPECT_EQ(status.PartText(static_cast<StatusPart>(4)), "");
}

TEST_F(WindowTest, ClipboardReceivesUnicodeText) {
    ClipboardAdapter clipboard(window_.Handle());
    clipboard.PutText("1×2=2");
    EXPECT_EQ(ClipboardText(window_.Handle()), L"1\u00D72=2");
}

}  // namespace
