// What the virtual keyboard needs of the main window: the box, its key
// handling for "=", the editing commands and the settings.
#pragma once

#include "char_input.h"
#include "edit_box_adapter.h"
#include "editing_commands.h"
#include "key_handlers.h"
#include "keyboard_window.h"
#include "main_window.h"
#include "settings_file.h"
#include "virtual_keys.h"

class KeyboardEffects final : public KeyboardHost {
public:
    explicit KeyboardEffects(MainWindow& window) : window_(window) {}
    TextBox& Box() override { return *window_.boxText_; }
    HWND BoxWindow() override { return window_.box_.Handle(); }
    void FocusBox() override { window_.FocusBox(); }
    // "=" acts as a released Enter.
    void EnterKeyUp(int shift) override {
        EditBoxAdapter::TextReuseScope reuse(*window_.boxText_);
        window_.keys_->KeyUpHandler(vk::kEnter, shift);
    }
    void Undo() override { window_.Undo(); }
    void ClearBox() override { ::ClearBox(*window_.boxText_); }
    void InsertLastResult() override { window_.charInput_->InsertLastResult(); }
    Settings& CurrentSettings() override { return window_.settings_; }
    SettingsFile& File() override { return *window_.settingsFile_; }

private:
    MainWindow& window_;
};
