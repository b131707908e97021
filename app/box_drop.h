// What a drop onto the main window does: dropped text, or the text of the
// first dropped file, becomes the box's whole text. A file that cannot be
// read leaves the box as it was.
#pragma once

#include "drop_target.h"
#include "edit_box_adapter.h"

class BoxDrop final : public DropSink {
public:
    explicit BoxDrop(EditBoxAdapter& box) : box_(box) {}
    void OnTextDropped(const std::string& gbk) override { box_.SetText(gbk); }
    void OnFileDropped(const std::wstring&, const std::string& gbk) override { box_.SetText(gbk); }

private:
    EditBoxAdapter& box_;
};
