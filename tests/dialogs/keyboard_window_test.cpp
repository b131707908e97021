// The virtual keyboard over a real multi-line EDIT, its keys pressed with
// real button messages and the simulated presses pumped through the
// program's message loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../support/memory_file_store.h"
#include "../wingui/test_window.h"
#include "edit_box_adapter.h"
#include "keyboard.h"
#include "keyboard_ids.h"
#include "keyboard_window.h"
#include "message_loop.h"
#include "settings.h"
#include "settings_file.h"
#include "subclass.h"

namespace {

const char kFolder[] = "C:\\kbd";
const char kPath[] = "C:\\kbd\\settings.ini";

class FakeHost : public KeyboardHost {
public:
    FakeHost(HWND edit, TextBox& box, FileStore& store) : edit_(edit), box_(box), file_(store, kPath) {}
    TextBox& Box() override { return box_; }
    HWND BoxWindow() override { return edit_; }
    void FocusBox() override { SetFocus(edit_); }
    void EnterKeyUp(int shift) override { enterShifts.push_back(shift); }
    void Undo() override { ++undos; }
    void ClearBox() override { box_.SetText(""); }
    void InsertLastResult() override { box_.ReplaceSelection("42"); }
    Settings& CurrentSettings() override { return settings; }
    SettingsFile& File() override { return file_; }

    Settings settings;
    std::vector<int> enterShifts;
    int undos = 0;

private:
    HWND edit_;
    TextBox& box_;
    SettingsFile file_;
};

class KeyboardWindowTest : public ::testing::Test {
protected:
    KeyboardWindowTest()
        : edit_(owner_.AddBox()),
          box_(edit_), host_(edit_, box_, store_) {
        store_.folders.insert(kFolder);
        GetKeyboardState(savedKeys_);
        keys_.Install(edit_, [this](UINT message, WPARAM wParam, LPARAM, bool&) -> LRESULT {
            if (message == WM_KEYDOWN) keyDowns_.push_back(static_cast<unsigned>(wParam));
            return 0;
        });
    }

    ~KeyboardWindowTest() override { SetKeyboardState(savedKeys_); }

    void Pump() { MessageLoop::ForThisThread().PumpPending(); }
    HWND Key(const char* caption) const { return window_.Item(IDC_KB_FIRST_KEY + KeyIndexOf(caption)); }
    std::string Caption(const char* caption) const { return window_.ItemText(IDC_KB_FIRST_KEY + KeyIndexOf(caption)); }
    void Click(const char* caption) {
        SendMessageW(Key(caption), BM_CLICK, 0, 0);
        Pump();
    }
    RECT Outer() const {
        RECT r{};
        GetWindowRect(window_.Handle(), &r);
        return r;
    }
    std::string Stored(const char* key) {
        return SettingsFile(store_, kPath).ReadString("键盘窗口设置", key, "-");
    }

    TestWindow owner_;
    HWND edit_;
    EditBoxAdapter box_;
    MemoryFileStore store_;
    FakeHost host_;
    KeyboardWindow window_{GetModuleHandleW(nullptr), owner_.Handle(), host_};
    Subclass keys_;
    std::vector<unsigned> keyDowns_;
    BYTE savedKeys_[256] = {};
};

// The keys' effects on the box are the pad's (tests/panels); here the
// window's own part: the simulated presses, the bracket key's right click,
// the mode's width, the place stored at closing and read at opening.
TEST_F(KeyboardWindowTest, KeysPressesModeAndStoredPlace) {
    window_.OpenVirtualKeyboard();
    Pump();
    ASSERT_TRUE(window_.IsOpen());
    EXPECT_EQ(TextOf(window_.Handle()), L"虚拟键盘");
    EXPECT_EQ(GetWindow(window_.Handle(), GW_OWNER), owner_.Handle());
    EXPECT_EQ(GetFocus(), edit_);
    const RECT r = Outer();
    EXPECT_EQ(r.left, 285);
    EXPECT_EQ(r.right - r.left, 540);
    EXPECT_EQ(Stored("键盘开启"), "真");

    // Digits and "." arrive as keypad presses and are typed by the box,
    // NumLock switched on for them.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_NUMLOCK] &= ~1;
    SetKeyboardState(keys);
    Click("7");
    Click(".");
    Click("0");  // text: no key press
    Click("sin");
    EXPECT_EQ(box_.Text(), "7.0sin");
    EXPECT_EQ(keyDowns_, (std::vector<unsigned>{VK_NUMPAD7, VK_DECIMAL}));
    EXPECT_EQ(GetKeyState(VK_NUMLOCK) & 1, 1);
    Click("BACK");
    EXPECT_EQ(box_.Text(), "7.0si");
    EXPECT_EQ(GetFocus(), edit_);

    const HWND bracket = Key("（）");
    SendMessageW(bracket, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    SendMessageW(bracket, WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(Caption("（）"), "（ ");

    // The menu while open shows the same window.
    const HWND first = window_.Handle();
    window_.OpenVirtualKeyboard();
    EXPECT_EQ(window_.Handle(), first);

    // 简单 narrows the window to 310 and hides the function keys.
    Click("简单");
    EXPECT_EQ(Outer().right - Outer().left, 310);
    EXPECT_EQ(Caption("简单"), "科学");
    RECT sin{};
    GetWindowRect(Key("sin"), &sin);
    EXPECT_LT(sin.right, Outer().left);

    // The dialog class reports double clicks on the window's surface.
    EXPECT_NE(GetClassLongW(window_.Handle(), GCL_STYLE) & CS_DBLCLKS, 0u);
    SetWindowPos(window_.Handle(), nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(window_.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    Pump();
    EXPECT_FALSE(window_.IsOpen());
    EXPECT_EQ(Stored("键盘宽度"), "310");
    EXPECT_EQ(Stored("键盘左边"), "100");
    EXPECT_EQ(Stored("键盘开启"), "假");

    host_.settings = Settings{};  // the next opening reads the file
    window_.ToggleVirtualKeyboard();
    Pump();
    EXPECT_EQ(Outer().left, 100);
    EXPECT_EQ(Outer().right - Outer().left, 310);
    EXPECT_EQ(Caption("简单"), "科学");
    window_.ToggleVirtualKeyboard();
    EXPECT_FALSE(window_.IsOpen());
}

}  // namespace
