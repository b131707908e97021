// The file menu's commands over the main window: its box, the box's
// modification flag, the caption and the way out.
#pragma once

#include "edit_box_adapter.h"
#include "expression_box.h"
#include "file_commands.h"
#include "main_frame.h"
#include "window_ids.h"

class FileEffects final : public FileCommandsHost {
public:
    FileEffects(HWND window, EditBoxAdapter& text, ExpressionBox& box, MainFrame& frame)
        : window_(window), text_(text), box_(box), frame_(frame), commands_(*this) {}

    FileCommands& Commands() { return commands_; }

    HWND FileDialogOwner() override { return window_; }
    TextBox& FileBox() override { return text_; }
    HWND FileBoxControl() override { return box_.Handle(); }
    void SetFileCaption(const std::wstring& caption) override { frame_.SetCaption(caption); }
    void EndProgram() override { PostEndOfProgram(window_); }

private:
    HWND window_;
    EditBoxAdapter& text_;
    ExpressionBox& box_;
    MainFrame& frame_;
    FileCommands commands_;
};
