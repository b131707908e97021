// Editing the text in the running window: typed symbols, replacements,
// undo and redo, the editing commands of the menus, the status bar's double
// click and the double click in the box.
#include <windows.h>
#include <commctrl.h>

#include "hint_messages.h"
#include "messages.h"
#include "resource_ids.h"
#include "window_fixture.h"

namespace {

class EditingTest : public WindowTest {
protected:
    void Command(UINT id) {
        SendMessageW(window_.Handle(), WM_COMMAND, id, 0);
        Pump();
    }
    // Characters through the box's character handling, as typed.
    void Chars(const std::string& typed) {
        for (char c : typed) {
            PostMessageW(window_.Box(), WM_CHAR, static_cast<unsigned char>(c), 1);
            Pump();
        }
    }
};

TEST_F(EditingTest, TypedPairsBecomeCalculatorSymbols) {
    struct Case {
        const char* typed;
        bool autoReplace;
        const char* text;
        TextPos caret;
    };
    const Case cases[] = {
        {"2*3", false, "2×3", 4}, {"pi", false, "π", 2}, {"..", false, "()", 1}, {"**", true, "^", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        window_.CurrentSettings().AutoReplace = c.autoReplace;
        box().SetText("");
        Chars(c.typed);
        EXPECT_EQ(box().Text(), c.text);
        EXPECT_EQ(box().SelectionStart(), c.caret);
    }
}

TEST_F(EditingTest, UndoAndRedoStepThroughEveryChangeWithItsCaret) {
    box().SetText("");
    box().ReplaceSelection("2×");
    box().ReplaceSelection("3");
    ASSERT_EQ(box().Text(), "2×3");
    Command(IDM_UNDO);
    EXPECT_EQ(box().Text(), "2×");
    EXPECT_EQ(box().SelectionStart(), 3);
    Command(IDM_UNDO);
    EXPECT_EQ(box().Text(), "");
    Command(IDM_REDO);
    EXPECT_EQ(box().Text(), "2×");
    EXPECT_EQ(box().SelectionStart(), 3);
    // Typing after an undo drops the redo step.
    Chars("5");
    EXPECT_EQ(box().Text(), "2×5");
    Command(IDM_REDO);
    EXPECT_EQ(box().Text(), "2×5");
    Command(IDM_UNDO);
    EXPECT_EQ(box().Text(), "2×");
}

TEST_F(EditingTest, ClearBoxGivesThirtyOneEmptyLinesAndMarksTheTextChanged) {
    SendMessageW(window_.Box(), EM_SETMODIFY, FALSE, 0);
    PressWithCtrl('D');
    EXPECT_EQ(box().Text().size(), 62u);
    EXPECT_EQ(box().Text().find_first_not_of("\r\n"), std::string::npos);
    EXPECT_TRUE(SendMessageW(window_.Box(), EM_GETMODIFY, 0, 0));
    // A double click on the status bar does the same.
    box().SetText("1+2");
    NMHDR note = {window_.Status(), 0, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(window_.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&note));
    EXPECT_EQ(box().Text().size(), 62u);
}

TEST_F(EditingTest, LineCommandsOfTheContextMenu) {
    box().SetText("a\r\n1+2=3\r\nb");
    box().SetSelectionStart(5);
    Command(IDM_COPY_LINE);
    EXPECT_EQ(ClipboardText(window_.Handle()), L"1+2=3");
    Command(IDM_SELECT_LINE);
    EXPECT_EQ(box().SelectedText(), "1+2=3");
    Command(IDM_DELETE_LINE);
    EXPECT_EQ(box().Text(), "a\r\n\r\nb");
}

TEST_F(EditingTest, CompatibleCopyWritesPlainSymbols) {
    box().SetText("2×π÷4");
    SendMessageW(window_.Box(), EM_SETSEL, 0, -1);
    PressWithCtrl('E');
    EXPECT_EQ(ClipboardText(window_.Handle()), L"2*pi/4");
    EXPECT_EQ(box().Text(), "2×π÷4");
}

TEST_F(EditingTest, DoubleClickSelectsAndCopiesTheNumber) {
    box().SetText("x\r\n-3.5");
    box().SetSelectionStart(7);
    SendMessageW(window_.Box(), WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(box().SelectedText(), "-3.5");
    EXPECT_EQ(ClipboardText(window_.Handle()), L"-3.5");
}

TEST_F(EditingTest, HintsFollowTheLineWhileRealTimeIsOff) {
    Chars("1+2");
    EXPECT_EQ(statusMessage(), hint::kLineTyped);
    Press(VK_RETURN);
    ASSERT_EQ(box().Text(), "1+2=3");
    box().SetSelectionStart(3);
    Chars("4");
    EXPECT_EQ(statusMessage(), hint::kLineModified);
}

TEST_F(EditingTest, BatchCalculatesEveryLineInOneGo) {
    box().SetText("1+1\r\n2×3");
    Command(IDM_BATCH);
    EXPECT_EQ(box().Text(), "1+1=2\r\n2×3=6");
    EXPECT_EQ(box().SelectionStart(), 1);
    // One change to undo.
    Command(IDM_UNDO);
    EXPECT_EQ(box().Text(), "1+1\r\n2×3");
}

TEST_F(EditingTest, SumOfTheSelectedLinesGoesBelowThem) {
    box().SetText("1+2=3\r\n4-10=-6\r\n5");
    SendMessageW(window_.Box(), EM_SETSEL, 0, -1);
    Command(IDM_SUM);
    EXPECT_EQ(box().Text(), "1+2=3\r\n4-10=-6\r\n5\r\n3-6+5=2");
}

TEST_F(EditingTest, TabConvertsTheResultBetweenDecimalAndFraction) {
    SetLine("3÷2=1.5");
    const char* expected[] = {"3÷2=3∟2", "3÷2=1∟1∟2", "3÷2=1.5"};
    for (const char* next : expected) {
        Press(VK_TAB);
        EXPECT_EQ(box().Text(), next);
    }
    SetLine("1+2");
    Press(VK_TAB);
    EXPECT_EQ(box().Text(), "1+2");
    EXPECT_EQ(statusMessage(), msg::kFractionNeedsResult);
    // The menu does the same.
    SetLine("1÷4=0.25");
    Command(IDM_FRACTION_CONVERT);
    EXPECT_EQ(box().Text(), "1÷4=1∟4");
}

TEST_F(EditingTest, ClickOnTheStatusBarRefreshesTheChain) {
    SetLine("1+2=7+1=9");
    NMHDR note = {window_.Status(), 0, static_cast<UINT>(NM_CLICK)};
    SendMessageW(window_.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&note));
    EXPECT_EQ(box().Text(), "1+2=3+1=4");
    EXPECT_EQ(statusMessage(), msg::kRefreshed);
}

}  // namespace
