// What the key handlers of the expression box need from the window around
// it. The Windows program implements this over its real window, timer and
// keyboard; tests use a fake with a clock of their own.
#pragma once

#include <cstdint>

class KeyHandlerHost {
public:
    virtual ~KeyHandlerHost() = default;

    // Interval of the key-delay timer in milliseconds; 0 stops it. Setting
    // the interval it already has keeps a running timer running unchanged.
    virtual void SetKeyDelayTimer(unsigned intervalMs) = 0;
    virtual std::uint32_t TickCount() = 0;

    virtual void FocusBox() = 0;

    virtual bool IsNumLockOn() = 0;
    // Simulates a press and release of NumLock, which switches it back on.
    virtual void PressNumLock() = 0;

    // The check mark of the view item 全屏.
    virtual bool IsFullScreenChecked() = 0;
    // Full screen (all bars off, maximised, 全屏 checked) or back to the
    // normal view (all bars on, 全屏 unchecked).
    virtual void SetFullScreen(bool on) = 0;

    // The box's font size (Settings::FontSize) changed: build the font anew.
    virtual void FontSizeChanged() = 0;
    // Status part 2 from the settings as they stand.
    virtual void UpdateModeStatus() = 0;

    // Converts the result on the caret's line between decimal and fraction.
    virtual void FractionConvert() = 0;
};
