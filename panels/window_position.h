// The window-position window's logic: the four start-up placement texts
// as the file holds them, whether they give a window start-up keeps, and
// writing them back as typed.
#pragma once

#include <string>

#include "settings_file.h"

struct PositionTexts {
    std::string Left;
    std::string Top;
    std::string Width;
    std::string Height;
};

// Each text as it stands in [启动窗口位置], "0" when missing.
PositionTexts ReadPositionTexts(const SettingsFile& file);

// True exactly when start-up would place the window from these texts
// rather than fall back: they are read as start-up reads them (an empty
// text is 0, too large a number is held to 32 bits) and put through the
// same test.
bool PositionAccepted(const PositionTexts& texts, int screenWidth, int screenHeight);

// Left, top, width, height, in that order, as typed; the folder is made
// first so a first run's choice is kept.
bool WritePositionTexts(SettingsFile& file, const PositionTexts& texts);

// The fields take digits and the minus sign; control characters (Backspace,
// the clipboard keys) pass too.
inline bool PositionFieldAcceptsChar(unsigned ch) { return ch < 0x20 || ch == '-' || (ch >= '0' && ch <= '9'); }
