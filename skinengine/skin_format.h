// The skin files of the program's own skin engine: a small header and a
// table of colours. Portable: no Windows headers.
//
//   offset  size        field
//   0       4           ".SHE"
//   4       2           version (1)
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
    kSkinWindow,       // window and dialog backgrounds
    kSkinText,         // labels, check boxes, group boxes
    kSkinControl,      // buttons, lists, tabs, the status bar and menu bar
    kSkinControlText,  // text on those
    kSkinFrame,        // frames
    kSkinCaption,      // the caption, where the system lets it be coloured
    kSkinAccent,       // the far end of the effects' gradient
    kSkinColourCount
};

struct SkinFile {
    bool systemLook = false;  // colours unused: the system's own look
    std::array<std::uint32_t, kSkinColourCount> colours{};
};

constexpr std::uint16_t kSkinVersion = 1;
constexpr std::size_t kSkinFileSize = 10 + 4 * kSkinColourCount + 2;
constexpr int kFullSkinStrength = 500;

std::vector<std::uint8_t> EncodeSkin(const SkinFile& skin);
// Nothing for every form but a whole, undamaged file of this version.
std::optional<SkinFile> ParseSkin(const void* bytes, std::size_t count);

// `skin` over `system`, 0 giving the system's colour and kFullSkinStrength
// the skin's, channel by channel and rounded; strengths outside are clamped.
std::uint32_t BlendSkinColour(std::uint32_t skin, std::uint32_t system, int strength);
