// What a drop onto the main window does: dropped text, or the text of the
// first dropped file, becomes the box's whole text. A file that cannot be
// read leaves the box as it was and says so as 打开 does; a file the box
// cannot show whole is shown with a warning (a drop names no file, so no
// save replaces the dropped file).
#pragma once

#include <windows.h>

#include "drop_target.h"
#include "edit_box_adapter.h"
#include "file_commands.h"

class BoxDrop final : public DropSink {
public:
    // `owner` owns the message boxes.
    BoxDrop(EditBoxAdapter& box, HWND owner) : box_(box), owner_(owner) {}
    void OnTextDropped(const std::string& gbk) override { box_.SetText(gbk); }
    void OnFileDropped(const std::wstring&, const std::string& gbk, bool whole) override {
        box_.SetText(gbk);
        if (!whole) ShowFileError(owner_, FileError::DroppedInPart);
    }
    void OnFileUnreadable(const std::wstring&) override { ShowFileError(owner_, FileError::OpenFailed); }

private:
    EditBoxAdapter& box_;
    HWND owner_;
};
