// The accumulator window over a plain owner window with a multi-line EDIT,
// driven with real messages to its controls; the fake host puts the built
// line in the box as the main window does.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "../wingui/test_window.h"
#include "accumulator.h"
#include "accumulator_ids.h"
#include "accumulator_window.h"
#include "dialog_answer.h"
#include "edit_box_adapter.h"
#include "engine_state.h"
#include "message_loop.h"
#include "settings.h"

namespace {

class FakeHost : public AccumulatorHost {
public:
    FakeHost(HWND edit, TextBox& box) : edit_(edit), box_(box) {}
    EngineState& History() override { return state; }
    const Settings& CurrentSettings() const override { return settings; }
    void InsertAndEvaluate(const std::string& expression) override {
        expressions.push_back(expression);
        InsertAccumulatorLine(box_, expression);
    }
    void FocusBox() override { SetFocus(edit_); }

    EngineState state;
    Settings settings;
    std::vector<std::string> expressions;

private:
    HWND edit_;
    TextBox& box_;
};

class AccumulatorWindowTest : public ::testing::Test {
protected:
    AccumulatorWindowTest()
        : edit_(CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 300, 200,
                                owner_.Handle(), nullptr, nullptr, nullptr)),
          box_(edit_), host_(edit_, box_) {
        host_.state.HistoryRecords = {{1, "1+5 ", "6"}, {2, "2+2 ", "4"}, {3, "3×3 ", "9"}};
    }

    void Pump() { MessageLoop::ForThisThread().PumpPending(); }
    HWND Control(int id) const { return window_.Item(id); }
    void Click(int id) {
        SendMessageW(Control(id), BM_CLICK, 0, 0);
        Pump();
    }

    // The entries' texts of a list, "|" between them.
    std::wstring Entries(int list) const {
        std::wstring all;
        const LRESULT count = SendMessageW(Control(list), LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            wchar_t text[256] = {};
            SendMessageW(Control(list), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            all += (i ? L"|" : L"") + std::wstring(text);
        }
        return all;
    }

    void Select(int list, std::initializer_list<int> items) {
        SendMessageW(Control(list), LB_SETSEL, FALSE, -1);
        for (int item : items) SendMessageW(Control(list), LB_SETSEL, TRUE, item);
    }

    // A real double click's messages over an entry.
    void DoubleClick(int list, int item) {
        RECT rect = {};
        SendMessageW(Control(list), LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&rect));
        const LPARAM at = MAKELPARAM(rect.left + 5, (rect.top + rect.bottom) / 2);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            SendMessageW(Control(list), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
        Pump();
    }

    // The tip window of the dialog and the text of its entry tool.
    HWND Tip() const {
        for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip;
             tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr))
            if (GetWindow(tip, GW_OWNER) == window_.Handle()) return tip;
        return nullptr;
    }
    std::wstring EntryTipText() const {
        std::wstring text(1024, L'\0');  // the control ignores the buffer size
        TTTOOLINFOW tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = window_.Handle();
        tool.uId = 1;
        tool.lpszText = text.data();
        SendMessageW(Tip(), TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
        return text.c_str();
    }

    TestWindow owner_;
    HWND edit_;
    EditBoxAdapter box_;
    FakeHost host_;
    AccumulatorWindow window_{GetModuleHandleW(nullptr), owner_.Handle(), host_};
};

TEST_F(AccumulatorWindowTest, MovesEntriesWithEachButtonAndByDoubleClick) {
    window_.Open();
    Pump();
    ASSERT_TRUE(window_.IsOpen());
    EXPECT_EQ(TextOf(window_.Handle()), L"累加器");
    EXPECT_EQ(GetWindow(window_.Handle(), GW_OWNER), owner_.Handle());
    EXPECT_EQ(GetFocus(), edit_);
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_ACC_REMARK)));  // 忽略汉字 off
    EXPECT_EQ(TextOf(Control(IDC_ACC_OPERATION)), L"求和");
    EXPECT_EQ(Entries(IDC_ACC_RECORDS), L"1+5 =6|2+2 =4|3×3 =9");

    Select(IDC_ACC_RECORDS, {0, 2});
    Click(IDC_ACC_ADD);
    EXPECT_EQ(Entries(IDC_ACC_RECORDS), L"2+2 =4");
    EXPECT_EQ(Entries(IDC_ACC_CHOSEN), L"1+5 =6|3×3 =9");
    Click(IDC_ACC_ADD_ALL);
    EXPECT_EQ(Entries(IDC_ACC_RECORDS), L"");
    EXPECT_EQ(Entries(IDC_ACC_CHOSEN), L"1+5 =6|3×3 =9|2+2 =4");
    Select(IDC_ACC_CHOSEN, {1});
    Click(IDC_ACC_REMOVE);
    EXPECT_EQ(Entries(IDC_ACC_RECORDS), L"3×3 =9");
    Click(IDC_ACC_REMOVE_ALL);
    EXPECT_EQ(Entries(IDC_ACC_RECORDS), L"3×3 =9|1+5 =6|2+2 =4");
    EXPECT_EQ(Entries(IDC_ACC_CHOSEN), L"");

    DoubleClick(IDC_ACC_RECORDS, 1);
    EXPECT_EQ(Entries(IDC_ACC_CHOSEN), L"1+5 =6");
    DoubleClick(IDC_ACC_CHOSEN, 0);
    EXPECT_EQ(Entries(IDC_ACC_CHOSEN), L"");
    EXPECT_EQ(Entries(IDC_ACC_RECORDS), L"3×3 =9|2+2 =4|1+5 =6");

    // The button's release over a list shows its caret entry.
    SendMessageW(Control(IDC_ACC_RECORDS), LB_SETCARETINDEX, 2, FALSE);
    SendMessageW(Control(IDC_ACC_RECORDS), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    ASSERT_NE(Tip(), nullptr);
    EXPECT_EQ(EntryTipText(), L"1+5 =6");
    EXPECT_TRUE(IsWindowVisible(Tip()));
    Click(IDC_ACC_ADD_ALL);
    EXPECT_FALSE(IsWindowVisible(Tip()));
}

// The expressions are the logic's (tests/panels); here the list's entries
// and the chosen operation reach it and the line reaches the box.
TEST_F(AccumulatorWindowTest, AcceptPutsTheBuiltLineInTheBoxAndCloses) {
    host_.state.HistoryRecords.pop_back();
    box_.SetText("7=7");
    box_.SetSelectionStart(1);
    window_.Open();
    Pump();
    Click(IDOK);  // nothing chosen yet: the window stays
    EXPECT_TRUE(window_.IsOpen());
    Click(IDC_ACC_ADD_ALL);
    SendMessageW(Control(IDC_ACC_OPERATION), CB_SETCURSEL, 2, 0);
    Click(IDOK);
    EXPECT_FALSE(window_.IsOpen());
    EXPECT_EQ(host_.expressions, std::vector<std::string>{"(6+4)÷2"});
    EXPECT_EQ(box_.Text(), "(6+4)÷2\r\n7=7");
    EXPECT_EQ(GetFocus(), edit_);

    host_.settings.IgnoreChinese = true;
    window_.Open();
    Pump();
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_ACC_REMARK)));
}

TEST_F(AccumulatorWindowTest, ClearingTheRecords) {
    window_.Open();
    Pump();
    Click(IDC_ACC_ADD_ALL);
    {
        MessageBoxAnswer answer(IDCANCEL);
        EXPECT_FALSE(ClearAccumulator(owner_.Handle(), host_.state));
        EXPECT_TRUE(answer.seen);
        EXPECT_EQ(answer.caption, L"警告");
        EXPECT_EQ(answer.text, L"是否清空累加器！");
        EXPECT_TRUE(answer.ok && answer.cancel && answer.exclamationIcon);
        EXPECT_EQ(host_.state.HistoryRecords.size(), 3u);
    }
    {
        MessageBoxAnswer answer(IDOK);
        EXPECT_TRUE(ClearAccumulator(owner_.Handle(), host_.state));
        EXPECT_TRUE(host_.state.HistoryRecords.empty());
    }
    // The lists stay; a new record 1 is not the one listed, so 确定 has
    // nothing left to build.
    ASSERT_TRUE(window_.IsOpen());
    EXPECT_EQ(Entries(IDC_ACC_CHOSEN), L"1+5 =6|2+2 =4|3×3 =9");
    host_.state.HistoryRecords = {{1, "8 ", "8"}};
    Click(IDOK);
    EXPECT_TRUE(window_.IsOpen());
    EXPECT_TRUE(host_.expressions.empty());
    host_.state.HistoryRecords.push_back({2, "2+2 ", "4"});
    Click(IDOK);
    EXPECT_EQ(host_.expressions, std::vector<std::string>{"4"});

    window_.Open();
    Pump();
    Click(IDC_ACC_CLEAR);
    EXPECT_FALSE(window_.IsOpen());
    EXPECT_TRUE(host_.state.HistoryRecords.empty());
    EXPECT_EQ(GetFocus(), edit_);
}

}  // namespace
