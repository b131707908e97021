// The skin files of the program's own skin engine: a small header and a
// table of colours, one for each part of a window's look. Portable: no
// Windows headers.
//
//   offset  size        field
//   0       4           ".SHE"
//   4       2           version (2)
//   6       2           flags (bit 0: the plain system look)
//   8       2           number of colours (kSkinColourCount)
//   10      4 x count   colours, 0x00BBGGRR
//   end     2           sum of all bytes before it, modulo 65536
// Numbers are little-endian.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

enum SkinColourRole {
    kSkinCaption,              // the active window's caption and its buttons
    kSkinCaptionText,
    kSkinInactiveCaption,      // the caption of a window without the focus
    kSkinInactiveCaptionText,
    kSkinFrame,                // the one-pixel line round a window and a caption button
    kSkinMenuBar,
    kSkinMenu,                 // pop-up menus, list boxes and combo lists
    kSkinMenuText,             // on the menu bar and in menus
    kSkinMenuHighlight,        // the chosen menu item and list entry
    kSkinMenuHighlightText,
    kSkinMenuSeparator,
    kSkinButtonFace,           // buttons and the keys of the keyboard window
    kSkinButtonBorder,
    kSkinButtonHot,            // under the mouse
    kSkinButtonPressed,
    kSkinButtonText,
    kSkinDisabledText,         // greyed buttons, menu items and labels
    kSkinCheckMark,            // check and radio marks, the default button's border
    kSkinDialog,               // window and dialog backgrounds
    kSkinLabelText,            // labels, check boxes and group boxes
    kSkinStatusBar,
    kSkinStatusText,
    kSkinTabSelected,          // the chosen tab joins its page
    kSkinTabUnselected,
    kSkinTabText,
    kSkinScrollTrack,          // scroll bars and the track bar's channel
    kSkinScrollThumb,
    kSkinGradientEnd,          // the far end of the effects' gradient
    kSkinColourCount
};

struct SkinFile {
    bool systemLook = false;  // colours unused: the system's own look
    std::array<std::uint32_t, kSkinColourCount> colours{};
};

constexpr std::uint16_t kSkinVersion = 2;
constexpr std::size_t kSkinFileSize = 10 + 4 * kSkinColourCount + 2;
// The effects layer's full strength, the first argument of SkinH_AdjustAero.
constexpr int kFullEffectsStrength = 500;

std::vector<std::uint8_t> EncodeSkin(const SkinFile& skin);
// Nothing for every form but a whole, undamaged file of this version.
std::optional<SkinFile> ParseSkin(const void* bytes, std::size_t count);

// `over` on `under`, 0 giving `under` and kFullEffectsStrength `over`,
// channel by channel and rounded; strengths outside are clamped.
std::uint32_t BlendSkinColour(std::uint32_t over, std::uint32_t under, int strength);

// The contrast ratio of two colours (1 to 21), by their relative luminance.
double ContrastRatio(std::uint32_t a, std::uint32_t b);
constexpr double kReadableContrast = 4.5;
// `text` when it reads on `background` at kReadableContrast; else the same
// colour moved toward black or white, whichever reaches it.
std::uint32_t ReadableOn(std::uint32_t text, std::uint32_t background);
