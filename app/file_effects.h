// What the file menu's commands need of the main window: its box, the
// box's modification flag, the caption and the way out.
#pragma once

#include "edit_box_adapter.h"
#include "file_commands.h"
#include "main_window.h"

class FileEffects final : public FileCommandsHost {
public:
    explicit FileEffects(MainWindow& window) : window_(window) {}
    HWND FileDialogOwner() override { return window_.Handle(); }
    TextBox& FileBox() override { return *window_.boxText_; }
    HWND FileBoxControl() override { return window_.box_.Handle(); }
    void SetFileCaption(const std::wstring& caption) override { window_.SetCaption(caption); }
    void EndProgram() override { window_.PostEnd(); }

private:
    MainWindow& window_;
};
