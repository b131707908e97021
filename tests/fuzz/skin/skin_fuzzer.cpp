// The skin file parser against any bytes: it never reads outside them, and
// whatever it accepts encodes back to the very same bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "skin_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto skin = ParseSkin(data, size);
    if (!skin) return 0;
    const std::vector<std::uint8_t> encoded = EncodeSkin(*skin);
    if (encoded.size() != size || std::memcmp(encoded.data(), data, size) != 0) std::abort();
    for (std::uint32_t colour : skin->colours) (void)BlendSkinColour(colour, 0x00FFFFFFu, 250);
    return 0;
}
