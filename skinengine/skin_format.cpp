#include "skin_format.h"

#include <algorithm>
#include <cmath>

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

std::uint32_t BlendSkinColour(std::uint32_t over, std::uint32_t under, int strength) {
    strength = std::clamp(strength, 0, kFullEffectsStrength);
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int from = (under >> shift) & 0xFF;
        const int to = (over >> shift) & 0xFF;
        const int delta = (to - from) * strength;
        // Rounded half away from zero, the same both ways.
        const int step = delta >= 0 ? (delta + kFullEffectsStrength / 2) / kFullEffectsStrength
                                    : -((-delta + kFullEffectsStrength / 2) / kFullEffectsStrength);
        result |= static_cast<std::uint32_t>(from + step) << shift;
    }
    return result;
}

namespace {

double Luminance(std::uint32_t colour) {
    const double weights[3] = {0.2126, 0.7152, 0.0722};  // red, green, blue
    double sum = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const double c = ((colour >> (8 * channel)) & 0xFF) / 255.0;
        sum += weights[channel] * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return sum;
}

}  // namespace

double ContrastRatio(std::uint32_t a, std::uint32_t b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::uint32_t ReadableOn(std::uint32_t text, std::uint32_t background) {
    if (ContrastRatio(text, background) >= kReadableContrast) return text;
    const std::uint32_t pole = Luminance(background) > 0.18 ? 0x000000 : 0xFFFFFF;
    for (int strength = 25; strength < kFullEffectsStrength; strength += 25) {
        const std::uint32_t moved = BlendSkinColour(pole, text, strength);
        if (ContrastRatio(moved, background) >= kReadableContrast) return moved;
    }
    return pole;
}
