// What the find and replace window and the menu searches need of the main
// window: its box's focus and its settings.
#pragma once

#include "find_replace.h"
#include "main_window.h"

class FindEffects final : public FindReplaceHost {
public:
    explicit FindEffects(MainWindow& window) : window_(window) {}
    void FocusBox() override { window_.FocusBox(); }
    const Settings& CurrentSettings() const override { return window_.settings_; }

private:
    MainWindow& window_;
};
