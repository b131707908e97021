#include "keyboard_pad.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_file_store.h"
#include "memory_text_box.h"
#include "settings.h"
#include "settings_file.h"

namespace {

const char kPath[] = "C:\\kbd\\settings.ini";

class FakeHost : public KeyboardBoxHost {
public:
    FakeHost() { store.folders.insert("C:\\kbd"); }
    TextBox& Box() override { return box; }
    void FocusBox() override {}
    void EnterKeyUp(int shift) override { calls.push_back("enter " + std::to_string(shift)); }
    void Undo() override { calls.push_back("undo"); }
    void ClearBox() override { box.SetText(""); }
    void InsertLastResult() override { box.ReplaceSelection("42"); }
    Settings& CurrentSettings() override { return settings; }
    SettingsFile& File() override { return file; }

    MemoryTextBox box;
    Settings settings;
    MemoryFileStore store;
    SettingsFile file{store, kPath};
    std::vector<std::string> calls;
};

// Keys pressed in turn on a box; "|" marks the caret after the last press.
TEST(KeyboardPad, KeysActOnTheBox) {
    struct Case {
        std::vector<const char*> keys;
        const char* before;  // the caret at the end
        const char* after;
    };
    const Case cases[] = {
        {{"sin", "0"}, "1+", "1+sin0|"},
        {{"2nd", "X^y"}, "", "1/(|)"},
        {{"2nd", "2nd", "X^2"}, "", "^2|"},
        {{"（）"}, "3", "3(|)"},
        {{"←", "←"}, "1∟N", "1|∟N"},
        {{"←", "←", "→"}, "1∟N", "1∟|N"},
        {{"取存"}, "1+", "1+42|"},
        {{"全清"}, "1+2", "|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.keys.front()) + " on " + c.before);
        FakeHost host;
        host.box = MemoryTextBox(c.before, static_cast<TextPos>(std::string(c.before).size()));
        KeyboardPad pad(host);
        for (const char* key : c.keys) {
            ASSERT_GE(KeyIndexOf(key), 0) << key;
            pad.Press(KeyIndexOf(key), 1);
        }
        std::string shown = host.box.Text();
        shown.insert(static_cast<std::size_t>(host.box.SelectionStart()), "|");
        EXPECT_EQ(shown, c.after);
        EXPECT_EQ(host.box.SelectionLength(), 0);
    }
}

// What is left to the window, and what goes to the main window.
TEST(KeyboardPad, KeysLeftToTheWindowAndTheHost) {
    FakeHost host;
    KeyboardPad pad(host);
    const PadOutcome seven = pad.Press(KeyIndexOf("7"), 1);
    EXPECT_EQ(seven.FollowUp, PadFollowUp::SimulateKey);
    EXPECT_EQ(seven.VirtualKey, 103u);
    EXPECT_EQ(pad.Press(KeyIndexOf("2nd"), 1).FollowUp, PadFollowUp::ShowCaptions);
    EXPECT_EQ(pad.Caption(KeyIndexOf("X^2")), "√");

    // "=" is always the evaluating Enter: Ctrl counts when 回车换行 is on.
    pad.Press(KeyIndexOf("="), 1);
    host.settings.EnterInsertsNewLine = true;
    pad.Press(KeyIndexOf("="), 1);
    pad.Press(KeyIndexOf("撤销"), 1);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"enter 0", "enter 1", "undo"}));

    // The mode key names the mode it switches to, and the record follows.
    EXPECT_EQ(pad.Press(KeyIndexOf("简单"), 1).FollowUp, PadFollowUp::SwitchMode);
    EXPECT_FALSE(pad.Scientific());
    EXPECT_FALSE(host.settings.KeyboardScientific);
    EXPECT_EQ(pad.Caption(KeyIndexOf("简单")), "科学");

    // A right click on the bracket key, then the key inserts its caption.
    pad.NextBracket();
    EXPECT_EQ(pad.Caption(KeyIndexOf("（）")), "（ ");
    pad.Press(KeyIndexOf("（）"), 1);
    EXPECT_EQ(host.box.Text(), "(");
}

// Opening marks the window open and reads its keys; closing stores the place
// and the mode and marks it closed.
TEST(KeyboardPad, OpenAndCloseKeepTheWindowKeys) {
    FakeHost host;
    host.file.WriteString("键盘窗口设置", "键盘模式", "假");
    KeyboardPad pad(host);
    pad.Open();
    EXPECT_FALSE(pad.Scientific());
    EXPECT_EQ(host.file.ReadString("键盘窗口设置", "键盘开启", "-"), "真");

    pad.Press(KeyIndexOf("简单"), 1);
    pad.Close({100, 120, 540, 285});
    const std::pair<const char*, const char*> stored[] = {
        {"键盘左边", "100"}, {"键盘顶边", "120"}, {"键盘宽度", "540"},
        {"键盘高度", "285"}, {"键盘模式", "真"},  {"键盘开启", "假"},
    };
    for (const auto& [key, value] : stored) EXPECT_EQ(host.file.ReadString("键盘窗口设置", key, "-"), value) << key;
    EXPECT_EQ(host.settings.KeyboardLeft, 100);
}

}  // namespace
