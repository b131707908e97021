#include "skin_format.h"

#include <algorithm>

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

unsigned Get16(const std::uint8_t* at) { return at[0] | (at[1] << 8u); }

std::uint16_t Checksum(const std::uint8_t* bytes, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += bytes[i];
    return static_cast<std::uint16_t>(sum);
}

}  // namespace

std::vector<std::uint8_t> EncodeSkin(const SkinFile& skin) {
    std::vector<std::uint8_t> out{'.', 'S', 'H', 'E'};
    Put16(out, kSkinVersion);
    Put16(out, skin.systemLook ? 1 : 0);
    Put16(out, kSkinColourCount);
    for (std::uint32_t colour : skin.colours) {
        Put16(out, colour & 0xFFFF);
        Put16(out, (colour >> 16) & 0xFF);
    }
    Put16(out, Checksum(out.data(), out.size()));
    return out;
}

std::optional<SkinFile> ParseSkin(const void* data, std::size_t count) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (bytes == nullptr || count != kSkinFileSize) return std::nullopt;
    if (bytes[0] != '.' || bytes[1] != 'S' || bytes[2] != 'H' || bytes[3] != 'E') return std::nullopt;
    const unsigned flags = Get16(bytes + 6);
    if (Get16(bytes + 4) != kSkinVersion || flags > 1 || Get16(bytes + 8) != kSkinColourCount) return std::nullopt;
    if (Get16(bytes + count - 2) != Checksum(bytes, count - 2)) return std::nullopt;
    SkinFile skin;
    skin.systemLook = flags == 1;
    for (std::size_t i = 0; i < kSkinColourCount; ++i) {
        const std::uint8_t* at = bytes + 10 + 4 * i;
        if (at[3] != 0) return std::nullopt;
        skin.colours[i] = Get16(at) | (static_cast<std::uint32_t>(at[2]) << 16);
    }
    return skin;
}

std::uint32_t BlendSkinColour(std::uint32_t skin, std::uint32_t system, int strength) {
    strength = std::clamp(strength, 0, kFullSkinStrength);
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int from = (system >> shift) & 0xFF;
        const int to = (skin >> shift) & 0xFF;
        const int delta = (to - from) * strength;
        // Rounded half away from zero, the same both ways.
        const int step = delta >= 0 ? (delta + kFullSkinStrength / 2) / kFullSkinStrength
                                    : -((-delta + kFullSkinStrength / 2) / kFullSkinStrength);
        result |= static_cast<std::uint32_t>(from + step) << shift;
    }
    return result;
}
