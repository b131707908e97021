// The virtual keyboard over the calculator: its keys write into the box,
// "=" acts on it as a released Enter, and its settings go to the settings
// file.
#pragma once

#include "calculator_core.h"
#include "editing_commands.h"
#include "expression_box.h"
#include "keyboard_window.h"
#include "virtual_keys.h"

class KeyboardEffects final : public KeyboardHost {
public:
    KeyboardEffects(HINSTANCE instance, HWND owner, CalculatorCore& core, ExpressionBox& box)
        : core_(core), box_(box), window_(instance, owner, *this) {}

    KeyboardWindow& Window() { return window_; }

    TextBox& Box() override { return core_.Text; }
    HWND BoxWindow() override { return box_.Handle(); }
    void FocusBox() override { box_.Focus(); }
    void EnterKeyUp(int shift) override {
        EditBoxAdapter::TextReuseScope reuse(core_.Text);
        core_.Keys.KeyUpHandler(vk::kEnter, shift);
    }
    void Undo() override {
        core_.Undo();
        box_.Focus();
    }
    void ClearBox() override { ::ClearBox(core_.Text); }
    void InsertLastResult() override { core_.Chars.InsertLastResult(); }
    Settings& CurrentSettings() override { return core_.Current; }
    SettingsFile& File() override { return core_.SettingsStore; }

private:
    CalculatorCore& core_;
    ExpressionBox& box_;
    KeyboardWindow window_;  // last: closed first, while what it uses is still there
};
