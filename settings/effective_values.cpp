#include "effective_values.h"

std::string FontFaceForLogFont(const std::string& gbkFace) {
    constexpr int kMaxCharacters = 31;
    std::size_t end = 0;
    for (int count = 0; count < kMaxCharacters && end < gbkFace.size(); ++count) {
        const bool twoBytes = static_cast<unsigned char>(gbkFace[end]) >= 0x80 && end + 1 < gbkFace.size();
        end += twoBytes ? 2 : 1;
    }
    return gbkFace.substr(0, end);
}
