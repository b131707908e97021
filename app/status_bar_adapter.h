// The engine's status bar over a common-controls status window.
#pragma once

#include <windows.h>

#include <string>

#include "text_box.h"

class StatusBarAdapter : public StatusBar {
public:
    explicit StatusBarAdapter(HWND status) : status_(status) {}

    void SetPartText(StatusPart part, const std::string& text) override;
    std::string PartText(StatusPart part) const override;

private:
    HWND status_;
};
