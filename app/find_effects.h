// 查找和替换 over the box, and the menu searches that work from its stored
// values while it is closed.
#pragma once

#include "edit_box_adapter.h"
#include "expression_box.h"
#include "find_replace.h"
#include "find_replace_window.h"

class FindEffects final : public FindReplaceHost {
public:
    FindEffects(HINSTANCE instance, HWND owner, EditBoxAdapter& text, ExpressionBox& box, const Settings& settings)
        : box_(box), settings_(settings), find_(text, *this), window_(instance, owner, find_, *this) {}

    FindReplace& Find() { return find_; }
    FindReplaceWindow& Window() { return window_; }

    void FocusBox() override { box_.Focus(); }
    const Settings& CurrentSettings() const override { return settings_; }

private:
    ExpressionBox& box_;
    const Settings& settings_;
    FindReplace find_;
    FindReplaceWindow window_;  // last: closed first, while what it uses is still there
};
