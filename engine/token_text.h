// Cheap tests on token texts: most tokens are one character long, and the
// engine tests them many times per token.
#pragma once

#include <cstddef>
#include <string>

// True when the token is exactly the one character `ch`.
inline bool IsToken(const std::string& token, char ch) { return token.size() == 1 && token[0] == ch; }

// True when the token is one character found in the literal `chars`.
template <size_t N>
inline bool IsTokenOneOf(const std::string& token, const char (&chars)[N]) {
    if (token.size() != 1) return false;
    for (size_t i = 0; i + 1 < N; ++i) {
        if (token[0] == chars[i]) return true;
    }
    return false;
}
