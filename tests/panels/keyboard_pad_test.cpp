#include "keyboard_pad.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_file_store.h"
#include "memory_text_box.h"
#include "settings.h"
#include "settings_file.h"

namespace {

struct FakeHost : KeyboardBoxHost {
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
    SettingsFile file{store, "C:\\kbd\\settings.ini"};
    std::vector<std::string> calls;
};

// Keys pressed in turn on a box with the caret at its end; "|" marks the
// caret after the last press. 2nd shifts; ← and → step over whole GBK
// characters; a right click moves the bracket key to its next caption.
TEST(KeyboardPad, KeysActOnTheBox) {
    struct Case {
        std::vector<const char*> keys;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {{"sin", "0"}, "1+", "1+sin0|"},     {{"2nd", "X^y"}, "", "1/(|)"},     {{"2nd", "2nd", "X^2"}, "", "^2|"},
        {{"（）"}, "3", "3(|)"},             {{"right click", "（）"}, "", "(|"}, {{"←", "←"}, "1∟N", "1|∟N"},
        {{"←", "←", "→"}, "1∟N", "1∟|N"}, {{"取存"}, "1+", "1+42|"},        {{"全清"}, "1+2", "|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.keys.back()) + " on " + c.before);
        FakeHost host;
        host.box = MemoryTextBox(c.before, static_cast<TextPos>(std::string(c.before).size()));
        KeyboardPad pad(host);
        for (const std::string key : c.keys) {
            if (key == "right click") pad.NextBracket();
            else pad.Press(KeyIndexOf(key), 1);
        }
        std::string shown = host.box.Text();
        shown.insert(static_cast<std::size_t>(host.box.SelectionStart()), "|");
        EXPECT_EQ(shown, c.after);
    }
}

// What is left to the window and the main window; the window keys read at
// opening and written at closing.
TEST(KeyboardPad, WindowHostAndStoredKeys) {
    FakeHost host;
    host.file.WriteString("键盘窗口设置", "键盘模式", "假");
    KeyboardPad pad(host);
    pad.Open();
    EXPECT_FALSE(pad.Scientific());
    EXPECT_EQ(host.file.ReadString("键盘窗口设置", "键盘开启", "-"), "真");

    EXPECT_EQ(pad.Press(KeyIndexOf("7"), 1).VirtualKey, 103u);
    EXPECT_EQ(pad.Press(KeyIndexOf("2nd"), 1).FollowUp, PadFollowUp::ShowCaptions);
    EXPECT_EQ(pad.Caption(KeyIndexOf("X^2")), "√");
    // "=" is always the evaluating Enter: Ctrl counts when 回车换行 is on.
    pad.Press(KeyIndexOf("="), 1);
    host.settings.EnterInsertsNewLine = true;
    pad.Press(KeyIndexOf("="), 1);
    pad.Press(KeyIndexOf("撤销"), 1);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"enter 0", "enter 1", "undo"}));
    // The mode key names the mode it switches to.
    EXPECT_EQ(pad.Press(KeyIndexOf("简单"), 1).FollowUp, PadFollowUp::SwitchMode);
    EXPECT_EQ(pad.Caption(KeyIndexOf("简单")), "简单");

    pad.Close({100, 120, 540, 285});
    for (const auto& [key, value] : {std::pair{"键盘左边", "100"}, {"键盘顶边", "120"}, {"键盘宽度", "540"},
                                     {"键盘高度", "285"}, {"键盘模式", "真"}, {"键盘开启", "假"}})
        EXPECT_EQ(host.file.ReadString("键盘窗口设置", key, "-"), value) << key;
}

}  // namespace
