#include "number_scan.h"

#include "messages.h"

namespace {

// Operands that a number must not follow directly: e2, 5%3, 3!2, pi2, 5‰3.
constexpr std::string_view kOperandEnds[] = {")", "e", "%", "!", "pi", "‰"};

// Walking back over the bytes of 0x80 and above that end just before
// `offset`: they pair up from the first of them, so an even count means
// `offset` starts a character.
bool StartsCharacter(const std::string& text, TextPos offset) {
    TextPos highBytes = 0;
    for (TextPos at = offset - 1; at >= 0 && IsLeadByte(static_cast<unsigned char>(text[at])); --at) {
        ++highBytes;
    }
    return highBytes % 2 == 0;
}

}  // namespace

bool IsNumberChar(char ch) { return (ch >= '0' && ch <= '9') || ch == '.' || ch == '/'; }

bool PrecededBy(const std::string& text, TextPos offset, std::string_view pattern) {
    const TextPos start = offset - static_cast<TextPos>(pattern.size());
    if (start < 0 || offset > static_cast<TextPos>(text.size())) return false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (text[static_cast<size_t>(start) + i] != pattern[i]) return false;
    }
    return StartsCharacter(text, start);
}

TextPos ScanNumberRun(const std::string& normalised, TextPos offset,
                      std::vector<std::string>& tokens, std::string& message) {
    const TextPos size = static_cast<TextPos>(normalised.size());
    if (offset < 0 || offset >= size || !IsNumberChar(normalised[offset])) {
        message = msg::kUnknownCharacter;
        return -1;
    }
    for (std::string_view end : kOperandEnds) {
        if (PrecededBy(normalised, offset, end)) {
            message = msg::kMissingOperator;
            return -1;
        }
    }

    TextPos end = offset;
    int points = 0;
    while (end < size && IsNumberChar(normalised[end])) {
        if (normalised[end] == '.') ++points;
        ++end;
    }
    tokens.push_back(normalised.substr(static_cast<size_t>(offset), static_cast<size_t>(end - offset)));
    if (points > 1) {
        message = msg::kTooManyPoints;
        return -1;
    }
    return end;
}
