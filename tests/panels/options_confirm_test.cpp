#include "options_confirm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_file_store.h"
#include "recording_options_host.h"

namespace {

using FakeHost = RecordingOptionsHost;

// OK: the record first, then the live windows in this order with the new
// values, the box's signs, the mode displays, and last the file.
TEST(OptionsConfirm, AppliesInOrderThenWrites) {
    struct Case {
        void (*change)(OptionsControls&);
        std::vector<std::string> calls;
        const char* text;
        const char* line;  // a line the file then holds
    };
    const Case cases[] = {
        {[](OptionsControls&) {},
         {"top off", "esc on", "hotkey 0 0 112", "wrap off", "edge off", "copy on", "box", "modes"},
         "3×4÷2", "乘除替换=真\r\n"},
        {[](OptionsControls& c) {
             c.MulDivSymbols = false;
             c.KeepOnTop = c.PrefixLastResult = c.WordWrap = c.EdgeHide = true;
             c.ShowHideHotKeyOn = true;
             c.ShowHideModsIndex = 1;
             c.ShowHideKeyIndex = 4;
         },
         {"top on", "esc off", "hotkey 1 1 116", "wrap on", "edge on", "copy off", "box", "modes"},
         "3*4/2", "辅助快捷键=116\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        MemoryFileStore store;
        store.folders.insert("C:\\opt");
        SettingsFile file(store, "C:\\opt\\settings.ini");
        Settings settings;
        FakeHost host;
        host.box = MemoryTextBox("3*4/2", 5);
        OptionsControls controls = FillOptions(settings);
        c.change(controls);
        ConfirmOptions(controls, settings, file, host);
        EXPECT_EQ(host.calls, c.calls);
        EXPECT_EQ(host.box.Text(), c.text);
        EXPECT_NE(store.files["C:\\opt\\settings.ini"].find(c.line), std::string::npos);
    }
}

}  // namespace
