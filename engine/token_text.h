// Cheap tests on token texts: most tokens are one character long, and the
// engine tests them many times per token.
#pragma once

#include <cstring>
#include <string>

// True when the token is exactly the one character `ch`.
inline bool IsToken(const std::string& token, char ch) { return token.size() == 1 && token[0] == ch; }

// True when the token is one character found in `chars`.
inline bool IsTokenOneOf(const std::string& token, const char* chars) {
    return token.size() == 1 && token[0] != '\0' && std::strchr(chars, token[0]) != nullptr;
}
