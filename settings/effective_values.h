// What the window does with a value that a hand-edited or damaged settings
// file may hold outside the range the program itself writes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "settings.h"

// Opacity 1..100; anything else counts as fully opaque, so a bad file
// can never make the window invisible.
inline int EffectiveOpacity(int opacity) { return opacity >= 1 && opacity <= 100 ? opacity : 100; }

// The layered window's alpha, computed in double arithmetic as the skin
// window does: 100 gives 254, not 255.
inline int WindowAlpha(int opacity) { return static_cast<int>(EffectiveOpacity(opacity) * 2.55); }

// A COLORREF has no bits above the blue byte.
inline std::uint32_t MaskColour(int colour) { return static_cast<std::uint32_t>(colour) & 0x00FFFFFFu; }

// The undo history keeps at most 500 steps; 0 or less means the default.
inline int EffectiveUndoDepth(int depth) {
    if (depth <= 0) return kDefaultUndoDepth;
    return depth > 500 ? 500 : depth;
}

inline int EffectiveFontSize(int points) { return std::clamp(points, kSmallestFontSize, kLargestFontSize); }

// The font size `step` points larger (smaller when negative), held to the
// same range; no sum overflows.
inline int StepFontSize(int points, int step) {
    const std::int64_t wanted = std::int64_t{points} + step;
    return static_cast<int>(std::clamp<std::int64_t>(wanted, kSmallestFontSize, kLargestFontSize));
}

// The face name cut to the 31 characters a LOGFONTW holds before its NUL
// (each GBK character becomes one UTF-16 unit); a two-byte character is
// never cut in half.
std::string FontFaceForLogFont(const std::string& gbkFace);
