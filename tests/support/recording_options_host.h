// An OptionsHost that records each call with its arguments, in order, over
// an in-memory box.
#pragma once

#include <string>
#include <vector>

#include "memory_text_box.h"
#include "options_confirm.h"

class RecordingOptionsHost : public OptionsHost {
public:
    std::vector<std::string> calls;
    MemoryTextBox box;

    void SetAlwaysOnTop(bool onTop) override { calls.push_back(std::string("top ") + (onTop ? "on" : "off")); }
    void SetEscapeCloses(bool closes) override { calls.push_back(std::string("esc ") + (closes ? "on" : "off")); }
    void ReRegisterShowHideHotKey(bool on, int mods, int key) override {
        calls.push_back("hotkey " + std::to_string(on) + " " + std::to_string(mods) + " " + std::to_string(key));
    }
    void SetWordWrap(bool wrap) override { calls.push_back(std::string("wrap ") + (wrap ? "on" : "off")); }
    void SetEdgeHideTimer(bool running) override { calls.push_back(std::string("edge ") + (running ? "on" : "off")); }
    void ShowCompatibleCopy(bool shown) override { calls.push_back(std::string("copy ") + (shown ? "on" : "off")); }
    TextBox& Box() override {
        calls.push_back("box");
        return box;
    }
    void RefreshModeDisplays() override { calls.push_back("modes"); }
};
