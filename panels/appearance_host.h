// What the appearance window's previews and buttons do to the running
// program: the skin, the window's alpha, the box's colours and the bars.
#pragma once

#include <array>

// What the window does to the running program.
class AppearanceHost {
public:
    virtual ~AppearanceHost() = default;
    // The skin engine: attach skin 1..33 (16 is the system look).
    virtual void ApplySkin(int index) = 0;
    // The engine's effects on or off.
    virtual void SetSkinAero(bool on) = 0;
    // The engine's transparency: (opacity × 5, 1, 1, 1, 0, 0, 0).
    virtual void AdjustSkinAero(const std::array<int, 7>& values) = 0;
    // The main window's layered alpha, 0..255.
    virtual void SetWindowAlpha(int alpha) = 0;
    // The box drawn with these colours (0x00BBGGRR); the window has already
    // put the text colour into the record's FontColour.
    virtual void SetBoxColours(int backColour, int textColour) = 0;
    // The bars shown as the record's TitleBarVisible, MenuBarVisible and
    // StatusBarVisible now say (the main window's ApplyBars).
    virtual void ApplyBars() = 0;
};
